#include "editors/expanded_switches.h"

#include "image/regions.h"

namespace rc {

namespace {

int FirstSwitch(int Group) {
    return Group == 1 ? kExpGroupSize : 0;
}

} // namespace

ExpGroup DisplayExp(const ImageBytes& image, int Group) {
    ExpGroup g{kExpandedSwitches.at(FirstSwitch(Group)), FirstSwitch(Group) + 1, {}};
    for (int r = 0; r < kExpGroupSize; ++r)
        g.bytes[r] = image[g.firstOffset + r];
    return g;
}

std::array<bool, 8> DisExpLine(std::uint8_t A) {
    std::array<bool, 8> lamps{};
    for (int i = 0; i < 8; ++i)
        lamps[i] = ((A >> i) & 1) != 0;
    return lamps;
}

std::uint8_t ToggleExpBit(ImageBytes& image, int Group, int row, int bit) {
    RC_ASSERT(row >= 0 && row < kExpGroupSize && bit >= 0 && bit < 8);
    std::uint8_t& byte = image[kExpandedSwitches.at(FirstSwitch(Group) + row)];
    byte = static_cast<std::uint8_t>(byte ^ (1 << bit));
    return byte;
}

} // namespace rc
