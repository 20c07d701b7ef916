#pragma once

// A voice message record of 48 bytes: a word count, then up to 23 packed words. A count of 24 or
// more cannot be a message (its words would run past the record) and reads as an empty one.

#include "image/image_bytes.h"

#include <string>

namespace rc {

inline constexpr int kMaxMessageWords = 23;

// The record's word count when it is a valid one (0..23), else 0.
int MessageWordCount(const ImageBytes& image, int record);

// The words' display texts joined by single blanks, without blanks at either end.
std::string VoiceMessageText(const ImageBytes& image, int record);

} // namespace rc
