#pragma once

#include "cli/editor_command.h"

namespace rc::shell {

// The editor with its windows: the splash (unless --no-splash), the main window on the command's
// file, the tip, until the main window closes. Returns the exit status. A second copy started while
// one runs ends at once with status 0.
int RunEditor(int argc, char** argv, const cli::WindowCommand& options);

} // namespace rc::shell
