#include "shell/command_line.h"

#include "desktop/command_words.h"
#include "rc_version.h"

#include <algorithm>
#include <ostream>

namespace rc::shell {

namespace {

// One line for each way of starting the program.
const std::vector<const char*> kUsageLines = {
    "[--no-splash] [FILE]",
    "--report JOBS [--format text|pdf] [--output PATH] FILE",
    "--export [--format text|json] [--output PATH] FILE",
    "--diff [--format text|json] [--output PATH] OLD NEW",
    "--import SETTINGS [--output NEW] IMAGE",
    "--check [--format text|json] [--output PATH] FILE",
    "--history [--format text|json] FILE",
    "--sound WHAT --output FILE.wav [--wpm N] [--pitch HZ] FILE",
};

const std::vector<CommandLineOption> kOptions = {
    {"--no-splash", nullptr, "start the editor without its splash window"},
    {"--report", "JOBS",
     "print the reports JOBS of FILE without a window: a comma-\n"
     "separated list of codes, mem-codes, timers, mem-timers, voice,\n"
     "mem-voice, macros, scheduler, speed-dial, emergency, zones,\n"
     "mem-zones, tones-cw, or all"},
    {"--export", nullptr, "list every setting of FILE, one per line: area | item | value"},
    {"--diff", nullptr,
     "list the settings that differ between OLD and NEW; exit 0 when\n"
     "the two are equal in every byte, 1 when they differ"},
    {"--import", "SETTINGS",
     "set the settings a listing of --export (text or json) names,\n"
     "through the dialogs' entry rules, and write IMAGE, or NEW with\n"
     "--output; a refused line is reported with its number and\n"
     "nothing is written (exit 2)"},
    {"--check", nullptr,
     "list the settings of FILE whose stored bytes no dialog could\n"
     "have written: area | item | what is wrong; exit 0 when nothing\n"
     "is found, 1 with findings"},
    {"--history", nullptr,
     "list the copies kept of FILE in the backups folder, oldest\n"
     "first: date time | direction | copy | settings changed since\n"
     "the previous copy | counters that rose (+N) or were reset"},
    {"--sound", "WHAT",
     "write what the controller plays as a 16-bit mono WAV file:\n"
     "tone:1 .. tone:8 (courtesy tones), cw (the identification),\n"
     "voice:1 .. voice:20 (base messages) or voice:M:N (memory save\n"
     "M 1..4, message N 1..8); speech approximates the voice"},
    {"--wpm", "N", "the speed of --sound cw, 5 to 60 words per minute (default 20)"},
    {"--pitch", "HZ", "the pitch of --sound cw, 300 to 3000 Hz (default 800)"},
    {"--format", "FORMAT",
     "text (the default) or pdf, drawn as the printer draws it, for\n"
     "--report; text or json for --export, --diff, --check and\n"
     "--history"},
    {"--output", "PATH",
     "write to PATH instead of standard output (pdf needs it); \"-\" is\n"
     "standard output, where a PDF or WAV goes only when it is not a\n"
     "terminal; --import writes only a NEW.HR8 and --sound a FILE.wav\n"
     "(any case), else exit 2 and nothing is written"},
    {"--help", nullptr, "show this help and exit"},
    {"--version", nullptr, "show the version and exit"},
};

constexpr std::size_t kHelpColumn = 18;

const CommandLineOption* Find(const std::string& name) {
    const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                    [&](const CommandLineOption& o) { return name == o.name; });
    return found == kOptions.end() ? nullptr : &*found;
}

} // namespace

const std::vector<CommandLineOption>& EditorCommandLineOptions() {
    return kOptions;
}

std::string EditorUsage() {
    std::string text;
    for (const char* line : kUsageLines)
        text += std::string(text.empty() ? "Usage: " : "       ") + "rcedit " + line + "\n";
    return text;
}

std::string EditorCommandLineHelp() {
    std::string text =
        EditorUsage() +
        "\nWithout --report, --export, --diff, --import, --check, --history or --sound, opens the editor\n"
        "window (on FILE when given). A FILE that is not an image is refused with exit status 2. Only the\n"
        "window needs a display: without one it says so and ends with exit status 2.\n\n"
        "An option's value is the next word or follows \"=\" (--output=x.txt); a word that starts\n"
        "with \"--\" is never a value. \"--\" ends the options: every word after it is a file.\n\n"
        "Options:\n";
    for (const CommandLineOption& o : kOptions) {
        std::string head = std::string("  ") + o.name + (o.value ? std::string(" ") + o.value : "");
        head.resize(std::max(head.size() + 1, kHelpColumn), ' ');
        std::string help = o.help;
        for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1))
            help.insert(at + 1, kHelpColumn, ' ');
        text += head + help + "\n";
    }
    return text;
}

std::optional<int> AnswerEditorCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                           std::ostream& err) {
    bool help = false, version = false;
    // After "--" every word is a file.
    const std::size_t end = OptionsEnd(args);
    for (std::size_t i = 1; i < end; ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-')
            continue; // a file (or "-")
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const CommandLineOption* option = Find(name);
        std::string refusal;
        if (!option)
            refusal = "unknown option " + a;
        else if (!option->value && eq != std::string::npos)
            refusal = name + " takes no value";
        else if (option->value && eq == std::string::npos)
            refusal = MissingValue(args, i++);
        if (!refusal.empty()) {
            err << "rcedit: " << refusal << "\n" << EditorUsage();
            return 2;
        }
        help = help || name == "--help";
        version = version || name == "--version";
    }
    if (help)
        out << EditorCommandLineHelp();
    else if (version)
        out << "rcedit " << kProgramVersion << "\n";
    if (help || version)
        return out.flush() ? 0 : 1;
    return std::nullopt;
}

} // namespace rc::shell
