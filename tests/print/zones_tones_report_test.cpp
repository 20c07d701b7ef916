#include "print/jobs.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace rc::print {
namespace {

std::vector<std::vector<std::string>> Documents(const ImageBytes& image, std::string_view job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    std::vector<std::vector<std::string>> docs;
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            for (const Document& d : BuildJob(j, ctx)) {
                std::stringstream ss(RenderText({d}));
                docs.emplace_back();
                for (std::string line; std::getline(ss, line);)
                    docs.back().push_back(line);
            }
    return docs;
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

// The index of the first line holding `line` (checked to be there).
std::ptrdiff_t Find(const std::vector<std::string>& lines, const std::string& line) {
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(line) != std::string::npos; });
    EXPECT_NE(it, lines.end()) << "missing: " << line;
    return it - lines.begin();
}

std::string ZoneRow(int flag, const char* mark1, const char* label1, const char* mark2, const char* label2) {
    const std::string b = std::to_string(flag);
    return At({{8, b}, {11, mark1}, {14, label1}, {60, b}, {63, mark2}, {66, label2}});
}

TEST(ZoneReports, TwoDocumentsPerTableWithTheReportsOwnLabels) {
    ImageBytes image;
    image[25] = 0x05;       // base zone 2: flags 1 and 3
    image[2400 + 7] = 0x80; // memory save #3 zone 8: flag 8
    const auto base = Documents(image, "zones"), mem = Documents(image, "mem-zones");
    ASSERT_EQ(base.size(), 2u);
    ASSERT_EQ(mem.size(), 8u);
    Find(base[1], "Halden R8 Base Control Zones");
    Find(mem[5], "Halden R8 Memory Save 3 Control Zones");
    const auto heading = Find(base[0], At({{8, "Zone 1"}, {60, "Zone 2"}}));
    EXPECT_EQ(base[0][heading + 2],
              ZoneRow(1, " ", "Repeater Transmitter Enable", "X", "Repeater Timeout Timer Enable"));
    EXPECT_EQ(base[0][heading + 4], ZoneRow(2, " ", "Repeater CTCSS Enable", " ", "Squelch Tail Enable"));
    EXPECT_EQ(base[0][heading + 6], ZoneRow(3, " ", "DTMF Access Enable", "X", "Scheduler Enable"));
    // Eight rows, each followed by an empty line, then two more empty lines before the next pair.
    EXPECT_EQ(base[0][heading + 2 + 16 + 2], At({{8, "Zone 3"}, {60, "Zone 4"}}));
    Find(base[0], ZoneRow(1, " ", "Repeater ID #1 (At Rest)Enable", " ", "Autopatch Enable"));
    Find(base[1], ZoneRow(8, " ", "User Output #4 Enable", " ", "DVR Output Switch #8  Enable"));
    Find(mem[5], ZoneRow(8, " ", "User Output #4 Enable", "X", "DVR Output Switch #8  Enable"));
    Find(mem[7], At({{8, "Zone 5"}, {60, "Zone 6"}}));
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
        const auto docs = Documents(image, "tones-cw");
        ASSERT_EQ(docs.size(), 1u);
        const auto& lines = docs[0];
        // clang-format off
        Find(lines, At({{15, "Tone #1"}, {35, "Delay"}, {45, "Tone #2 Hz-Ms"}, {65, "Delay"}, {75, "Tone #3 Hz-Ms"}}));
        Find(lines, At({{8, " 1 "}, {21, "-"}, {24, "0"}, {35, "0"}, {45, "0"}, {51, "-"}, {54, "0"}, {65, "0"},
                        {75, "0"}, {81, "-"}, {84, "0"}}));
        EXPECT_EQ(lines[Find(lines, At({{8, " 3 "}})) - 2], At({{8, " 2 "}})); // tone 2 off: its number only
        Find(lines, At({{8, " 3 "}, {15, "500"}, {21, "-"}, {24, "100"}, {35, "50"}, {45, "700"}, {51, "-"},
                        {54, "100"}, {65, "50"}, {75, "1000"}, {81, "-"}, {84, "200"}}));
        // clang-format on
        const auto title = Find(lines, "Halden R8 CW Message");
        EXPECT_EQ(lines[title - 1] + lines[title - 2], "");
        EXPECT_EQ(lines[title + 3], At({{8, text}}));
    }
}

} // namespace
} // namespace rc::print
