#include "print/report_cli.h"

#include "image/image_file.h"
#include "image/replace_file.h"
#include "print/jobs.h"
#include "print/text_renderer.h"

#include <ostream>
#include <set>
#include <sstream>

namespace rc::print {

namespace {

constexpr const char* kUsage =
    "Usage: rcedit [FILE]\n"
    "       rcedit --report JOBS [--format text|pdf] [--output PATH] FILE\n"
    "       rcedit --export [--format text|json] [--output PATH] FILE\n"
    "       rcedit --diff [--format text|json] [--output PATH] OLD NEW\n"
    "       rcedit --sound WHAT --output FILE.wav [--wpm N] [--pitch HZ] FILE\n"
    "\n"
    "Without --report, opens the editor window (on FILE when given).\n"
    "\n"
    "Options:\n"
    "  --report JOBS   print the reports JOBS (comma-separated job names, or all) of FILE\n"
    "  --export        list every setting of FILE by name, one per line: area | item | value\n"
    "  --diff          list the settings that differ between OLD and NEW; exit 0 when the two are\n"
    "                  equal in every byte, 1 when they differ\n"
    "  --format FORMAT text (the default) or pdf, drawn as the printer draws it; json for --export\n"
    "                  and --diff\n"
    "  --output PATH   write the reports to PATH instead of standard output (pdf needs it)\n"
    "  --sound WHAT    write what the controller plays as a WAV file: tone:1 .. tone:8 (courtesy\n"
    "                  tones), cw (the identification), voice:1 .. voice:20 (base messages) or\n"
    "                  voice:M:N (memory save M 1..4, message N 1..8); speech approximates the voice\n"
    "  --wpm N         CW speed for --sound cw, 5 to 60 words per minute (default 20)\n"
    "  --pitch HZ      CW pitch for --sound cw, 300 to 3000 Hz (default 800)\n"
    "  --no-splash     start the editor without its splash window\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n";

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
        if (a == "--help" || a == "-h" || a == "--version" || a == "--report" || StartsWith(a, "--report="))
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
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
        if (a == "--version") {
            out << "rcedit 1.10\n";
            return 0;
        }
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

    // The heading shows the file as the editor's status bar would after opening it.
    ReportContext ctx{image, " " + file + (read.readOnly ? " (Read Only)" : ""), ShortDateToday(),
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
    if (input.empty())
        return false;
    err << "rcedit: --output " << output << " is the input file " << input << "; nothing was written\n";
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
