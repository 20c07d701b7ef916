#include "print/report_cli.h"

#include "image/image_file.h"
#include "image/replace_file.h"
#include "print/jobs.h"
#include "print/text_renderer.h"

#include <filesystem>
#include <ostream>
#include <set>
#include <sstream>

namespace rc::print {

namespace {

constexpr const char* kUsage = "Usage: rcedit --report JOBS [--format text|pdf] [--output PATH] FILE\n";

std::string ValidJobNames() {
    std::string names;
    for (const PrintJob& job : PrintJobs()) {
        if (!job.build)
            continue;
        names += std::string(job.name) + ", ";
    }
    return names + "all";
}

// The option's value: "--opt value" or "--opt=value".
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& opt,
               std::string& value) {
    const std::string& a = args[i];
    if (a == opt) {
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
        return true;
    }
    if (a.rfind(opt + "=", 0) == 0) {
        value = a.substr(opt.size() + 1);
        return true;
    }
    return false;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

} // namespace

bool IsHeadlessInvocation(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--report" || StartsWith(a, "--report="))
            return true;
    }
    return false;
}

int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     IPdfReports* pdf) {
    std::string jobsArg, format = "text", output, file;
    bool haveJobs = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string value;
        if (StartsWith(a, "--report")) {
            if (!TakeValue(args, i, "--report", value)) {
                err << "rcedit: --report needs a list of jobs\n";
                return 2;
            }
            jobsArg = value;
            haveJobs = true;
        } else if (StartsWith(a, "--format")) {
            if (!TakeValue(args, i, "--format", value)) {
                err << "rcedit: --format needs a value\n";
                return 2;
            }
            format = value;
        } else if (StartsWith(a, "--output")) {
            if (!TakeValue(args, i, "--output", value)) {
                err << "rcedit: --output needs a path\n";
                return 2;
            }
            output = value;
        } else if (a == "--no-splash") {
            // Meaningless without windows, harmless here.
        } else if (StartsWith(a, "-") && a != "-") {
            err << "rcedit: unknown option " << a << "\n" << kUsage;
            return 2;
        } else if (file.empty()) {
            file = a;
        } else {
            err << "rcedit: only one image file can be reported at a time\n";
            return 2;
        }
    }
    if (!haveJobs) {
        err << kUsage;
        return 2;
    }
    const bool asPdf = format == "pdf" && pdf;
    if (format != "text" && !asPdf) {
        err << "rcedit: unknown format '" << format << "'; the formats are: text" << (pdf ? ", pdf" : "")
            << "\n";
        return 2;
    }
    if (asPdf && output.empty()) {
        err << "rcedit: --format pdf needs --output FILE.pdf\n";
        return 2;
    }

    std::set<int> wanted;
    std::stringstream list(jobsArg);
    std::string name;
    while (std::getline(list, name, ',')) {
        if (name == "all") {
            for (const PrintJob& job : PrintJobs())
                if (job.build)
                    wanted.insert(job.index);
            continue;
        }
        const PrintJob* found = nullptr;
        for (const PrintJob& job : PrintJobs())
            if (job.name == name && job.build)
                found = &job;
        if (!found) {
            err << "rcedit: unknown report job '" << name << "'; valid names: " << ValidJobNames() << "\n";
            return 2;
        }
        wanted.insert(found->index);
    }
    if (wanted.empty()) {
        err << "rcedit: no report job named; valid names: " << ValidJobNames() << "\n";
        return 2;
    }
    if (file.empty()) {
        err << "rcedit: no image file named\n" << kUsage;
        return 2;
    }

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
    ReportContext ctx{image, " " + shown + (read.readOnly ? " (Read Only)" : ""), ShortDateToday(),
                      asPdf ? pdf->FontSize() : 10};
    std::vector<Document> docs;
    for (const PrintJob& job : PrintJobs()) {
        if (!wanted.count(job.index))
            continue;
        for (Document& d : BuildJob(job, ctx))
            docs.push_back(std::move(d));
    }
    if (asPdf) {
        std::string why;
        if (!pdf->WritePdf(docs, output, why)) {
            err << "rcedit: cannot write " << output << (why.empty() ? "" : ": " + why) << "\n";
            return 1;
        }
        return 0;
    }
    std::string text = RenderText(docs);

    if (output.empty()) {
        out << text;
        out.flush();
        return out ? 0 : 1;
    }
    return WriteOutputFile(output, text, err) ? 0 : 1;
}

bool RefusesOutput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err) {
    if (output.empty())
        return false;
    const std::string input = OutputNamesAnInput(output, inputs);
    if (!input.empty()) {
        err << "rcedit: --output " << output << " is the input file " << input << "; nothing was written\n";
        return true;
    }
    // A target the write would refuse anyway is refused before any work, and with the status of
    // every other refusal rather than that of a failed write.
    const WriteTarget target = ResolveWriteTarget(output);
    if (target.refusal.empty())
        return false;
    err << "rcedit: cannot write " << output << ": " << target.refusal << "\n";
    return true;
}

bool WriteOutputFile(const std::string& output, const std::string& text, std::ostream& err) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const WriteResult written = ReplaceFileContents(output, {bytes, text.size()});
    if (!written.ok)
        err << "rcedit: cannot write " << output << ": " << written.reason << "\n";
    return written.ok;
}

} // namespace rc::print
