// The printed reports on images other than the sample (whose whole report, its columns, pages and
// headings, is pinned in tests/snapshot/Default.report.txt): the tab columns, and what each report
// makes of rule edges and invalid records.
#include "../editors/edit_expect.h"
#include "codecs/vocabulary.h"
#include "image/regions.h"
#include "print/jobs.h"
#include "print/reports.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rc::print {
namespace {

using rc::testing::Put;

std::vector<Document> Build(const ImageBytes& image, std::string_view job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            return BuildJob(j, ctx);
    return {};
}

TEST(TextRenderer, PlacesTextsAtTabColumns) {
    struct Case {
        Line line;
        std::string text;
    } cases[] = {
        {{{{8, "ab"}, {14, "c"}}}, "       ab    c\n"},
        {{{{1, "x"}, {0, "y"}}}, "xy\n"},
        {{{{3, "long text"}, {5, "z"}}}, "  long text\n    z\n"}, // a passed column breaks the line
        {{}, "\n"},
        {{{{0, "Title"}}, 14, false, true}, std::string(38, ' ') + "Title\n"},
        {{{{8, Number(7)}}}, "        7 \n"},
        {{{{8, Number(-12)}}}, "       -12 \n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RenderLine(c.line), c.text);
}

void WriteMessage(ImageBytes& image, int record, int count, const std::vector<int>& codes) {
    image[record] = static_cast<std::uint8_t>(count);
    for (std::size_t j = 0; j < codes.size(); ++j)
        WritePackedWord(image, record + 1 + 2 * static_cast<int>(j), PackWordCode(codes[j]));
}

void WriteEntry(ImageBytes& image, int PT, std::vector<int> digits, int idCount,
                const std::vector<int>& words) {
    image[PT] = static_cast<std::uint8_t>(digits.size());
    for (std::size_t k = 0; k < digits.size(); ++k)
        image[PT + 1 + static_cast<int>(k)] = static_cast<std::uint8_t>(digits[k]);
    WriteMessage(image, PT + 12, idCount, words);
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
    std::vector<int> full, eight = {210, 250, 270, 310, 340, 370, 410, 440};
    for (int j = 0; j < 23; ++j)
        full.push_back(j < 21 ? j : 210 + j);
    const std::string all = "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 And Answer";
    const std::vector<int> eleven = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const std::string zeros = "0000   0000   0000   0000   0000   0000   0000   0000";
    ImageBytes image;
    // Base messages 1 to 7: words left behind by an older message, 23 words, counts that cannot fit
    // in the record, a word without text, the next record's word.
    const std::pair<int, std::vector<int>> messages[] = {
        {0, {210, 250}},      {23, full},      {24, full}, {255, full},
        {3, {210, 983, 250}}, {2, {983, 250}}, {1, {950}}};
    for (int k = 0; k < 7; ++k)
        WriteMessage(image, Messages(0).at(k), messages[k].first, messages[k].second);
    // Speed dials 41 to 47 and emergency 4.
    WriteEntry(image, kUserSpeedDial.at(42), eleven, 8, eight);
    WriteEntry(image, kUserSpeedDial.at(43), {0x19, 0x2C}, 1, {210});
    WriteEntry(image, kUserSpeedDial.at(44), {}, 1, {250});
    WriteEntry(image, kUserSpeedDial.at(45), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, {270});
    WriteEntry(image, kUserSpeedDial.at(46), {5}, 9, eight);
    WriteEntry(image, kUserSpeedDial.at(47), {1}, 1, {950});
    WriteEntry(image, kEmergencySpeedDial.at(4), eleven, 8, eight);
    // Tone 1 without a frequency text, tone 2 off, tone 3; the CW message.
    Put(image, 4592, {9});
    Put(image, 4608, {3, 2, 1, 5, 2, 1, 8, 4});
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
        {"speed-dial", "8: 42 |15:1234567890*|32: A B C D E F G H"},
        {"speed-dial", "8: 43 |15:,9,#|32: A"},
        {"speed-dial", "8: 44 |15:|32: B"}, // the identification prints without a number
        {"speed-dial", "8: 45 |15:|32: C"},
        {"speed-dial", "8: 46 |15:5|32:"},
        {"speed-dial", "8: 47 |15:1|32: Z"},
        {"emergency", "8: 0 |15:|32:"},
        {"emergency", "8: 4 |15:1234567890*|32: A B C D E F G H"},
        {"tones-cw", "8: 1 |15:|21:-|24:0|35:0|45:0|51:-|54:0|65:0|75:0|81:-|84:0"},
        {"tones-cw", "8: 2 "},
        {"tones-cw", "8: 3 |15:500|21:-|24:100|35:50|45:700|51:-|54:100|65:50|75:1000|81:-|84:200"},
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

} // namespace
} // namespace rc::print
