// The timers of the base settings and of each memory save, listed by their captions ("03:00").

#include "editors/timers.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    const auto timers = DisplayTimers(image, copy);
    for (int i = 0; i < kTimerCount; ++i)
        out.push_back({"", TimerRowLabel(i), timers[static_cast<std::size_t>(i)]});
}

Refusal Enter(ImageBytes& image, int copy, int index, const std::string& value) {
    std::string entry = value.empty() ? "" : TimerEntryFromCaption(index, value);
    // The keypad gives no 0: a cleared keypad is how a timer is set to nothing.
    if (entry == "0")
        entry.clear();
    if (auto refusal = KeyPad(TimerKeyPad(index), entry))
        return refusal;
    SaveTimer(image, copy, index, entry);
    return std::nullopt;
}

} // namespace

std::vector<ListedArea> TimersAreas() {
    return EveryCopy(
        "Timers", [](int copy) { return std::vector{Timers(copy).region()}; }, List, Enter);
}

} // namespace rc::listing
