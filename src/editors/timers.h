#pragma once

// The sixteen timers of a timer set: 11-bit values, low byte first, the upper five bits of the
// second byte ignored on reading and written as zero. Seven count tenths of a second; nine count
// seconds and show as minutes and seconds.

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"

#include <array>
#include <string>

namespace rc {

std::string TimerName(int i);     // keypad heading; empty for any other number
std::string TimerRowLabel(int i); // label beside the value in the dialog
bool IsTenthsTimer(int i);        // timers 2, 3, 4, 5, 9, 12, 13
std::string TimersCaption(int copy);

// Image offset of timer i of a copy.
int GetPT(int copy, int i);
// The 11-bit value of the timer at PT.
int TimerValue(const ImageBytes& image, int PT);

// The shown forms: tenths as "0.0" (25 gives "2.5"), seconds as "mm:ss" (90 gives "01:30").
std::string TenthsText(int v);
std::string MinSecText(int v);

std::array<std::string, 16> DisplayTimers(const ImageBytes& image, int copy);

// The keypad's starting value for a shown caption: "2.5" gives "25", "01:30" gives "90".
std::string TimerEntryFromCaption(int i, const std::string& caption);

// The keypad for timer i: digits only, two for tenths, four for seconds (1 to 1800).
KeyPadParams TimerKeyPad(int i);

// Stores a tenths timer; an empty text stores 0, a value of 100 or more writes nothing.
void SaveTimerSec(ImageBytes& image, int PT, const std::string& H_TXT);
// Stores a seconds timer; an empty text stores 0, a value beyond 11 bits writes nothing.
void SaveTimerMin(ImageBytes& image, int PT, const std::string& H_TXT);
// Stores a keypad result for timer i of a copy, in tenths or in seconds as the timer counts.
void SaveTimer(ImageBytes& image, int copy, int i, const std::string& entry);

} // namespace rc
