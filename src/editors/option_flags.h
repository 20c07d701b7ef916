#pragma once

// The option flags byte: bit 0 the clock announcement format, bit 1 the DVR board set-up at power up,
// bit 2 the forced D key inhibit. Bits 3 to 7 belong to the controller and are kept as they are.

#include "image/image_bytes.h"

namespace rc {

struct OptionFlags {
    bool clock24 = false;        // "Voice clock as 24 Hour Time"
    bool dvrSetup = false;       // "Setup external DVR Board User Function Switches at power up."
    bool inhibitForcedD = false; // "Inhibit Forced D Key from processing entered DTMF commands."
    bool operator==(const OptionFlags&) const = default;
};

OptionFlags ReadOptionFlags(const ImageBytes& image);
// Writes bits 0 to 2; the other five bits keep their values.
void SaveOptionFlags(ImageBytes& image, const OptionFlags& flags);

} // namespace rc
