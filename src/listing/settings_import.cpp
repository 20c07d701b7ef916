#include "listing/settings_import.h"

#include "codecs/commands.h"
#include "codecs/keypad_logic.h"
#include "codecs/vocabulary.h"
#include "codecs/voice_message.h"
#include "codecs/word_dialog.h"
#include "editors/codes.h"
#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "editors/expanded_switches.h"
#include "editors/hardware_inputs.h"
#include "editors/macros.h"
#include "editors/option_flags.h"
#include "editors/scheduler.h"
#include "editors/speed_dial.h"
#include "editors/telephone_codes.h"
#include "editors/timers.h"
#include "editors/voice.h"
#include "editors/zones.h"
#include "image/image_file.h"

#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

namespace rc::listing {

namespace {

using Refusal = std::optional<std::string>;

constexpr const char* kNone = "(none)";

std::string Quote(const std::string& text) {
    return "\"" + Clipped(text) + "\"";
}

std::vector<std::string> Split(const std::string& s, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> words;
    std::istringstream in(s);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

Refusal KeyPad(const KeyPadParams& params, const std::string& entry) {
    if (auto failure = KeyPadEntryRefusal(params, entry))
        return failure->text;
    return std::nullopt;
}

std::optional<bool> OnOff(const std::string& value) {
    if (value == "On")
        return true;
    if (value == "Off")
        return false;
    return std::nullopt;
}

const char* kOnOffOnly = "Error! A tick is On or Off";

// A listed command is its four digits and what they do; the digits decide. The description of an
// empty slot standing alone (a macro without a code shows no digits) is no command.
std::string CommandEntry(const std::string& value) {
    if (value == CommandText(0, 0))
        return "";
    return value.substr(0, value.find(' '));
}

// The word dialog's picks by the text a stored word shows: a word is only what the dialog can pick.
const std::map<std::string, PickItem>& PicksByShownText() {
    static const std::map<std::string, PickItem> picks = [] {
        std::map<std::string, PickItem> m;
        for (const PickList* list : {&VoiceWordList(), &CallLettersList(), &SpecialList()})
            for (const PickItem& item : *list)
                m.emplace(TrimBlanks(VoiceWordText(WordKey(PackWordCode(item.value)))), item);
        return m;
    }();
    return picks;
}

// The word dialog opened on `opened`, cleared, and the words of `value` picked one by one.
Refusal BuildWords(const VoiceContract& opened, const std::string& value, VoiceContract& built) {
    WordDialogLogic dialog;
    dialog.Activate(opened);
    dialog.TimerTick();
    dialog.Clear();
    // Some words have blanks of their own ("[Chime 1]"): the longest word that ends at a blank wins.
    for (std::size_t at = value.find_first_not_of(' '); at != std::string::npos;
         at = value.find_first_not_of(' ', at)) {
        const PickItem* item = nullptr;
        std::size_t length = 0;
        for (const auto& [text, pick] : PicksByShownText())
            if (text.size() > length && value.compare(at, text.size(), text) == 0 &&
                (at + text.size() == value.size() || value[at + text.size()] == ' ')) {
                item = &pick;
                length = text.size();
            }
        if (!item)
            return "Error! " + Quote(value.substr(at, value.find(' ', at) - at)) +
                   " is not a word of the vocabulary";
        if (!dialog.Pick(*item))
            return "Error! At most " + std::to_string(opened.VoiceMaxWords) + " words";
        at += length;
    }
    dialog.OK();
    built = dialog.Contract();
    return std::nullopt;
}

Refusal SetTelNumber(ImageBytes& image, int PT, const std::string& heading, const std::string& value) {
    if (auto refusal = KeyPad(TelNumberKeyPad(heading), value))
        return refusal;
    SaveTelNum(image, PT, value);
    return std::nullopt;
}

Refusal SetTelId(ImageBytes& image, int PT, const std::string& value) {
    VoiceContract voice;
    if (auto refusal = BuildWords(VoiceForTelId(TelIdText(image, PT)), value, voice))
        return refusal;
    SaveTelIdAt(image, PT, voice);
    return std::nullopt;
}

// The eight fields of a courtesy tone from "Tone #1 800 Hz-100 Ms, Delay 0 Ms, Tone #2 ...".
std::optional<ToneRow> ToneFields(const std::string& value) {
    const std::vector<std::string> parts = Split(value, ", ");
    if (parts.size() != 5)
        return std::nullopt;
    ToneRow fields;
    for (int k = 0; k < 5; ++k) {
        const std::string& part = parts[static_cast<std::size_t>(k)];
        const int field = k / 2 * 3 + k % 2 * 2;
        if (k % 2 == 1) {
            if (part.rfind("Delay ", 0) != 0 || part.size() < 9 || part.substr(part.size() - 3) != " Ms")
                return std::nullopt;
            fields[static_cast<std::size_t>(field)] = part.substr(6, part.size() - 9);
            continue;
        }
        const std::string head = "Tone #" + std::to_string(k / 2 + 1) + " ";
        const std::size_t hz = part.find(" Hz-");
        if (part.rfind(head, 0) != 0 || hz == std::string::npos || part.size() < hz + 7 ||
            part.substr(part.size() - 3) != " Ms")
            return std::nullopt;
        fields[static_cast<std::size_t>(field)] = part.substr(head.size(), hz - head.size());
        fields[static_cast<std::size_t>(field + 1)] = part.substr(hz + 4, part.size() - 3 - hz - 4);
    }
    return fields;
}

// Values of these areas end in a command whose description follows its digits.
bool HasCommandDescriptions(const ListedArea& area) {
    return area.set == ImportMacros || area.set == ImportScheduler || area.set == ImportHardwareInputs;
}

// A value as the import compares it: without the description after a command's four digits. Blanks
// count: a value is read whole.
std::string Essential(const std::string& value, bool descriptions) {
    if (!descriptions)
        return value;
    std::vector<std::string> parts = Split(value, ", ");
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& p = parts[i];
        const bool digits = p.size() >= 4 && std::all_of(p.begin(), p.begin() + 4, [](char c) {
                                return std::isxdigit(static_cast<unsigned char>(c));
                            });
        if (digits && (p.size() == 4 || p[4] == ' ')) {
            std::string kept;
            for (std::size_t j = 0; j < i; ++j)
                kept += parts[j] + ", ";
            return kept + p.substr(0, 4);
        }
    }
    return value;
}

std::string Hex2(int byte) {
    const char* digits = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 15]};
}

int HexValue(const std::string& s) {
    if (s.empty() ||
        !std::all_of(s.begin(), s.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return -1;
    return static_cast<int>(std::stol(s, nullptr, 16));
}

// "0x0005" or "0x0005-0x0007" with bytes "1A 2B 3C": bytes a listing shows as they are, either
// bytes no setting names or bytes of an area that none of its settings shows.
std::optional<std::pair<int, int>> ByteRange(const std::string& item) {
    const std::vector<std::string> ends = Split(item, "-");
    int from = -1, to = -1;
    if (ends.size() <= 2 && ends.front().rfind("0x", 0) == 0 && ends.back().rfind("0x", 0) == 0 &&
        ends.front().size() <= 6 && ends.back().size() <= 6) {
        from = HexValue(ends.front().substr(2));
        to = HexValue(ends.back().substr(2));
    }
    if (from < 0 || to < from || to >= kImageSize)
        return std::nullopt;
    return std::pair{from, to};
}

Refusal SetBytes(ImageBytes& image, const std::string& item, const std::string& value,
                 const ListedArea* area) {
    const std::optional<std::pair<int, int>> range = ByteRange(item);
    if (!range)
        return "Error! Not a byte range of the image";
    const auto [from, to] = *range;
    for (int i = from; i <= to; ++i) {
        const bool inArea = area && std::any_of(area->bytes.begin(), area->bytes.end(), [&](const Region& r) {
                                return i >= r.offset && i < r.end();
                            });
        if (area ? !inArea : !IsUnnamedByte(i))
            return "Error! Byte 0x" + Hex2(i >> 8) + Hex2(i & 255) +
                   (area ? " is not a byte of this area" : " belongs to a setting");
    }
    const std::vector<std::string> bytes = Words(value);
    if (static_cast<int>(bytes.size()) != to - from + 1)
        return "Error! Need " + std::to_string(to - from + 1) + " bytes";
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const int b = bytes[k].size() == 2 ? HexValue(bytes[k]) : -1;
        if (b < 0)
            return "Error! A byte is two hexadecimal digits";
        image[from + static_cast<int>(k)] = static_cast<std::uint8_t>(b);
    }
    return std::nullopt;
}

// The listing of one area of the image being imported into, kept while the image does not change:
// listing a large area for each of its lines would make an import quadratic in its lines.
struct ShownArea {
    const ListedArea* area = nullptr;
    std::vector<SettingLine> lines;
};

// One line applied to `image`: nothing when the value already shows; else the setter writes a
// trial copy, which is kept only when its listing then shows exactly the value asked for.
Refusal ApplyLine(ImageBytes& image, const ImportLine& line, ShownArea& shown) {
    const auto& areas = ListedAreas();
    const auto area =
        std::find_if(areas.begin(), areas.end(), [&](const ListedArea& a) { return a.area == line.area; });
    if (line.area == kUnnamedArea || (area != areas.end() && line.item.rfind("0x", 0) == 0)) {
        shown.area = nullptr;
        return SetBytes(image, line.item, line.value, area == areas.end() ? nullptr : &*area);
    }
    if (area == areas.end())
        return "Error! No settings area is called " + Quote(line.area);
    if (shown.area != &*area)
        shown = {&*area, ListArea(image, *area)};
    const auto item = std::find_if(shown.lines.begin(), shown.lines.end(),
                                   [&](const SettingLine& l) { return l.item == line.item; });
    if (item == shown.lines.end())
        return "Error! " + line.area + " has no setting " + Quote(line.item);
    const bool descriptions = HasCommandDescriptions(*area);
    const std::string wanted = Essential(line.value, descriptions);
    if (Essential(item->value, descriptions) == wanted)
        return std::nullopt;
    ImageBytes trial = image;
    const auto index = static_cast<std::size_t>(item - shown.lines.begin());
    if (auto refusal = area->set(trial, area->copy, static_cast<int>(index), line.value))
        return refusal;
    std::vector<SettingLine> now = ListArea(trial, *area);
    if (Essential(now[index].value, descriptions) != wanted)
        return "Error! This value cannot be stored as given; it would read back as " +
               Quote(now[index].value.empty() ? std::string(kNone) : now[index].value);
    image = trial;
    shown.lines = std::move(now);
    return std::nullopt;
}

// --- The JSON form ----------------------------------------------------------------------------

// The characters of a text, counting the lines before the last one read: the parser reads through
// it, so that each entry of the array is known by the line it starts on (a number by the line it
// ends on, the character after it already read), and a fault by the line it is found on.
struct LineCount {
    int line = 1;
    bool newline = false; // the last character read ends a line
};

class CountingLines {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingLines(const char* at, LineCount* count) : at_(at), count_(count) {}
    reference operator*() const { return *at_; }
    CountingLines& operator++() {
        count_->line += count_->newline;
        count_->newline = *at_++ == '\n';
        return *this;
    }
    bool operator==(const CountingLines& other) const { return at_ == other.at_; }

private:
    const char* at_;
    LineCount* count_;
};

std::vector<ImportLine> ParseJson(const std::string& text, std::vector<ImportRefusal>& refusals) {
    using Json = nlohmann::json;
    LineCount count;
    const int& line = count.line;
    std::vector<int> starts; // the line of each entry of the array
    // The parser keeps the last of two equal keys: an entry that names a field twice is refused
    // rather than read as one of its values.
    std::vector<std::set<std::string>> keys;
    std::set<std::size_t> twice;
    Json array;
    try {
        array = Json::parse(
            CountingLines(text.data(), &count), CountingLines(text.data() + text.size(), &count),
            [&](int depth, Json::parse_event_t event, Json& parsed) {
                if (depth == 1 && event != Json::parse_event_t::key &&
                    event != Json::parse_event_t::object_end && event != Json::parse_event_t::array_end) {
                    starts.push_back(line);
                    keys.emplace_back();
                } else if (event == Json::parse_event_t::key && !keys.empty() && parsed.is_string() &&
                           !keys.back().insert(parsed.get<std::string>()).second) {
                    twice.insert(keys.size() - 1);
                }
                return true;
            });
    } catch (const Json::parse_error& e) {
        // What the parser met, without its numbering, position and echo: the line is given apart.
        const std::string what = e.what();
        const std::size_t met = what.find(" - ");
        const std::string fault = met == std::string::npos ? what : what.substr(met + 3);
        refusals.push_back(
            {line, "", "",
             "Error! Not the JSON of a listing: " + Clipped(fault.substr(0, fault.find("; last read")))});
        return {};
    }
    std::vector<ImportLine> lines;
    for (std::size_t i = 0; i < array.size(); ++i) {
        const Json& entry = array[i];
        int given = 0; // of the three, as text
        auto field = [&](const char* key) {
            const bool text = entry.is_object() && entry.contains(key) && entry[key].is_string();
            given += text;
            return text ? entry[key].get<std::string>() : std::string();
        };
        ImportLine parsed{starts[i], field("area"), field("item"), field("value")};
        if (given != 3 || entry.size() != 3 || twice.count(i)) {
            refusals.push_back(
                {parsed.line, parsed.area, parsed.item, "Error! A setting is an area, an item and a value"});
            continue;
        }
        parsed.value = parsed.value == kNone ? "" : parsed.value;
        lines.push_back(parsed);
    }
    return lines;
}

std::vector<ImportLine> ParseText(const std::string& text, std::vector<ImportRefusal>& refusals) {
    std::vector<ImportLine> lines;
    int number = 0;
    for (std::size_t from = 0; from < text.size();) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t length = end - from;
        const std::size_t start = from;
        from = end + 1;
        ++number;
        // A line this long is no setting of any area; it is neither copied nor quoted back.
        if (length > kLongestLine) {
            refusals.push_back({number, "", "", "Error! A line longer than 64 KiB is no setting line"});
            continue;
        }
        std::string raw = text.substr(start, length);
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::string trimmed = TrimBlanks(raw);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        const std::size_t first = raw.find('|');
        const std::size_t second = first == std::string::npos ? first : raw.find('|', first + 1);
        if (second == std::string::npos) {
            refusals.push_back({number, "", "", "Error! A setting line is: area | item | value"});
            continue;
        }
        lines.push_back({number, TrimBlanks(raw.substr(0, first)),
                         TrimBlanks(raw.substr(first + 1, second - first - 1)),
                         UnquotedValue(TrimBlanks(raw.substr(second + 1)))});
    }
    return lines;
}

} // namespace

// --- The setters ------------------------------------------------------------------------------

Refusal ImportStats(ImageBytes& image, int, int index, const std::string& value) {
    // The counters are the controller's record of use; the dialog only resets them, but a listing
    // brought back restores what it recorded.
    const bool number = !value.empty() && value.size() <= 3 &&
                        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number || std::stoi(value) > 255)
        return "Error! A counter is a number from 0 to 255";
    image[kStatistics.offset + index] = static_cast<std::uint8_t>(std::stoi(value));
    return std::nullopt;
}

Refusal ImportCodes(ImageBytes& image, int copy, int index, const std::string& value) {
    if (auto refusal = KeyPad(CodeKeyPad(index), value))
        return refusal;
    SaveCode(image, copy, index, value);
    return std::nullopt;
}

Refusal ImportTimers(ImageBytes& image, int copy, int index, const std::string& value) {
    std::string entry = value.empty() ? "" : TimerEntryFromCaption(index, value);
    // The keypad gives no 0: a cleared keypad is how a timer is set to nothing.
    if (entry == "0")
        entry.clear();
    if (auto refusal = KeyPad(TimerKeyPad(index), entry))
        return refusal;
    SaveTimer(image, copy, index, entry);
    return std::nullopt;
}

Refusal ImportUnlock(ImageBytes& image, int, int, const std::string& value) {
    if (value.empty())
        return NoUnlockEntryMessage().text;
    if (auto refusal = KeyPad(UnlockKeyPad(), value))
        return refusal;
    SaveUnlock(image, value);
    return std::nullopt;
}

Refusal ImportMessages(ImageBytes& image, int copy, int index, const std::string& value) {
    const int record = Messages(copy).at(index);
    VoiceContract voice;
    if (auto refusal = BuildWords(VoiceForMessage(index + 1, VoiceMessageText(image, record)), value, voice))
        return refusal;
    SaveVoice(image, record, voice);
    return std::nullopt;
}

Refusal ImportCw(ImageBytes& image, int, int, const std::string& value) {
    // The longest character text first, so "(AR)" is one character and not "(" and three more.
    static const std::vector<CwListEntry> characters = [] {
        std::vector<CwListEntry> list = FillCwList();
        std::stable_sort(list.begin(), list.end(), [](const CwListEntry& a, const CwListEntry& b) {
            return a.text.size() > b.text.size();
        });
        return list;
    }();
    CwBuilder builder;
    builder.Load(image);
    builder.Clear();
    for (std::size_t at = 0; at < value.size();) {
        const auto c = std::find_if(characters.begin(), characters.end(), [&](const CwListEntry& e) {
            return value.compare(at, e.text.size(), e.text) == 0;
        });
        if (c == characters.end())
            return "Error! \"" + value.substr(at, 1) + "\" is not a CW character";
        if (!builder.Pick(c->code))
            return "Error! At most " + std::to_string(kCwMaxChars) + " characters";
        at += c->text.size();
    }
    SaveCwMessage(image, builder);
    return std::nullopt;
}

Refusal ImportMacros(ImageBytes& image, int, int index, const std::string& value) {
    const int macro = index / (1 + kMacroCommands), cell = index % (1 + kMacroCommands);
    const int group = macro / kMacroGroupSize, row = macro % kMacroGroupSize;
    const MacroRowText shown = DisplayMacros(image, group)[static_cast<std::size_t>(row)];
    const std::string opened =
        cell == kMacroCodeCell ? shown.code : shown.commands[static_cast<std::size_t>(cell - 1)];
    const std::string entry = cell == kMacroCodeCell ? value : CommandEntry(value);
    if (auto refusal = KeyPad(MacroCellKeyPad(group, row, cell), entry))
        return refusal;
    EditMacroCell(image, group, row, cell, opened, entry);
    return std::nullopt;
}

Refusal ImportScheduler(ImageBytes& image, int, int index, const std::string& value) {
    const int page = index / kSchedPageSize, row = index % kSchedPageSize;
    const int offset = SchedRecordOffset(page, row);
    const SchedRowText shown = DisplaySched(image, page)[static_cast<std::size_t>(row)];
    SetSchedState state(ReadSchedEntry(image, offset));
    if (value.empty()) {
        state.SetErase(true);
        SaveSchedEntry(image, offset, state);
        return std::nullopt;
    }
    // time, weekday, "Skip", command or time, "----", month, day, command
    const std::vector<std::string> parts = Split(value, ", ");
    const bool monthDay = parts.size() >= 5 && parts[1] == "----";
    if (parts.size() < 4)
        return "Error! An event is: time, day of week, month, day of month, command";
    const std::string& time = parts[0];
    const std::string& weekday = parts[1];
    const std::string& month = parts[2];
    const std::string day = monthDay ? parts[3] : "";
    std::string command = parts[monthDay ? 4 : 3];
    state.SetErase(false);

    if (weekday != shown.dayOfWeek || month != shown.month || day != shown.dayOfMonth) {
        const CalendarTables& t = LoadCalendarTables();
        auto indexOf = [](const auto& names, const std::string& name) {
            const auto it = std::find(names.begin(), names.end(), name);
            return it == names.end() ? -1 : static_cast<int>(it - names.begin());
        };
        int option = SetSchedState::None, listIndex = -1, dayIndex = -1;
        if (monthDay) {
            option = SetSchedState::SelectMonthDay;
            listIndex = indexOf(t.MonthNames, month);
            dayIndex = indexOf(t.DayTexts, day);
            if (listIndex < 0 || dayIndex < 0)
                return "Error! A date is a month \"January\" to \"December\" and a day 1 to 31";
        } else if (month != "Skip") {
            return "Error! A weekday event has \"Skip\" for its month";
        } else if (weekday == "Daily") {
            option = SetSchedState::Daily;
        } else if (weekday == "Weekdays") {
            option = SetSchedState::WeekdaysOnly;
        } else if (weekday == "Weekends") {
            option = SetSchedState::WeekendsOnly;
        } else if ((listIndex = indexOf(t.DayNames, weekday)) >= 0) {
            option = SetSchedState::SelectWeekday;
        } else {
            return "Error! A day of week is Daily, Weekdays, Weekends or \"Sunday\" to \"Saturday\"";
        }
        // As the user clicks: another option first, so choosing the one already selected counts.
        state.SelectOption(option == SetSchedState::Daily ? SetSchedState::WeekdaysOnly
                                                          : SetSchedState::Daily);
        state.SelectOption(option);
        if (option == SetSchedState::SelectWeekday)
            state.SelectWeekdayIndex(listIndex);
        if (option == SetSchedState::SelectMonthDay) {
            state.SelectMonthIndex(listIndex);
            state.SelectDayIndex(dayIndex);
        }
    }

    if (time != shown.time) {
        const bool everyHour = time.rfind("----:", 0) == 0;
        const std::size_t colon = time.find(':');
        if (colon == std::string::npos)
            return "Error! A time is HH:MM, or ----:MM for every hour";
        state.SetEveryHour(everyHour);
        const std::string entry =
            everyHour ? time.substr(colon + 1) : time.substr(0, colon) + time.substr(colon + 1);
        if (auto refusal = KeyPad(state.TimeKeyPad(), entry))
            return refusal;
        if (auto refusal = state.EnterTime(entry))
            return refusal->text;
    }

    for (std::size_t k = (monthDay ? 5 : 4); k < parts.size(); ++k)
        command += ", " + parts[k];
    const std::string entry = CommandEntry(command);
    if (auto refusal = KeyPad(SetSchedState::CommandKeyPad(), entry))
        return refusal;
    if (entry != state.CommandCell())
        state.EnterCommand(entry);
    SaveSchedEntry(image, offset, state);
    return std::nullopt;
}

Refusal ImportHardwareInputs(ImageBytes& image, int, int index, const std::string& value) {
    const std::string entry = CommandEntry(value);
    if (auto refusal = KeyPad(HardwareKeyPad(), entry))
        return refusal;
    SaveHardware(image, index, DisHardware(image)[static_cast<std::size_t>(index)].command, entry);
    return std::nullopt;
}

Refusal ImportZones(ImageBytes& image, int copy, int index, const std::string& value) {
    const std::optional<bool> on = OnOff(value);
    if (!on)
        return kOnOffOnly;
    ZoneChecks checks = DisplayGroup1(image, ZonesStart(copy));
    checks[static_cast<std::size_t>(index / kZoneSwitches)][static_cast<std::size_t>(index % kZoneSwitches)] =
        *on;
    SaveGroup1(image, ZonesStart(copy), checks);
    return std::nullopt;
}

Refusal ImportSpeedDial(ImageBytes& image, int, int index, const std::string& value) {
    const int entry = index / 2;
    SpeedDialGroup page{entry / kSpeedDialRows};
    const int PT = page.GetPT(entry % kSpeedDialRows);
    return index % 2 == 0 ? SetTelNumber(image, PT, SpeedNumberHeading(entry), value)
                          : SetTelId(image, PT, value);
}

Refusal ImportEmergency(ImageBytes& image, int, int index, const std::string& value) {
    const int entry = index / 2;
    const int PT = kEmergencySpeedDial.at(entry);
    return index % 2 == 0 ? SetTelNumber(image, PT, EmergencyNumberHeading(entry), value)
                          : SetTelId(image, PT, value);
}

Refusal ImportPreDial(ImageBytes& image, int, int, const std::string& value) {
    if (auto refusal = KeyPad(PreDialKeyPad(), value))
        return refusal;
    SavePreDial(image, value);
    return std::nullopt;
}

Refusal ImportAreaCodes(ImageBytes& image, int, int index, const std::string& value) {
    if (auto refusal = KeyPad(AreaCodeKeyPad(index), value))
        return refusal;
    SaveAreaCodes(image, index, value);
    return std::nullopt;
}

Refusal ImportLockout(ImageBytes& image, int, int index, const std::string& value) {
    const int group = index / kLockoutRows, row = index % kLockoutRows;
    if (auto refusal = KeyPad(LockoutKeyPad(group, row), value))
        return refusal;
    SaveLockout(image, group, row, value);
    return std::nullopt;
}

Refusal ImportCourtesyTones(ImageBytes& image, int, int index, const std::string& value) {
    if (value.empty()) {
        EraseTone(image, index);
        return std::nullopt;
    }
    const std::optional<ToneRow> fields = ToneFields(value);
    if (!fields)
        return "Error! A courtesy tone is: Tone #1 H Hz-T Ms, Delay T Ms, Tone #2 H Hz-T Ms, Delay T Ms, "
               "Tone #3 H Hz-T Ms";
    // Every field is read, the ones that already show too: a blank frequency is no value.
    ToneRow entries;
    for (int f = 0; f < kToneFieldCount; ++f) {
        const std::string& text = (*fields)[static_cast<std::size_t>(f)];
        const bool frequency = IsFrequencyField(f);
        const std::string entry = frequency ? FreqIn(text) : DelayIn(text);
        if (entry.empty())
            return frequency ? "Error! A frequency is 0 or 300 to 1000 Hz in steps of 100"
                             : "Error! A time is 0 to 450 Ms in steps of 50";
        if (auto refusal = KeyPad(ToneFieldKeyPad(f), entry))
            return refusal;
        entries[static_cast<std::size_t>(f)] = entry;
    }
    const ToneRow shown = DisplayCTones(image)[static_cast<std::size_t>(index)];
    for (int f = 0; f < kToneFieldCount; ++f)
        if ((*fields)[static_cast<std::size_t>(f)] != shown[static_cast<std::size_t>(f)]) {
            const std::string& entry = entries[static_cast<std::size_t>(f)];
            SaveToneField(image, index, f, IsFrequencyField(f) ? FreqOut(entry) : DelayOut(entry));
        }
    return std::nullopt;
}

Refusal ImportExpandedSwitches(ImageBytes& image, int, int index, const std::string& value) {
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

Refusal ImportOptionFlags(ImageBytes& image, int, int index, const std::string& value) {
    const std::optional<bool> on = OnOff(value);
    if (!on)
        return kOnOffOnly;
    OptionFlags flags = ReadOptionFlags(image);
    (index == 0 ? flags.clock24 : index == 1 ? flags.dvrSetup : flags.inhibitForcedD) = *on;
    SaveOptionFlags(image, flags);
    return std::nullopt;
}

// --- Parsing, applying, the command -----------------------------------------------------------

std::string Clipped(const std::string& text) {
    return text.size() <= kLongestQuote ? text : text.substr(0, kLongestQuote - 3) + "...";
}

std::string UnquotedValue(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value == kNone ? "" : value;
}

std::vector<ImportLine> ParseSettings(const std::string& input, std::vector<ImportRefusal>& refusals) {
    // Editors on some systems start a UTF-8 text with a byte order mark.
    const std::string bom = "\xEF\xBB\xBF";
    const std::string text = input.rfind(bom, 0) == 0 ? input.substr(bom.size()) : input;
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string::npos && text[first] == '[' ? ParseJson(text, refusals)
                                                            : ParseText(text, refusals);
}

std::vector<ImportRefusal> ImportSettings(ImageBytes& image, const std::vector<ImportLine>& lines) {
    ImageBytes working = image;
    std::vector<ImportRefusal> refusals;
    std::map<std::pair<std::string, std::string>, int> given;
    std::map<int, int> byteGiven; // the line that gave each byte of a byte range
    ShownArea shown;
    for (const ImportLine& line : lines) {
        auto [first, isNew] = given.emplace(std::pair{line.area, line.item}, line.line);
        int earlier = isNew ? 0 : first->second;
        // A byte range names its bytes however it is written ("0x04a9", an overlapping range).
        if (const auto range = line.item.rfind("0x", 0) == 0 ? ByteRange(line.item) : std::nullopt;
            range && isNew)
            for (int b = range->first; b <= range->second; ++b)
                if (const auto [at, newByte] = byteGiven.emplace(b, line.line); !newByte && !earlier)
                    earlier = at->second;
        if (earlier)
            refusals.push_back({line.line, line.area, line.item,
                                "Error! This setting is given twice, on lines " + std::to_string(earlier) +
                                    " and " + std::to_string(line.line)});
        else if (auto refusal = ApplyLine(working, line, shown))
            refusals.push_back({line.line, line.area, line.item, *refusal});
    }
    if (refusals.empty())
        image = working;
    return refusals;
}

} // namespace rc::listing
