#pragma once

// The courtesy tones and the CW identification as the controller would sound them, from the values
// the editors show.

#include "image/image_bytes.h"
#include "sound/cw_keying.h"
#include "sound/pcm.h"

#include <vector>

namespace rc::sound {

// Courtesy tone row 0..7 as stored: tone 1 for its length, gap 1, tone 2, gap 2, tone 3. A row that
// the dialog shows empty plays nothing; a tone without a frequency is silence for its length.
Pcm CourtesyToneSound(const ImageBytes& image, int row);

// The CW character codes keyed as Morse: a dot one unit, a dash three, one unit between the elements
// of a character, three between characters, seven for a word space; one unit is 1200 / WPM ms.
// Codes without a character are skipped; word spaces at either end are heard as silence.
Pcm CwSound(const std::vector<int>& codes, CwKeying keying);
// The stored identification.
std::vector<int> CwStoredCodes(const ImageBytes& image);

} // namespace rc::sound
