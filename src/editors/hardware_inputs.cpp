#include "editors/hardware_inputs.h"

#include "codecs/commands.h"
#include "editors/macros.h"
#include "image/regions.h"

namespace rc {

std::string InputName(int input) {
    return input >= 0 && input < kHardwareInputCount ? "Input #" + std::to_string(input + 1) : "";
}

std::string EdgeText(int entry) {
    return entry % 2 == 0 ? "Raising Edge" : "Falling Edge";
}

std::array<HardwareRow, kHardwareEntries> DisHardware(const ImageBytes& image) {
    std::array<HardwareRow, kHardwareEntries> rows;
    for (int j = 0; j < kHardwareEntries; ++j) {
        const int at = kHardwareInputs.at(j);
        rows[j] = {CommandCellText(image[at], image[at + 1]), CommandText(image[at], image[at + 1])};
    }
    return rows;
}

KeyPadParams HardwareKeyPad() {
    return {1, 4, "Macro Command", "", 1};
}

bool SaveHardware(ImageBytes& image, int entry, const std::string& opened, const std::string& entered) {
    if (entered == opened || entry < 0 || entry >= kHardwareEntries)
        return false;
    const CommandCode command = CommandFromText(entered);
    image[kHardwareInputs.at(entry)] = command.function;
    image[kHardwareInputs.at(entry) + 1] = command.argument;
    return true;
}

} // namespace rc
