#pragma once

// A zone table: eight zones of eight on/off function switches, one byte per zone and one bit per
// switch (bit 0 is switch 1). The base settings and each memory save hold one.

#include "image/image_bytes.h"
#include "image/regions.h"

#include <array>
#include <cstdint>
#include <string>

namespace rc {

inline constexpr int kZoneSwitches = 8;

// Bit `bit` (0..7) of a byte as 0 or 1; 0 for any other bit number.
int GetBit(std::uint8_t byte, int bit);

// The caption of switch `bit` (0..7) of zone `zone` (1..8) as the dialog shows it, for example
// "1.  Transmitter Enable"; empty outside the table.
std::string ZoneCaption(int zone, int bit);

// "Base Zones" for the base table, "Zone Channels For Memory #n" for memory save n.
std::string ZonesCaption(int ZonesCopy);

// The ticks of the eight zones: [zone - 1][bit].
using ZoneChecks = std::array<std::array<bool, kZoneSwitches>, kZoneCount>;

// The ticks of the table at ZonesCopy (an image offset: 24, 1216, 1808, 2400 or 2992).
ZoneChecks DisplayGroup1(const ImageBytes& image, int ZonesCopy);
// The zone byte of one zone's ticks (SetBitZ1 ... SetBitZ8 of the dialog).
std::uint8_t SetBitZ(const std::array<bool, kZoneSwitches>& chkZ);
// Rewrites the eight zone bytes of the table at ZonesCopy from the ticks.
void SaveGroup1(ImageBytes& image, int ZonesCopy, const ZoneChecks& checks);

} // namespace rc
