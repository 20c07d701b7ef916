// Writes the bundled sample image, samples/Default.HR8, from the project's own encoders.
// Usage: make_sample OUTPUT
//
// The sample is a plausible club repeater, call sign N0SMP, with something in every area the editor
// shows. Bytes that no dialog owns stay zero.
#include "codecs/dtmf.h"
#include "editors/codes.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "image/regions.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {

using namespace rc;

// Word codes of the synthesizer's vocabulary used below.
namespace word {
constexpr int Zero = 0, Eight = 8;
constexpr int Special_TimeOfDay = 100, Special_Salutations = 103, Special_Chime1 = 964;
constexpr int At = 239, Amateur = 228, Autopatch = 244, Base = 253, Club = 286, Control = 296;
constexpr int Department = 321, Emergency = 344, Error = 348, Failure = 372, Fire = 381, Again = 221;
constexpr int Home = 452, In = 475, Is = 482, Net = 623, Night = 626, Now = 632, Off = 654, On = 656;
constexpr int Operation = 658, Operator = 659, Out = 664, PM = 681, Please = 689, Police = 692;
constexpr int Power = 695, Radio = 731, Ready = 737, Remote = 743, Repeater = 746, Road = 750;
constexpr int Service = 781, Severe = 783, Test = 826, ThankYou = 828, The = 830, ThisIs = 834;
constexpr int Time = 838, Tonight = 842, Transmitter = 847, Try = 848, Warning = 892, Watch = 893;
constexpr int Weather = 896, Welcome = 900;
// Call letters: letters speak as their single-letter words, digits as numbers.
constexpr int N = 620, S = 770, M = 580, P = 680;
} // namespace word

// The repeater's call sign, N0SMP, as spoken call letters.
constexpr std::initializer_list<int> kCallSign = {word::N, word::Zero, word::S, word::M, word::P};

using Words = std::initializer_list<int>;

// A word code as its two stored bytes: the hundreds digit, then the last two digits as a number.
void PutPackedWord(ImageBytes& image, int at, int code) {
    image[at] = static_cast<std::uint8_t>(code / 100);
    image[at + 1] = static_cast<std::uint8_t>(code % 100);
}

std::vector<int> Join(std::initializer_list<Words> parts) {
    std::vector<int> all;
    for (const Words& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A voice message record: word count, then the packed words in speaking order.
void PutVoiceMessage(ImageBytes& image, int record, const std::vector<int>& words) {
    RC_ASSERT(words.size() <= 23);
    image[record] = static_cast<std::uint8_t>(words.size());
    for (std::size_t j = 0; j < words.size(); ++j)
        PutPackedWord(image, record + 1 + 2 * static_cast<int>(j), words[j]);
}

// Two decimal digits in one byte, the first in the high nibble.
std::uint8_t Bcd(int v) {
    return static_cast<std::uint8_t>((v / 10) << 4 | (v % 10));
}

// A two-byte controller command written as its four decimal digits: 5801 is "Execute Macro 1".
void PutCommand(ImageBytes& image, int at, int digits) {
    image[at] = Bcd(digits / 100);
    image[at + 1] = Bcd(digits % 100);
}

// --- Settings that every copy holds ------------------------------------------------------------

void Codes(ImageBytes& image, int copy) {
    std::array<std::string, 17> codes = {"123", "*1", "*2", "*3", "*4", "*5", "*",  "#", "*7",
                                         "*8",  "*9", "*0", "9A", "9B", "9C", "99", "98"};
    if (copy > 0)
        codes[0] = "12" + std::to_string(copy);
    SaveCodes(image, copy, codes);
}

void Timers(ImageBytes& image, int copy) {
    // seconds timers in seconds, tenths timers in tenths
    const char* values[16] = {"180", "900", "5",   "8",  "10", "15", "600", "300",
                              "300", "20",  "180", "60", "30", "50", "120", "30"};
    for (int i = 0; i < 16; ++i) {
        std::string v = values[i];
        if (copy > 0 && !IsTenthsTimer(i))
            v = std::to_string(std::stoi(v) + 60 * copy);
        if (IsTenthsTimer(i))
            SaveTimerSec(image, GetPT(copy, i), v);
        else
            SaveTimerMin(image, GetPT(copy, i), v);
    }
}

// Zone bytes, zone 1 first. Zone 1 keeps the transmitter on with CTCSS and DTMF access off in every
// copy, so saving the sample raises no alert.
void Zones(ImageBytes& image, int copy) {
    // 1: transmitter, turn-on delay, DTMF muting; 2: time-out, squelch tail, scheduler, courtesy
    // beep; 3: both IDs, tail message, time of day; 4: autopatch, its timer, speed dial, readback;
    // 5: emergency speed dial, area code look-up, ring detector; 7: user input #1 and output #1.
    std::array<std::uint8_t, kZoneCount> zones = {0x51, 0x47, 0x47, 0x33, 0x85, 0x00, 0x11, 0x00};
    switch (copy) {
    case 1: // net night: no autopatch, no tail message
        zones[2] = 0x43;
        zones[3] = 0x00;
        break;
    case 2: // emergency: talk over the synthesizer, readback off
        zones[1] |= 0x80;
        zones[3] = 0x13;
        break;
    case 3: // remote base up
        zones[5] = 0x1D;
        break;
    case 4: // quiet night: no time-of-day, no grandfather clock
        zones[2] = 0x03;
        break;
    default:
        break;
    }
    for (int k = 0; k < kZoneCount; ++k)
        image[ZonesStart(copy) + k] = zones[static_cast<std::size_t>(k)];
}

std::vector<std::vector<int>> BaseMessages() {
    using namespace word;
    const Words call = kCallSign;
    return {
        Join({{ThisIs}, call, {Repeater}}),                 // 1 ID at rest
        Join({call, {Repeater, Special_TimeOfDay}}),        // 2 ID while active
        Join({{Welcome, The}, call, {Repeater}}),           // 3
        {Repeater, Time, Out},                              // 4
        {Autopatch, Ready},                                 // 5
        {Autopatch, Off},                                   // 6
        {Autopatch, Error, Please, Try, Again},             // 7
        call,                                               // 8 squelch tail
        {Club, Net, Tonight, At, Eight, PM},                // 9
        {ThankYou, Special_Salutations},                    // 10
        {Emergency, Net, Now, In, Operation},               // 11
        {Severe, Weather, Watch},                           // 12
        {Severe, Weather, Warning},                         // 13
        {Remote, Base, On},                                 // 14
        {Remote, Base, Off},                                // 15
        {Control, Operator},                                // 16
        {Transmitter, Off},                                 // 17
        {Power, Failure},                                   // 18
        {Special_Chime1, The, Time, Is, Special_TimeOfDay}, // 19
        {},                                                 // 20 unused
    };
}

void Messages(ImageBytes& image, int copy) {
    std::vector<std::vector<int>> messages = BaseMessages();
    if (copy > 0) {
        // Each memory save announces its mode after the identification.
        const int mode[] = {word::Net, word::Emergency, word::Remote, word::Night};
        messages[0].push_back(mode[copy - 1]);
    }
    const RecordTable table = rc::Messages(copy);
    for (int m = 0; m < table.count; ++m)
        PutVoiceMessage(image, table.at(m), messages[static_cast<std::size_t>(m)]);
}

// --- Base-only settings ------------------------------------------------------------------------

// The CW identifier's character code: digits 0..9, letters 10..35, word space 38.
std::uint8_t CwCode(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::uint8_t>(10 + c - 'A');
    RC_ASSERT(c == ' ');
    return 38;
}

void CwIdentification(ImageBytes& image) {
    constexpr std::string_view id = "DE N0SMP";
    image[kCwMessage.offset] = static_cast<std::uint8_t>(id.size());
    for (std::size_t k = 0; k < id.size(); ++k)
        image[kCwMessage.offset + 1 + static_cast<int>(k)] = CwCode(id[k]);
}

struct Macro {
    const char* code;
    std::initializer_list<int> commands; // up to ten, as four decimal digits
};

void Macros(ImageBytes& image) {
    const Macro macros[] = {
        {"7001", {5901, 3101}},                   // net night: memory file 1, its ID
        {"7002", {1111, 1271, 5001, 1411}},       // back to normal
        {"7003", {2000}},                         // time of day on the air
        {"7004", {3012, 6005, 3012}},             // weather watch, twice
        {"7005", {7001, 1611, 3114}},             // remote base up
        {"7006", {7000, 3115}},                   // remote base down
        {"7007", {1410, 3106}},                   // autopatch off
        {"7008", {1411, 3105}},                   // autopatch on
        {"7009", {3400}},                         // CW identification
        {"7010", {9620, 9000, 9770, 9580, 9680}}, // call sign, one word at a time
        {"7011", {1752}},                         // pulse user output #1
        {"7012", {1230}},                         // scheduler off
        {"7013", {1231}},                         // scheduler on
    };
    int m = 0;
    for (const Macro& macro : macros) {
        const int record = kMacros.at(m++);
        WriteCountedDigits(image, record, kMacroCodeDigits, macro.code);
        int slot = 0;
        for (int command : macro.commands)
            PutCommand(image, record + 8 + 2 * slot++, command);
    }
}

struct Event {
    std::uint8_t month, day, weekday, hour, minute;
    int command;
};

void Scheduler(ImageBytes& image) {
    constexpr std::uint8_t kNoMonth = 0xFF, kEveryHour = 0xFF;
    constexpr std::uint8_t kDaily = 0, kTuesday = 3, kWeekdays = 8, kWeekends = 9;
    const Event events[] = {
        {kNoMonth, 0, kDaily, Bcd(8), Bcd(0), 5803},     // morning time check
        {kNoMonth, 0, kWeekdays, Bcd(7), Bcd(30), 2600}, // greeting on work days
        {kNoMonth, 0, kTuesday, Bcd(12), Bcd(0), 3009},  // net reminder
        {kNoMonth, 0, kTuesday, Bcd(20), Bcd(0), 5801},  // net starts
        {kNoMonth, 0, kTuesday, Bcd(21), Bcd(30), 5802}, // net ends
        {kNoMonth, 0, kDaily, kEveryHour, Bcd(0), 2000}, // hourly time
        {Bcd(12), Bcd(25), 0, Bcd(9), Bcd(0), 2600},     // holiday greeting
        {Bcd(1), Bcd(1), 0, Bcd(0), Bcd(5), 2600},       // new year
        {kNoMonth, 0, kWeekends, Bcd(18), Bcd(0), 3400}, // CW identification
    };
    int n = 0;
    for (const Event& e : events) {
        const int at = kScheduler.at(n++);
        image[at] = e.month;
        image[at + 1] = e.day;
        image[at + 2] = e.weekday;
        image[at + 3] = e.hour;
        image[at + 4] = e.minute;
        PutCommand(image, at + 5, e.command);
    }
}

// A speed dial entry: digit count (pauses not counted), digit bytes carrying 16 per pause before
// the digit in their high nibble, then the spoken identification as packed words.
void PutSpeedDial(ImageBytes& image, int entry, std::string_view number, Words id) {
    int digits = 0;
    std::uint8_t pauses = 0;
    for (char c : number) {
        if (c == ',') {
            pauses = static_cast<std::uint8_t>(pauses + 16);
            continue;
        }
        RC_ASSERT(digits < 11);
        image[entry + 1 + digits++] = DigitCode(std::string_view(&c, 1)) | pauses;
        pauses = 0;
    }
    image[entry] = static_cast<std::uint8_t>(digits);
    RC_ASSERT(id.size() <= 8);
    image[entry + 12] = static_cast<std::uint8_t>(id.size());
    int j = 0;
    for (int code : id)
        PutPackedWord(image, entry + 13 + 2 * j++, code);
}

void SpeedDials(ImageBytes& image) {
    using namespace word;
    // 555-01xx numbers are set aside for fiction.
    PutSpeedDial(image, kUserSpeedDial.at(0), "5550123", {Radio, Club});
    PutSpeedDial(image, kUserSpeedDial.at(1), "5550142", {Weather});
    PutSpeedDial(image, kUserSpeedDial.at(2), "5550187", {Home});
    PutSpeedDial(image, kUserSpeedDial.at(3), "18005550199", {Amateur, Radio, Service});
    PutSpeedDial(image, kUserSpeedDial.at(4), "9,5550110", {Test});
    PutSpeedDial(image, kUserSpeedDial.at(42), "5550156", {Control, Operator});

    PutSpeedDial(image, kEmergencySpeedDial.at(0), "911", {Emergency});
    PutSpeedDial(image, kEmergencySpeedDial.at(1), "5550111", {Police, Department});
    PutSpeedDial(image, kEmergencySpeedDial.at(2), "5550112", {Fire, Department});
    PutSpeedDial(image, kEmergencySpeedDial.at(3), "5550113", {Weather, Service});
    PutSpeedDial(image, kEmergencySpeedDial.at(4), "5550114", {Road, Service});
}

// Area codes are three plain digit codes with no count byte.
void AreaCodes(ImageBytes& image) {
    int n = 0;
    for (std::string_view code : {"402", "531", "308", "712"}) {
        const int at = kAreaCodes.at(n++);
        for (int j = 0; j < 3; ++j)
            image[at + j] = DigitCode(code.substr(static_cast<std::size_t>(j), 1));
    }
}

void LockoutNumbers(ImageBytes& image) {
    int n = 0;
    for (std::string_view number : {"900", "1900", "976", "1976", "011", "0"})
        WriteCountedDigits(image, kLockoutNumbers.at(n++), kLockoutDigits, number);
}

// Courtesy tones as frequency and time indexes: frequency k is 200 + 100k Hz, time k is 50k ms.
void CourtesyTones(ImageBytes& image) {
    const std::uint8_t tones[][8] = {
        {6, 2, 0, 0, 0, 0, 0, 0}, // 800 Hz beep
        {8, 1, 1, 5, 1, 0, 0, 0}, // high-low
        {3, 2, 1, 5, 2, 1, 7, 2}, // rising three
        {7, 2, 1, 5, 2, 1, 3, 2}, // falling three
        {2, 4, 0, 0, 0, 0, 0, 0}, // long low beep for the autopatch
    };
    int n = 0;
    for (const auto& tone : tones) {
        const int at = kCourtesyTones.at(n++);
        for (int b = 0; b < 8; ++b)
            image[at + b] = tone[b];
    }
}

void HardwareInputs(ImageBytes& image) {
    // Rising and falling edge of inputs 1 to 4; input 4 is not wired.
    const int commands[8] = {3018, 5802, 5804, 0, 1751, 1750, 0, 0};
    for (int j = 0; j < 8; ++j)
        PutCommand(image, kHardwareInputs.at(j), commands[j]);
}

void ExpandedSwitches(ImageBytes& image) {
    image[kExpandedSwitches.at(0)] = 0x81;
    image[kExpandedSwitches.at(1)] = 0x0F;
    image[kExpandedSwitches.at(8)] = 0x01;
}

void Statistics(ImageBytes& image) {
    const std::uint8_t counters[10] = {37, 12, 1, 4, 9, 3, 15, 2, 21, 0};
    for (int i = 0; i < kStatistics.length; ++i)
        image[kStatistics.offset + i] = counters[i];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUTPUT\n");
        return 2;
    }
    ImageBytes image;
    WriteCountedDigits(image, kUnlockCode.offset, kUnlockCode.length - 1, "2468135");
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        Zones(image, copy);
        Codes(image, copy);
        Timers(image, copy);
        Messages(image, copy);
    }
    CwIdentification(image);
    Macros(image);
    Scheduler(image);
    SpeedDials(image);
    WriteCountedDigits(image, kPreDialNumber.offset, kPreDialNumber.length - 1, "*70"); // cancel call waiting
    AreaCodes(image);
    LockoutNumbers(image);
    CourtesyTones(image);
    HardwareInputs(image);
    ExpandedSwitches(image);
    image[kOptionFlags] = 0x01; // voice clock as 24-hour time
    Statistics(image);

    WriteResult w = WriteImageFile(argv[1], image);
    if (!w.ok) {
        std::fprintf(stderr, "make_sample: %s: %s\n", argv[1], w.reason.c_str());
        return 1;
    }
    return 0;
}
