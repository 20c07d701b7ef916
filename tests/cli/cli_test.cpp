// Both programs' command lines, read by the one reader: what each line asks for, or the refusal it
// gets, and rcedit's commands run on real files.

#include "cli/editor_command.h"
#include "cli/run_commands.h"
#include "image/image_file.h"
#include "link/transfer_cli.h"
#include "listing/settings_list.h"
#include "rc_version.h"
#include "shell/history.h"
#include "shell_doubles.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

namespace rc::cli {
namespace {

namespace fs = std::filesystem;
using shell::testing::KeptHistory;

template <typename... F> struct Visit : F... { using F::operator()...; };

// The parts that are not empty, joined by blanks.
std::string Line(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& p : parts)
        text += p.empty() || text.empty() ? p : " " + p;
    return text;
}

std::string Listed(const char* name, const ListingCommand& c) {
    std::string files;
    for (const std::string& f : c.files)
        files = Line({files, f});
    return Line({name, c.json ? "json" : "", c.output.empty() ? "" : ">" + c.output, files});
}

// A command as one line, a refusal as its first line and the usage that follows it.
std::string Described(const EditorCommand& command) {
    return std::visit(
        Visit{
            [](const WindowCommand& c) {
                return Line({"window", c.splash ? "" : "no-splash", c.file});
            },
            [](const ReportCommand& c) {
                std::string jobs;
                for (int j : c.jobs)
                    jobs += (jobs.empty() ? "" : ",") + std::to_string(j);
                return Line(
                    {"report", jobs, c.pdf ? "pdf" : "", c.output.empty() ? "" : ">" + c.output, c.file});
            },
            [](const ExportCommand& c) { return Listed("export", c); },
            [](const DiffCommand& c) { return Listed("diff", c); },
            [](const CheckCommand& c) { return Listed("check", c); },
            [](const HistoryCommand& c) { return Listed("history", c); },
            [](const ImportCommand& c) {
                return Line({"import", c.settings, c.output.empty() ? "" : ">" + c.output, c.image});
            },
            [](const SoundCommand& c) {
                return Line({"sound", std::to_string(static_cast<int>(c.kind)),
                             std::to_string(c.number) + ":" + std::to_string(c.message),
                             std::to_string(c.keying.wpm) + "/" + std::to_string(c.keying.pitchHz),
                             ">" + c.output, c.file});
            },
            [](const Answer& a) { return "out " + a.text.substr(0, a.text.find('\n')); },
            [](const Refused& r) {
                const std::string first = r.text.substr(0, r.text.find('\n'));
                const std::size_t usage = r.text.find("\nUsage: rcedit ");
                if (usage == std::string::npos)
                    return r.text.size() == first.size() + 1 ? first : first + " [+]";
                return first + " / " + r.text.substr(usage + 15, r.text.find(' ', usage + 15) - usage - 15);
            },
        },
        command);
}

EditorCommand Parse(std::vector<std::string> args, bool terminal = false) {
    args.insert(args.begin(), "rcedit");
    return ParseEditorCommand(args, terminal);
}

TEST(EditorCommandLine, EachLineIsOneCommandOrOneRefusal) {
    const std::string jobNames =
        "valid names: codes, mem-codes, timers, mem-timers, voice, mem-voice, macros, "
        "scheduler, speed-dial, emergency, zones, mem-zones, tones-cw, all";
    const struct {
        std::vector<std::string> args;
        std::string command;
    } cases[] = {
        // The window: --no-splash and one file, "--" before a file that looks like an option.
        {{}, "window"},
        {{"--no-splash", "--", "--no-splash"}, "window no-splash --no-splash"},
        {{"-"}, "window -"},
        {{"--", "--history"}, "window --history"},
        {{"a.HR8", "b.HR8", "--format", "json"}, "rcedit: only one image file can be opened / [--no-splash]"},
        {{"--format=json", "a.HR8"},
         "rcedit: --format=json does not apply to the editor window / [--no-splash]"},
        // Every option is checked against the table before anything else, --help and --version too.
        {{"--help", "--version"}, "out Usage: rcedit [--no-splash] [FILE]"},
        {{"--version"}, std::string("out rcedit ") + kProgramVersion},
        {{"--export", "--help", "a"}, "out Usage: rcedit [--no-splash] [FILE]"},
        {{"--frobnicate", "--help"}, "rcedit: unknown option --frobnicate / [--no-splash]"},
        {{"-x", "a"}, "rcedit: unknown option -x / [--no-splash]"},
        {{"--help=1"}, "rcedit: --help takes no value / [--no-splash]"},
        {{"--report"}, "rcedit: --report needs a value / [--no-splash]"},
        {{"--output", "--", "a"}, "rcedit: --output needs a value (\"--\" ends the options) / [--no-splash]"},
        {{"--report", "--output", "x.txt", "codes", "a"},
         "rcedit: --report needs a value (\"--output\" is an option, not a value) / [--no-splash]"},
        {{"--export", "--wpm", "5", "--bogus", "a"}, "rcedit: unknown option --bogus / [--no-splash]"},
        // An option of another command, and an empty value, are refused with the command's usage.
        {{"--export", "--check", "a"}, "rcedit: unknown option --check / --export"},
        {{"--export", "--output=", "--format=", "a"}, "rcedit: --format needs a value / --export"},
        // The listings: a value may start with "-" or be given after "="; "-" is standard output.
        {{"--export", "--no-splash", "--output", "-", "--", "-a"}, "export >- -a"},
        {{"--export", "--output=--x", "a"}, "export >--x a"},
        {{"--export", "--diff", "--format", "json", "a", "b"}, "diff json a b"},
        {{"--export", "--format=xml", "a"}, "rcedit: unknown format 'xml'; the formats are: text, json"},
        {{"--export", "a", "b"}, "rcedit: --export lists one image file / --export"},
        {{"--diff", "a"}, "rcedit: --diff compares two image files / --export"},
        {{"--check", "--format", "json", "a"}, "check json a"},
        {{"--check", "a", "b"}, "rcedit: --check looks at one image file / --check"},
        {{"--history", "a"}, "history a"},
        {{"--history", "--output", "x", "a"}, "rcedit: unknown option --output / --history"},
        {{"--history", "a", "a"}, "rcedit: --history shows the copies kept of one image file / --history"},
        {{"--import", "s.txt", "--output", "n.HR8", "a"}, "import s.txt >n.HR8 a"},
        {{"--import", "s.txt", "--format", "json", "a"}, "rcedit: unknown option --format / --import"},
        {{"--import", "s.txt"}, "rcedit: --import sets the settings of one image file / --import"},
        {{"--check", "--import", "s", "a"}, "rcedit: unknown option --import / --check"},
        // The reports: jobs in table order, named twice or as "all".
        {{"--report=timers,codes,codes", "a"}, "report 0,2 a"},
        {{"--report", "all", "--format", "pdf", "--output", "r.pdf", "a"},
         "report 0,1,2,3,4,5,6,7,8,9,10,11,12 pdf >r.pdf a"},
        {{"--report", ",", "a"}, "rcedit: unknown report job ''; " + jobNames},
        {{"--report", "codes"}, "rcedit: no image file named / --report"},
        {{"--report", "codes", "--", "--output", "x.txt", "a"},
         "rcedit: only one image file can be reported at a time"},
        {{"--report", "codes", "--format", "xml", "a"},
         "rcedit: unknown format 'xml'; the formats are: text, pdf"},
        {{"--report", "codes", "--format", "pdf", "a"},
         "rcedit: --format pdf needs --output FILE.pdf (or --output - for standard output)"},
        {{"--report", "codes", "--sound", "cw", "a"}, "rcedit: unknown option --report / --sound"},
        // The sounds: what is played, its keying, and a WAV file's name.
        {{"--sound", "tone:8", "--output", "t.WAV", "a"}, "sound 0 8:0 20/800 >t.WAV a"},
        {{"--sound=cw", "--wpm", "60", "--pitch=300", "--output", "-", "a"}, "sound 1 0:0 60/300 >- a"},
        {{"--sound", "voice:20", "--output", "v.wav", "a"}, "sound 2 20:0 20/800 >v.wav a"},
        {{"--sound", "voice:4:8", "--output", "v.wav", "a"}, "sound 3 4:8 20/800 >v.wav a"},
        {{"--sound", "tone:9", "--output", "x.wav", "a"}, "rcedit: unknown sound 'tone:9' / --sound"},
        {{"--sound", "voice:5:1", "--output", "x.wav", "a"}, "rcedit: unknown sound 'voice:5:1' / --sound"},
        {{"--sound", "voice:1:0", "--output", "x.wav", "a"}, "rcedit: unknown sound 'voice:1:0' / --sound"},
        {{"--sound", "tone:1", "--wpm", "20", "--output", "x.wav", "a"},
         "rcedit: --wpm and --pitch are for --sound cw"},
        {{"--sound", "cw", "--wpm", "61", "--output", "x.wav", "a"}, "rcedit: --wpm takes 5 to 60, not '61'"},
        {{"--sound", "cw", "--pitch", "8OO", "--output", "x.wav", "a"},
         "rcedit: --pitch takes 300 to 3000, not '8OO'"},
        {{"--sound", "cw", "a"}, "rcedit: --sound needs --output FILE.wav and an image file / --sound"},
        {{"--sound", "cw", "--output", "x.wav", "a", "b"},
         "rcedit: only one image file can be played at a time"},
        {{"--sound", "cw", "--output", "a.HR8", "a.HR8"},
         "rcedit: --output a.HR8: a sound is written only to a file named *.wav (in any case); nothing was "
         "written"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Described(Parse(c.args)), c.command) << ::testing::PrintToString(c.args);
    // A PDF or a WAV file is never sent to a terminal.
    const std::string onTerminal =
        " is not written to a terminal; name a file with --output, or send standard "
        "output to a file or a program";
    EXPECT_EQ(Described(Parse({"--report=codes", "--format=pdf", "--output", "-", "a"}, true)),
              "rcedit: a PDF" + onTerminal);
    EXPECT_EQ(Described(Parse({"--sound=cw", "--output", "-", "a"}, true)),
              "rcedit: a WAV file" + onTerminal);
}

// Records what the PDF side was given; fails when told to.
struct FakePdf : print::IPdfReports {
    bool works = true;
    std::vector<print::Document> written;
    int FontSize() override { return 12; }
    bool DrawPdf(const std::vector<print::Document>& docs, std::string& pdf, std::string& error) override {
        written = docs;
        pdf = "%PDF-1.4\n";
        error = works ? "" : "no font";
        return works;
    }
};

struct Ran {
    int status;
    std::string out, err;
};

// rcedit's commands without a window, from their command line.
Ran Command(const std::vector<std::string>& args, FakePdf* pdf = nullptr) {
    std::ostringstream out, err;
    const int status =
        std::visit(Visit{
                       [&](const ReportCommand& c) { return RunReportCommand(c, out, err, pdf); },
                       [&](const ExportCommand& c) { return RunExportCommand(c, out, err); },
                       [&](const DiffCommand& c) { return RunDiffCommand(c, out, err); },
                       [&](const ImportCommand& c) { return RunImportCommand(c, err); },
                       [&](const CheckCommand& c) { return RunCheckCommand(c, out, err); },
                       [&](const HistoryCommand& c) { return shell::RunHistoryCommand(c, out, err); },
                       [&](const SoundCommand& c) {
                           return RunSoundCommand(c, out, err, {14, 5, 1, 7});
                       },
                       [&](const Refused& r) { return (err << r.text, r.status); },
                       [&](const auto&) {
                           ADD_FAILURE() << Described(Parse(args));
                           return -1;
                       },
                   },
                   Parse(args));
    return {status, out.str(), err.str()};
}

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteImageFile(a, test::SampleImage()).ok);
        ImageBytes changed = test::SampleImage();
        changed.MutableBytes()[3] ^= 0x10; // unnamed: no setting differs, the files still do
        ASSERT_TRUE(WriteImageFile(b, changed).ok);
        ASSERT_TRUE(WriteImageFile(txt, changed).ok);
        test::WriteFile(shortFile, "x");
        fs::permissions(shortFile, fs::perms::owner_read);
    }
    test::TempFolder folder;
    const std::string a = folder.Path("a.HR8"), b = folder.Path("b.HR8"), txt = folder.Path("c.txt"),
                      shortFile = folder.Path("short.HR8"), gone = folder.Path("gone.HR8");
};

TEST_F(Commands, StatusAndWhatIsSaidForEachFile) {
    const std::string good = folder.Path("good.txt"), link = folder.Path("link.HR8"),
                      n = folder.Path("n.HR8"), hard = folder.Path("hard.HR8");
    fs::create_symlink(a, link);
    fs::create_hard_link(a, hard);
    test::WriteFile(good, "Base Codes | Control Operator Code | 4321\n");
    const std::string bad = folder.Path("bad.txt");
    test::WriteFile(
        bad, "Base Codes | Control Operator Code | 4321\nBase Codes | Control Operator Code | 43210000\n");
    const std::string typed = fs::path(a).lexically_relative(fs::current_path()); // shown whole
    const std::string fifo = folder.Path("fifo.txt"); // would keep a reader waiting for ever
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string said;   // the start of standard error, or of standard output when that is empty
        bool wrote = false; // n.HR8 exists afterwards
    } cases[] = {
        {{"--diff", a, a}, 0, ""},
        {{"--diff", a, b}, 1, ""},
        {{"--diff", a, txt}, 2, txt + ": Error, Incorrect Halden R8 Filename"},
        {{"--export", a}, 0, "Repeater Stats | "},
        {{"--export", gone}, 2, gone + ": Halden R8 File Open Error!\nFile May Be Missing"},
        // The copies of a file that is gone are wanted most.
        {{"--history", gone}, 0, "No copies of gone.HR8 are kept in "},
        {{"--history", "--format", "json", a}, 0, "[]\n"},
        {{"--history", shortFile}, 2, shortFile + ": "},
        {{"--history", txt}, 2, txt + ": "},
        // No command writes over one of its inputs, under whatever name.
        {{"--check", "--output", a, a}, 2, "rcedit: --output " + a + " is the input file " + a},
        {{"--report", "codes", shortFile}, 2, "Error, Incorrect Halden R8 Filename or File is Corrupted"},
        {{"--report", "all", "--format", "pdf", "--output", link, a},
         2,
         "rcedit: --output " + link + " is the input"},
        {{"--export", "--output", hard, a}, 2, "rcedit: --output " + hard + " is the input file " + a},
        {{"--export", "--format", "json", "--output", a, link}, 2, "rcedit: --output " + a + " is the input"},
        {{"--diff", "--output", a, b, a}, 2, "rcedit: --output " + a + " is the input file " + a},
        {{"--report", "codes", "--output", shortFile, a},
         2,
         "rcedit: cannot write " + shortFile + ": refused: " + shortFile + " is"},
        {{"--report", "codes", "--output", folder.Path("no/r.txt"), a}, 1, "rcedit: cannot write "},
        {{"--sound", "cw", "--output", "-", "--", shortFile}, 2, "Error, Incorrect Halden R8 Filename"},
        {{"--import", good, "--output", link, a}, 2, "rcedit: --output " + link + " is the input file"},
        {{"--import", good, "--output", good, a},
         2,
         "rcedit: --output " + good + ": an image is written only"},
        {{"--import", good, "--output", n, gone}, 2, gone + ": Halden R8 File Open Error!"},
        {{"--import", fifo, "--output", n, a}, 2, "rcedit: cannot read " + fifo + " (a plain file"},
        {{"--import", good, a}, 2, "rcedit: cannot write " + a + ": "}, // read-only, never written in place
        {{"--import", bad, "--output", n, a}, 2, bad + ":2: Base Codes | Control Operator Code: Error! "},
        // "-" is standard output, and takes a PDF or WAV file whole; after "--" every word is a file.
        {{"--report", "codes", "--output", "-", "--", typed}, 0, "\n       File:  " + a + " "},
        {{"--report", "codes", "--format", "pdf", "--output", "-", a}, 0, "%PDF-1.4\n"},
        {{"--sound", "cw", "--output", "-", a}, 0, "RIFF"},
        {{"--import", good, "--output", n, a}, 0, "", true},
    };
    fs::permissions(a, fs::perms::owner_read);
    FakePdf pdf;
    for (const auto& c : cases) {
        const Ran r = Command(c.args, &pdf);
        EXPECT_EQ(r.status, c.status) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_EQ((r.err.empty() ? r.out : r.err).substr(0, c.said.size()), c.said);
        EXPECT_EQ(fs::exists(n), c.wrote) << ::testing::PrintToString(c.args);
    }
    ImageBytes original, changed;
    ASSERT_EQ(ReadImageFile(a, original).error, OpenError::None);
    ASSERT_EQ(ReadImageFile(n, changed).error, OpenError::None);
    EXPECT_TRUE(original == test::SampleImage());
    EXPECT_EQ(listing::ChangesText(listing::DiffSettings(original, changed)),
              "Base Codes | Control Operator Code | 123 -> 4321\n");
}

TEST_F(Commands, ReportsInTableOrderToAFileOrThePdfSide) {
    const Ran r = Command({"--report", "timers,codes", a});
    EXPECT_LT(r.out.find("Base Control Codes"), r.out.find("Base Timers"));
    const std::string target = folder.Path("report.txt");
    EXPECT_EQ(Command({"--report=codes,timers", "--output", target, a}).out, "");
    EXPECT_EQ(test::ReadFile(target), r.out);

    FakePdf pdf;
    const std::string pdfFile = folder.Path("r.pdf");
    ASSERT_EQ(Command({"--report", "timers,codes", "--format", "pdf", "--output", pdfFile, a}, &pdf).status,
              0);
    EXPECT_EQ(test::ReadFile(pdfFile), "%PDF-1.4\n");
    ASSERT_EQ(pdf.written.size(), 2u);
    EXPECT_EQ(pdf.written[0].pages[0].lines[1].fontSize, 12) << "headings at the printer font size";
    pdf.works = false;
    const Ran failed = Command({"--report", "codes", "--format", "pdf", "--output", "-", a}, &pdf);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "rcedit: cannot write -: no font\n");
}

// Both forms list the copies of the file oldest first (the two kept in one second in the order they
// were kept), each against the one before it, and nothing of another file.
TEST_F(Commands, HistoryListsEveryCopyAgainstThePreviousOne) {
    const std::string& site = b;
    const KeptHistory kept(site);

    const Ran text = Command({"--history", site});
    EXPECT_EQ(text.status, 0) << text.err;
    std::string expected;
    for (std::size_t i = 0; i < std::size(KeptHistory::kCopies); ++i) {
        const KeptHistory::Copy& c = KeptHistory::kCopies[i];
        expected += "2026-03-0" + std::to_string(c.day) + " 02:00:00 | " + c.direction + " | " +
                    kept.paths[i] + " | " + c.settings + " | " + c.risen + "\n";
    }
    EXPECT_EQ(text.out, expected);
    std::filesystem::remove(site);
    EXPECT_EQ(Command({"--history", site}).out, expected) << "the copies of a file that is gone";

    const Ran json = Command({"--history", "--format", "json", site});
    EXPECT_EQ(json.status, 0) << json.err;
    const auto rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), std::size(KeptHistory::kCopies));
    EXPECT_EQ(rows[0]["settingsChanged"], nullptr);
    EXPECT_EQ(rows[0]["counters"], nlohmann::json::object());
    EXPECT_EQ(rows[1]["counters"], (nlohmann::json{{"Manual Autopatch", 3}, {"Telephone Ring Detects", 10}}));
    EXPECT_EQ(rows[3]["counters"],
              (nlohmann::json{{"Manual Autopatch", "reset"}, {"Off Air Programming", 1}}));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const KeptHistory::Copy& c = KeptHistory::kCopies[i];
        EXPECT_EQ(rows[i]["date"], "2026-03-0" + std::to_string(c.day));
        EXPECT_EQ(rows[i]["time"], "02:00:00");
        EXPECT_EQ(rows[i]["direction"], c.direction);
        EXPECT_EQ(rows[i]["copy"], kept.paths[i]);
        EXPECT_EQ(rows[i]["settingsChanged"], std::string(c.settings).substr(0, 1) == "1" ? 1 : 0);
    }
}

// rclink's line: the words, read by the same reader with rclink's table, and the transfer they ask for.
TEST(LinkCommandLine, LineAndFileOrTheRefusal) {
    const struct {
        std::vector<std::string> args;
        std::string request; // baud-bits-parity-stop direction file [dial init chat], or the refusal
    } cases[] = {
        {{"--port", "/dev/ttyS0", "--download", "a.HR8"}, "9600-8-N-1 down a.HR8"},
        {{"--upload=b.HM4", "--port=/dev/ttyUSB0", "--baud=300", "--bits", "7", "--parity", "e", "--stop",
          "2"},
         "300-7-E-2 up b.HM4"},
        // Options without a value may stand between an option and its value; after "--" every word
        // is a value.
        {{"--port", "p", "--upload", "--force", "f.HR8"}, "9600-8-N-1 up f.HR8 force"},
        {{"--port", "p", "--download", "--force", "--no-splash", "--", "--x"}, "9600-8-N-1 down --x force"},
        {{"--port", "p", "--parity", "O", "--upload=--x"}, "9600-8-O-1 up --x"},
        {{"--port", "--baud=300", "p", "--download", "f"}, "300-8-N-1 down f"},
        {{"--port", "p", "--dial=9,5550100", "--init", "AT&F E1", "--chat", "c", "--download", "a.HR8"},
         "9600-8-N-1 down a.HR8 dial 9,5550100 init AT&F E1 chat c"},
        {{"--version", "--help"}, "help version"},
        {{}, "window splash"},
        {{"--no-splash", "--no-splash"}, "window"},
        {{"--download", "f"}, "--port DEVICE is missing"},
        {{"--port", "p"}, "--download FILE or --upload FILE is missing"},
        {{"--port", "", "--download", "f"}, "--port needs a device"},
        {{"--port", "p", "--download", ""}, "--download needs a file"},
        {{"--port", "p", "--download", "f", "--upload", "g"}, "give one --download or --upload"},
        {{"--port", "p", "--download", "f", "--baud", "96OO"},
         "--baud takes a speed in bits per second, not \"96OO\""},
        {{"--port", "p", "--download", "f", "--bits", "6"}, "--bits takes 7 or 8, not \"6\""},
        {{"--port", "p", "--download", "f", "--stop", "1.5"}, "--stop takes 1 or 2, not \"1.5\""},
        {{"--port", "p", "--download", "f", "--parity", "M"}, "--parity takes N, O or E, not \"M\""},
        {{"--port", "p", "--download", "f", "extra"}, "unknown argument \"extra\""},
        {{"--baud", "x", "--bogus"}, "--baud takes a speed in bits per second, not \"x\""},
        {{"--bogus", "--baud", "x"}, "unknown argument \"--bogus\""},
        {{"--port", "p", "--upload", "--force"}, "--upload needs a value"},
        {{"--port", "--download", "f"}, "--port needs a value (\"--download\" is an option, not a value)"},
        {{"--port", "p", "--download", "f", "--", "g"}, "unknown argument \"g\""},
        {{"--port", "p", "--download", "-"},
         "--download needs a file name; \"-\" (a standard stream) is not one"},
        {{"--port", "p", "--download", "f", "--chat", "c"}, "--init and --chat go with --dial"},
        {{"--port", "p", "--download", "f", "--dial", "555\r+++"}, "--dial takes no control characters"},
        {{"--port", "p", "--download", "f", "--dial="}, "--dial needs a value"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto r = link::ParseHeadlessArgs(c.args, &error);
        if (!r) {
            EXPECT_EQ(error, c.request);
            continue;
        }
        const link::LineSettings& l = r->line;
        const char parity = l.parity == link::Parity::None ? 'N' : l.parity == link::Parity::Even ? 'E' : 'O';
        const std::string transfer =
            Line({std::to_string(l.baud) + "-" + std::to_string(l.dataBits) + "-" + parity + "-" +
                      std::to_string(l.stopBits),
                  r->direction == link::TransferDirection::Download ? "down" : "up", r->file,
                  r->force ? "force" : "",
                  r->dial.empty() ? "" : "dial " + r->dial + " init " + r->init + " chat " + r->chat});
        EXPECT_EQ(r->window               ? Line({"window", r->splash ? "splash" : ""})
                  : r->help || r->version ? Line({r->help ? "help" : "", r->version ? "version" : ""})
                                          : transfer,
                  c.request);
    }
}

} // namespace
} // namespace rc::cli
