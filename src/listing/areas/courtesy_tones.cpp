// The courtesy tones: three tones and the two delays between them, each as the tone table shows it.

#include "editors/courtesy_tones.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
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

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
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

} // namespace

ListedArea CourtesyTonesArea() {
    return {"Courtesy Tones", {kCourtesyTones.region()}, List, Enter};
}

} // namespace rc::listing
