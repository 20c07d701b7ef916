#include "codecs/dtmf.h"
#include "editors/timers.h"
#include "image/regions.h"
#include "print/reports.h"

#include <array>

namespace rc::print {

namespace {

constexpr std::array<const char*, kCodeCount> kCodeLabels = {
    "Control Operator Prefix",     "Time Request Prefix",         "Memory Recall Prefix",
    "DTMF Access Prefix",          "DTMF Pad Test Prefix",        "User Function Switch Prefix",
    "Autopatch Access Number",     "Autopatch Disconnect Prefix", "User Speed Dial Prefix",
    "Emergency Speed Dial Prefix", "Long Distance Dial Prefix",   "Reverse Autopatch Prefix",
    "DVR Control Prefix",          "Signal Reporting Number",     "Expanded User Function Prefix",
    "Remote Base Control Prefix",  "Voice Demonstration Prefix",
};

struct TimerRow {
    const char* label;
    bool minutes; // "Min": shown as mm:ss of seconds; "Sec": tenths as 0.0
};

constexpr std::array<TimerRow, kTimerCount> kTimerRows = {{
    {"Repeater Time Out", true},
    {"Repeater Sleep Timer", true},
    {"Turn On Delay", false},
    {"COR Drop To Beep Time", false},
    {"Beep To PTT Drop Time", false},
    {"DTMF Muting Delay Time", false},
    {"Repeater ID Timer", true},
    {"Squelch Message Time", true},
    {"Drop Out Message Time", true},
    {"Voice Delay Timer", false},
    {"Autopatch Length Timer", true},
    {"Autopatch Activity Timer", true},
    {"DTMF Pre-Window Time", false},
    {"DTMF Window Time", false},
    {"Program Max Length Time", true},
    {"Ring Detector Time", true},
}};

} // namespace

void PCodes(DocumentBuilder& b, const ImageBytes& image, int copy) {
    SubHeading(b, copy);
    for (int k = 0; k < kCodeCount; ++k)
        b.Row({{8, kCodeLabels[k]}, {45, CountedDigitsText(image, Codes(copy).at(k), kCodeDigits)}});
}

void PTimers(DocumentBuilder& b, const ImageBytes& image, int copy) {
    SubHeading(b, 10 + copy);
    for (int k = 0; k < kTimerCount; ++k) {
        // The same 11-bit value the editor shows: a stray high bit in the file is not a time.
        int v = TimerValue(image, GetPT(copy, k));
        const TimerRow& row = kTimerRows[k];
        b.Row({{8, row.label},
               {40, row.minutes ? MinSecText(v) : TenthsText(v)},
               {48, row.minutes ? "Min" : "Sec"}});
    }
}

} // namespace rc::print
