#pragma once

// rcedit's command line: every option in one table, checked before any mode runs, so a mistyped
// option is refused, and --help and --version answered, without a display.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rc::shell {

struct CommandLineOption {
    const char* name;  // "--report"
    const char* value; // the value's name in the help ("JOBS"), nullptr when it takes none
    const char* help;  // its description; further lines after "\n"
};

// Every option of rcedit, in the order of its help.
const std::vector<CommandLineOption>& EditorCommandLineOptions();

// The usage lines: one per way of starting the program.
std::string EditorUsage();

// The whole help: the usage lines, what the modes do, and every option.
std::string EditorCommandLineHelp();

// Answers --help (on `out`, status 0) and --version (status 0), and refuses an option the table does
// not know, one without its value or one given a value it does not take (on `err`, with the usage
// lines, status 2). Nothing, when the arguments are for one of the program's modes to run.
std::optional<int> AnswerEditorCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                           std::ostream& err);

} // namespace rc::shell
