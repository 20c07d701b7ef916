// The voice messages of the base settings (both pages) and of each memory save: words the word
// dialog can pick.

#include "editors/voice.h"
#include "codecs/voice_message.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    for (int group = 0; group < (copy == kBaseCopy ? 2 : 1); ++group)
        for (const VoiceRow& row : DisVoice(image, copy, group))
            out.push_back({"", Numbered("Message", row.number), row.text});
}

Refusal Enter(ImageBytes& image, int copy, int index, const std::string& value) {
    const int record = Messages(copy).at(index);
    VoiceContract voice;
    if (auto refusal = BuildWords(VoiceForMessage(index + 1, VoiceMessageText(image, record)), value, voice))
        return refusal;
    SaveVoice(image, record, voice);
    return std::nullopt;
}

std::vector<Region> RecordHeads(const RecordTable& table, int used) {
    std::vector<Region> regions;
    for (int n = 0; n < table.count; ++n)
        regions.push_back({table.at(n), used});
    return regions;
}

} // namespace

std::vector<ListedArea> VoiceMessageAreas() {
    return EveryCopy(
        "Voice Messages", [](int copy) { return RecordHeads(Messages(copy), 1 + 2 * kMaxMessageWords); },
        List, Enter);
}

} // namespace rc::listing
