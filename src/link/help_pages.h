#pragma once

#include "desktop/help_book.h"

namespace rc::link {

// The link program's help: its pages and their keywords. Every help request opens its contents
// unless a page names the context.
const HelpBook& LinkHelp();

} // namespace rc::link
