#include "link/transfer_cli.h"

#include <algorithm>
#include <charconv>

namespace rc::link {

namespace {

bool ToInt(const std::string& text, int* value) {
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, *value);
    return ec == std::errc() && p == end && !text.empty();
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
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "--version" || name == "--no-splash" || name == "--force") {
            if (value)
                return fail(name + " takes no value");
            r.help = r.help || name == "--help";
            r.version = r.version || name == "--version";
            r.force = r.force || name == "--force";
            continue; // --no-splash: no window to start without its splash
        }
        const bool takesValue = name == "--port" || name == "--baud" || name == "--bits" ||
                                name == "--parity" || name == "--stop" || name == "--download" ||
                                name == "--upload" || name == "--dial" || name == "--init" ||
                                name == "--chat";
        if (!takesValue)
            return fail("unknown argument \"" + args[i] + "\"");
        if (!value) {
            if (i + 1 >= args.size())
                return fail(name + " needs a value");
            value = args[++i];
        }
        const std::string& v = *value;
        int n = 0;
        if (name == "--port") {
            if (v.empty())
                return fail("--port needs a device");
            r.line.device = v;
        } else if (name == "--baud") {
            if (!ToInt(v, &n) || n <= 0)
                return fail("--baud takes a speed in bits per second, not \"" + v + "\"");
            r.line.baud = n;
        } else if (name == "--bits") {
            if (!ToInt(v, &n) || (n != 7 && n != 8))
                return fail("--bits takes 7 or 8, not \"" + v + "\"");
            r.line.dataBits = n;
        } else if (name == "--parity") {
            if (v == "N" || v == "n")
                r.line.parity = Parity::None;
            else if (v == "O" || v == "o")
                r.line.parity = Parity::Odd;
            else if (v == "E" || v == "e")
                r.line.parity = Parity::Even;
            else
                return fail("--parity takes N, O or E, not \"" + v + "\"");
        } else if (name == "--stop") {
            if (!ToInt(v, &n) || (n != 1 && n != 2))
                return fail("--stop takes 1 or 2, not \"" + v + "\"");
            r.line.stopBits = n;
        } else if (name == "--dial" || name == "--init" || name == "--chat") {
            if (v.empty())
                return fail(name + " needs a value");
            // A line end or other control byte would end the modem's command in the middle.
            if (name != "--chat" && std::any_of(v.begin(), v.end(), [](unsigned char c) { return c < 0x20; }))
                return fail(name + " takes no control characters");
            (name == "--dial" ? r.dial : name == "--init" ? r.init : r.chat) = v;
        } else {
            if (haveFile)
                return fail("give one --download or --upload");
            if (v.empty())
                return fail(name + " needs a file");
            haveFile = true;
            r.direction = name == "--download" ? TransferDirection::Download : TransferDirection::Upload;
            r.file = v;
        }
    }
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
           "line is 9600 baud, 8 data bits, no parity, 1 stop bit unless told.\n"
           "\n"
           "  --download FILE  receive from the controller into FILE; an existing FILE is replaced\n"
           "                   only when the transfer succeeds; what changed since the last copy\n"
           "                   of FILE in the backups folder is said, and listed beside the new copy\n"
           "  --upload FILE    send FILE to the controller; it must hold the transfer size of its\n"
           "                   model: .HR6 and .HR8 8192 bytes, .HM4 7936, any other name 4096;\n"
           "                   an .HR8 image with settings no editor dialog could have written\n"
           "                   (as the editor's check reports them) is refused, exit status 2\n"
           "  --force          send such an image all the same\n"
           "  --dial NUMBER    call the controller first: ATDT NUMBER, then wait up to 60 s for\n"
           "                   CONNECT; a call that connected is always hung up at the end (\"+++\",\n"
           "                   ATH, else DTR dropped), and a line that may still be up is said\n"
           "  --init STRING    send STRING to the modem before the dial and wait 5 s for OK\n"
           "  --chat FILE      after CONNECT, run FILE, one step a line: \"expect TEXT\" (up to\n"
           "                   30 s), \"send TEXT\" (\\r, \\n and \\\\ escapes), \"pause SECONDS\";\n"
           "                   # comments and blank lines\n"
           "  --no-splash      open the terminal window without its title window\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
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
