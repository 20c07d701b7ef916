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
    // Writes the documents to `path`; false, with the reason, when it could not.
    virtual bool WritePdf(const std::vector<Document>& documents, const std::string& path,
                          std::string& error) = 0;
};

// rcedit --report JOBS [--format text|pdf] [--output PATH] FILE
// Exit status: 0 done, 1 the output could not be written, 2 bad arguments or a refused file.
// Without `pdf` only the text format is offered.
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     IPdfReports* pdf = nullptr);

// For every command that takes --output: true, with the refusal said on `err`, when `output` is one
// of the command's input files (links followed), which writing the output would destroy, or a
// target that ResolveWriteTarget refuses.
bool RefusesOutput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err);
// Writes a command's output file whole or not at all; false, with the reason on `err`, when it could not.
bool WriteOutputFile(const std::string& output, const std::string& text, std::ostream& err);

} // namespace rc::print
