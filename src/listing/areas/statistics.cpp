// The statistics counters: the controller's record of use, listed as the dialog shows them.

#include "editors/statistics.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

#include <algorithm>

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    // The counters as the dialog shows them for an open file; the file's own name and date are not
    // settings of the image.
    const StatsView view = DisplayStats(image, "image", FileFacts{true, false, 2000, 1, 1});
    for (int i = 0; i < kStatCount; ++i)
        out.push_back({"", StatLabel(i), view.data[static_cast<std::size_t>(i)]});
}

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
    // The dialog only resets the counters, but a listing brought back restores what they recorded.
    const bool number = !value.empty() && value.size() <= 3 &&
                        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number || std::stoi(value) > 255)
        return "Error! A counter is a number from 0 to 255";
    image[kStatistics.offset + index] = static_cast<std::uint8_t>(std::stoi(value));
    return std::nullopt;
}

} // namespace

ListedArea StatisticsArea() {
    return {"Repeater Stats", {kStatistics}, List, Enter};
}

} // namespace rc::listing
