#pragma once

// The commands the controller runs when one of its four hardware inputs changes state: entry 2i for
// the rising and 2i + 1 for the falling edge of input i + 1, two BCD bytes each.

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"

#include <array>
#include <string>

namespace rc {

inline constexpr int kHardwareInputCount = 4;
inline constexpr int kHardwareEntries = 8;

std::string InputName(int input); // "Input #1" .. "Input #4" for 0..3
std::string EdgeText(int entry);  // "Raising Edge" or "Falling Edge"

struct HardwareRow {
    std::string command;     // four hexadecimal digits, "1A" for a byte that is not BCD
    std::string description; // what the controller does
};
std::array<HardwareRow, kHardwareEntries> DisHardware(const ImageBytes& image);

// The keypad for an entry: four digits or none.
KeyPadParams HardwareKeyPad();

// Writes the two bytes of one entry from a keypad result; empty stores 0x00 0x00. A result equal to
// the value the keypad was opened with writes nothing. Returns whether the image was written.
bool SaveHardware(ImageBytes& image, int entry, const std::string& opened, const std::string& entered);

} // namespace rc
