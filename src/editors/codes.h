#pragma once

// The seventeen DTMF access codes of a code set (base settings or a memory save).

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"

#include <array>
#include <string>

namespace rc {

// The keypad heading of code i (0..16); empty for any other number.
std::string CodeName(int i);
// The longer label shown beside code i in the dialog.
std::string CodeRowLabel(int i);
// "Halden R8 Repeater Base Codes", "Halden R8 Memory Save #n Codes".
std::string CodesCaption(int copy);

// The keypad for code i: every digit a code may hold but D, up to seven of them.
KeyPadParams CodeKeyPad(int i);

// The seventeen code texts of a copy, as the dialog shows them.
std::array<std::string, 17> DisplayCodes(const ImageBytes& image, int copy);
// Writes all seventeen texts back into the copy's fields.
void SaveCodes(ImageBytes& image, int copy, const std::array<std::string, 17>& codes);
// Writes code i (0..16) of the copy alone: an entry never rewrites its neighbours.
void SaveCode(ImageBytes& image, int copy, int i, const std::string& code);

} // namespace rc
