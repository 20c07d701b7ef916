#pragma once

// The one reader of both programs' command lines: a table names every option, whether it takes a
// value and which of the program's commands it belongs to; the reader splits the words into options
// with their values and plain words, and refuses what the table does not allow. What a value means
// is for each program to say.

#include <string>
#include <vector>

namespace rc::cli {

struct Option {
    const char* name;      // "--output"
    const char* value;     // the value's name in the help ("PATH"), nullptr when it takes none
    const char* help;      // its description, further lines after "\n"; nullptr: not in the help
    unsigned commands = 0; // the commands it belongs to, one bit each, as the program numbers them
};

// How a program reads its words beyond what every command line shares (an option's value is the
// next word or follows "="; "--" ends the options).
struct Syntax {
    // "-x" is an option word (and refused when unknown) rather than a plain word.
    bool singleDashOptions = false;
    // An option may wait for its value while options without one stand between ("--upload --force
    // FILE"), and the words after "--" are values; otherwise the value is the very next word.
    bool valueMayWait = false;
    // The refusal of a word that is no option: unknownBefore + word + unknownAfter.
    const char* unknownBefore = "unknown option ";
    const char* unknownAfter = "";
};

struct Word {
    const Option* option = nullptr; // nullptr: a plain word, no option's value (a file)
    std::string text;               // as given: "--output=x.txt", "FILE"
    std::string value;              // the option's value, when it takes one
};

struct Words {
    std::vector<Word> words; // in the order each was complete (an option once its value came)
    std::string refusal;     // what is wrong with the word after them; empty when nothing is
};

// Reads `args` (without the program's name) by `table`, up to the first word it refuses.
Words ReadWords(const std::vector<std::string>& args, const std::vector<Option>& table, const Syntax& syntax);

// The options of `table` that have a help text, one to a line with the text from `column` on.
std::string OptionsHelp(const std::vector<Option>& table, std::size_t column);

} // namespace rc::cli
