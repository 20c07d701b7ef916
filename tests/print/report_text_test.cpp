#include "codecs/dtmf.h"
#include "image/regions.h"
#include "print/jobs.h"
#include "print/reports.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rc::print {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream ss(text);
    std::string line;
    while (std::getline(ss, line))
        lines.push_back(line);
    return lines;
}

// The text of the line that contains `needle`.
std::string LineWith(const std::string& text, const std::string& needle) {
    for (const std::string& l : Lines(text))
        if (l.find(needle) != std::string::npos)
            return l;
    return "<no line with " + needle + ">";
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

TEST(TimerReport, ValuesAndUnitsAtTheirColumns) {
    struct Case {
        int timer;
        int value;
        const char* label;
        const char* shown;
        const char* unit;
    } cases[] = {
        {0, 600, "Repeater Time Out", "10:00", "Min"},
        {2, 5, "Turn On Delay", "0.5", "Sec"},
        {15, 90, "Ring Detector Time", "01:30", "Min"},
        {13, 99, "DTMF Window Time", "9.9", "Sec"},
        // A value with stray high bits reads as its 11 bits, as in the editor.
        {1, 0x8000 | 1800, "Repeater Sleep Timer", "30:00", "Min"},
    };
    for (int copy = 0; copy <= 4; ++copy) {
        ImageBytes image;
        for (const Case& c : cases) {
            image[TimersStart(copy) + 2 * c.timer] = static_cast<std::uint8_t>(c.value & 0xFF);
            image[TimersStart(copy) + 2 * c.timer + 1] = static_cast<std::uint8_t>(c.value >> 8);
        }
        DocumentBuilder b;
        PTimers(b, image, copy);
        std::string text = RenderText({b.Finish()});
        for (const Case& c : cases) {
            std::string line = LineWith(text, c.label);
            EXPECT_EQ(line.find(c.label), 7u);
            EXPECT_EQ(line.substr(39, 8), (std::string(c.shown) + "        ").substr(0, 8)) << c.label;
            EXPECT_EQ(line.substr(47), c.unit) << c.label;
        }
    }
}

} // namespace
} // namespace rc::print
