#include "image/regions.h"
#include "print/jobs.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace rc::print {
namespace {

std::vector<Document> Build(const ImageBytes& image, const char* job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            return BuildJob(j, ctx);
    return {};
}

std::vector<std::string> Lines(const Document& doc) {
    std::vector<std::string> lines;
    std::stringstream ss(RenderText({doc}));
    for (std::string line; std::getline(ss, line);)
        lines.push_back(line);
    return lines;
}

// A line as the printer lays it out: each text starting at its column.
std::string At(std::vector<std::pair<int, std::string>> cells) {
    std::string line;
    for (auto& [column, text] : cells) {
        line.resize(static_cast<std::size_t>(column - 1), ' ');
        line += text;
    }
    return line;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ZoneReports, DocumentsTitlesAndMarks) {
    ImageBytes image;
    image[25] = 0x05;       // base zone 2: flags 1 and 3
    image[2400 + 7] = 0x80; // memory save #3 zone 8: flag 8
    struct Case {
        const char* job;
        int document;
        const char* title;
        std::vector<std::string> lines;
    } cases[] = {
        {"zones",
         0,
         "Halden R8 Base Control Zones",
         {At({{8, "Zone 1"}, {60, "Zone 2"}}),
          At({{8, "1"},
              {11, " "},
              {14, "Repeater Transmitter Enable"},
              {60, "1"},
              {63, "X"},
              {66, "Repeater Timeout Timer Enable"}}),
          At({{8, "2"},
              {11, " "},
              {14, "Repeater CTCSS Enable"},
              {60, "2"},
              {63, " "},
              {66, "Squelch Tail Enable"}}),
          At({{8, "3"},
              {11, " "},
              {14, "DTMF Access Enable"},
              {60, "3"},
              {63, "X"},
              {66, "Scheduler Enable"}}),
          At({{8, "1"},
              {11, " "},
              {14, "Repeater ID #1 (At Rest)Enable"},
              {60, "1"},
              {63, " "},
              {66, "Autopatch Enable"}})}},
        {"zones",
         1,
         "Halden R8 Base Control Zones",
         {At({{8, "Zone 7"}, {60, "Zone 8"}}), At({{8, "8"},
                                                   {11, " "},
                                                   {14, "User Output #4 Enable"},
                                                   {60, "8"},
                                                   {63, " "},
                                                   {66, "DVR Output Switch #8  Enable"}})}},
        {"mem-zones",
         5,
         "Halden R8 Memory Save 3 Control Zones",
         {At({{8, "8"},
              {11, " "},
              {14, "User Output #4 Enable"},
              {60, "8"},
              {63, "X"},
              {66, "DVR Output Switch #8  Enable"}})}},
        {"mem-zones", 7, "Halden R8 Memory Save 4 Control Zones", {At({{8, "Zone 5"}, {60, "Zone 6"}})}},
    };
    EXPECT_EQ(Build(image, "zones").size(), 2u);
    EXPECT_EQ(Build(image, "mem-zones").size(), 8u);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.job) + " document " + std::to_string(c.document));
        const auto lines = Lines(Build(image, c.job)[static_cast<std::size_t>(c.document)]);
        EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return l.find(c.title) != std::string::npos; }),
                  lines.end());
        for (const std::string& line : c.lines)
            EXPECT_TRUE(Has(lines, line)) << "missing: " << line;
    }
    // Each pair: headings, an empty line, eight rows each followed by an empty line; two empty lines
    // between the pairs.
    const auto lines = Lines(Build(image, "zones")[0]);
    const auto first = std::find(lines.begin(), lines.end(), At({{8, "Zone 1"}, {60, "Zone 2"}}));
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(*(first + 1), "");
    EXPECT_EQ(*(first + 2 + 16 + 2), At({{8, "Zone 3"}, {60, "Zone 4"}}));
}

TEST(TonesCwReport, TonesThenTheMessageOnTheSamePage) {
    struct Case {
        const char* what;
        std::vector<int> cw; // count byte and codes at 1184
        const char* message;
    } cases[] = {
        {"empty message", {0}, "Empty"},
        {"DE and a call sign", {7, 13, 14, 38, 32, 1, 10, 32}, "DE W1AW"},
        {"a count past the field", {200}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ/(AR) .;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImageBytes image;
        const std::uint8_t tone3[8] = {3, 2, 1, 5, 2, 1, 8, 4};
        for (int f = 0; f < 8; ++f)
            image[4608 + f] = tone3[f];
        image[4592] = 9; // tone 1 without a frequency text
        for (int k = 0; k < 31; ++k)
            image[1185 + k] = static_cast<std::uint8_t>(k + 10); // "A" ...
        image[1216] = 46; // memory save #1's first byte: never part of the message
        for (std::size_t k = 0; k < c.cw.size(); ++k)
            image[1184 + static_cast<int>(k)] = static_cast<std::uint8_t>(c.cw[k]);
        const auto docs = Build(image, "tones-cw");
        ASSERT_EQ(docs.size(), 1u);
        ASSERT_EQ(docs[0].pages.size(), 1u);
        const auto lines = Lines(docs[0]);
        EXPECT_TRUE(Has(lines, At({{15, "Tone #1"},
                                   {35, "Delay"},
                                   {45, "Tone #2 Hz-Ms"},
                                   {65, "Delay"},
                                   {75, "Tone #3 Hz-Ms"}})));
        EXPECT_TRUE(Has(lines, At({{8, " 2 "}})));
        EXPECT_TRUE(Has(lines, At({{8, " 3 "},
                                   {15, "500"},
                                   {21, "-"},
                                   {24, "100"},
                                   {35, "50"},
                                   {45, "700"},
                                   {51, "-"},
                                   {54, "100"},
                                   {65, "50"},
                                   {75, "1000"},
                                   {81, "-"},
                                   {84, "200"}})));
        EXPECT_TRUE(Has(lines, At({{8, " 1 "},
                                   {21, "-"},
                                   {24, "0"},
                                   {35, "0"},
                                   {45, "0"},
                                   {51, "-"},
                                   {54, "0"},
                                   {65, "0"},
                                   {75, "0"},
                                   {81, "-"},
                                   {84, "0"}})));
        const auto title = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.find("Halden R8 CW Message") != std::string::npos;
        });
        ASSERT_NE(title, lines.end());
        EXPECT_EQ(*(title - 1), "");
        EXPECT_EQ(*(title - 2), "");
        EXPECT_TRUE(Has(lines, At({{8, c.message}}))) << c.message;
    }
}

} // namespace
} // namespace rc::print
