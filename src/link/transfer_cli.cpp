#include "link/transfer_cli.h"

#include "cli/command_words.h"
#include "cli/option_parser.h"

#include <algorithm>
#include <charconv>

namespace rc::link {

namespace {

bool ToInt(const std::string& text, int* value) {
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, *value);
    return ec == std::errc() && p == end && !text.empty();
}

// Every option of the transfer's command line, in the order of the help; the line's settings go in
// the usage lines only.
const std::vector<cli::Option> kOptions = {
    {"--port", "DEVICE", nullptr},
    {"--baud", "N", nullptr},
    {"--bits", "7|8", nullptr},
    {"--parity", "N|O|E", nullptr},
    {"--stop", "1|2", nullptr},
    {"--download", "FILE",
     "receive from the controller into FILE; an existing FILE is replaced\n"
     "only when the transfer succeeds; what changed since the last copy\n"
     "of FILE in the backups folder is said, and listed beside the new copy"},
    {"--upload", "FILE",
     "send FILE to the controller; it must hold the transfer size of its\n"
     "model: .HR6 and .HR8 8192 bytes, .HM4 7936, any other name 4096;\n"
     "an .HR8 image with settings no editor dialog could have written\n"
     "(as the editor's check reports them) is refused, exit status 2"},
    {"--force", nullptr, "send such an image all the same"},
    {"--dial", "NUMBER",
     "call the controller first: ATDT NUMBER, then wait up to 60 s for\n"
     "CONNECT; a call that connected is always hung up at the end (\"+++\",\n"
     "ATH, else DTR dropped), and a line that may still be up is said"},
    {"--init", "STRING", "send STRING to the modem before the dial and wait 5 s for OK"},
    {"--chat", "FILE",
     "after CONNECT, run FILE, one step a line: \"expect TEXT\" (up to\n"
     "30 s), \"send TEXT\" (\\r, \\n and \\\\ escapes), \"pause SECONDS\";\n"
     "# comments and blank lines"},
    {"--no-splash", nullptr, "open the terminal window without its title window"},
    {"--help", nullptr, "show this help and exit"},
    {"--version", nullptr, "show the version and exit"},
};

// Only options without a value may stand between an option and its value, and the words after "--"
// are values, so a file may be named "--Site.HR8".
const cli::Syntax kSyntax{false, true, "unknown argument \"", "\""};

constexpr std::size_t kHelpColumn = 19;

// Sets the option `name` from `v`; a refusal, or empty.
std::string Apply(HeadlessRequest& r, bool& haveFile, const std::string& name, const std::string& v) {
    int n = 0;
    if (name == "--port") {
        if (v.empty())
            return "--port needs a device";
        r.line.device = v;
    } else if (name == "--baud") {
        if (!ToInt(v, &n) || n <= 0)
            return "--baud takes a speed in bits per second, not \"" + v + "\"";
        r.line.baud = n;
    } else if (name == "--bits") {
        if (!ToInt(v, &n) || (n != 7 && n != 8))
            return "--bits takes 7 or 8, not \"" + v + "\"";
        r.line.dataBits = n;
    } else if (name == "--parity") {
        if (v == "N" || v == "n")
            r.line.parity = Parity::None;
        else if (v == "O" || v == "o")
            r.line.parity = Parity::Odd;
        else if (v == "E" || v == "e")
            r.line.parity = Parity::Even;
        else
            return "--parity takes N, O or E, not \"" + v + "\"";
    } else if (name == "--stop") {
        if (!ToInt(v, &n) || (n != 1 && n != 2))
            return "--stop takes 1 or 2, not \"" + v + "\"";
        r.line.stopBits = n;
    } else if (name == "--dial" || name == "--init" || name == "--chat") {
        if (v.empty())
            return name + " needs a value";
        // A line end or other control byte would end the modem's command in the middle.
        if (name != "--chat" && std::any_of(v.begin(), v.end(), [](unsigned char c) { return c < 0x20; }))
            return name + " takes no control characters";
        (name == "--dial" ? r.dial : name == "--init" ? r.init : r.chat) = v;
    } else if (name == "--download" || name == "--upload") {
        if (haveFile)
            return "give one --download or --upload";
        if (v.empty())
            return name + " needs a file";
        // The file's extension names the model and its size, and the file is replaced whole: a
        // stream has neither.
        if (v == kStandardStream)
            return name + " needs a file name; \"-\" (a standard stream) is not one";
        haveFile = true;
        r.direction = name == "--download" ? TransferDirection::Download : TransferDirection::Upload;
        r.file = v;
    } else {
        r.help = r.help || name == "--help";
        r.version = r.version || name == "--version";
        r.force = r.force || name == "--force";
        // --no-splash: no window to start without its splash
    }
    return {};
}

} // namespace

std::optional<HeadlessRequest> ParseHeadlessArgs(const std::vector<std::string>& args, std::string* error) {
    HeadlessRequest r;
    bool haveFile = false;
    auto fail = [error](const std::string& why) {
        if (error != nullptr)
            *error = why;
        return std::nullopt;
    };
    if (std::all_of(args.begin(), args.end(), [](const std::string& a) { return a == "--no-splash"; })) {
        r.window = true;
        r.splash = args.empty();
        return r;
    }
    const cli::Words read = cli::ReadWords(args, kOptions, kSyntax);
    for (const cli::Word& w : read.words) {
        // A plain word is only ever an option's value.
        if (!w.option)
            return fail("unknown argument \"" + w.text + "\"");
        if (const std::string refusal = Apply(r, haveFile, w.option->name, w.value); !refusal.empty())
            return fail(refusal);
    }
    if (!read.refusal.empty())
        return fail(read.refusal);
    if (r.help || r.version)
        return r;
    if (r.line.device.empty())
        return fail("--port DEVICE is missing");
    if (!haveFile)
        return fail("--download FILE or --upload FILE is missing");
    if (r.dial.empty() && !(r.init.empty() && r.chat.empty()))
        return fail("--init and --chat go with --dial");
    return r;
}

std::string HeadlessUsage() {
    return "Usage: rclink [--no-splash]\n"
           "       rclink --port DEVICE [--baud N] [--bits 7|8] [--parity N|O|E] [--stop 1|2]\n"
           "              [--dial NUMBER [--init STRING] [--chat FILE]]\n"
           "              (--download FILE | --upload [--force] FILE)\n"
           "\n"
           "The first form opens the terminal window. The second moves a settings image between\n"
           "the controller and FILE with XMODEM (128-byte blocks, 8-bit checksum) on DEVICE,\n"
           "without opening a window and without changing the settings of the program. The\n"
           "line is 9600 baud, 8 data bits, no parity, 1 stop bit unless told. Only the first\n"
           "form needs a display: without one it says so and ends with exit status 2.\n"
           "\n"
           "An option's value is the next word (--port /dev/ttyS0) or follows \"=\" (--port=/dev/ttyS0).\n"
           "A word that starts with \"--\" is never taken as a value, though options without one may\n"
           "stand between an option and its value (--upload --force FILE). \"--\" ends the options:\n"
           "the words after it are values, so --upload -- --Site.HR8 sends the file \"--Site.HR8\".\n"
           "FILE is a file: \"-\" (standard input or output) is refused, as the extension of FILE\n"
           "says the size of the image.\n"
           "\n" +
           cli::OptionsHelp(kOptions, kHelpColumn) +
           "\n"
           "Messages and progress go to standard error. Exit status: 0 the transfer succeeded,\n"
           "1 it failed or was refused, or the call, its init or its chat failed, 2 bad arguments,\n"
           "an unreadable FILE or chat file, or a port that will not open.\n";
}

std::string ProgressLine(const XferCounters& counters, int expectedSize) {
    return "packet " + (counters.numPackets.empty() ? std::string("0") : counters.numPackets) + "  errors " +
           counters.errPackets + "  bytes " + std::to_string(counters.progress) + " of " +
           std::to_string(expectedSize);
}

} // namespace rc::link
