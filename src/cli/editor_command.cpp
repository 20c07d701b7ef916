#include "cli/editor_command.h"

#include "cli/command_words.h"
#include "cli/option_parser.h"
#include "cli/output_rules.h"
#include "editors/courtesy_tones.h"
#include "image/regions.h"
#include "print/jobs.h"
#include "rc_version.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

namespace rc::cli {

namespace {

// The commands, one bit each, for the options' table.
enum : unsigned {
    kWindow = 1u << 0,
    kReport = 1u << 1,
    kExport = 1u << 2,
    kDiff = 1u << 3,
    kImport = 1u << 4,
    kCheck = 1u << 5,
    kHistory = 1u << 6,
    kSound = 1u << 7,
    kAll = (1u << 8) - 1,
};

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

const std::vector<Option> kOptions = {
    {"--no-splash", nullptr, "start the editor without its splash window", kAll},
    {"--report", "JOBS",
     "print the reports JOBS of FILE without a window: a comma-\n"
     "separated list of codes, mem-codes, timers, mem-timers, voice,\n"
     "mem-voice, macros, scheduler, speed-dial, emergency, zones,\n"
     "mem-zones, tones-cw, or all",
     kReport},
    {"--export", nullptr, "list every setting of FILE, one per line: area | item | value", kExport | kDiff},
    {"--diff", nullptr,
     "list the settings that differ between OLD and NEW; exit 0 when\n"
     "the two are equal in every byte, 1 when they differ",
     kExport | kDiff},
    {"--import", "SETTINGS",
     "set the settings a listing of --export (text or json) names,\n"
     "through the dialogs' entry rules, and write IMAGE, or NEW with\n"
     "--output; a refused line is reported with its number and\n"
     "nothing is written (exit 2)",
     kImport},
    {"--check", nullptr,
     "list the settings of FILE whose stored bytes no dialog could\n"
     "have written: area | item | what is wrong; exit 0 when nothing\n"
     "is found, 1 with findings",
     kCheck},
    {"--history", nullptr,
     "list the copies kept of FILE in the backups folder, oldest\n"
     "first: date time | direction | copy | settings changed since\n"
     "the previous copy | counters that rose (+N) or were reset",
     kHistory},
    {"--sound", "WHAT",
     "write what the controller plays as a 16-bit mono WAV file:\n"
     "tone:1 .. tone:8 (courtesy tones), cw (the identification),\n"
     "voice:1 .. voice:20 (base messages) or voice:M:N (memory save\n"
     "M 1..4, message N 1..8); speech approximates the voice",
     kSound},
    {"--wpm", "N", "the speed of --sound cw, 5 to 60 words per minute (default 20)", kSound},
    {"--pitch", "HZ", "the pitch of --sound cw, 300 to 3000 Hz (default 800)", kSound},
    {"--format", "FORMAT",
     "text (the default) or pdf, drawn as the printer draws it, for\n"
     "--report; text or json for --export, --diff, --check and\n"
     "--history",
     kReport | kExport | kDiff | kCheck | kHistory},
    {"--output", "PATH",
     "write to PATH instead of standard output (pdf needs it); \"-\" is\n"
     "standard output, where a PDF or WAV goes only when it is not a\n"
     "terminal; --import writes only a NEW.HR8 and --sound a FILE.wav\n"
     "(any case), else exit 2 and nothing is written",
     kReport | kExport | kDiff | kImport | kCheck | kSound},
    {"--help", nullptr, "show this help and exit", kAll},
    {"--version", nullptr, "show the version and exit", kAll},
};

constexpr std::size_t kHelpColumn = 18;

const Syntax kSyntax{true, false, "unknown option ", ""};

// Each command's own usage, shown with a refusal of its arguments.
constexpr const char* kReportUsage = "Usage: rcedit --report JOBS [--format text|pdf] [--output PATH] FILE\n";
constexpr const char* kExportUsage = "Usage: rcedit --export [--format text|json] [--output PATH] FILE\n"
                                     "       rcedit --diff [--format text|json] [--output PATH] OLD NEW\n";
constexpr const char* kImportUsage = "Usage: rcedit --import SETTINGS [--output NEW] IMAGE\n";
constexpr const char* kCheckUsage = "Usage: rcedit --check [--format text|json] [--output PATH] FILE\n";
constexpr const char* kHistoryUsage = "Usage: rcedit --history [--format text|json] FILE\n";
constexpr const char* kSoundUsage =
    "Usage: rcedit --sound WHAT --output FILE.wav|- [--wpm N] [--pitch HZ] FILE\n"
    "WHAT: tone:1 .. tone:8, cw, voice:1 .. voice:20, voice:M:N (memory save M "
    "1..4, message N 1..8)\n";

// The words of one command: the last value of each option, the last of its options without a
// value, and the files in order.
struct Reading {
    std::map<std::string, std::string> values;
    std::string flag;
    std::vector<std::string> files;
    std::string Value(const std::string& option, const std::string& otherwise = {}) const {
        const auto found = values.find(option);
        return found == values.end() ? otherwise : found->second;
    }
};

// The words for `command`; nothing, with the refusal said on `err`, for an option of another command
// or an empty value. --no-splash means nothing outside the window and is passed over.
std::optional<Reading> Read(const std::vector<Word>& words, unsigned command, const char* usage,
                            std::ostream& err) {
    Reading r;
    for (const Word& w : words) {
        if (!w.option) {
            r.files.push_back(w.text);
        } else if (!(w.option->commands & command)) {
            err << "rcedit: unknown option " << w.text << "\n" << usage;
            return std::nullopt;
        } else if (w.option->value) {
            r.values[w.option->name] = w.value;
        } else if (std::string(w.option->name) != "--no-splash") {
            r.flag = w.option->name;
        }
    }
    // An empty value is a slip ("--output=" or an unset variable), never a choice: standard output
    // is "-".
    for (const auto& [name, value] : r.values)
        if (value.empty()) {
            err << "rcedit: " << name << " needs a value\n" << usage;
            return std::nullopt;
        }
    return r;
}

// The --format of a command that writes text or JSON ("text" unless given); nothing, with the
// refusal said on `err`, for any other.
std::optional<bool> Json(const Reading& r, std::ostream& err) {
    const std::string format = r.Value("--format", "text");
    if (format == "text" || format == "json")
        return format == "json";
    err << "rcedit: unknown format '" << format << "'; the formats are: text, json\n";
    return std::nullopt;
}

WindowCommand Window(const std::vector<Word>& words, std::ostream& err) {
    WindowCommand window;
    for (const Word& w : words) {
        if (w.option && std::string(w.option->name) == "--no-splash") {
            window.splash = false;
        } else if (w.option) {
            err << "rcedit: " << w.text << " does not apply to the editor window\n" << EditorUsage();
            break;
        } else if (window.file.empty()) {
            window.file = w.text;
        } else {
            err << "rcedit: only one image file can be opened\n" << EditorUsage();
            break;
        }
    }
    return window;
}

// A listing's words: its format, its output and `count` files, else the refusal `wrongCount`.
// --export and --diff are one command, the last of them named says which.
template <typename Command>
std::optional<Command> Listing(const std::vector<Word>& words, unsigned command, const char* usage,
                               std::size_t count, const char* wrongCount, std::ostream& err) {
    const std::optional<Reading> r = Read(words, command, usage, err);
    if (!r)
        return std::nullopt;
    const std::optional<bool> json = Json(*r, err);
    if (!json)
        return std::nullopt;
    if (r->flag == "--diff")
        std::tie(count, wrongCount) = std::pair(2, "--diff compares two image files");
    if (r->files.size() != count) {
        err << "rcedit: " << wrongCount << "\n" << usage;
        return std::nullopt;
    }
    Command c;
    c.json = *json;
    c.output = r->Value("--output");
    c.files = r->files;
    return c;
}

std::string ValidJobNames() {
    std::string names;
    for (const print::PrintJob& job : print::PrintJobs())
        if (job.build)
            names += std::string(job.name) + ", ";
    return names + "all";
}

std::optional<ReportCommand> Report(const std::vector<Word>& words, bool terminal, std::ostream& err) {
    const std::optional<Reading> r = Read(words, kReport, kReportUsage, err);
    if (!r)
        return std::nullopt;
    if (r->files.size() > 1) {
        err << "rcedit: only one image file can be reported at a time\n";
        return std::nullopt;
    }
    ReportCommand c;
    const std::string format = r->Value("--format", "text");
    c.file = r->files.empty() ? std::string() : r->files[0];
    c.output = r->Value("--output");
    c.pdf = format == "pdf";
    if (format != "text" && !c.pdf) {
        err << "rcedit: unknown format '" << format << "'; the formats are: text, pdf\n";
        return std::nullopt;
    }
    if (c.pdf && c.output.empty()) {
        err << "rcedit: --format pdf needs --output FILE.pdf (or --output - for standard output)\n";
        return std::nullopt;
    }
    if (c.pdf && RefusesBinaryOnTerminal(c.output, terminal, "a PDF", err))
        return std::nullopt;
    std::stringstream list(r->Value("--report"));
    std::string name;
    while (std::getline(list, name, ',')) {
        const print::PrintJob* found = nullptr;
        for (const print::PrintJob& job : print::PrintJobs())
            if (job.build && (name == "all" || job.name == name))
                c.jobs.insert((found = &job)->index);
        if (!found) {
            err << "rcedit: unknown report job '" << name << "'; valid names: " << ValidJobNames() << "\n";
            return std::nullopt;
        }
    }
    if (c.file.empty()) {
        err << "rcedit: no image file named\n" << kReportUsage;
        return std::nullopt;
    }
    return c;
}

// The whole text as a number within [low, high].
bool Number(const std::string& text, int low, int high, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

// "PREFIX" followed by one number in [1, first], or by two separated by ":" in [1, first] and
// [1, second].
bool Numbers(const std::string& what, const std::string& prefix, int first, int second, SoundCommand& c) {
    if (what.rfind(prefix, 0) != 0)
        return false;
    const std::string rest = what.substr(prefix.size());
    const std::size_t colon = rest.find(':');
    if (!second)
        return Number(rest, 1, first, c.number);
    return colon != std::string::npos && Number(rest.substr(0, colon), 1, first, c.number) &&
           Number(rest.substr(colon + 1), 1, second, c.message);
}

std::optional<SoundCommand> Sound(const std::vector<Word>& words, bool terminal, std::ostream& err) {
    const std::optional<Reading> r = Read(words, kSound, kSoundUsage, err);
    if (!r)
        return std::nullopt;
    if (r->files.size() > 1) {
        err << "rcedit: only one image file can be played at a time\n";
        return std::nullopt;
    }
    SoundCommand c;
    c.what = r->Value("--sound");
    c.output = r->Value("--output");
    c.file = r->files.empty() ? std::string() : r->files[0];
    for (const bool wpm : {true, false}) {
        const char* option = wpm ? "--wpm" : "--pitch";
        const int low = wpm ? sound::kWpmMin : sound::kPitchMin,
                  high = wpm ? sound::kWpmMax : sound::kPitchMax;
        int& target = wpm ? c.keying.wpm : c.keying.pitchHz;
        const std::string value = r->Value(option, std::to_string(target));
        if (!Number(value, low, high, target)) {
            err << "rcedit: " << option << " takes " << low << " to " << high << ", not '" << value << "'\n";
            return std::nullopt;
        }
    }
    using Kind = SoundCommand::Kind;
    if (Numbers(c.what, "tone:", kToneRowCount, 0, c))
        c.kind = Kind::Tone;
    else if (c.what == "cw")
        c.kind = Kind::Cw;
    else if (Numbers(c.what, "voice:", kBaseMessageCount, 0, c))
        c.kind = Kind::Voice;
    else if (Numbers(c.what, "voice:", kMemorySaveCount, kMemoryMessageCount, c))
        c.kind = Kind::MemoryVoice;
    else {
        err << "rcedit: unknown sound '" << c.what << "'\n" << kSoundUsage;
        return std::nullopt;
    }
    if ((r->values.count("--wpm") || r->values.count("--pitch")) && c.kind != Kind::Cw) {
        err << "rcedit: --wpm and --pitch are for --sound cw\n";
        return std::nullopt;
    }
    if (c.output.empty() || c.file.empty()) {
        err << "rcedit: --sound needs --output FILE.wav and an image file\n" << kSoundUsage;
        return std::nullopt;
    }
    if (ToStandardOutput(c.output) ? RefusesBinaryOnTerminal(c.output, terminal, "a WAV file", err)
                                   : RefusesOutputName(c.output, ".wav", "a sound", err))
        return std::nullopt;
    return c;
}

std::optional<ImportCommand> Import(const std::vector<Word>& words, std::ostream& err) {
    const std::optional<Reading> r = Read(words, kImport, kImportUsage, err);
    if (!r)
        return std::nullopt;
    if (r->files.size() != 1 || r->Value("--import").empty()) {
        err << "rcedit: --import sets the settings of one image file\n" << kImportUsage;
        return std::nullopt;
    }
    return ImportCommand{r->Value("--import"), r->Value("--output"), r->files[0]};
}

// Wraps a command, or the refusal said on `err`.
template <typename Command>
EditorCommand Made(std::optional<Command> command, const std::ostringstream& err) {
    if (command)
        return *std::move(command);
    return Refused{err.str()};
}

bool Names(const Word& w, const char* name) {
    return w.option && std::string(w.option->name) == name;
}

} // namespace

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
    return text + OptionsHelp(kOptions, kHelpColumn);
}

EditorCommand ParseEditorCommand(const std::vector<std::string>& args, bool stdoutIsTerminal) {
    // Every option is checked first, whatever the command: a mistyped one is refused before --help
    // is answered.
    const Words read = ReadWords({args.begin() + (args.empty() ? 0 : 1), args.end()}, kOptions, kSyntax);
    if (!read.refusal.empty())
        return Refused{"rcedit: " + read.refusal + "\n" + EditorUsage()};
    const std::vector<Word>& words = read.words;
    const auto given = [&](const char* name) {
        return std::any_of(words.begin(), words.end(), [&](const Word& w) { return Names(w, name); });
    };
    if (given("--help"))
        return Answer{EditorCommandLineHelp()};
    if (given("--version"))
        return Answer{std::string("rcedit ") + kProgramVersion + "\n"};

    std::ostringstream err;
    if (given("--sound"))
        return Made(Sound(words, stdoutIsTerminal, err), err);
    // The first of the listing's commands named is the one run.
    for (const Word& w : words) {
        if (Names(w, "--export") || Names(w, "--diff")) {
            std::optional<ListingCommand> c = Listing<ListingCommand>(words, kExport | kDiff, kExportUsage, 1,
                                                                      "--export lists one image file", err);
            // Two files only when --diff was the last of the two named.
            if (c && c->files.size() == 2)
                return DiffCommand{*c};
            return Made(c ? std::optional<ExportCommand>{ExportCommand{*c}} : std::nullopt, err);
        }
        if (Names(w, "--import"))
            return Made(Import(words, err), err);
        if (Names(w, "--check"))
            return Made(
                Listing<CheckCommand>(words, kCheck, kCheckUsage, 1, "--check looks at one image file", err),
                err);
    }
    if (given("--history"))
        return Made(Listing<HistoryCommand>(words, kHistory, kHistoryUsage, 1,
                                            "--history shows the copies kept of one image file", err),
                    err);
    if (given("--report"))
        return Made(Report(words, stdoutIsTerminal, err), err);
    WindowCommand window = Window(words, err);
    if (!err.str().empty())
        return Refused{err.str()};
    return window;
}

} // namespace rc::cli
