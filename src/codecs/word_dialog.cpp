#include "codecs/word_dialog.h"

#include <algorithm>

namespace rc {

NewWordList NewWords(const VoiceContract& voice, int limit) {
    NewWordList list;
    if (!voice.VoiceRebuilt)
        return list;
    list.rebuilt = true;
    const int count = std::clamp(voice.VoiceWordCount, 0, std::min(limit, kVoiceWordSlots));
    for (int j = 0; j < count; ++j)
        list.words.push_back(PackWordCodeText(voice.VoiceWords[static_cast<std::size_t>(j)]));
    return list;
}

bool SameWords(const ImageBytes& image, int offset, int count, const std::vector<PackedWord>& words) {
    if (static_cast<std::size_t>(count) != words.size())
        return false;
    for (int j = 0; j < count; ++j)
        if (ReadWordKey(image, offset + 2 * j) != WordKey(words[static_cast<std::size_t>(j)]))
            return false;
    return true;
}

void WordDialogLogic::Activate(const VoiceContract& voice) {
    const int lastNumber = voice_.VoiceMessageNumber;
    voice_ = voice;
    if (voice_.VoiceMessageNumber == kKeepMessageNumber)
        voice_.VoiceMessageNumber = lastNumber;
    ready_ = false;
    picked_.clear();
    touched_ = false;
    text1_ = voice_.VoiceOldText;
    // An existing list is replaced, never edited: Clear first, then pick.
    picking_ = text1_.empty();
    voice_.VoiceRebuilt = picking_;
    voice_.VoiceWordCount = 0;
}

bool WordDialogLogic::Pick(const PickItem& item) {
    if (!picking_ || voice_.VoiceWordCount >= std::min(voice_.VoiceMaxWords, kVoiceWordSlots))
        return false;
    voice_.VoiceWords[static_cast<std::size_t>(voice_.VoiceWordCount)] = WordCodeText(item.value);
    ++voice_.VoiceWordCount;
    touched_ = true;
    picked_.push_back(TrimBlanks(item.text));
    ShowPicked();
    return true;
}

void WordDialogLogic::Clear() {
    if (!ready_)
        return;
    picked_.clear();
    text1_.clear();
    touched_ = true;
    voice_.VoiceWordCount = 0;
    picking_ = true;
    for (int j = 0; j < kVoiceWordSlots - 1; ++j)
        voice_.VoiceWords[static_cast<std::size_t>(j)].clear();
    voice_.VoiceRebuilt = true;
}

bool WordDialogLogic::BackSpace() {
    if (!ready_ || !picking_)
        return false;
    if (text1_.empty())
        return true;
    // The last picked word goes whole, blanks inside its name included.
    if (!picked_.empty()) {
        picked_.pop_back();
        touched_ = true;
        voice_.VoiceWordCount = std::max(0, voice_.VoiceWordCount - 1);
    }
    ShowPicked();
    return false;
}

bool WordDialogLogic::OK() {
    if (!ready_)
        return false;
    voice_.VoiceNewText = text1_;
    // OK on an item opened empty and left alone is no new list: words the vocabulary cannot name,
    // stored under an empty text, stay.
    if (!touched_)
        voice_.VoiceRebuilt = false;
    return true;
}

bool WordDialogLogic::Cancel() {
    if (!ready_)
        return false;
    Dismiss();
    return true;
}

void WordDialogLogic::Dismiss() {
    voice_.VoiceNewText = voice_.VoiceOldText;
    voice_.VoiceRebuilt = false;
}

std::string WordDialogLogic::Heading() const {
    return "Word Construction For Message " + std::to_string(voice_.VoiceMessageNumber);
}

void WordDialogLogic::ShowPicked() {
    std::string text;
    for (const std::string& word : picked_)
        text += " " + word;
    text1_ = TrimBlanks(text);
}

} // namespace rc
