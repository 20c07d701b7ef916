#include "codecs/commands.h"

#include "codecs/dtmf.h"
#include "codecs/vocabulary.h"

#include <array>
#include <cstdio>

namespace rc {

namespace {

constexpr const char* kInvalid = "Invalid Entry";

// Functions 0x11 to 0x16: items 1 to 8 (the argument's high digit), each OFF and ON.
using SwitchGroup = std::array<std::array<const char*, 2>, 8>;
constexpr std::array<SwitchGroup, 6> kSwitchGroups = {{
    // 0x11
    {{
        {"Repeater Transmitter OFF", "Repeater Transmitter ON"},
        {"Repeater CTCSS OFF", "Repeater CTCSS ON"},
        {"DTMF Access OFF", "DTMF Access ON"},
        {"Repeater CTCSS Override OFF", "Repeater CTCSS Override ON"},
        {"Turn On Delay OFF", "Turn On Delay ON"},
        {"Reserved", "Reserved"},
        {"DTMF Muting OFF", "DTMF Muting ON"},
        {"Control Operator CTCSS OFF", "Control Operator CTCSS ON"},
    }},
    // 0x12
    {{
        {"Repeater Timeout Timer OFF", "Repeater Timeout Timer ON"},
        {"Squelch Tail OFF", "Squelch Tail ON"},
        {"Scheduler OFF", "Scheduler ON"},
        {"DTMF Pad Test OFF", "DTMF Pad Test ON"},
        {"CTCSS OR Logic OFF", "CTCSS OR Logic ON"},
        {"Grandfather Clock Sleep OFF", "Grandfather Clock Sleep ON"},
        {"Courtesy Beep OFF", "Courtesy Beep ON"},
        {"Talk Over Voice OFF", "Talk Over Voice ON"},
    }},
    // 0x13
    {{
        {"ID #1 (At Rest) OFF", "ID #1 (At Rest)ON"},
        {"ID #2 (Active) OFF", "ID #2 (Active) ON"},
        {"Squelch Tail Msg. OFF", "Squelch Tail Msg. ON"},
        {"TX Drop Msg OFF", "TX Drop Msg ON"},
        {"Digital Recorder OFF", "Digital Recorder ON"},
        {"Signal Report OFF", "Signal Report ON"},
        {"Time-Of-Day OFF", "Time-Of-Day ON"},
        {"Grandfather Clock OFF", "Grandfather Clock ON"},
    }},
    // 0x14
    {{
        {"Autopatch OFF", "Autopatch ON"},
        {"Autopatch Timeout OFF", "Autopatch Timeout ON"},
        {"Autopatch CTCSS OFF", "Autopatch CTCSS ON"},
        {"Reserved", "Reserved"},
        {"User Speed Dial OFF", "User Speed Dial ON"},
        {"Phone Number Readback OFF", "Phone Number Readback ON"},
        {"Autopatch Radio Mute OFF", "Autopatch Radio Mute ON"},
        {"Autopatch Pre-Dial OFF", "Autopatch Pre-Dial ON"},
    }},
    // 0x15
    {{
        {"Emergency Speed Dial OFF", "Emergency Speed Dial ON"},
        {"Reverse Autopatch OFF", "Reverse Autopatch ON"},
        {"Autopatch Area Code Lookup OFF", "Autopatch Area Code Lookup ON"},
        {"Telephone Off Hook OFF", "Telephone Off Hook ON"},
        {"Telephone Ring Announcer OFF", "Telephone Ring Announcer ON"},
        {"Telephone Line Busy OFF", "Telephone Line Busy ON"},
        {"Speed Dial Pre-Dial OFF", "Speed Dial Pre-Dial ON"},
        {"Telephone Ring Detector OFF", "Telephone Ring Detector ON"},
    }},
    // 0x16
    {{
        {"Remote Base Transmit OFF", "Remote Base Transmit ON"},
        {"Remote Base Receive Only OFF", "Remote Base Receive Only ON"},
        {"Remote Base CTCSS OFF", "Remote Base CTCSS ON"},
        {"Remote Base Link Command OFF", "Remote Base Link Command ON"},
        {"Remote Base Control Enable OFF", "Remote Base Control Enable ON"},
        {"Remote Base Macro Enable OFF", "Remote Base Macro Enable ON"},
        {"Reserved", "Reserved"},
        {"Reserved", "Reserved"},
    }},
}};

// Functions 0x20 to 0x27; they take no argument.
constexpr std::array<const char*, 8> kAnnouncements = {
    "PTT#1 Up - Send Time Of Day - PTT#1 Dn",   "Send Time Of Day",
    "PTT#1 Up - Send Day of Week - PTT#1 Dn",   "Send Day of Week",
    "PTT#1 Up - Send Day and Month - PTT#1 Dn", "Send Day and Month",
    "PTT#1 Up - Send Salutations - PTT#1 Dn",   "Send Salutations",
};

// A description with the argument text between its two parts.
struct WithArgument {
    int function;
    const char* before;
    const char* after;
};

constexpr std::array<WithArgument, 10> kWithArgument = {{
    {0x30, "PTT#1 Up - Play Voice Message ", " - PTT#1 Dn"},
    {0x31, "Play Voice Message ", ""},
    {0x32, "PTT#1 Up - Play DVR Track ", " - PTT#1 Dn"},
    {0x33, "Play DVR Track ", ""},
    {0x50, "Load Repeater Courtesy Tone ", ""},
    {0x51, "Load Remote Base Courtesy Tone ", ""},
    {0x57, "Set DVR Expanded Switch with Location ", ""},
    {0x58, "Execute Macro ", ""},
    {0x59, "Load Memory File ", ""},
    {0x60, "Time Delay For ", " Seconds"},
}};

// Functions that ignore their argument.
constexpr std::array<const char*, 4> kCwCommands = {
    "PTT#1 Up - Send CW Buffer - PTT#1 Dn",
    "Send CW Buffer",
    "PTT#1 Up - Send CW Character - PTT#1 Dn",
    "Send CW Character",
};

// Transmitter and remote base control: arguments 0x00, 0x01 and 0x02 (null where not valid).
struct Control {
    int function;
    std::array<const char*, 3> texts;
};

constexpr std::array<Control, 7> kControls = {{
    {0x61, {"PTT#1 OFF", "PTT#1 ON", nullptr}},
    {0x62, {"PTT#2 OFF", "PTT#2 ON", nullptr}},
    {0x63, {"PTT#1 and #2 OFF", "PTT#1 and #2 ON", nullptr}},
    {0x64, {"PTT#1 OFF", "PTT#1 ON with Voice Delay", nullptr}},
    {0x65, {"PTT#2 OFF", "PTT#2 ON with Voice Delay", nullptr}},
    {0x66, {"PTT#1 and #2 OFF", "PTT#1 and #2 ON with Voice Delay", nullptr}},
    {0x70, {"Remote Base OFF", "Remote Base ON", "Remote Base Receive Only"}},
}};

const char* OffOn(int low) {
    return low == 0 ? " OFF" : " ON";
}

// Function 0x17: four switch inputs (items 1 to 4) and four outputs (items 5 to 8) that can also
// be pulsed.
std::string UserSwitchText(int item, int low) {
    if (item >= 1 && item <= 4 && low <= 1)
        return "User Function Switch In #" + std::to_string(item) + OffOn(low);
    if (item >= 5 && item <= 8 && low <= 2)
        return "User Switch Out #" + std::to_string(item - 4) + (low == 2 ? " Momentary" : OffOn(low));
    return kInvalid;
}

} // namespace

std::uint8_t TwoDigitsToByte(std::string_view s) {
    auto digit = [](std::string_view ch) {
        std::uint8_t code = DigitCode(ch);
        return code > 9 ? 0 : code;
    };
    std::string_view first = s.substr(0, 1);
    std::string_view last = s.empty() ? s : s.substr(s.size() - 1);
    return static_cast<std::uint8_t>(digit(first) * 16 + digit(last));
}

CommandCode CommandFromText(std::string_view t) {
    std::string_view left = t.substr(0, 2);
    std::string_view right = t.size() <= 2 ? t : t.substr(t.size() - 2);
    return {TwoDigitsToByte(left), TwoDigitsToByte(right)};
}

std::string ArgumentText(std::uint8_t argument) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(argument));
    return buf;
}

std::string CommandText(std::uint8_t function, std::uint8_t argument) {
    const int high = argument >> 4;
    const int low = argument & 15;
    const bool item = high >= 1 && high <= 8;

    if (function == 0x00)
        return "No Command";
    if (function >= 0x11 && function <= 0x16) {
        if (!item || low > 1)
            return kInvalid;
        return kSwitchGroups[static_cast<std::size_t>(function - 0x11)][static_cast<std::size_t>(high - 1)]
                            [static_cast<std::size_t>(low)];
    }
    if (function == 0x17)
        return UserSwitchText(high, low);
    if (function == 0x18)
        return item && low <= 1 ? "DVR Switch #" + std::to_string(high) + OffOn(low) : kInvalid;
    if (function >= 0x20 && function <= 0x27)
        return argument == 0 ? kAnnouncements[static_cast<std::size_t>(function - 0x20)] : kInvalid;
    if (function >= 0x34 && function <= 0x37)
        return kCwCommands[static_cast<std::size_t>(function - 0x34)];
    for (const WithArgument& c : kWithArgument)
        if (c.function == function)
            return c.before + ArgumentText(argument) + c.after;
    for (const Control& c : kControls)
        if (c.function == function) {
            const char* text = argument < c.texts.size() ? c.texts[argument] : nullptr;
            return text ? text : kInvalid;
        }
    if (function >= 0x90 && function <= 0x99) {
        // The argument holds the last two digits of a word code. A byte with a non-decimal digit
        // (from a file written elsewhere) names no word; reading it as a number would name the
        // wrong one.
        if (high > 9 || low > 9)
            return kInvalid;
        return VoiceWordText((function & 15) * 256 + high * 10 + low);
    }
    return kInvalid;
}

} // namespace rc
