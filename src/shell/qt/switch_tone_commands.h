#pragma once

#include "image/editor_state.h"

namespace rc::shell {

class MDIForm1;
struct ShellServices;

// Gives the main window its commands for the courtesy tones, the CW identification, the zones, the
// expanded switches, the area codes, the lockout numbers and the unlock code. The CW editor is
// created here, once, and kept hidden between uses.
void InstallSwitchToneCommands(MDIForm1& form, EditorState& state, const ShellServices& services);

} // namespace rc::shell
