#include "print/reports.h"

#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "image/regions.h"

#include <string>

namespace rc::print {

namespace {

// The report's own labels, [zone - 1][flag - 1]; they differ from the dialog's captions.
constexpr const char* kZoneLabels[kZoneCount][8] = {
    {"Repeater Transmitter Enable", "Repeater CTCSS Enable", "DTMF Access Enable",
     "Repeater CTCSS Override Enable", "Turn On Delay Enable", "Reserved", "DTMF Muting Enable",
     "Control Operator CTCSS Enable"},
    {"Repeater Timeout Timer Enable", "Squelch Tail Enable", "Scheduler Enable", "DTMF Pad Test Enable",
     "Repeater CTCSS OR Logic Enable", "Grandfather Clook Sleep Enable", "Courtesy Beep Enable",
     "Talk Over Voice Synthesizer Enable"},
    {"Repeater ID #1 (At Rest)Enable", "Repeater ID #2 (Active) Enable", "Squelch Tail Message Enable",
     "Transmitter Dropout Message Enable", "Digital Voice Recorder Enable", "DVR Signal Reporting Enabled",
     "Time Of Day Request Enable", "Grandfather Clock Enable"},
    {"Autopatch Enable", "Autopatch Timeout Timer Enable", "Autopatch CTCSS Enable", "Reserved",
     "User Speed Dial Enable", "Telephone Number Readback Enable", "Autopatch Radio Mute Enable",
     "Autopatch Pre-Dial Enable"},
    {"Emergency Speed Dial Enable", "Reverse Autopatch Enable", "Area Code Lookup Enable",
     "Force Telephone Off Hook Enable", "Telephone Ring Announcer Enable", "Telephone Line Busy Enable",
     "Speed Dial Pre-Dial Enable", "Telephone Ring Detector Enable"},
    {"Remote Base Transmit Enable", "Remote Base Receive Only Enable", "Remote Base CTCSS Input Enable",
     "Remote Base Link Command Enabled", "Remote Base Macro Command Enable", "Reserved", "Reserved",
     "Reserved"},
    {"User Input #1 Enable", "User Input #2 Enable", "User Input #3 Enable", "User Input #4 Enable",
     "User Output #1 Enable", "User Output #2 Enable", "User Output #3 Enable", "User Output #4 Enable"},
    {"DVR Output Switch #1  Enable", "DVR Output Switch #2  Enable", "DVR Output Switch #3  Enable",
     "DVR Output Switch #4  Enable", "DVR Output Switch #5  Enable", "DVR Output Switch #6  Enable",
     "DVR Output Switch #7  Enable", "DVR Output Switch #8  Enable"},
};

std::string Mark(const ImageBytes& image, int table, int zone, int flag) {
    return (image[table + zone - 1] >> (flag - 1)) & 1 ? "X" : " ";
}

} // namespace

void PZonePair(DocumentBuilder& b, const ImageBytes& image, int table, int first) {
    const int second = first + 1;
    b.SetBold(true);
    b.Line({{8, "Zone " + std::to_string(first)}, {60, "Zone " + std::to_string(second)}});
    b.SetBold(false);
    b.EmptyLine();
    for (int flag = 1; flag <= 8; ++flag) {
        const std::string digit = std::to_string(flag);
        b.Row({{8, digit},
               {11, Mark(image, table, first, flag)},
               {14, kZoneLabels[first - 1][flag - 1]},
               {60, digit},
               {63, Mark(image, table, second, flag)},
               {66, kZoneLabels[second - 1][flag - 1]}});
    }
}

void pCourtesyTones(DocumentBuilder& b, const ImageBytes& image) {
    for (int n = 1; n <= kToneRowCount; ++n) {
        const int PT = GetPT(n - 1);
        if (image[PT] == 0) {
            b.Row({{8, Number(n)}});
            continue;
        }
        b.Row({{8, Number(n)},
               {15, CFreq(image, PT)},
               {21, "-"},
               {24, CDly(image, PT + 1)},
               {35, CDly(image, PT + 2)},
               {45, CFreq(image, PT + 3)},
               {51, "-"},
               {54, CDly(image, PT + 4)},
               {65, CDly(image, PT + 5)},
               {75, CFreq(image, PT + 6)},
               {81, "-"},
               {84, CDly(image, PT + 7)}});
    }
}

// A count past the field's 31 places prints the 31 characters, never memory save #1's bytes.
void PCWMessages(DocumentBuilder& b, const ImageBytes& image) {
    b.Row({{8, image[kCwMessage.offset] == 0 ? "Empty" : CwMessageText(image)}});
}

} // namespace rc::print
