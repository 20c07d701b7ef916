#include "image/memory_blocks.h"
#include "image/statistics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace rc {
namespace {

struct ScriptedMessages : IMessages {
    Answer answer = Answer::Yes;
    std::vector<MessageSpec> shown;
    Answer Show(const MessageSpec& m) override {
        shown.push_back(m);
        return answer;
    }
};

// Every byte different and non-zero, so a byte moved to the wrong place shows.
ImageBytes Patterned() {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(1 + i % 251);
    return image;
}

// Indices where the two images differ.
std::vector<int> Changed(const ImageBytes& a, const ImageBytes& b) {
    std::vector<int> out;
    for (int i = 0; i < kImageSize; ++i)
        if (a[i] != b[i])
            out.push_back(i);
    return out;
}

TEST(MemoryCopy, EachGroupLandsInItsSaveAndNothingElseMoves) {
    struct Case {
        int group, save, from, to, length;
    } cases[] = {
        {0, 1, 32, 1224, 144},  {0, 3, 32, 2408, 144}, {0, 4, 32, 3000, 144},
        {1, 1, 184, 1376, 40},  {1, 4, 184, 3152, 40}, {2, 2, 224, 2008, 384},
        {2, 4, 224, 3192, 384}, {3, 1, 24, 1216, 8},   {3, 4, 24, 2992, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "group " << c.group << " save " << c.save);
        const ImageBytes before = Patterned();
        ImageBytes image = before;
        CopyToMemorySave(image, c.group, c.save);
        for (int k = 0; k < c.length; ++k)
            ASSERT_EQ(image[c.to + k], before[c.from + k]) << k;
        for (int i : Changed(before, image))
            ASSERT_TRUE(i >= c.to && i < c.to + c.length) << "byte " << i << " outside the destination";
    }
}

TEST(Flush, IndicatorsFollowTheBlocksAndAFlushClearsExactlyItsBlock) {
    ScriptedMessages messages;
    ImageBytes zero;
    for (int i = 0; i < kFlushBlockCount; ++i) {
        EXPECT_EQ(DisplayErase(zero)[i], kIndicatorWhite);
        EXPECT_FALSE(FlushMemoryBlock(zero, i, messages)) << "an empty block cannot be flushed";
    }
    EXPECT_TRUE(messages.shown.empty());

    struct Case {
        int poke;      // the one non-zero byte
        int indicator; // the block it turns red, -1 for none
    } cases[] = {
        {4704, 1},  {4853, 1}, {4854, -1}, {4864, 0},  {7863, 0}, {7888, 2}, {8167, 2},  {4032, 3}, {4591, 3},
        {4592, -1}, {224, 4},  {1183, 4},  {1184, -1}, {1216, 5}, {1799, 5}, {1800, -1}, {2400, 7}, {3575, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.poke);
        ImageBytes image;
        image[c.poke] = 7;
        const auto colours = DisplayErase(image);
        for (int i = 0; i < kFlushBlockCount; ++i)
            EXPECT_EQ(colours[i], i == c.indicator ? kIndicatorRed : kIndicatorWhite) << i;
    }

    // On a full image each flush clears its block and nothing beside it; No changes nothing.
    for (int i = 0; i < kFlushBlockCount; ++i) {
        SCOPED_TRACE(FlushBlocks()[i].label);
        const ImageBytes before = Patterned();
        ImageBytes image = before;
        messages.answer = Answer::No;
        EXPECT_FALSE(FlushMemoryBlock(image, i, messages));
        EXPECT_EQ(image, before);
        EXPECT_EQ(messages.shown.back(), FlushQuestion());
        messages.answer = Answer::Yes;
        EXPECT_TRUE(FlushMemoryBlock(image, i, messages));
        const Region block = FlushBlocks()[i].block;
        for (int k : Changed(before, image))
            ASSERT_TRUE(block.contains(k)) << k;
        EXPECT_EQ(Changed(before, image).size(), static_cast<std::size_t>(block.length));
        EXPECT_EQ(DisplayErase(image)[i], kIndicatorWhite);
    }
}

TEST(Statistics, CountersShowAsNumbersAndResetWritesExactlyTenZeros) {
    ImageBytes image = Patterned();
    const std::uint8_t counters[kStatCount] = {0, 1, 9, 10, 99, 100, 127, 128, 254, 255};
    for (int i = 0; i < kStatCount; ++i)
        image[4017 + i] = counters[i];
    const FileFacts file{true, false, 2026, 12, 7};
    StatsView view = DisplayStats(image, "/x/site.HR8", file);
    for (int i = 0; i < kStatCount; ++i)
        EXPECT_EQ(view.data[i], std::to_string(counters[i]));
    EXPECT_EQ(view.fileName, " /x/site.HR8");
    EXPECT_EQ(view.fileDate, "Monday, December 07, 2026");

    ScriptedMessages messages;
    const ImageBytes before = image;
    messages.answer = Answer::No;
    EXPECT_FALSE(ResetStats(image, messages));
    EXPECT_EQ(image, before);
    EXPECT_EQ(messages.shown.back(), ResetStatsQuestion());
    messages.answer = Answer::Yes;
    EXPECT_TRUE(ResetStats(image, messages));
    const auto changed = Changed(before, image);
    EXPECT_EQ(changed.size(), 9u) << "counter 0 was zero already";
    for (int k = 4017; k <= 4026; ++k)
        EXPECT_EQ(image[k], 0);
    EXPECT_EQ(image[4016], before[4016]);
    EXPECT_EQ(image[4027], before[4027]);
}

TEST(Statistics, FileNameDateAndReadOnlyNote) {
    ImageBytes image;
    struct Case {
        std::string name;
        FileFacts file;
        std::string shownName, shownDate;
        bool readOnly;
        std::string counter0;
    } cases[] = {
        {"", {}, " No File Assigned", "", false, ""},
        {"/r/a.HR8", {true, true, 2002, 4, 2}, " /r/a.HR8", "Tuesday, April 02, 2002", true, "0"},
        {"/r/b.HR8", {true, false, 2000, 2, 29}, " /r/b.HR8", "Tuesday, February 29, 2000", false, "0"},
        {"/r/gone.HR8", {}, " /r/gone.HR8", "File no longer found", false, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StatsView view = DisplayStats(image, c.name, c.file);
        EXPECT_EQ(view.fileName, c.shownName);
        EXPECT_EQ(view.fileDate, c.shownDate);
        EXPECT_EQ(view.readOnlyShown, c.readOnly);
        EXPECT_EQ(view.data[0], c.counter0);
    }

    namespace fs = std::filesystem;
    const fs::path path = fs::temp_directory_path() / ("rc-stat-" + std::to_string(::getpid()) + ".HR8");
    std::ofstream(path) << "x";
    FileFacts facts = StatFile(path.string());
    EXPECT_TRUE(facts.exists);
    EXPECT_NE(FileDateText(facts.year, facts.month, facts.day), "");
    fs::remove(path);
    EXPECT_FALSE(StatFile(path.string()).exists);
}

} // namespace
} // namespace rc
