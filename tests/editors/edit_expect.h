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
