#include "listing/settings_import.h"

#include "codecs/vocabulary.h"
#include "listing/areas/area_rules.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

namespace rc::listing {

namespace {

constexpr const char* kNone = "(none)";

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> words;
    std::istringstream in(s);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
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
    const bool descriptions = area->commandDescriptions;
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
