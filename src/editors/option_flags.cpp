#include "editors/option_flags.h"

#include "image/regions.h"

namespace rc {

namespace {
constexpr int kClockBit = 1 << 0;
constexpr int kDvrBit = 1 << 1;
constexpr int kForcedDBit = 1 << 2;
} // namespace

OptionFlags ReadOptionFlags(const ImageBytes& image) {
    const int byte = image[kOptionFlags];
    return {(byte & kClockBit) != 0, (byte & kDvrBit) != 0, (byte & kForcedDBit) != 0};
}

void SaveOptionFlags(ImageBytes& image, const OptionFlags& flags) {
    int byte = image[kOptionFlags] & ~(kClockBit | kDvrBit | kForcedDBit);
    if (flags.clock24)
        byte |= kClockBit;
    if (flags.dvrSetup)
        byte |= kDvrBit;
    if (flags.inhibitForcedD)
        byte |= kForcedDBit;
    image[kOptionFlags] = static_cast<std::uint8_t>(byte);
}

} // namespace rc
