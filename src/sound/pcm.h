#pragma once

// Sound as 16-bit mono samples, the tones and silences it is built from, and its WAV file form.

#include <cstdint>
#include <string>
#include <vector>

namespace rc::sound {

inline constexpr int kSampleRate = 22050; // the speech synthesizer's own rate; ample for tones to 3 kHz

struct Pcm {
    int rate = kSampleRate;
    std::vector<std::int16_t> samples;
    bool empty() const { return samples.empty(); }
    double Seconds() const { return rate > 0 ? static_cast<double>(samples.size()) / rate : 0; }
};

// Appends `ms` of a sine at `hz` (silence when hz is 0). Its first and last few milliseconds fade in
// and out so the edges do not click; the fades lie inside the length, which stays exact.
void AppendTone(Pcm& pcm, double hz, double ms);
void AppendSilence(Pcm& pcm, double ms);

// A RIFF/WAVE file of the samples: PCM, 16-bit, one channel.
std::string WavFile(const Pcm& pcm);

} // namespace rc::sound
