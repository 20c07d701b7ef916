#include "edit_expect.h"
#include "editors/memory_blocks.h"
#include "editors/statistics.h"
#include "scripted_messages.h"
#include "test_files.h"

#include <filesystem>
#include <optional>

namespace rc {
namespace {

using testing::Changed;
using testing::Patterned;

// `image` with [from, from + length) zeroed, or copied from `source`: all a flush or a copy may change.
ImageBytes With(ImageBytes image, int from, int length, std::optional<int> source = {}) {
    for (int k = 0; k < length; ++k)
        image[from + k] = source ? image[*source + k] : 0;
    return image;
}

TEST(MemoryCopy, EachGroupLandsInItsSaveAndNothingElseMoves) {
    struct Case {
        int group, save, from, to, length;
    } cases[] = {{0, 3, 32, 2408, 144}, {1, 4, 184, 3152, 40}, {2, 2, 224, 2008, 384}, {3, 1, 24, 1216, 8}};
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        CopyToMemorySave(image, c.group, c.save);
        EXPECT_EQ(Changed(With(Patterned(), c.to, c.length, c.from), image), "") << c.group;
    }
}

TEST(Flush, IndicatorsFollowTheBlocksAndAFlushClearsExactlyItsBlock) {
    test::ScriptedMessages messages;
    ImageBytes zero;
    for (int i = 0; i < kFlushBlockCount; ++i)
        EXPECT_FALSE(FlushMemoryBlock(zero, i, messages)) << "an empty block cannot be flushed";
    EXPECT_TRUE(messages.shown.empty());

    // The one non-zero byte and the indicator it turns red (-1: none, it is a neighbour's byte).
    const std::pair<int, int> pokes[] = {{4704, 1},  {4853, 1}, {4854, -1}, {7863, 0}, {8167, 2},  {4591, 3},
                                         {4592, -1}, {1183, 4}, {1184, -1}, {1799, 5}, {1800, -1}, {3575, 8}};
    for (auto [poke, red] : pokes) {
        ImageBytes image;
        image[poke] = 7;
        const auto colours = DisplayErase(image);
        for (int i = 0; i < kFlushBlockCount; ++i)
            EXPECT_EQ(colours[i], i == red ? kIndicatorRed : kIndicatorWhite) << poke << " " << i;
    }

    for (int i = 0; i < kFlushBlockCount; ++i) {
        const ImageBytes before = Patterned();
        ImageBytes image = before;
        messages.fallback = Answer::No;
        EXPECT_FALSE(FlushMemoryBlock(image, i, messages));
        EXPECT_EQ(image, before);
        messages.fallback = Answer::Yes;
        EXPECT_TRUE(FlushMemoryBlock(image, i, messages));
        const Region block = FlushBlocks()[i].block;
        EXPECT_EQ(Changed(With(before, block.offset, block.length), image), "") << FlushBlocks()[i].label;
        EXPECT_EQ(DisplayErase(image)[i], kIndicatorWhite);
    }
}

TEST(Statistics, DialogTextsAndReset) {
    ImageBytes image = Patterned();
    image[4017] = 0;
    image[4026] = 255;
    struct Case {
        std::string name;
        FileFacts file;
        std::string shownName, shownDate;
        bool readOnly;
        std::string first, last;
    } cases[] = {
        {"", {}, " No File Assigned", "", false, "", ""},
        {"/r/a.HR8", {true, true, 2002, 4, 2}, " /r/a.HR8", "Tuesday, April 02, 2002", true, "0", "255"},
        {"/r/b.HR8", {true, false, 2026, 12, 7}, " /r/b.HR8", "Monday, December 07, 2026", false, "0", "255"},
        {"/r/gone.HR8", {}, " /r/gone.HR8", "File no longer found", false, "0", "255"},
    };
    for (const Case& c : cases) {
        StatsView view = DisplayStats(image, c.name, c.file);
        EXPECT_EQ(view.fileName, c.shownName);
        EXPECT_EQ(view.fileDate, c.shownDate);
        EXPECT_EQ(view.readOnlyShown, c.readOnly);
        EXPECT_EQ(view.data[0], c.first);
        EXPECT_EQ(view.data[9], c.last);
    }

    test::ScriptedMessages messages;
    image[4017] = 1;
    const ImageBytes before = image;
    messages.fallback = Answer::No;
    EXPECT_FALSE(ResetStats(image, messages));
    messages.fallback = Answer::Yes;
    EXPECT_TRUE(ResetStats(image, messages));
    EXPECT_EQ(Changed(With(before, 4017, 10), image), "");
    EXPECT_EQ(DisplayStats(image, "/r/b.HR8", cases[2].file).data[9], "0");

    test::TempFolder folder;
    test::WriteFile(folder.Path("a.HR8"), "x");
    const FileFacts facts = StatFile(folder.Path("a.HR8"));
    EXPECT_TRUE(facts.exists);
    EXPECT_NE(FileDateText(facts.year, facts.month, facts.day), "");
    EXPECT_FALSE(StatFile(folder.Path("b.HR8")).exists);
    // The read-only note, even for a superuser whom access() would let write.
    EXPECT_FALSE(facts.readOnly);
    std::filesystem::permissions(folder.Path("a.HR8"), std::filesystem::perms::owner_read);
    EXPECT_TRUE(StatFile(folder.Path("a.HR8")).readOnly);
}

} // namespace
} // namespace rc
