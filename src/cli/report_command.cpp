#include "cli/output_rules.h"
#include "cli/run_commands.h"
#include "image/image_file.h"
#include "print/text_renderer.h"

#include <filesystem>
#include <ostream>

namespace rc::cli {

int RunReportCommand(const ReportCommand& command, std::ostream& out, std::ostream& err,
                     print::IPdfReports* pdf) {
    const std::string& file = command.file;
    const std::string& output = command.output;
    if (RefusesOutput(output, {file}, err))
        return 2;

    ImageBytes image;
    ReadResult read = ReadImageFile(file, image);
    if (read.error != OpenError::None) {
        err << OpenErrorMessage(read).text << "\n";
        return 2;
    }

    // The heading shows the file as the editor's status bar would after opening it: by its full path.
    std::error_code noFolder;
    const std::filesystem::path full = std::filesystem::absolute(file, noFolder);
    const std::string shown = noFolder ? file : full.lexically_normal().string();
    const bool asPdf = command.pdf && pdf;
    print::ReportContext ctx{image, " " + shown + (read.readOnly ? " (Read Only)" : ""),
                             print::ShortDateToday(), asPdf ? pdf->FontSize() : 10};
    std::vector<print::Document> docs;
    for (const print::PrintJob& job : print::PrintJobs()) {
        if (!command.jobs.count(job.index))
            continue;
        for (print::Document& d : BuildJob(job, ctx))
            docs.push_back(std::move(d));
    }
    std::string text;
    if (command.pdf) {
        std::string why = asPdf ? "" : "no PDF writer";
        if (!asPdf || !pdf->DrawPdf(docs, text, why)) {
            err << "rcedit: cannot write " << output << (why.empty() ? "" : ": " + why) << "\n";
            return 1;
        }
    } else {
        text = RenderText(docs);
    }
    return PutOutput(output, text, out, err) ? 0 : 1;
}

} // namespace rc::cli
