#include "codecs/dtmf.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

TEST(DigitCode, MapsEachKeyAndNothingElse) {
    struct Case {
        const char* ch;
        int code;
    } cases[] = {
        {"1", 1}, {"9", 9}, {"0", 10}, {"*", 11}, {"#", 12}, {"A", 13}, {"B", 14}, {"C", 15},
        {"D", 0}, {"", 0},  {"a", 0},  {",", 0},  {"12", 0}, {" ", 0},  {"d", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DigitCode(c.ch), c.code) << '"' << c.ch << '"';
}

// Every field sits at the very end of the image, so a read past its capacity would leave it.
TEST(DigitsToText, ReadsCountedFields) {
    struct Case {
        std::vector<std::uint8_t> bytes; // count byte, then digits
        int maxLen;
        std::string text;
        int maxLenAfter;
    } cases[] = {
        {{0, 1, 2, 3}, 7, "", 0},                      // count 0 hides whatever the digits hold
        {{3, 0, 0, 0}, 7, "DDD", 3},                   // zero bytes are D
        {{3, 0x3A, 0xFB, 0xFF}, 7, "0*C", 3},          // high bits ignored
        {{200, 2, 3, 4, 5, 6, 7, 8}, 7, "2345678", 7}, // a wild count stops at the capacity
        {{7, 13, 14, 15, 12, 11, 10, 9}, 7, "ABC#*09", 7},
        {{5, 1, 2, 3, 4, 5}, 3, "123", 3},
    };
    for (const Case& c : cases) {
        ImageBytes image;
        for (std::size_t i = 0; i < c.bytes.size(); ++i)
            image[8184 + static_cast<int>(i)] = c.bytes[i];
        int maxLen = c.maxLen;
        EXPECT_EQ(DigitsToText(image, 8184, maxLen), c.text);
        EXPECT_EQ(maxLen, c.maxLenAfter);
    }
}

TEST(WriteCountedDigits, RewritesEveryPosition) {
    struct Case {
        std::string text;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"12", {2, 1, 2, 0, 0, 0, 0, 0}},        {"D", {1, 0, 0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0, 0, 0}},          {"*#ABC09", {7, 11, 12, 13, 14, 15, 10, 9}},
        {"123456789", {7, 1, 2, 3, 4, 5, 6, 7}}, // never a count beyond the field
    };
    for (const Case& c : cases) {
        ImageBytes image;
        for (int i = 0; i < 10; ++i)
            image[200 + i] = 0xEE; // a longer old entry, and a neighbour at 208
        WriteCountedDigits(image, 200, 7, c.text);
        for (std::size_t i = 0; i < c.bytes.size(); ++i)
            EXPECT_EQ(image[200 + static_cast<int>(i)], c.bytes[i]) << c.text << " byte " << i;
        EXPECT_EQ(image[208], 0xEE) << "the next field is not touched";
        if (c.text.size() <= 7) {
            EXPECT_EQ(CountedDigitsText(image, 200, 7), c.text);
        }
    }
}

} // namespace
} // namespace rc
