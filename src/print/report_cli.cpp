#include "print/report_cli.h"

#include "desktop/command_words.h"
#include "files/replace_file.h"
#include "image/image_file.h"
#include "print/jobs.h"
#include "print/listing_cli.h"
#include "print/text_renderer.h"

#include <cctype>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <unistd.h>

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

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

} // namespace

bool IsHeadlessInvocation(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < OptionsEnd(args); ++i) {
        const std::string& a = args[i];
        if (a == "--report" || StartsWith(a, "--report="))
            return true;
    }
    return false;
}

int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     IPdfReports* pdf) {
    const std::optional<CommandArgs> parsed =
        ParseCommandArgs(args, {"--report", "--format", "--output"}, {}, kUsage, err);
    if (!parsed)
        return 2;
    if (parsed->files.size() > 1) {
        err << "rcedit: only one image file can be reported at a time\n";
        return 2;
    }
    const std::string jobsArg = parsed->Value("--report"), format = parsed->Value("--format", "text");
    const std::string file = parsed->files.empty() ? std::string() : parsed->files[0];
    const std::string output = parsed->Value("--output");
    const bool asPdf = format == "pdf" && pdf;
    if (format != "text" && !asPdf) {
        err << "rcedit: unknown format '" << format << "'; the formats are: text" << (pdf ? ", pdf" : "")
            << "\n";
        return 2;
    }
    if (asPdf && output.empty()) {
        err << "rcedit: --format pdf needs --output FILE.pdf (or --output - for standard output)\n";
        return 2;
    }
    if (asPdf && RefusesBinaryOnTerminal(output, out, "a PDF", err))
        return 2;

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
    std::string text;
    if (asPdf) {
        std::string why;
        if (!pdf->DrawPdf(docs, text, why)) {
            err << "rcedit: cannot write " << output << (why.empty() ? "" : ": " + why) << "\n";
            return 1;
        }
    } else {
        text = RenderText(docs);
    }
    return PutOutput(output, text, out, err) ? 0 : 1;
}

bool RefusesOutputName(const std::string& output, const std::string& extension, const char* what,
                       std::ostream& err) {
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    if (output.size() >= extension.size() &&
        lower(output.substr(output.size() - extension.size())) == lower(extension))
        return false;
    err << "rcedit: --output " << output << ": " << what << " is written only to a file named *" << extension
        << " (in any case); nothing was written\n";
    return true;
}

bool ToStandardOutput(const std::string& output) {
    return output.empty() || output == kStandardStream;
}

bool RefusesBinaryOnTerminal(const std::string& output, std::ostream& out, const char* what,
                             std::ostream& err) {
    if (output != kStandardStream || &out != &std::cout || ::isatty(STDOUT_FILENO) != 1)
        return false;
    err << "rcedit: " << what << " is not written to a terminal; name a file with --output, or send "
        << "standard output to a file or a program\n";
    return true;
}

bool PutOutput(const std::string& output, const std::string& bytes, std::ostream& out, std::ostream& err) {
    if (!ToStandardOutput(output))
        return WriteOutputFile(output, bytes, err);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        err << "rcedit: cannot write to standard output\n";
    return static_cast<bool>(out);
}

bool RefusesOutput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err) {
    if (ToStandardOutput(output))
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
    else if (!written.keptCopy.empty())
        err << "rcedit: " << KeptCopyMessage(output, written.keptCopy).text << "\n";
    return written.ok;
}

} // namespace rc::print
