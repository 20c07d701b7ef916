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

} // namespace rc::print
