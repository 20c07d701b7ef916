#include "codecs/commands.h"

#include <gtest/gtest.h>

#include <set>

namespace rc {
namespace {

TEST(TwoDigitsToByte, FirstAndLastKeyAsBcdDigits) {
    struct Case {
        const char* text;
        int byte;
    } cases[] = {{"17", 0x17}, {"07", 0x07}, {"99", 0x99}, {"0", 0x00},  {"5", 0x55},
                 {"*5", 0x05}, {"#A", 0x00}, {"D9", 0x09}, {"9D", 0x90}, {"B3", 0x03},
                 {"", 0x00},   {"C", 0x00},  {"a1", 0x01}, {"123", 0x13}};
    for (const Case& c : cases)
        EXPECT_EQ(TwoDigitsToByte(c.text), c.byte) << '"' << c.text << '"';
}

TEST(CommandFromText, FunctionFromTheFirstTwoArgumentFromTheLastTwo) {
    struct Case {
        const char* text;
        CommandCode code;
    } cases[] = {{"1110", {0x11, 0x10}}, {"9210", {0x92, 0x10}},  {"0000", {0x00, 0x00}},
                 {"123", {0x12, 0x23}},  {"1", {0x11, 0x11}},     {"", {0x00, 0x00}},
                 {"*1#2", {0x01, 0x02}}, {"123456", {0x12, 0x56}}};
    for (const Case& c : cases)
        EXPECT_EQ(CommandFromText(c.text), c.code) << '"' << c.text << '"';
}

struct Described {
    std::uint8_t function, argument;
    const char* text;
};

constexpr const char* kInvalid = "Invalid Entry";

// clang-format off
const Described kDescriptions[] = {
    // no command, and functions the controller does not know
    {0x00, 0x00, "No Command"}, {0x00, 0xFF, "No Command"}, {0x10, 0x10, kInvalid}, {0x19, 0x10, kInvalid},
    {0x52, 0x01, kInvalid}, {0x9A, 0x10, kInvalid},
    // switch groups: items 1 to 8 (high digit), OFF or ON (low digit)
    {0x11, 0x10, "Repeater Transmitter OFF"}, {0x11, 0x61, "Reserved"}, {0x11, 0x81, "Control Operator CTCSS ON"},
    {0x12, 0x50, "CTCSS OR Logic OFF"}, {0x13, 0x11, "ID #1 (At Rest)ON"}, {0x14, 0x80, "Autopatch Pre-Dial OFF"},
    {0x15, 0x31, "Autopatch Area Code Lookup ON"}, {0x16, 0x60, "Remote Base Macro Enable OFF"},
    {0x11, 0x01, kInvalid}, {0x11, 0x90, kInvalid}, {0x11, 0x12, kInvalid}, {0x16, 0xF1, kInvalid},
    // user switches: inputs OFF/ON, outputs also momentary; recorder switches
    {0x17, 0x41, "User Function Switch In #4 ON"}, {0x17, 0x50, "User Switch Out #1 OFF"},
    {0x17, 0x82, "User Switch Out #4 Momentary"}, {0x17, 0x12, kInvalid}, {0x17, 0x53, kInvalid},
    {0x17, 0x90, kInvalid}, {0x18, 0x10, "DVR Switch #1 OFF"}, {0x18, 0x81, "DVR Switch #8 ON"},
    {0x18, 0x12, kInvalid}, {0x18, 0x91, kInvalid},
    // announcements take no argument
    {0x20, 0x00, "PTT#1 Up - Send Time Of Day - PTT#1 Dn"}, {0x25, 0x00, "Send Day and Month"},
    {0x27, 0x00, "Send Salutations"}, {0x21, 0x01, kInvalid}, {0x27, 0x10, kInvalid},
    // the argument in the description, in hexadecimal without a leading zero; CW commands ignore theirs
    {0x30, 0x00, "PTT#1 Up - Play Voice Message 0 - PTT#1 Dn"}, {0x31, 0x20, "Play Voice Message 20"},
    {0x33, 0x1A, "Play DVR Track 1A"}, {0x33, 0xFF, "Play DVR Track FF"}, {0x51, 0x00, "Load Remote Base Courtesy Tone 0"},
    {0x57, 0x15, "Set DVR Expanded Switch with Location 15"}, {0x58, 0x20, "Execute Macro 20"},
    {0x59, 0x04, "Load Memory File 4"}, {0x60, 0x30, "Time Delay For 30 Seconds"},
    {0x34, 0x00, "PTT#1 Up - Send CW Buffer - PTT#1 Dn"}, {0x37, 0x42, "Send CW Character"},
    // transmitter and remote base control
    {0x61, 0x01, "PTT#1 ON"}, {0x63, 0x00, "PTT#1 and #2 OFF"}, {0x66, 0x01, "PTT#1 and #2 ON with Voice Delay"},
    {0x70, 0x02, "Remote Base Receive Only"}, {0x61, 0x02, kInvalid}, {0x66, 0x10, kInvalid},
    {0x70, 0x03, kInvalid},
    // speak one word: 9 and the word code's three digits
    {0x92, 0x10, "A"}, {0x90, 0x00, "0"}, {0x90, 0x45, ""}, {0x91, 0x00, "[Time_of_day]"},
    {0x99, 0x54, "Zulu"}, {0x99, 0x99, "[Model_8]"},
    // a non-decimal digit names no word (read as a number, 0x1A would speak "20")
    {0x90, 0x1A, kInvalid}, {0x92, 0xA0, kInvalid}, {0x99, 0xFF, kInvalid},
};
// clang-format on

TEST(CommandText, EveryFunctionGroupWithValidAndInvalidArguments) {
    for (const Described& c : kDescriptions)
        EXPECT_EQ(CommandText(c.function, c.argument), c.text)
            << std::hex << int(c.function) << " " << int(c.argument);
}

TEST(CommandText, EveryByteCombinationHasADescription) {
    // The functions the controller knows; every other function byte is invalid whatever follows.
    std::set<int> known;
    for (int f = 0; f < 256; ++f)
        for (int a = 0; a < 256; ++a) {
            std::string text = CommandText(static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(a));
            bool speakWord = f >= 0x90 && f <= 0x99;
            if (!speakWord) {
                ASSERT_FALSE(text.empty()) << f << " " << a;
            }
            if (text != kInvalid)
                known.insert(f);
        }
    EXPECT_EQ(known.size(), 48u);
    EXPECT_EQ(known.count(0x38), 0u);
    EXPECT_EQ(known.count(0x9A), 0u);
}

} // namespace
} // namespace rc
