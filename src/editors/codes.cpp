#include "editors/codes.h"

#include "codecs/dtmf.h"
#include "image/regions.h"

namespace rc {

namespace {

struct CodeInfo {
    const char* name;
    const char* rowLabel;
};

constexpr std::array<CodeInfo, kCodeCount> kCodeInfo = {{
    {"Control Op Prefix", "Control Operator Code"},
    {"Time Request Number", "Time Request Prefix"},
    {"Memory Recall Number", "Memory Recall Prefix"},
    {"DTMF Access Number", "DTMF Access Number"},
    {"DTMF Pad Test", "DTMF Pad Test Number"},
    {"User Function Switch", "User Function Switch Number"},
    {"Autopatch Access", "Autopatch Access Number"},
    {"Autopatch Disconnect", "Autopatch Disconnect Number"},
    {"User Speed Dial", "User Speed Dial Prefix Number"},
    {"Emergency Speed Dial", "Emergency Speed Dial Prefix"},
    {"Long Distance Prefix", "Long Distance Dial Number"},
    {"Reverse Autopatch Prefix", "Reverse Autopatch Access Number"},
    {"DVR Control Number", "DVR Control Number"},
    {"Signal Report Test Number", "Signal Report Test Number"},
    {"Expanded User Function Switch", "Expanded User Function Switch"},
    {"Remote Base Control Number", "Remote Base Control Number"},
    {"Voice Demo Number", "Voice Demonstration Control Number"},
}};

} // namespace

std::string CodeName(int i) {
    return i >= 0 && i < kCodeCount ? kCodeInfo[i].name : "";
}

std::string CodeRowLabel(int i) {
    return i >= 0 && i < kCodeCount ? kCodeInfo[i].rowLabel : "";
}

std::string CodesCaption(int copy) {
    if (copy == kBaseCopy)
        return "Halden R8 Repeater Base Codes";
    return "Halden R8 Memory Save #" + std::to_string(copy) + " Codes";
}

KeyPadParams CodeKeyPad(int i) {
    return {3, kCodeDigits, CodeName(i), "", 0};
}

std::array<std::string, 17> DisplayCodes(const ImageBytes& image, int copy) {
    std::array<std::string, 17> codes;
    for (int i = 0; i < kCodeCount; ++i)
        codes[i] = CountedDigitsText(image, Codes(copy).at(i), kCodeDigits);
    return codes;
}

void SaveCodes(ImageBytes& image, int copy, const std::array<std::string, 17>& codes) {
    for (int i = 0; i < kCodeCount; ++i)
        SaveCode(image, copy, i, codes[i]);
}

void SaveCode(ImageBytes& image, int copy, int i, const std::string& code) {
    if (i >= 0 && i < kCodeCount)
        WriteCountedDigits(image, Codes(copy).at(i), kCodeDigits, code);
}

} // namespace rc
