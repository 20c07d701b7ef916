#pragma once

// The autopatch's safeguards: the area code lookup table (20 codes of three digits), the twenty
// telephone lockout numbers and the repeater's seven-digit unlock code.

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"
#include "image/messages.h"

#include <array>
#include <string>

namespace rc {

inline constexpr int kLockoutRows = 10; // shown ten at a time

// The area code field at PT: empty when its first byte is 0, else three digits (a byte of 10 or more
// shows as "0").
std::string AreaCodeText(const ImageBytes& image, int PT);
// The twenty area codes as shown, index i being area code i + 1.
std::array<std::string, 20> DisplayAreaCodes(const ImageBytes& image);
// The keypad heading of area code index i: "Area Code 1" ... "Area Code 20".
std::string AreaCodeHeading(int i);
// The keypad for area code index i: three digits.
KeyPadParams AreaCodeKeyPad(int i);
// Writes area code index i from its label: three digit codes, or 0, 0, 0 for an empty label. Only
// that code's three bytes are written.
void SaveAreaCodes(ImageBytes& image, int i, const std::string& label);

// The number of lockout entry row i of a group (0: entries 1..10, 1: entries 11..20).
int LockoutNumber(int group, int row);
// Image offset of that entry.
int LockoutPT(int group, int row);
struct LockoutRow {
    std::string lblNum; // " 1" ... " 20"
    std::string text;   // at most 11 characters
};
std::array<LockoutRow, kLockoutRows> DisplayLockout(const ImageBytes& image, int group);
// "Lock Out Number 11"
std::string LockoutHeading(int group, int row);
// The keypad for a lockout entry: digits and *.
KeyPadParams LockoutKeyPad(int group, int row);
// Writes the one entry: its length, its digit codes, zeros past the end.
void SaveLockout(ImageBytes& image, int group, int row, const std::string& label);

std::string DisplayUnlock(const ImageBytes& image);
// The keypad for the unlock code: seven of the digits, A to C, * and #.
KeyPadParams UnlockKeyPad();
// Closing the dialog with no unlock code.
MessageSpec NoUnlockEntryMessage();
// Stores a seven-digit code: byte 16 = 7 and the seven digit codes. An empty entry stores nothing,
// so clearing the keypad never replaces the code with one the user did not enter.
void SaveUnlock(ImageBytes& image, const std::string& label);

} // namespace rc
