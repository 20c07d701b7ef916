#include "listing/settings_list.h"

#include "listing/areas/areas.h"
#include "listing/settings_import.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

namespace rc::listing {

namespace {

// In the order of the menus: File (statistics), Codes/Timers, Messages, Macro Op's, Zones, Autopatch,
// Misc.
std::vector<ListedArea> BuildAreas() {
    std::vector<ListedArea> areas{StatisticsArea()};
    auto add = [&](const std::vector<ListedArea>& more) {
        areas.insert(areas.end(), more.begin(), more.end());
    };
    add(CodesAreas());
    add(TimersAreas());
    areas.push_back(UnlockArea());
    add(VoiceMessageAreas());
    for (ListedArea (*area)() : {CwArea, MacrosArea, SchedulerArea, HardwareInputsArea})
        areas.push_back(area());
    add(ZonesAreas());
    for (ListedArea (*area)() : {UserSpeedDialArea, EmergencySpeedDialArea, PreDialArea, AreaCodesArea,
                                 LockoutArea, CourtesyTonesArea, ExpandedSwitchesArea, OptionFlagsArea})
        areas.push_back(area());
    return areas;
}

std::vector<bool> NamedBytes() {
    std::vector<bool> named(kImageSize, false);
    for (const ListedArea& area : ListedAreas())
        for (const Region& r : area.bytes)
            for (int i = std::max(r.offset, 0); i < std::min(r.end(), kImageSize); ++i)
                named[static_cast<std::size_t>(i)] = true;
    return named;
}

std::string Hex(int value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}

std::string RangeName(int from, int to) {
    return from == to ? "0x" + Hex(from, 4) : "0x" + Hex(from, 4) + "-0x" + Hex(to, 4);
}

std::string BytesText(const ImageBytes& image, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i)
        text += (i == from ? "" : " ") + Hex(image[i], 2);
    return text;
}

// Runs of unnamed bytes where `select` holds.
template <typename Select> std::vector<std::pair<int, int>> UnnamedRuns(Select select) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < kImageSize; ++i) {
        if (!IsUnnamedByte(i) || !select(i))
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

// One object to a line, its keys in the listing's order, so that the JSON reads and compares line by
// line like the text form. Bytes that are not UTF-8 are written as U+FFFD rather than refused.
std::string JsonArray(const std::vector<nlohmann::ordered_json>& objects) {
    auto dump = [](const nlohmann::ordered_json& j) {
        return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    };
    std::string text = "[";
    for (const nlohmann::ordered_json& object : objects) {
        std::string fields;
        for (const auto& [key, value] : object.items())
            fields += (fields.empty() ? "" : ", ") + dump(key) + ": " + dump(value);
        text += (text.size() > 1 ? ",\n {" : "\n {") + fields + "}";
    }
    return text + "\n]\n";
}

// Bytes of an area that its settings do not carry: the area's lines are entered on a copy whose
// area bytes are all 00 and on one where they are all FF; a byte that comes out different from the
// image in either (unused digit slots behind a shorter code, words of a message past its count) is
// listed as it is, so that the lines rebuild the area whole whatever it held before.
std::vector<SettingLine> HiddenLines(const ImageBytes& image, const ListedArea& area,
                                     const std::vector<SettingLine>& lines) {
    auto rebuilt = [&](std::uint8_t fill) {
        ImageBytes copy = image;
        for (const Region& r : area.bytes)
            for (int i = r.offset; i < r.end(); ++i)
                copy[i] = fill;
        for (std::size_t i = 0; i < lines.size(); ++i)
            area.set(copy, area.copy, static_cast<int>(i), lines[i].value);
        return copy;
    };
    const ImageBytes zeros = rebuilt(0x00), ones = rebuilt(0xFF);
    std::vector<std::pair<int, int>> runs;
    for (const Region& r : area.bytes)
        for (int i = r.offset; i < r.end(); ++i)
            if (zeros[i] != image[i] || ones[i] != image[i]) {
                if (!runs.empty() && runs.back().second == i - 1)
                    runs.back().second = i;
                else
                    runs.push_back({i, i});
            }
    std::vector<SettingLine> hidden;
    for (const auto& [from, to] : runs)
        hidden.push_back({area.area, RangeName(from, to), BytesText(image, from, to)});
    return hidden;
}

} // namespace

std::string ShownValue(const std::string& value) {
    if (value.empty())
        return "(none)";
    const bool quoted = value.front() == ' ' || value.back() == ' ' || value == "(none)" ||
                        (value.size() >= 2 && value.front() == '"' && value.back() == '"');
    return quoted ? "\"" + value + "\"" : value;
}

std::vector<SettingLine> ListArea(const ImageBytes& image, const ListedArea& area) {
    std::vector<SettingLine> lines;
    lines.reserve(64);
    area.list(image, area.copy, lines);
    for (SettingLine& l : lines)
        l.area = area.area;
    return lines;
}

bool IsUnnamedByte(int offset) {
    static const std::vector<bool> named = NamedBytes();
    return offset >= 0 && offset < kImageSize && !named[static_cast<std::size_t>(offset)];
}

const std::vector<ListedArea>& ListedAreas() {
    static const std::vector<ListedArea> areas = BuildAreas();
    return areas;
}

std::vector<SettingLine> ListWholeArea(const ImageBytes& image, const ListedArea& area) {
    std::vector<SettingLine> lines = ListArea(image, area);
    const std::vector<SettingLine> hidden = HiddenLines(image, area, lines);
    lines.insert(lines.end(), hidden.begin(), hidden.end());
    return lines;
}

std::vector<SettingLine> ListSettings(const ImageBytes& image) {
    std::vector<SettingLine> lines;
    for (const ListedArea& area : ListedAreas()) {
        const std::vector<SettingLine> part = ListWholeArea(image, area);
        lines.insert(lines.end(), part.begin(), part.end());
    }
    for (const auto& [from, to] : UnnamedRuns([&](int i) { return image[i] != 0; }))
        lines.push_back({kUnnamedArea, RangeName(from, to), BytesText(image, from, to)});
    return lines;
}

std::vector<SettingChange> DiffSettings(const ImageBytes& oldImage, const ImageBytes& newImage) {
    std::vector<SettingChange> changes;
    for (const ListedArea& area : ListedAreas()) {
        const std::vector<SettingLine> before = ListArea(oldImage, area);
        const std::vector<SettingLine> after = ListArea(newImage, area);
        bool any = false;
        for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
            if (before[i].value == after[i].value)
                continue;
            changes.push_back({area.area, after[i].item, before[i].value, after[i].value});
            any = true;
        }
        if (any)
            continue;
        // Bytes of the area that differ where none of its settings shows it (bits a dialog ignores).
        std::string hidden, was, now;
        for (const Region& r : area.bytes)
            for (int i = r.offset; i < r.end(); ++i)
                if (oldImage[i] != newImage[i]) {
                    hidden += (hidden.empty() ? "" : " ") + RangeName(i, i);
                    was += (was.empty() ? "" : " ") + Hex(oldImage[i], 2);
                    now += (now.empty() ? "" : " ") + Hex(newImage[i], 2);
                }
        if (!hidden.empty())
            changes.push_back({area.area, "bits no setting shows at " + hidden, was, now});
    }
    for (const auto& [from, to] : UnnamedRuns([&](int i) { return oldImage[i] != newImage[i]; }))
        changes.push_back({kUnnamedArea, RangeName(from, to), BytesText(oldImage, from, to),
                           BytesText(newImage, from, to)});
    return changes;
}

std::string ListingText(const std::vector<SettingLine>& lines) {
    std::string text;
    for (const SettingLine& l : lines)
        text += l.area + " | " + l.item + " | " + ShownValue(l.value) + "\n";
    return text;
}

std::string ChangesText(const std::vector<SettingChange>& changes) {
    std::string text;
    for (const SettingChange& c : changes)
        text +=
            c.area + " | " + c.item + " | " + ShownValue(c.oldValue) + " -> " + ShownValue(c.newValue) + "\n";
    return text;
}

std::string ListingJson(const std::vector<SettingLine>& lines, const std::string& valueKey) {
    std::vector<nlohmann::ordered_json> objects;
    for (const SettingLine& l : lines)
        objects.push_back({{"area", l.area}, {"item", l.item}, {valueKey, l.value}});
    return JsonArray(objects);
}

std::string ChangesJson(const std::vector<SettingChange>& changes) {
    std::vector<nlohmann::ordered_json> objects;
    for (const SettingChange& c : changes)
        objects.push_back({{"area", c.area}, {"item", c.item}, {"old", c.oldValue}, {"new", c.newValue}});
    return JsonArray(objects);
}

std::string ChangeName(const ImageBytes& before, const ImageBytes& after) {
    const std::vector<SettingChange> changes = DiffSettings(before, after);
    if (changes.empty())
        return {};
    std::string name = changes.front().area + ": " + changes.front().item;
    if (changes.size() > 1)
        name += " and " + std::to_string(changes.size() - 1) + " more";
    return name;
}

} // namespace rc::listing
