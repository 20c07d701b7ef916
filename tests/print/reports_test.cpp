// The printed reports on images other than the sample (whose whole report, its columns, pages and
// headings, is pinned in tests/snapshot/Default.report.txt): the tab columns, and what each report
// makes of rule edges and invalid records. Then the sample's own rules, and every decoder over random
// images.
#include "../editors/edit_expect.h"
#include "codecs/voice_message.h"
#include "editors/codes.h"
#include "editors/memory_blocks.h"
#include "editors/statistics.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "listing/settings_list.h"
#include "print/jobs.h"
#include "print/reports.h"
#include "print/text_renderer.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace rc::print {
namespace {

using rc::testing::Put;
using rc::testing::PutWords;
using Texts = std::vector<std::string>;

std::vector<Document> Build(const ImageBytes& image, std::string_view job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            return BuildJob(j, ctx);
    return {};
}

TEST(TextRenderer, PlacesTextsAtTabColumns) {
    const std::pair<Line, std::string> cases[] = {
        {{{{8, "ab"}, {14, "c"}}}, "       ab    c\n"},
        {{{{1, "x"}, {0, "y"}}}, "xy\n"},
        {{{{3, "long text"}, {5, "z"}}}, "  long text\n    z\n"}, // a passed column breaks the line
        {{}, "\n"},
        {{{{0, "Title"}}, 14, false, true}, std::string(38, ' ') + "Title\n"},
        {{{{8, Number(7)}}}, "        7 \n"},
        {{{{8, Number(-12)}}}, "       -12 \n"},
    };
    for (const auto& [line, text] : cases)
        EXPECT_EQ(RenderLine(line), text);
}

// Every row of a job's pages, its cells "column:text" joined by "|".
std::vector<std::string> Rows(const ImageBytes& image, std::string_view job) {
    std::vector<std::string> rows;
    for (const Document& doc : Build(image, job))
        for (const Page& page : doc.pages)
            for (const Line& line : page.lines) {
                std::string row;
                for (const Cell& c : line.cells)
                    row += (row.empty() ? "" : "|") + std::to_string(c.column) + ":" + c.text;
                rows.push_back(row);
            }
    return rows;
}

// The rows of records the sample does not hold (its whole report is the snapshot's): a record next
// to each of them holds other words, so a record read past its end shows. The texts inside the rows
// are the editors' (their tests); here what each report makes of them.
TEST(Reports, RowsOfFullEmptyAndInvalidRecords) {
    std::vector<int> full;
    for (int j = 0; j < 23; ++j)
        full.push_back(j < 21 ? j : 210 + j);
    const std::string all = "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 And Answer";
    const std::string zeros = "0000   0000   0000   0000   0000   0000   0000   0000";
    ImageBytes image;
    // Base messages 1 to 7: words left behind by an older message, 23 words, counts that cannot fit
    // in the record, a word without text, the next record's word.
    const std::pair<int, std::vector<int>> messages[] = {
        {0, {210, 250}},      {23, full},      {24, full}, {255, full},
        {3, {210, 983, 250}}, {2, {983, 250}}, {1, {950}}};
    for (int k = 0; k < 7; ++k)
        PutWords(image, Messages(0).at(k), messages[k].first, messages[k].second);
    // Speed dial 44: an identification without a number (numbers and identifications themselves are
    // the editor's texts, in its tests).
    PutWords(image, kUserSpeedDial.at(44) + 12, 1, {250});
    // Tone 2 off (the tones themselves are the editor's texts at the snapshot's columns); the CW message.
    Put(image, 1184, {7, 13, 14, 38, 32, 1, 10, 32});
    Put(image, 4032, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: commands and a 1A
    Put(image, 4060, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});             // macro 2: no code
    Put(image, 4564, {7, 11, 12, 13, 14, 15, 10, 9});                   // macro 20: code only
    Put(image, 7888, {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10});          // event 1: December 25 at 08:30
    Put(image, 7895, {0xFF, 0, 9, 0x08, 0x30, 0, 0});                   // 2: weekends at 08:30
    Put(image, 7902, {0xFF, 0, 0, 0xFF, 0x15, 0x05, 0x00});             // 3: every hour at :15
    Put(image, 7909, {0x13, 0x05, 0, 0x1A, 0x3B, 0x2A, 0x00});          // 4: not BCD
    Put(image, 8042, {0xFF, 0, 12, 0x23, 0x59, 0, 0});                  // 23: unknown weekday
    const std::pair<const char*, std::string> rows[] = {
        {"voice", "8: 1 |14:"},
        {"voice", "8: 2 |14:" + all},
        {"voice", "8: 3 |14:"},
        {"voice", "8: 4 |14:"},
        {"voice", "8: 5 |14:A  B"},
        {"voice", "8: 6 |14:B"},
        {"voice", "8: 7 |14:Z"},
        {"speed-dial", "8: 41 |15:|32:"},
        {"speed-dial", "8: 44 |15:|32: B"}, // the identification prints without a number
        {"emergency", "8: 0 |15:|32:"},
        {"tones-cw", "8: 2 "},
        {"tones-cw", "8:DE W1AW"},
        {"macros", "8: 1 |14:123|28:1110   1A05   " + zeros},
        {"macros", "8: 2 "},
        {"macros", "8: 20 |14:*#ABC09|28:0000   0000   " + zeros},
        {"scheduler", "8: 1 |15:08:30|25:      ----|45:December|55:25|75:1110"},
        {"scheduler", "8: 2 |15:08:30|25:Weekends|45:Skip|75:0000"},
        {"scheduler", "8: 3 |15:---:15|25:Daily|45:Skip|75:0500"},
        {"scheduler", "8: 4 |15:1A:3B|25:      ----|45:Error|55:5|75:2A00"},
        {"scheduler", "8: 5 "},
        {"scheduler", "8: 23 |15:23:59|25:Error|45:Skip|75:0000"},
    };
    for (const auto& [job, row] : rows) {
        const std::vector<std::string> printed = Rows(image, job);
        EXPECT_EQ(std::count(printed.begin(), printed.end(), row), 1) << job << ": " << row;
    }
    const std::vector<std::string> blank = Rows(ImageBytes{}, "tones-cw");
    EXPECT_EQ(std::count(blank.begin(), blank.end(), "8:Empty"), 1);
}

// What the bundled sample must be beyond its values (those are pinned by the report and listing
// snapshots): saved without an alert, and zero wherever no dialog reaches.
class SampleImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ReadResult r = ReadImageFile(RC_SOURCE_DIR "/samples/Default.HR8", image);
        ASSERT_EQ(r.error, OpenError::None) << r.reason;
    }
    static ImageBytes image;
};
ImageBytes SampleImage::image;

TEST_F(SampleImage, SavingRaisesNoAlert) {
    EXPECT_FALSE(CheckClosure(image).has_value());
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        EXPECT_EQ(image[ZonesStart(copy)] & 0x07, 0x01) << "memory save " << copy;
}

// Every byte outside the settings is zero (the sample's listing holds no unnamed bytes), and so is
// the last byte of each speed dial entry.
TEST_F(SampleImage, BytesNoDialogOwnsStayZero) {
    for (const listing::SettingLine& line : listing::ListSettings(image))
        EXPECT_NE(line.area, listing::kUnnamedArea) << line.item << " = " << line.value;
    for (const RecordTable& t : {kEmergencySpeedDial, kUserSpeedDial})
        for (int n = 0; n < t.count; ++n)
            EXPECT_EQ(image[t.at(n) + t.recordSize - 1], 0) << t.at(n);
}

// Every display routine (of every editor dialog, through the settings listing) and every report over
// random images: nothing reads outside the image (the sanitizer build checks that), and no text
// changes when only bytes outside its own record change.

// One decoder: item k of its texts is made only from the bytes of reads(k).
struct Decoder {
    std::string name;
    std::function<std::vector<Region>(int)> reads;
    std::function<Texts(const ImageBytes&)> texts;
};

template <typename C> Texts Strings(const C& c) {
    return Texts(std::begin(c), std::end(c));
}

// The image areas each print job reads, in job order.
std::vector<Region> JobReads(int job) {
    const auto everySave = [](Region (*of)(int copy)) {
        return std::vector<Region>{of(1), of(2), of(3), of(4)};
    };
    Region (*codes)(int) = [](int c) { return Codes(c).region(); };
    Region (*timers)(int) = [](int c) { return Timers(c).region(); };
    Region (*messages)(int) = [](int c) { return Messages(c).region(); };
    const std::vector<std::vector<Region>> reads = {{codes(0)},
                                                    everySave(codes),
                                                    {timers(0)},
                                                    everySave(timers),
                                                    {messages(0)},
                                                    everySave(messages),
                                                    {kMacros.region()},
                                                    {kScheduler.region()},
                                                    {kUserSpeedDial.region()},
                                                    {kEmergencySpeedDial.region()},
                                                    {kBaseZones},
                                                    everySave([](int c) {
                                                        return Region{ZonesStart(c), kZoneCount};
                                                    }),
                                                    {kCourtesyTones.region(), kCwMessage}};
    return reads.at(static_cast<std::size_t>(job)); // a job added without its areas throws
}

// Item k is made from record k of `table` alone.
std::function<std::vector<Region>(int)> RecordOf(RecordTable table) {
    return [table](int k) { return std::vector<Region>{{table.at(k), table.recordSize}}; };
}

std::vector<Decoder> Decoders() {
    std::vector<Decoder> d;
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        const std::string n = " " + std::to_string(copy);
        d.push_back({"DisplayCodes" + n, RecordOf(Codes(copy)),
                     [=](const ImageBytes& im) { return Strings(DisplayCodes(im, copy)); }});
        d.push_back({"DisplayTimers" + n, RecordOf(Timers(copy)),
                     [=](const ImageBytes& im) { return Strings(DisplayTimers(im, copy)); }});
        d.push_back({"VoiceMessageText" + n, RecordOf(Messages(copy)), [=](const ImageBytes& im) {
                         Texts t;
                         for (int k = 0; k < MessageCount(copy); ++k)
                             t.push_back(VoiceMessageText(im, Messages(copy).at(k)));
                         return t;
                     }});
    }
    d.push_back({"DisplayErase", [](int k) { return std::vector<Region>{FlushBlocks()[k].block}; },
                 [](const ImageBytes& im) {
                     Texts t;
                     for (int colour : DisplayErase(im))
                         t.push_back(std::to_string(colour));
                     return t;
                 }});
    d.push_back({"DisplayStats", RecordOf({kStatistics.offset, 1, kStatistics.length}),
                 [](const ImageBytes& im) { return Strings(DisplayStats(im, "/srv/a.HR8", {true}).data); }});
    // The settings listing runs the display routine of every editor dialog, area by area.
    for (const listing::ListedArea& area : listing::ListedAreas())
        d.push_back({area.area, [area](int) { return area.bytes; },
                     [area](const ImageBytes& im) {
                         std::vector<listing::SettingLine> lines;
                         area.list(im, area.copy, lines);
                         Texts t;
                         for (const listing::SettingLine& l : lines)
                             t.push_back(l.item + " = " + l.value);
                         return t;
                     }});
    d.push_back({"report", JobReads, [](const ImageBytes& im) {
                     const print::ReportContext ctx{im, " /srv/a.HR8", "12/07/26", 10};
                     Texts t;
                     for (const print::PrintJob& job : print::PrintJobs())
                         t.push_back(print::RenderText(print::BuildJob(job, ctx)));
                     return t;
                 }});
    return d;
}

using test::RandomImage;

TEST(DecoderFuzz, EveryTextComesOnlyFromItsOwnRecord) {
    std::mt19937 rng(20261207);
    const std::vector<Decoder> decoders = Decoders();
    std::vector<ImageBytes> images(2);
    std::fill(images[1].MutableBytes().begin(), images[1].MutableBytes().end(), 0xFF);
    for (int n = 0; n < 2000; ++n)
        images.push_back(RandomImage(rng));
    for (std::size_t n = 0; n < images.size(); ++n) {
        const ImageBytes other = RandomImage(rng);
        for (const Decoder& d : decoders) {
            const Texts texts = d.texts(images[n]);
            // The neighbours test runs on a share of the images: each item is decoded again on
            // other bytes everywhere but in its own record.
            for (std::size_t k = 0; k < texts.size() && (n < 2 || n % 100 == 0); ++k) {
                ImageBytes moved = other;
                for (const Region& r : d.reads(static_cast<int>(k)))
                    for (int i = r.offset; i < r.end(); ++i)
                        moved[i] = images[n][i];
                ASSERT_EQ(d.texts(moved)[k], texts[k]) << d.name << " item " << k << " on image " << n;
            }
        }
    }
}

} // namespace
} // namespace rc::print
