#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace rc::print {

// True when the arguments ask for the command line (reports, help, version) rather than windows.
bool IsHeadlessInvocation(const std::vector<std::string>& args);

// rcedit --report JOBS [--format text] [--output PATH] FILE
// Exit status: 0 done, 1 the output could not be written, 2 bad arguments or a refused file.
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rc::print
