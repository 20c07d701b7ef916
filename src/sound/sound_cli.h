#pragma once

#include "sound/speech.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace rc::sound {

// True when the arguments ask for a sound file (and not for the help or the version).
bool IsSoundInvocation(const std::vector<std::string>& args);

// rcedit --sound WHAT --output FILE.wav [--wpm N] [--pitch HZ] IMAGE
// WHAT: tone:1..8, cw, voice:1..20 (base messages) or voice:M:N (memory save M 1..4, message N 1..8).
// Exit status: 0 written, 1 the sound or the file could not be made, 2 bad arguments or a refused file.
int RunSoundCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const SpeechMoment& moment);
int RunSoundCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rc::sound
