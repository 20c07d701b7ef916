#pragma once

// DTMF digits as the controller stores them: one 4-bit code per byte (0 = D, 1..9, 10 = 0, 11 = *,
// 12 = #, 13..15 = A..C), and counted fields of a count byte followed by a fixed number of digits.

#include "image/image_bytes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rc {

// The digit of a code; only the low four bits count.
char DigitChar(int code);

// The code of a one-character text; anything that is not 0-9, *, #, A, B or C (including "D", "",
// lower case and ",") gives 0.
std::uint8_t DigitCode(std::string_view ch);

// The first min(count, maxLen) digits of the counted field at `offset`. When the count is smaller,
// maxLen is lowered to it for the caller.
std::string DigitsToText(const ImageBytes& image, int offset, int& maxLen);
// The same for callers that only want the text of a field of `capacity` digits.
std::string CountedDigitsText(const ImageBytes& image, int offset, int capacity);

// Writes `text` into the counted field at `offset` of `capacity` digits: the count byte, then every
// position rewritten, zero past the end. A text longer than the field keeps its first `capacity`
// digits, so the count never exceeds what the field holds.
void WriteCountedDigits(ImageBytes& image, int offset, int capacity, std::string_view text);

} // namespace rc
