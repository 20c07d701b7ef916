#pragma once

#include "desktop/help_book.h"

namespace rc::shell {

inline constexpr int kMainWindowContext = 10;
inline constexpr int kKeyPadContext = 110;
inline constexpr int kContentsContext = 1000;
inline constexpr int kAboutContext = 1002;

// The editor's help: its pages, their context numbers and keywords.
const HelpBook& EditorHelp();

} // namespace rc::shell
