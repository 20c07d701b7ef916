#include "codecs/vocabulary.h"
#include "image/regions.h"
#include "print/jobs.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

namespace rc::print {
namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, sep))
        parts.push_back(part);
    return parts;
}

std::vector<Document> Build(const ImageBytes& image, std::string_view job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            return BuildJob(j, ctx);
    return {};
}

// The message rows of a rendered document: the lines that start with a number at column 8.
// The speed dial rows are found the same way.
std::vector<std::string> MessageRows(const std::string& page) {
    std::vector<std::string> rows;
    for (const std::string& line : Split(page, '\n'))
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

} // namespace
} // namespace rc::print
