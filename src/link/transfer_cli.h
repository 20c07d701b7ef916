#pragma once

// The command line of a transfer without windows, for scripted backups:
//   rclink --port DEVICE [--baud N] [--bits 7|8] [--parity N|O|E] [--stop 1|2]
//          [--dial NUMBER [--init STRING] [--chat FILE]] (--download FILE | --upload [--force] FILE)

#include "link/serial_port.h"
#include "link/transfer_models.h"
#include "link/xmodem.h"

#include <optional>
#include <string>
#include <vector>

namespace rc::link {

inline constexpr int kExitTransferred = 0;
inline constexpr int kExitTransferFailed = 1;
inline constexpr int kExitUsage = 2; // bad arguments, an unreadable upload file, a port that will not open

struct HeadlessRequest {
    bool window = false; // no arguments but --no-splash: the terminal window
    bool splash = false; // the window's title window first: no arguments at all
    bool help = false;
    bool version = false;
    LineSettings line; // 9600 baud, 8 data bits, no parity, 1 stop bit unless told
    TransferDirection direction = TransferDirection::Download;
    std::string file;
    bool force = false; // send an image even when the editor's check has findings
    std::string dial;   // the number the modem calls first; empty: the line is already connected
    std::string init;   // the modem's init string, sent before the dial
    std::string chat;   // the chat file run once the call is connected
};

// The request (`args` without the program's name), or nothing with `error` saying what is wrong. Options take
// their value after "=" or as the next word that does not start with "--" (options without a value may stand
// between);
// "--" ends the options, and the words after it are values.
std::optional<HeadlessRequest> ParseHeadlessArgs(const std::vector<std::string>& args, std::string* error);

std::string HeadlessUsage();

// One line of progress: "packet 12  errors 0  bytes 1536 of 8192".
std::string ProgressLine(const XferCounters& counters, int expectedSize);

} // namespace rc::link
