#pragma once

// rcedit's command line, read once: every option in one table, and the words turned into the one
// command they ask for, or into the answer to --help and --version, or into the refusal of a
// mistyped line, before any file is read or any window opened.

#include "sound/cw_keying.h"

#include <set>
#include <string>
#include <variant>
#include <vector>

namespace rc::cli {

// The editor window, on `file` when one is named.
struct WindowCommand {
    std::string file;
    bool splash = true;
};
// --report JOBS [--format text|pdf] [--output PATH] FILE
struct ReportCommand {
    std::set<int> jobs; // the print jobs' indexes
    bool pdf = false;
    std::string output, file;
};
// --export / --diff / --check / --history [--format text|json] [--output PATH]
struct ListingCommand {
    bool json = false;
    std::string output;
    std::vector<std::string> files; // one file; OLD and NEW for --diff
};
struct ExportCommand : ListingCommand {};
struct DiffCommand : ListingCommand {};
struct CheckCommand : ListingCommand {};
struct HistoryCommand : ListingCommand {};
// --import SETTINGS [--output NEW] IMAGE
struct ImportCommand {
    std::string settings, output, image;
};
// --sound WHAT --output FILE.wav|- [--wpm N] [--pitch HZ] FILE
struct SoundCommand {
    enum class Kind { Tone, Cw, Voice, MemoryVoice } kind = Kind::Cw;
    std::string what; // as given: "tone:3"
    int number = 0;   // the tone 1..8, the base message 1..20, or the memory save 1..4
    int message = 0;  // the message 1..8 of a memory save
    sound::CwKeying keying;
    std::string output, file;
};
// --help or --version: `text` goes to standard output, exit status 0.
struct Answer {
    std::string text;
};
// A line that asks for nothing the program does: `text` goes to standard error.
struct Refused {
    std::string text;
    int status = 2;
};

using EditorCommand = std::variant<WindowCommand, ReportCommand, ExportCommand, DiffCommand, ImportCommand,
                                   CheckCommand, HistoryCommand, SoundCommand, Answer, Refused>;

// `args` as main receives them, the program's name first. A PDF or WAV file is refused on standard
// output when that is a terminal.
EditorCommand ParseEditorCommand(const std::vector<std::string>& args, bool stdoutIsTerminal = false);

// The usage lines: one per way of starting the program.
std::string EditorUsage();

// The whole help: the usage lines, what the modes do, and every option.
std::string EditorCommandLineHelp();

} // namespace rc::cli
