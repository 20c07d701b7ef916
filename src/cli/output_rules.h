#pragma once

// Where a command's output goes: "-" (or no --output) is standard output, a file is written whole
// or not at all, never over one of the command's own input files, and a PDF or WAV file only under
// its own name and never to a terminal.

#include <iosfwd>
#include <string>
#include <vector>

namespace rc::cli {

// True, with the refusal said on `err`, when `output` is one of the command's input files (links
// followed), which writing the output would destroy, or a target that ResolveWriteTarget refuses.
bool RefusesOutput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err);
// Writes a command's output file whole or not at all; false, with the reason on `err`, when it could not.
// A file rewritten in place, in a folder that takes no new files, is said on `err` with where its old
// contents are kept.
bool WriteOutputFile(const std::string& output, const std::string& text, std::ostream& err);

// True, with the refusal on `err`, when the file `output` does not end in `extension` (in any case):
// a command writes only under the name of what it writes, so that the file opens as one.
bool RefusesOutputName(const std::string& output, const std::string& extension, const char* what,
                       std::ostream& err);
// True when a command's --output means standard output: not given, or "-".
bool ToStandardOutput(const std::string& output);
// For output that is not text (a PDF, a WAV file): true, with the refusal on `err`, when "-" would
// send it to standard output that is a terminal, where it would only garble the screen.
bool RefusesBinaryOnTerminal(const std::string& output, bool stdoutIsTerminal, const char* what,
                             std::ostream& err);
// Writes `bytes` to `out` when `output` means standard output, else to the file `output` as
// WriteOutputFile does; false, with the reason on `err`, when it could not.
bool PutOutput(const std::string& output, const std::string& bytes, std::ostream& out, std::ostream& err);

} // namespace rc::cli
