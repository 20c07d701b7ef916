// The printed reports on images other than the sample (whose whole report is pinned in
// tests/snapshot/Default.report.txt): layout at the tab columns, rule edges and invalid records. The
// timer rows are the editor's texts (the timers dialog's tests) at the snapshot's columns.
#include "../editors/edit_expect.h"
#include "codecs/dtmf.h"
#include "codecs/vocabulary.h"
#include "image/regions.h"
#include "print/jobs.h"
#include "print/reports.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

namespace rc::print {
namespace {

using rc::testing::Put;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream ss(text);
    for (std::string line; std::getline(ss, line);)
        lines.push_back(line);
    return lines;
}

std::vector<Document> Build(const ImageBytes& image, std::string_view job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            return BuildJob(j, ctx);
    return {};
}

// The index of the first line holding `line` (checked to be there).
std::ptrdiff_t Find(const std::vector<std::string>& lines, const std::string& line) {
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(line) != std::string::npos; });
    EXPECT_NE(it, lines.end()) << "missing: " << line;
    return it - lines.begin();
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

// The message rows of a rendered document: the lines that start with a number at column 8.
// The speed dial rows are found the same way.
std::vector<std::string> MessageRows(const std::string& page) {
    std::vector<std::string> rows;
    for (const std::string& line : Lines(page))
        if (line.size() > 8 && line.compare(0, 8, "        ") == 0 &&
            std::isdigit(static_cast<unsigned char>(line[8])))
            rows.push_back(line);
    return rows;
}

void WriteMessage(ImageBytes& image, int record, int count, const std::vector<int>& codes) {
    image[record] = static_cast<std::uint8_t>(count);
    for (std::size_t j = 0; j < codes.size(); ++j)
        WritePackedWord(image, record + 1 + 2 * static_cast<int>(j), PackWordCode(codes[j]));
}

// The row as printed: the number at column 8 ("  7 " right of the tab), the text from column 14.
std::string Row(int n, const std::string& text) {
    std::string row = std::string(7, ' ') + " " + std::to_string(n) + " ";
    if (!text.empty())
        row += std::string(13 - row.size(), ' ') + text;
    return row;
}

TEST(VoiceReport, FullEmptyAndInvalidRecords) {
    std::vector<int> full;
    for (int j = 0; j < 23; ++j)
        full.push_back(j < 21 ? j : 210 + j);
    const std::string fullText = "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 And Answer";

    struct Case {
        int count;
        std::vector<int> codes;
        std::string text;
    } cases[] = {{0, {210, 250}, ""}, // words left behind by an older message do not show
                 {23, full, fullText},
                 {24, full, ""}, // a count that cannot fit in the record is no message
                 {255, full, ""},
                 {3, {210, 983, 250}, "A  B"}, // a word without text keeps its blank between its neighbours
                 {2, {983, 250}, "B"}};
    for (const Case& c : cases) {
        ImageBytes image;
        WriteMessage(image, Messages(0).at(4), c.count, c.codes);
        // The next record's words must never join this one.
        WriteMessage(image, Messages(0).at(5), 1, {950});
        std::vector<std::string> rows = MessageRows(RenderText(Build(image, "voice")));
        ASSERT_EQ(rows.size(), 20u);
        EXPECT_EQ(rows[4], Row(5, c.text)) << c.count;
        EXPECT_EQ(rows[5], Row(6, "Z"));
    }
}

// A speed dial row as printed: the entry at column 8, the number at 15, the identification at 32.
std::string SpeedRow(int n, const std::string& number, const std::string& id) {
    std::string row = Row(n, "");
    if (!number.empty())
        row += std::string(14 - row.size(), ' ') + number;
    if (!id.empty())
        row += std::string(31 - row.size(), ' ') + id;
    return row;
}

void WriteEntry(ImageBytes& image, int PT, std::vector<int> digits, int idCount,
                const std::vector<int>& words) {
    image[PT] = static_cast<std::uint8_t>(digits.size());
    for (std::size_t k = 0; k < digits.size(); ++k)
        image[PT + 1 + static_cast<int>(k)] = static_cast<std::uint8_t>(digits[k]);
    WriteMessage(image, PT + 12, idCount, words);
}

TEST(SpeedDialReport, EmptyFullAndInvalidEntries) {
    const std::vector<int> eight = {210, 250, 270, 310, 340, 370, 410, 440};
    struct Case {
        std::string what;
        std::vector<int> digits;
        int idCount;
        std::vector<int> words;
        std::string number, id;
    } cases[] = {
        {"empty", {}, 0, {}, "", ""},
        {"full", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 8, eight, "1234567890*", " A B C D E F G H"},
        {"pauses and #", {0x19, 0x2C}, 1, {210}, ",9,#", " A"},
        {"identification without a number", {}, 1, {250}, "", " B"},
        {"a length that cannot fit", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, {270}, "", " C"},
        {"a word count that cannot fit", {5}, 9, eight, "5", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImageBytes image;
        WriteEntry(image, kUserSpeedDial.at(47), c.digits, c.idCount, c.words);
        WriteEntry(image, kEmergencySpeedDial.at(4), c.digits, c.idCount, c.words);
        // The next entry's words must never join this one.
        WriteEntry(image, kUserSpeedDial.at(48), {1}, 1, {950});
        std::vector<Document> user = Build(image, "speed-dial"), emergency = Build(image, "emergency");
        ASSERT_EQ(user.size(), 1u);
        ASSERT_EQ(user[0].pages.size(), 5u);
        ASSERT_EQ(emergency.size(), 1u);
        std::vector<std::string> page3 = MessageRows(RenderText({Document{{user[0].pages[2]}}}));
        ASSERT_EQ(page3.size(), 20u);
        EXPECT_EQ(page3[0], SpeedRow(40, "", ""));
        EXPECT_EQ(page3[7], SpeedRow(47, c.number, c.id));
        EXPECT_EQ(page3[8], SpeedRow(48, "1", " Z"));
        std::vector<std::string> rows = MessageRows(RenderText(emergency));
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[0], SpeedRow(0, "", ""));
        EXPECT_EQ(rows[4], SpeedRow(4, c.number, c.id));
    }
}

// A line as the printer lays it out: each text from its column on.
std::string At(std::vector<std::pair<int, std::string>> cells) {
    std::string line;
    for (auto& [column, text] : cells) {
        line.resize(static_cast<std::size_t>(column - 1), ' ');
        line += text;
    }
    return line;
}

TEST(TonesCwReport, TonesThenTheMessageOnTheSamePage) {
    const std::pair<std::vector<int>, std::string> messages[] = {
        {{0}, "Empty"},
        {{7, 13, 14, 38, 32, 1, 10, 32}, "DE W1AW"},
        {{200}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ/(AR) .;"}, // 31 characters, none of memory save #1
    };
    for (const auto& [cw, text] : messages) {
        SCOPED_TRACE(text);
        ImageBytes image;
        const int tone3[8] = {3, 2, 1, 5, 2, 1, 8, 4};
        for (int f = 0; f < 8; ++f)
            image[4608 + f] = static_cast<std::uint8_t>(tone3[f]);
        image[4592] = 9; // tone 1 without a frequency text
        for (int k = 0; k < 31; ++k)
            image[1185 + k] = static_cast<std::uint8_t>(k + 10);
        image[1216] = 46;
        for (std::size_t k = 0; k < cw.size(); ++k)
            image[1184 + static_cast<int>(k)] = static_cast<std::uint8_t>(cw[k]);
        const std::vector<Document> docs = Build(image, "tones-cw");
        ASSERT_EQ(docs.size(), 1u);
        const std::vector<std::string> lines = Lines(RenderText(docs));
        // clang-format off
        Find(lines, At({{15, "Tone #1"}, {35, "Delay"}, {45, "Tone #2 Hz-Ms"}, {65, "Delay"}, {75, "Tone #3 Hz-Ms"}}));
        Find(lines, At({{8, " 1 "}, {21, "-"}, {24, "0"}, {35, "0"}, {45, "0"}, {51, "-"}, {54, "0"}, {65, "0"},
                        {75, "0"}, {81, "-"}, {84, "0"}}));
        EXPECT_EQ(lines[Find(lines, At({{8, " 3 "}})) - 2], At({{8, " 2 "}})); // tone 2 off: its number only
        Find(lines, At({{8, " 3 "}, {15, "500"}, {21, "-"}, {24, "100"}, {35, "50"}, {45, "700"}, {51, "-"},
                        {54, "100"}, {65, "50"}, {75, "1000"}, {81, "-"}, {84, "200"}}));
        // clang-format on
        const auto title = Find(lines, "Halden R8 CW Message");
        EXPECT_EQ(lines[title - 1], "");
        EXPECT_EQ(lines[title - 2], "");
        EXPECT_EQ(lines[title + 3], At({{8, text}}));
    }
}

// The cells of entry n's row on a page, "column:text" joined by "|".
std::string RowOf(const Page& page, int n) {
    for (const Line& line : page.lines) {
        if (line.cells.empty() || line.cells[0].column != 8 || line.cells[0].text != Number(n))
            continue;
        std::string row;
        for (const Cell& c : line.cells)
            row += (row.empty() ? "" : "|") + std::to_string(c.column) + ":" + c.text;
        return row;
    }
    return "";
}

// clang-format off
TEST(AutomationReports, MacroAndSchedulerRows) {
    ImageBytes image;
    Put(image, 4032, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: commands and a 1A
    Put(image, 4060, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});            // macro 2: no code
    Put(image, 4564, {7, 11, 12, 13, 14, 15, 10, 9});                  // macro 20: code only
    Put(image, 7888, {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10});         // event 1: December 25 at 08:30
    Put(image, 7895, {0xFF, 0, 9, 0x08, 0x30, 0, 0});                  // 2: weekends at 08:30
    Put(image, 7902, {0xFF, 0, 0, 0xFF, 0x15, 0x05, 0x00});            // 3: every hour at :15
    Put(image, 7909, {0x13, 0x05, 0, 0x1A, 0x3B, 0x2A, 0x00});         // 4: not BCD
    Put(image, 8042, {0xFF, 0, 12, 0x23, 0x59, 0, 0});                 // 23: unknown weekday
    const std::string zeros = "0000   0000   0000   0000   0000   0000   0000   0000";
    const auto macros = Build(image, "macros");
    const auto sched = Build(image, "scheduler");
    ASSERT_EQ(macros.size(), 1u);
    ASSERT_EQ(sched.size(), 1u);
    ASSERT_EQ(sched[0].pages.size(), 2u);
    struct Case {
        const Page& page;
        int n;
        std::string row;
    } cases[] = {
        {macros[0].pages[0], 1, "8: 1 |14:123|28:1110   1A05   " + zeros},
        {macros[0].pages[0], 2, "8: 2 "},
        {macros[0].pages[0], 20, "8: 20 |14:*#ABC09|28:0000   0000   " + zeros},
        {sched[0].pages[0], 1, "8: 1 |15:08:30|25:      ----|45:December|55:25|75:1110"},
        {sched[0].pages[0], 2, "8: 2 |15:08:30|25:Weekends|45:Skip|75:0000"},
        {sched[0].pages[0], 3, "8: 3 |15:---:15|25:Daily|45:Skip|75:0500"},
        {sched[0].pages[0], 4, "8: 4 |15:1A:3B|25:      ----|45:Error|55:5|75:2A00"},
        {sched[0].pages[0], 5, "8: 5 "},
        {sched[0].pages[0], 21, ""},
        {sched[0].pages[1], 21, "8: 21 "},
        {sched[0].pages[1], 23, "8: 23 |15:23:59|25:Error|45:Skip|75:0000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowOf(c.page, c.n), c.row) << c.n;
}
// clang-format on

} // namespace
} // namespace rc::print
