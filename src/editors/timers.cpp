#include "editors/timers.h"

#include "image/regions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace rc {

namespace {

struct TimerInfo {
    const char* name;
    const char* rowLabel;
    bool tenths;
};

constexpr std::array<TimerInfo, kTimerCount> kTimerInfo = {{
    {"Repeater Time-Out", "Repeater Time-Out", false},
    {"Repeater Sleep", "Repeater Sleep", false},
    {"Turn-On Delay", "Turn On Delay", true},
    {"COR Drop To Beep", "COR Drop To Beep", true},
    {"Beep To PTT Drop", "Beep To PTT Drop", true},
    {"DTMF Muting Delay", "DTMF Muting Delay", true},
    {"Repeater ID", "Repeater ID", false},
    {"Squelch Tail Message", "Squelch Message", false},
    {"Drop-Out Message", "Drop Out Message", false},
    {"Voice Delay.", "Voice Delay", true},
    {"Autopatch Length", "Autopatch Length", false},
    {"Autopatch Activity", "Autopatch Activity", false},
    {"DTMF Pre-window", "DTMF Pre Window Timer", true},
    {"DTMF Window", "DTMF Window Timer", true},
    {"Programming Max Length", "Prgm Max Length", false},
    {"Ring Detector", "Ring Detector Timer", false},
}};

constexpr long kMaxTimerValue = 0x7FF;

bool Valid(int i) {
    return i >= 0 && i < kTimerCount;
}

// The integer at the start of a text, as the keypad hands digits back; 0 when there is none. A
// typed text can hold any number of digits: it is held far below the point where scaling it to
// tenths would overflow, and far above any timer.
long LeadingNumber(const std::string& s) {
    return std::clamp(std::strtol(s.c_str(), nullptr, 10), -1000000L, 1000000L);
}

} // namespace

std::string TimerName(int i) {
    return Valid(i) ? kTimerInfo[i].name : "";
}
std::string TimerRowLabel(int i) {
    return Valid(i) ? kTimerInfo[i].rowLabel : "";
}
bool IsTenthsTimer(int i) {
    return Valid(i) && kTimerInfo[i].tenths;
}

std::string TimersCaption(int copy) {
    if (copy == kBaseCopy)
        return "Halden R8 Repeater Base Timers";
    return "Halden R8 Memory Save #" + std::to_string(copy) + " Timers";
}

int GetPT(int copy, int i) {
    return Timers(copy).at(i);
}

int TimerValue(const ImageBytes& image, int PT) {
    return image[PT] + 256 * (image[PT + 1] & 7);
}

std::string TenthsText(int v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d.%d", v / 10, v % 10);
    return buf;
}

std::string MinSecText(int v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d", v / 60, v % 60);
    return buf;
}

std::array<std::string, 16> DisplayTimers(const ImageBytes& image, int copy) {
    std::array<std::string, 16> texts;
    for (int i = 0; i < kTimerCount; ++i) {
        int v = TimerValue(image, GetPT(copy, i));
        texts[i] = IsTenthsTimer(i) ? TenthsText(v) : MinSecText(v);
    }
    return texts;
}

std::string TimerEntryFromCaption(int i, const std::string& caption) {
    if (IsTenthsTimer(i)) {
        // "2.5" -> 25, read without floating point so no value is rounded away.
        auto dot = caption.find('.');
        long whole = LeadingNumber(caption.substr(0, dot));
        long tenth = dot == std::string::npos ? 0 : LeadingNumber(caption.substr(dot + 1, 1));
        return std::to_string(whole * 10 + tenth);
    }
    if (caption.size() < 4)
        return "0";
    long minutes = LeadingNumber(caption.substr(0, 2));
    long seconds = LeadingNumber(caption.substr(caption.size() - 2));
    return std::to_string(minutes * 60 + seconds);
}

KeyPadParams TimerKeyPad(int i) {
    return IsTenthsTimer(i) ? KeyPadParams{1, 2, TimerName(i), "", 0}
                            : KeyPadParams{1, 4, TimerName(i), "", 2};
}

void SaveTimerSec(ImageBytes& image, int PT, const std::string& H_TXT) {
    if (H_TXT.empty()) {
        image[PT] = 0;
    } else {
        long v = LeadingNumber(H_TXT);
        if (v >= 100 || v < 0)
            return;
        image[PT] = static_cast<std::uint8_t>(v);
    }
    image[PT + 1] = 0;
}

void SaveTimerMin(ImageBytes& image, int PT, const std::string& H_TXT) {
    if (H_TXT.empty()) {
        image[PT] = 0;
        image[PT + 1] = 0;
        return;
    }
    // The field holds 11 bits. A value that does not fit is left out rather than wrapped into a
    // different, shorter time.
    long v = LeadingNumber(H_TXT);
    if (v < 0 || v > kMaxTimerValue)
        return;
    image[PT] = static_cast<std::uint8_t>(v & 255);
    image[PT + 1] = static_cast<std::uint8_t>((v >> 8) & 7);
}

void SaveTimer(ImageBytes& image, int copy, int i, const std::string& entry) {
    if (IsTenthsTimer(i))
        SaveTimerSec(image, GetPT(copy, i), entry);
    else
        SaveTimerMin(image, GetPT(copy, i), entry);
}

} // namespace rc
