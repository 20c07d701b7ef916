#pragma once

// The words of a command line as both programs read them: "--" ends the options, and a word that
// starts with "--" is an option, never the value of the one before it (so "--upload --force FILE"
// cannot send a file named "--force"). A value that starts with "--" is given after "=".

#include <cstddef>
#include <string>
#include <vector>

namespace rc {

// True for "--" and every word that starts with it.
bool IsOptionWord(const std::string& word);

// The index of the first "--" at or after `first`, or args.size(): the options end there, and every
// word after it is a file or a value.
std::size_t OptionsEnd(const std::vector<std::string>& args, std::size_t first = 1);

// Why the option args[i] finds no value in the word after it ("--output needs a value"), or empty.
std::string MissingValue(const std::vector<std::string>& args, std::size_t i);

// The name that stands for standard output (or input) where a file is asked for.
inline constexpr const char* kStandardStream = "-";

} // namespace rc
