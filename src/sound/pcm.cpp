#include "sound/pcm.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rc::sound {

namespace {

constexpr double kAmplitude = 0.5 * 32767; // leaves room, and is loud enough next to the speech
constexpr double kFadeMs = 5;

std::size_t SampleCount(const Pcm& pcm, double ms) {
    return ms <= 0 ? 0 : static_cast<std::size_t>(std::lround(ms * pcm.rate / 1000.0));
}

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void AppendTone(Pcm& pcm, double hz, double ms) {
    const std::size_t n = SampleCount(pcm, ms);
    if (hz <= 0) {
        pcm.samples.insert(pcm.samples.end(), n, 0);
        return;
    }
    // A short element (fast CW) keeps at least half its length at full strength.
    const std::size_t fade = std::min(SampleCount(pcm, kFadeMs), n / 4);
    const double step = 2 * std::numbers::pi * hz / pcm.rate;
    for (std::size_t i = 0; i < n; ++i) {
        double gain = 1;
        const std::size_t edge = std::min(i, n - 1 - i);
        if (edge < fade)
            gain = 0.5 *
                   (1 - std::cos(std::numbers::pi * static_cast<double>(edge) / static_cast<double>(fade)));
        pcm.samples.push_back(static_cast<std::int16_t>(std::lround(kAmplitude * gain * std::sin(step * i))));
    }
}

void AppendSilence(Pcm& pcm, double ms) {
    AppendTone(pcm, 0, ms);
}

std::string WavFile(const Pcm& pcm) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2); // PCM
    PutLE(out, 1, 2); // mono
    PutLE(out, static_cast<std::uint32_t>(pcm.rate), 4);
    PutLE(out, static_cast<std::uint32_t>(pcm.rate * 2), 4);
    PutLE(out, 2, 2);
    PutLE(out, 16, 2);
    out += "data";
    PutLE(out, dataBytes, 4);
    for (std::int16_t s : pcm.samples)
        PutLE(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace rc::sound
