#pragma once

#include "print/document.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace rc::print {

// True when the arguments ask for the reports on the command line rather than windows.
bool IsHeadlessInvocation(const std::vector<std::string>& args);

// The PDF side of the reports, which needs the printer renderer; the text side needs nothing.
class IPdfReports {
public:
    virtual ~IPdfReports() = default;
    // The printer font size of the settings, which the page headings use.
    virtual int FontSize() = 0;
    // The documents drawn as a PDF file's bytes; false, with the reason, when they could not be.
    virtual bool DrawPdf(const std::vector<Document>& documents, std::string& pdf, std::string& error) = 0;
};

// rcedit --report JOBS [--format text|pdf] [--output PATH|-] FILE
// Exit status: 0 done, 1 the output could not be written, 2 bad arguments or a refused file.
// Without `pdf` only the text format is offered.
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     IPdfReports* pdf = nullptr);

// For every command that takes --output: true, with the refusal said on `err`, when `output` is one
// of the command's input files (links followed), which writing the output would destroy, or a
// target that ResolveWriteTarget refuses.
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
// send it to a terminal, where it would only garble the screen.
bool RefusesBinaryOnTerminal(const std::string& output, std::ostream& out, const char* what,
                             std::ostream& err);
// Writes `bytes` to `out` when `output` means standard output, else to the file `output` as
// WriteOutputFile does; false, with the reason on `err`, when it could not.
bool PutOutput(const std::string& output, const std::string& bytes, std::ostream& out, std::ostream& err);

} // namespace rc::print
