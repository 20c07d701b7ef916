#pragma once

#include <string>
#include <vector>

namespace rc::link {

// True unless the arguments ask for the terminal window (none, or --no-splash): a transfer without
// windows, --help, --version, or arguments to refuse, none of which needs a display.
bool IsHeadlessTransfer(const std::vector<std::string>& args);

// rclink --port DEVICE [--baud N] [--bits 7|8] [--parity N|O|E] [--stop 1|2] (--download FILE | --upload
// FILE) Exit status: 0 success, 1 the transfer failed, 2 bad arguments or a port that will not open.
int RunHeadlessTransfer(const std::vector<std::string>& args);

} // namespace rc::link
