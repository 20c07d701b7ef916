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
        EXPECT_EQ(lines[title - 1], "");
        EXPECT_EQ(lines[title - 2], "");
        EXPECT_EQ(lines[title + 3], At({{8, text}}));
    }
}

} // namespace
} // namespace rc::print
