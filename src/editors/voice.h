#pragma once

// The voice messages of the base settings (20, shown ten at a time) and of each memory save (8).

#include "codecs/word_dialog.h"
#include "image/image_bytes.h"

#include <string>
#include <vector>

namespace rc {

inline constexpr int kVoiceGroupSize = 10;

// "Halden R8 Base Voice Synthesizer Messages", "Halden R8 Memory Save #n Voice Synthesizer Messages".
std::string VoiceCaption(int copy);

// The record of `row` on the page shown: group 0 or 1 of the base messages, or the memory save's
// eight messages (group ignored).
int VoiceRecord(int copy, int group, int row);

struct VoiceRow {
    int number; // as shown, counting from 1 over the whole table
    std::string text;
};
// The rows of the page: ten for a group of the base messages, eight for a memory save.
std::vector<VoiceRow> DisVoice(const ImageBytes& image, int copy, int group);

// What the word dialog is opened with for message `number` showing `text`.
VoiceContract VoiceForMessage(int number, const std::string& text);

// Writes the list the word dialog built into the message record; nothing when it built none or
// built the list the record already holds. Only the count byte and the new words' bytes change.
void SaveVoice(ImageBytes& image, int record, const VoiceContract& voice);

} // namespace rc
