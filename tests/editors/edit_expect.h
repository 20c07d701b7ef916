#pragma once

// What an edit may change: a patterned image in which every byte differs from its neighbours, and
// checks that only the named bytes moved.

#include "image/image_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rc::testing {

inline ImageBytes Patterned() {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return image;
}

inline void Put(ImageBytes& image, int at, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[at + static_cast<int>(i)] = bytes[i];
}

// A word count at `countAt`, then each word code as its two stored bytes: hundreds, then the rest.
inline void PutWords(ImageBytes& image, int countAt, int count, const std::vector<int>& codes) {
    image[countAt] = static_cast<std::uint8_t>(count);
    for (std::size_t j = 0; j < codes.size(); ++j) {
        image[countAt + 1 + 2 * static_cast<int>(j)] = static_cast<std::uint8_t>(codes[j] / 100);
        image[countAt + 2 + 2 * static_cast<int>(j)] = static_cast<std::uint8_t>(codes[j] % 100);
    }
}

// The offsets, counted from `base`, where two images differ: " 0 1 2".
inline std::string Changed(const ImageBytes& before, const ImageBytes& after, int base = 0) {
    std::string out;
    for (int i = 0; i < kImageSize; ++i)
        if (before[i] != after[i])
            out += " " + std::to_string(i - base);
    return out;
}

// `after` holds `bytes` from `offset` (-1: that byte unchanged) and `before` everywhere else.
inline void ExpectBytes(const ImageBytes& before, const ImageBytes& after, int offset,
                        const std::vector<int>& bytes) {
    for (int i = 0; i < kImageSize; ++i) {
        const int k = i - offset;
        const bool named = k >= 0 && k < static_cast<int>(bytes.size()) && bytes[k] >= 0;
        ASSERT_EQ(after[i], named ? bytes[k] : before[i]) << "byte " << i;
    }
}

} // namespace rc::testing
