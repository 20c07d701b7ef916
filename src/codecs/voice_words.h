#pragma once

// The vocabulary's words as data: blocks that start at their letter's code and count on by one,
// except where a word carries its own code, which also restarts the count for the words after it.

#include <span>

namespace rc::voice {

inline constexpr int kCountOn = -1;

struct WordSpec {
    const char* text;
    int code = kCountOn;
};

std::span<const WordSpec> WordsAtoM();
std::span<const WordSpec> WordsNtoZ();

} // namespace rc::voice
