#pragma once

#include "image/editor_state.h"

namespace rc::shell {

class MDIForm1;
struct ShellServices;

// The "Macro Op's" commands (macros, scheduler, user inputs) and the repeater configuration of
// "Misc". The scheduler and user inputs dialogs are kept between openings, so the scheduler comes
// back on the page last shown.
void InstallAutomationCommands(MDIForm1& window, EditorState& state, const ShellServices& services);

} // namespace rc::shell
