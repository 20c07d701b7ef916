#pragma once

// How the CW identification is keyed for listening: the speed and the pitch the user sets beside the
// CW dialog's play button, kept in the editor's settings between runs.

#include <algorithm>

namespace rc::sound {

inline constexpr int kWpmMin = 5;
inline constexpr int kWpmMax = 60;
inline constexpr int kPitchMin = 300;
inline constexpr int kPitchMax = 3000;

struct CwKeying {
    int wpm = 20;
    int pitchHz = 800;
    bool operator==(const CwKeying&) const = default;
};

// The keying with each value brought into its range.
inline CwKeying Clamped(CwKeying k) {
    return {std::clamp(k.wpm, kWpmMin, kWpmMax), std::clamp(k.pitchHz, kPitchMin, kPitchMax)};
}

} // namespace rc::sound
