#include "listing/settings_list.h"

#include "codecs/commands.h"
#include "codecs/vocabulary.h"
#include "codecs/voice_message.h"
#include "editors/codes.h"
#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "editors/expanded_switches.h"
#include "editors/hardware_inputs.h"
#include "editors/macros.h"
#include "editors/option_flags.h"
#include "editors/scheduler.h"
#include "editors/speed_dial.h"
#include "editors/statistics.h"
#include "editors/telephone_codes.h"
#include "editors/timers.h"
#include "editors/voice.h"
#include "editors/zones.h"
#include "image/image_file.h"
#include "listing/settings_import.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <ostream>

namespace rc::listing {

namespace {

std::string CopyArea(int copy, const std::string& what) {
    return copy == kBaseCopy ? "Base " + what : "Memory Save #" + std::to_string(copy) + " " + what;
}

std::string Numbered(const std::string& what, int n) {
    return what + " " + (n < 10 ? "0" : "") + std::to_string(n);
}

std::string OnOff(bool on) {
    return on ? "On" : "Off";
}

void ListCodes(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    const auto codes = DisplayCodes(image, copy);
    for (int i = 0; i < kCodeCount; ++i)
        out.push_back({"", CodeRowLabel(i), codes[static_cast<std::size_t>(i)]});
}

void ListTimers(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    const auto timers = DisplayTimers(image, copy);
    for (int i = 0; i < kTimerCount; ++i)
        out.push_back({"", TimerRowLabel(i), timers[static_cast<std::size_t>(i)]});
}

void ListMessages(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    for (int group = 0; group < (copy == kBaseCopy ? 2 : 1); ++group)
        for (const VoiceRow& row : DisVoice(image, copy, group))
            out.push_back({"", Numbered("Message", row.number), row.text});
}

// Entries by the number their dialog shows beside them. The identification is listed as stored: the
// dialog hides it while the number is empty, yet clearing the number keeps it.
template <std::size_t N, typename RecordAt>
void ListTelephoneRows(const ImageBytes& image, const std::array<SpeedDialRow, N>& rows, RecordAt at,
                       std::vector<SettingLine>& out) {
    for (std::size_t i = 0; i < N; ++i) {
        out.push_back({"", "Entry " + rows[i].pos + " Number", rows[i].number});
        out.push_back({"", "Entry " + rows[i].pos + " Identification",
                       TrimBlanks(TelIdText(image, at(static_cast<int>(i))))});
    }
}

void ListSpeedDial(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < kSpeedDialGroups; ++group) {
        SpeedDialGroup page{group};
        ListTelephoneRows(
            image, DisplaySD(image, page), [&](int row) { return page.GetPT(row); }, out);
    }
}

void ListEmergency(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    ListTelephoneRows(
        image, DisplayEMSD(image), [](int row) { return kEmergencySpeedDial.at(row); }, out);
}

void ListPreDial(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    out.push_back({"", "Pre-Dial Number", PreDialText(image)});
}

// A command as the controller will read it: its digits, then what it does.
std::string CommandWords(const std::string& digits, const std::string& words) {
    return digits.empty() ? words : digits + " " + words;
}

std::string Joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& p : parts)
        if (!p.empty())
            text += (text.empty() ? "" : ", ") + p;
    return text;
}

void ListMacros(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < 2; ++group) {
        const auto rows = DisplayMacros(image, group);
        for (int row = 0; row < kMacroGroupSize; ++row) {
            const MacroReview review = ReviewMacro(image, group, row);
            const std::string macro = Numbered("Macro", MacroNumber(group, row));
            out.push_back({"", macro + " Code", rows[static_cast<std::size_t>(row)].code});
            // The grid hides the commands of a macro without a code, yet they stay stored and a
            // code given later shows them again: they are listed with their digits all the same.
            const int at = MacroOffset(group, row);
            for (int k = 0; k < kMacroCommands; ++k)
                out.push_back({"", macro + " Command " + std::to_string(k + 1),
                               CommandWords(CommandCellText(image[at + CommandByte(k + 1)],
                                                            image[at + CommandByte(k + 1) + 1]),
                                            review.commands[static_cast<std::size_t>(k)])});
        }
    }
}

void ListScheduler(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int page = 0; page < kSchedPages; ++page) {
        const auto rows = DisplaySched(image, page);
        for (int row = 0; row < kSchedPageSize; ++row) {
            const SchedRowText& r = rows[static_cast<std::size_t>(row)];
            const SchedEntry e = ReadSchedEntry(image, SchedRecordOffset(page, row));
            const std::string command =
                r.command.empty() ? "" : CommandWords(r.command, CommandText(e.Function, e.Argument));
            out.push_back({"", Numbered("Event", SchedEntryNumber(page, row)),
                           Joined({r.time, r.dayOfWeek, r.month, r.dayOfMonth, command})});
        }
    }
}

void ListHardwareInputs(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const auto rows = DisHardware(image);
    for (int j = 0; j < kHardwareEntries; ++j)
        out.push_back({"", InputName(j / 2) + " " + EdgeText(j),
                       CommandWords(rows[static_cast<std::size_t>(j)].command,
                                    rows[static_cast<std::size_t>(j)].description)});
}

void ListOptionFlags(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const OptionFlags flags = ReadOptionFlags(image);
    out.push_back({"", "Voice clock as 24 Hour Time", OnOff(flags.clock24)});
    out.push_back(
        {"", "Setup external DVR Board User Function Switches at power up.", OnOff(flags.dvrSetup)});
    out.push_back(
        {"", "Inhibit Forced D Key from processing entered DTMF commands.", OnOff(flags.inhibitForcedD)});
}

void ListStats(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    // The counters as the dialog shows them for an open file; the file's own name and date are not
    // settings of the image.
    const StatsView view = DisplayStats(image, "image", FileFacts{true, false, 2000, 1, 1});
    for (int i = 0; i < kStatCount; ++i)
        out.push_back({"", StatLabel(i), view.data[static_cast<std::size_t>(i)]});
}

void ListUnlock(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    out.push_back({"", "Unlock Number", DisplayUnlock(image)});
}

void ListCw(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    out.push_back({"", "CW Message", CwMessageText(image)});
}

// The switches that are on, by their numbers counted from 1; empty when none is.
std::string OnSwitches(const std::array<bool, 8>& bits) {
    std::string on;
    for (std::size_t b = 0; b < bits.size(); ++b)
        if (bits[b])
            on += (on.empty() ? "" : ", ") + std::to_string(b + 1);
    return on.empty() ? on : "On: " + on;
}

void ListZones(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    const ZoneChecks checks = DisplayGroup1(image, ZonesStart(copy));
    for (int zone = 1; zone <= kZoneCount; ++zone)
        for (int bit = 0; bit < kZoneSwitches; ++bit)
            out.push_back({"", "Zone " + std::to_string(zone) + " " + TrimBlanks(ZoneCaption(zone, bit)),
                           OnOff(checks[static_cast<std::size_t>(zone - 1)][static_cast<std::size_t>(bit)])});
}

void ListAreaCodes(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const auto codes = DisplayAreaCodes(image);
    for (std::size_t i = 0; i < codes.size(); ++i)
        out.push_back({"", AreaCodeHeading(static_cast<int>(i)), codes[i]});
}

void ListLockout(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < 2; ++group)
        for (const LockoutRow& row : DisplayLockout(image, group))
            out.push_back({"", Numbered("Lockout Number", std::stoi(row.lblNum)), row.text});
}

void ListCourtesyTones(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const auto tones = DisplayCTones(image);
    for (std::size_t n = 0; n < tones.size(); ++n) {
        const ToneRow& t = tones[n];
        auto tone = [&](int k) {
            const std::string& hz = t[static_cast<std::size_t>(3 * k)];
            const std::string& ms = t[static_cast<std::size_t>(3 * k + 1)];
            return hz.empty() && ms.empty()
                       ? ""
                       : "Tone #" + std::to_string(k + 1) + " " + hz + " Hz-" + ms + " Ms";
        };
        auto delay = [&](int k) {
            const std::string& ms = t[static_cast<std::size_t>(3 * k + 2)];
            return ms.empty() ? "" : "Delay " + ms + " Ms";
        };
        out.push_back({"", "Courtesy Tone " + std::to_string(n + 1),
                       Joined({tone(0), delay(0), tone(1), delay(1), tone(2)})});
    }
}

void ListExpandedSwitches(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < 2; ++group) {
        const ExpGroup g = DisplayExp(image, group);
        for (int row = 0; row < kExpGroupSize; ++row)
            out.push_back({"", "Switch " + std::to_string(g.firstNumber + row),
                           OnSwitches(DisExpLine(g.bytes[static_cast<std::size_t>(row)]))});
    }
}

std::vector<Region> RecordHeads(const RecordTable& table, int used) {
    std::vector<Region> regions;
    for (int n = 0; n < table.count; ++n)
        regions.push_back({table.at(n), used});
    return regions;
}

// In the order of the menus: File (statistics), Codes/Timers, Messages, Macro Op's, Zones, Autopatch,
// Misc.
std::vector<ListedArea> BuildAreas() {
    std::vector<ListedArea> areas;
    areas.push_back({"Repeater Stats", {kStatistics}, ListStats, ImportStats});
    for (int copy = 0; copy <= kMemorySaveCount; ++copy)
        areas.push_back({CopyArea(copy, "Codes"), {Codes(copy).region()}, ListCodes, ImportCodes, copy});
    for (int copy = 0; copy <= kMemorySaveCount; ++copy)
        areas.push_back({CopyArea(copy, "Timers"), {Timers(copy).region()}, ListTimers, ImportTimers, copy});
    areas.push_back({"Unlock Number", {kUnlockCode}, ListUnlock, ImportUnlock});
    for (int copy = 0; copy <= kMemorySaveCount; ++copy)
        areas.push_back({CopyArea(copy, "Voice Messages"),
                         RecordHeads(Messages(copy), 1 + 2 * kMaxMessageWords), ListMessages, ImportMessages,
                         copy});
    areas.push_back({"CW Message", {kCwMessage}, ListCw, ImportCw});
    areas.push_back({"Macros", {kMacros.region()}, ListMacros, ImportMacros});
    areas.push_back({"Scheduler", {kScheduler.region()}, ListScheduler, ImportScheduler});
    areas.push_back({"User Inputs", {kHardwareInputs.region()}, ListHardwareInputs, ImportHardwareInputs});
    for (int copy = 0; copy <= kMemorySaveCount; ++copy)
        areas.push_back(
            {CopyArea(copy, "Zones"), {{ZonesStart(copy), kZoneCount}}, ListZones, ImportZones, copy});
    areas.push_back({"User Speed Dial", {kUserSpeedDial.region()}, ListSpeedDial, ImportSpeedDial});
    areas.push_back({"Emergency Speed Dial", {kEmergencySpeedDial.region()}, ListEmergency, ImportEmergency});
    areas.push_back({"Pre-Dial Number", {kPreDialNumber}, ListPreDial, ImportPreDial});
    areas.push_back({"Area Code Numbers", {kAreaCodes.region()}, ListAreaCodes, ImportAreaCodes});
    areas.push_back({"Telephone Lockout Numbers", {kLockoutNumbers.region()}, ListLockout, ImportLockout});
    areas.push_back({"Courtesy Tones", {kCourtesyTones.region()}, ListCourtesyTones, ImportCourtesyTones});
    areas.push_back(
        {"Expanded Switches", {kExpandedSwitches.region()}, ListExpandedSwitches, ImportExpandedSwitches});
    areas.push_back({"Repeater Configuration", {{kOptionFlags, 1}}, ListOptionFlags, ImportOptionFlags});
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

// The text form of a value: "(none)" when empty, and between double quotes when its own blanks at
// either end would otherwise be lost, or when it would read as quoted or as "(none)".
std::string Shown(const std::string& value) {
    if (value.empty())
        return "(none)";
    const bool quoted = value.front() == ' ' || value.back() == ' ' || value == "(none)" ||
                        (value.size() >= 2 && value.front() == '"' && value.back() == '"');
    return quoted ? "\"" + value + "\"" : value;
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
        text += l.area + " | " + l.item + " | " + Shown(l.value) + "\n";
    return text;
}

std::string ChangesText(const std::vector<SettingChange>& changes) {
    std::string text;
    for (const SettingChange& c : changes)
        text += c.area + " | " + c.item + " | " + Shown(c.oldValue) + " -> " + Shown(c.newValue) + "\n";
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
