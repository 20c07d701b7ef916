#pragma once

// The sixteen expanded switches: one byte of eight on/off bits each, shown eight switches at a time.

#include "image/image_bytes.h"

#include <array>
#include <cstdint>

namespace rc {

inline constexpr int kExpGroupSize = 8;

// What one group shows: switches 1..8 (group 0) or 9..16 (group 1).
struct ExpGroup {
    int firstOffset; // image offset of the group's first switch
    int firstNumber; // 1 or 9
    std::array<std::uint8_t, kExpGroupSize> bytes;
};

ExpGroup DisplayExp(const ImageBytes& image, int Group);
// The eight lamps of one switch byte, bit 0 first.
std::array<bool, 8> DisExpLine(std::uint8_t A);
// Flips bit `bit` of switch row 0..7 of a group and returns the new byte.
std::uint8_t ToggleExpBit(ImageBytes& image, int Group, int row, int bit);

} // namespace rc
