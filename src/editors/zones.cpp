#include "editors/zones.h"

namespace rc {

namespace {

// [zone - 1][bit], exactly as the dialog shows them, odd numbering and trailing blanks included.
constexpr const char* kCaptions[kZoneCount][kZoneSwitches] = {
    {"1.  Transmitter Enable", "2.  CTCSS Enable", "3.  DTMF Access Enabled", "4.  CTCSS Override Enabled",
     "5.  Turn On Delay Enabled", "6.  Reserved", "7.  DTMF Muting Enabled",
     "8.  Control Operator CTCSS Enabled"},
    {"1.  Repeater Timeout Enable", "2.  Squelch Tail Enable", "3.  Scheduler Enable",
     "4.  DTMF Pad Test Enable", "5.  Repeater CTCSS OR Logic Enable", "6.  Grandfather Clock Sleep Enable",
     "7.  Courtesy Beep Enable", "8.  Talk Over Voice Synthesizer Enable"},
    {"1.  Repeater ID #1 (At Rest) Enable", "2.  Repeater ID #2 (Active) Enable",
     "3.  Squelch Tail Message Enable", "4.  Transmitter Dropout Message Enable",
     "5.  Digital Recorder Enable ", "6.  Signal Report Enable ", "7.  Time Of Day Request Enable",
     "8.  Grandfather Clock Enable"},
    {"1.  Autopatch Enable", "2.  Autopatch Timeout Timer Enable", "3.  Autopatch CTCSS Enable",
     "4.  Reserved", "5.  User Speed Dial Enable", "6.  Telephone Number Readback Enable",
     "7.  Autopatch Radio Mute Enable", "8.  Autopatch Pre-Dial Enable"},
    {"1.  Emergency Speed Dial Enable", "2.  Reverse Autopatch Enable", "3.  Area Code Look-Up Enable",
     "4.  Autopatch Force Off Hook (Activate Off Air Only)", "5.  Telephone Ring Announcer Enable",
     "6.  Telephone Line Busy Enable", "7.  Speed Dial Pre-Dial Enable",
     "8.  Telephone Ring Detector Enable"},
    {"1.  Remote Base Transmit Enable", "2.  Remote Base Receive Only Enable",
     "3.  Remote Base CTCSS Enabled", "4.  Remote Base Control Enable", "4.  Remote Base Macro Enable",
     "6.  Remote Base Auto Disconnect", "7.  Reserved", "8.  Reserved"},
    {"1.  User Function Switch Input #1 Enable", "2.  User Function Switch Input #2 Enable",
     "3.  User Function Switch Input #3 Enable", "4.  User Function Switch Input #4 Enable",
     "5.  User Function Switch Output #1 Enable", "6.  User Function Switch Output #2 Enable",
     "7.  User Function Switch Output #3 Enable", "8.  User Function Switch Output #4 Enable"},
    {"1.  Expanded DVR User Function Switch 1", "2.  Expanded DVR User Function Switch 2",
     "3.  Expanded DVR User Function Switch 3", "4.  Expanded DVR User Function Switch 4",
     "5.  Expanded DVR User Function Switch 5", "6.  Expanded DVR User Function Switch 6",
     "7.  Expanded DVR User Function Switch 7", "8.  Expanded DVR User Function Switch 8"},
};

} // namespace

int GetBit(std::uint8_t byte, int bit) {
    return bit >= 0 && bit < kZoneSwitches ? (byte >> bit) & 1 : 0;
}

std::string ZoneCaption(int zone, int bit) {
    if (zone < 1 || zone > kZoneCount || bit < 0 || bit >= kZoneSwitches)
        return "";
    return kCaptions[zone - 1][bit];
}

std::string ZonesCaption(int ZonesCopy) {
    for (int n = 1; n <= kMemorySaveCount; ++n)
        if (ZonesCopy == ZonesStart(n))
            return "Zone Channels For Memory #" + std::to_string(n);
    return "Base Zones";
}

ZoneChecks DisplayGroup1(const ImageBytes& image, int ZonesCopy) {
    ZoneChecks checks{};
    for (int k = 0; k < kZoneCount; ++k)
        for (int i = 0; i < kZoneSwitches; ++i)
            checks[k][i] = GetBit(image[ZonesCopy + k], i) == 1;
    return checks;
}

std::uint8_t SetBitZ(const std::array<bool, kZoneSwitches>& chkZ) {
    std::uint8_t byte = 0;
    for (int i = 0; i < kZoneSwitches; ++i)
        if (chkZ[i])
            byte = static_cast<std::uint8_t>(byte | (1 << i));
    return byte;
}

void SaveGroup1(ImageBytes& image, int ZonesCopy, const ZoneChecks& checks) {
    for (int k = 0; k < kZoneCount; ++k)
        image[ZonesCopy + k] = SetBitZ(checks[k]);
}

} // namespace rc
