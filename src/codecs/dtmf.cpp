#include "codecs/dtmf.h"

#include <algorithm>

namespace rc {

namespace {
constexpr char kDigits[16] = {'D', '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', '*', '#', 'A', 'B', 'C'};
}

char DigitChar(int code) { return kDigits[code & 15]; }

std::uint8_t DigitCode(std::string_view ch) {
    if (ch.size() != 1 || ch[0] == 'D')
        return 0;
    for (std::uint8_t code = 1; code < 16; ++code)
        if (kDigits[code] == ch[0])
            return code;
    return 0;
}

std::string DigitsToText(const ImageBytes& image, int offset, int& maxLen) {
    int n = image[offset];
    if (n < maxLen)
        maxLen = n;
    std::string text;
    for (int i = 1; i <= maxLen; ++i)
        text += DigitChar(image[offset + i]);
    return text;
}

std::string CountedDigitsText(const ImageBytes& image, int offset, int capacity) {
    int maxLen = capacity;
    return DigitsToText(image, offset, maxLen);
}

void WriteCountedDigits(ImageBytes& image, int offset, int capacity, std::string_view text) {
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(capacity));
    image[offset] = static_cast<std::uint8_t>(n);
    for (int j = 1; j <= capacity; ++j) {
        std::size_t k = static_cast<std::size_t>(j - 1);
        image[offset + j] = k < n ? DigitCode(text.substr(k, 1)) : 0;
    }
}

} // namespace rc
