#pragma once

#include "desktop/help_book.h"

namespace rc::link {

// The link program's help: its pages and their keywords. Every help request opens its contents
// unless a page names the context.
const HelpBook& LinkHelp();

// What F1 opens in each of the program's windows.
inline constexpr int kAboutHelp = 1;
inline constexpr int kTerminalHelp = 10;
inline constexpr int kCommSetupHelp = 20;
inline constexpr int kProgramSetupHelp = 30;
inline constexpr int kTransferHelp = 40;

} // namespace rc::link
