// The zones of the base settings and of each memory save: one tick per switch of each zone.

#include "editors/zones.h"
#include "codecs/vocabulary.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    const ZoneChecks checks = DisplayGroup1(image, ZonesStart(copy));
    for (int zone = 1; zone <= kZoneCount; ++zone)
        for (int bit = 0; bit < kZoneSwitches; ++bit)
            out.push_back({"", "Zone " + std::to_string(zone) + " " + TrimBlanks(ZoneCaption(zone, bit)),
                           OnOff(checks[static_cast<std::size_t>(zone - 1)][static_cast<std::size_t>(bit)])});
}

Refusal Enter(ImageBytes& image, int copy, int index, const std::string& value) {
    const std::optional<bool> on = OnOffValue(value);
    if (!on)
        return kOnOffOnly;
    ZoneChecks checks = DisplayGroup1(image, ZonesStart(copy));
    checks[static_cast<std::size_t>(index / kZoneSwitches)][static_cast<std::size_t>(index % kZoneSwitches)] =
        *on;
    SaveGroup1(image, ZonesStart(copy), checks);
    return std::nullopt;
}

} // namespace

std::vector<ListedArea> ZonesAreas() {
    return EveryCopy(
        "Zones",
        [](int copy) {
            return std::vector{Region{ZonesStart(copy), kZoneCount}};
        },
        List, Enter);
}

} // namespace rc::listing
