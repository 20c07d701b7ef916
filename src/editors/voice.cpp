#include "editors/voice.h"

#include "codecs/voice_message.h"
#include "image/regions.h"

namespace rc {

std::string VoiceCaption(int copy) {
    if (copy == kBaseCopy)
        return "Halden R8 Base Voice Synthesizer Messages";
    return "Halden R8 Memory Save #" + std::to_string(copy) + " Voice Synthesizer Messages";
}

int VoiceRecord(int copy, int group, int row) {
    const int first = copy == kBaseCopy ? kVoiceGroupSize * group : 0;
    return Messages(copy).at(first + row);
}

std::vector<VoiceRow> DisVoice(const ImageBytes& image, int copy, int group) {
    const int rows = copy == kBaseCopy ? kVoiceGroupSize : kMemoryMessageCount;
    const int firstNumber = copy == kBaseCopy ? kVoiceGroupSize * group + 1 : 1;
    std::vector<VoiceRow> page;
    for (int i = 0; i < rows; ++i)
        page.push_back({firstNumber + i, VoiceMessageText(image, VoiceRecord(copy, group, i))});
    return page;
}

VoiceContract VoiceForMessage(int number, const std::string& text) {
    VoiceContract voice;
    voice.VoiceMaxWords = kMaxMessageWords;
    voice.VoiceMessageNumber = number;
    voice.VoiceOldText = TrimBlanks(text);
    return voice;
}

void SaveVoice(ImageBytes& image, int record, const VoiceContract& voice) {
    const NewWordList list = NewWords(voice, kMaxMessageWords);
    if (!list.rebuilt || SameWords(image, record + 1, image[record], list.words))
        return;
    image[record] = static_cast<std::uint8_t>(list.words.size());
    for (std::size_t j = 0; j < list.words.size(); ++j)
        WritePackedWord(image, record + 1 + 2 * static_cast<int>(j), list.words[j]);
}

} // namespace rc
