#pragma once

// Voice messages spoken by a speech synthesizer: an approximation of the controller's own voice,
// word after word as the vocabulary names them.

#include "codecs/word_dialog.h"
#include "image/image_bytes.h"
#include "sound/pcm.h"

#include <string>
#include <vector>

namespace rc::sound {

// The moment a message is heard, for the words that stand for the time and the date.
struct SpeechMoment {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int weekday = 0; // 0 Sunday .. 6 Saturday
    int day = 1;     // day of the month
};
SpeechMoment LocalNow();

// The word keys of a stored message record (none for an empty or invalid one).
std::vector<int> MessageKeys(const ImageBytes& image, int record);
// The word keys of the list the word dialog has built so far.
std::vector<int> PickedKeys(const VoiceContract& voice);

// What the synthesizer is to say for the words, in its markup. Each word is said as the vocabulary
// names it: letters as letters, numbers as numbers; a sound or a variable as the nearest honest
// rendering (the time, the weekday or the date of `moment`, a pause as a pause, a recorded sound by
// its name). Words the vocabulary lacks are skipped.
std::string SpeechMarkup(const std::vector<int>& keys, const SpeechMoment& moment);

struct Speech {
    Pcm pcm;
    std::string error; // why nothing could be spoken; empty when it was
};
Speech Speak(const std::string& markup);
Speech SpeakWords(const std::vector<int>& keys, const SpeechMoment& moment);

} // namespace rc::sound
