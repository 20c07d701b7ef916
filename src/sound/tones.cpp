#include "sound/tones.h"

#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"

#include <charconv>

namespace rc::sound {

namespace {

// A shown value as a number; the empty text of an index without a value counts as 0.
int ShownNumber(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

Pcm CourtesyToneSound(const ImageBytes& image, int row) {
    const ToneRow shown = DisplayCTones(image).at(static_cast<std::size_t>(row));
    Pcm pcm;
    // In byte order the fields alternate: frequency, length, gap, frequency, length, gap, ...
    for (int f = 0; f < kToneFieldCount;) {
        if (IsFrequencyField(f)) {
            AppendTone(pcm, ShownNumber(shown[f]), ShownNumber(shown[f + 1]));
            f += 2;
        } else {
            AppendSilence(pcm, ShownNumber(shown[f]));
            f += 1;
        }
    }
    // A row that is switched off shows no values at all: no sound, not even silence.
    bool any = false;
    for (const std::string& text : shown)
        any = any || !text.empty();
    if (!any)
        pcm.samples.clear();
    return pcm;
}

Pcm CwSound(const std::vector<int>& codes, CwKeying keying) {
    keying = Clamped(keying);
    const double unit = 1200.0 / keying.wpm;
    Pcm pcm;
    int pendingUnits = 0; // silence owed before the next element
    bool afterCharacter = false;
    for (int code : codes) {
        const std::string morse = CwCharMorse(code);
        if (morse.empty())
            continue;
        if (morse == " ") {
            // The three units after a character grow to seven; each further blank adds seven.
            pendingUnits += afterCharacter ? 4 : 7;
            afterCharacter = false;
            continue;
        }
        AppendSilence(pcm, pendingUnits * unit);
        for (std::size_t e = 0; e < morse.size(); ++e) {
            if (e > 0)
                AppendSilence(pcm, unit);
            AppendTone(pcm, keying.pitchHz, (morse[e] == '-' ? 3 : 1) * unit);
        }
        pendingUnits = 3;
        afterCharacter = true;
    }
    if (!afterCharacter)
        AppendSilence(pcm, pendingUnits * unit);
    return pcm;
}

std::vector<int> CwStoredCodes(const ImageBytes& image) {
    CwBuilder stored;
    stored.Load(image);
    return {stored.buffer.begin(), stored.buffer.begin() + stored.count};
}

} // namespace rc::sound
