// The expanded switches: the bits of each switch that are on.

#include "editors/expanded_switches.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

// The switches that are on, by their numbers counted from 1; empty when none is.
std::string OnSwitches(const std::array<bool, 8>& bits) {
    std::string on;
    for (std::size_t b = 0; b < bits.size(); ++b)
        if (bits[b])
            on += (on.empty() ? "" : ", ") + std::to_string(b + 1);
    return on.empty() ? on : "On: " + on;
}

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < 2; ++group) {
        const ExpGroup g = DisplayExp(image, group);
        for (int row = 0; row < kExpGroupSize; ++row)
            out.push_back({"", "Switch " + std::to_string(g.firstNumber + row),
                           OnSwitches(DisExpLine(g.bytes[static_cast<std::size_t>(row)]))});
    }
}

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
    std::array<bool, 8> wanted{};
    if (!value.empty()) {
        if (value.rfind("On: ", 0) != 0)
            return "Error! A switch line is \"On: \" and the bits that are on, 1 to 8";
        for (const std::string& bit : Split(value.substr(4), ", ")) {
            if (bit.size() != 1 || bit[0] < '1' || bit[0] > '8')
                return "Error! The bits of a switch are 1 to 8";
            wanted[static_cast<std::size_t>(bit[0] - '1')] = true;
        }
    }
    const int group = index / kExpGroupSize, row = index % kExpGroupSize;
    const std::array<bool, 8> lamps =
        DisExpLine(DisplayExp(image, group).bytes[static_cast<std::size_t>(row)]);
    for (int bit = 0; bit < 8; ++bit)
        if (lamps[static_cast<std::size_t>(bit)] != wanted[static_cast<std::size_t>(bit)])
            ToggleExpBit(image, group, row, bit);
    return std::nullopt;
}

} // namespace

ListedArea ExpandedSwitchesArea() {
    return {"Expanded Switches", {kExpandedSwitches.region()}, List, Enter};
}

} // namespace rc::listing
