// The user inputs: the command each edge of each input runs.

#include "editors/hardware_inputs.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const auto rows = DisHardware(image);
    for (int j = 0; j < kHardwareEntries; ++j)
        out.push_back({"", InputName(j / 2) + " " + EdgeText(j),
                       CommandWords(rows[static_cast<std::size_t>(j)].command,
                                    rows[static_cast<std::size_t>(j)].description)});
}

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
    const std::string entry = CommandEntry(value);
    if (auto refusal = KeyPad(HardwareKeyPad(), entry))
        return refusal;
    SaveHardware(image, index, DisHardware(image)[static_cast<std::size_t>(index)].command, entry);
    return std::nullopt;
}

} // namespace

ListedArea HardwareInputsArea() {
    return {"User Inputs", {kHardwareInputs.region()}, List, Enter, kBaseCopy, true};
}

} // namespace rc::listing
