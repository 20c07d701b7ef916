#pragma once

// The thirteen print jobs, in the order they print, with the documents each one produces.

#include "print/headings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rc::print {

using JobBuilder = void (*)(std::vector<Document>& out, const ReportContext& ctx);

struct PrintJob {
    int index;                // the job box of the print dialog, 0..12
    std::string_view name;    // the name on the command line
    std::string_view caption; // the job box caption
    JobBuilder build;         // null while the report is not available
};

const std::array<PrintJob, 13>& PrintJobs();

// The documents of one job (empty when the job has no report yet).
std::vector<Document> BuildJob(const PrintJob& job, const ReportContext& ctx);

// The PDF side of the reports, which needs the printer renderer; the text side needs nothing.
class IPdfReports {
public:
    virtual ~IPdfReports() = default;
    // The printer font size of the settings, which the page headings use.
    virtual int FontSize() = 0;
    // The documents drawn as a PDF file's bytes; false, with the reason, when they could not be.
    virtual bool DrawPdf(const std::vector<Document>& documents, std::string& pdf, std::string& error) = 0;
};

} // namespace rc::print
