#include "listing/areas/area_rules.h"

#include "codecs/commands.h"
#include "codecs/vocabulary.h"
#include "listing/settings_import.h"

#include <map>

namespace rc::listing {

std::vector<ListedArea> EveryCopy(const std::string& what,
                                  const std::function<std::vector<Region>(int copy)>& bytes,
                                  decltype(ListedArea::list) list, AreaSetter set) {
    std::vector<ListedArea> areas;
    for (int copy = kBaseCopy; copy <= kMemorySaveCount; ++copy)
        areas.push_back(
            {copy == kBaseCopy ? "Base " + what : "Memory Save #" + std::to_string(copy) + " " + what,
             bytes(copy), list, set, copy});
    return areas;
}

std::string Numbered(const std::string& what, int n) {
    return what + " " + (n < 10 ? "0" : "") + std::to_string(n);
}

std::string OnOff(bool on) {
    return on ? "On" : "Off";
}

std::optional<bool> OnOffValue(const std::string& value) {
    if (value == "On")
        return true;
    if (value == "Off")
        return false;
    return std::nullopt;
}

std::string CommandWords(const std::string& digits, const std::string& words) {
    return digits.empty() ? words : digits + " " + words;
}

std::string CommandEntry(const std::string& value) {
    if (value == CommandText(0, 0))
        return "";
    return value.substr(0, value.find(' '));
}

std::string Joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& p : parts)
        if (!p.empty())
            text += (text.empty() ? "" : ", ") + p;
    return text;
}

std::vector<std::string> Split(const std::string& s, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

std::string Quote(const std::string& text) {
    return "\"" + Clipped(text) + "\"";
}

Refusal KeyPad(const KeyPadParams& params, const std::string& entry) {
    if (auto failure = KeyPadEntryRefusal(params, entry))
        return failure->text;
    return std::nullopt;
}

namespace {

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

} // namespace

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

} // namespace rc::listing
