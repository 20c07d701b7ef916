#pragma once

#include "link/transfer_cli.h"

#include <optional>
#include <string>

namespace rc::link {

// rclink --port DEVICE [--baud N] [--bits 7|8] [--parity N|O|E] [--stop 1|2] (--download FILE | --upload
// FILE), --help, --version, or the refusal `error` of arguments that ask for none (no request), none
// of which needs a display. Exit status: 0 success, 1 the transfer failed, 2 bad arguments or a port
// that will not open.
int RunHeadlessTransfer(const std::optional<HeadlessRequest>& request, const std::string& error);

} // namespace rc::link
