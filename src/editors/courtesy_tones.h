#pragma once

// The eight courtesy tones: each up to three tones with their lengths and the two gaps between
// them. Every byte holds a small index into a frequency or a time table, never the value itself.

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"

#include <array>
#include <string>

namespace rc {

inline constexpr int kToneRowCount = 8;
inline constexpr int kToneFieldCount = 8;

// Image offset of courtesy tone row 0..7.
int GetPT(int Index);

// The texts of the index byte at PT: "300" ... "1000" Hz for 1..8, "50" ... "450" ms for 1..9, "0"
// for 0, empty for an index without a text.
std::string CFreq(const ImageBytes& image, int PT);
std::string CDly(const ImageBytes& image, int PT);

// Between shown texts and the keypad's index digit; a text outside the table gives "".
std::string FreqIn(const std::string& FQ);
std::string FreqOut(const std::string& FQ);
std::string DelayIn(const std::string& text);
std::string DelayOut(const std::string& digit);

// The index byte of a shown text; a text outside the table gives 0.
std::uint8_t SaveTones(const std::string& STR);
std::uint8_t SaveDelay(const std::string& STR);

// One row as shown: lblT1, lblTD1, lblD1, lblT2, lblTD2, lblD2, lblT3, lblTD3 (byte order). A row
// whose first frequency is 0 is switched off and shows empty throughout.
using ToneRow = std::array<std::string, kToneFieldCount>;
std::array<ToneRow, kToneRowCount> DisplayCTones(const ImageBytes& image);

// Bytes 0, 3 and 6 of a row are frequencies; the others times.
bool IsFrequencyField(int field);

// The keypad for a field: the index of a frequency (1 to 8, 0 for off) or of a time (0 to 9), one
// digit picked from the keypad's list.
KeyPadParams ToneFieldKeyPad(int field);

// Writes the shown text of field 0..7 of a row as its index byte.
void SaveToneField(ImageBytes& image, int row, int field, const std::string& shown);
// Clears the eight bytes of a row.
void EraseTone(ImageBytes& image, int row);

} // namespace rc
