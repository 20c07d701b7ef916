// The repeater configuration's option flags: three ticks.

#include "editors/option_flags.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const OptionFlags flags = ReadOptionFlags(image);
    out.push_back({"", "Voice clock as 24 Hour Time", OnOff(flags.clock24)});
    out.push_back(
        {"", "Setup external DVR Board User Function Switches at power up.", OnOff(flags.dvrSetup)});
    out.push_back(
        {"", "Inhibit Forced D Key from processing entered DTMF commands.", OnOff(flags.inhibitForcedD)});
}

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
    const std::optional<bool> on = OnOffValue(value);
    if (!on)
        return kOnOffOnly;
    OptionFlags flags = ReadOptionFlags(image);
    (index == 0 ? flags.clock24 : index == 1 ? flags.dvrSetup : flags.inhibitForcedD) = *on;
    SaveOptionFlags(image, flags);
    return std::nullopt;
}

} // namespace

ListedArea OptionFlagsArea() {
    return {"Repeater Configuration", {{kOptionFlags, 1}}, List, Enter};
}

} // namespace rc::listing
