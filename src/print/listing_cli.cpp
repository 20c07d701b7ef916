#include "print/listing_cli.h"

#include "desktop/command_words.h"
#include "image/image_file.h"
#include "listing/settings_check.h"
#include "listing/settings_import.h"
#include "listing/settings_list.h"
#include "print/report_cli.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

namespace rc::print {

using namespace rc::listing;

namespace {

// A listing of every setting is well under a megabyte; anything far larger is no listing.
constexpr off_t kLongestSettings = 64 * 1024 * 1024;

// Only a plain file is read: a FIFO or a device would keep the command waiting for ever.
bool ReadWhole(const std::string& path, std::string& text) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kLongestSettings)
        return false;
    std::ifstream f(path, std::ios::binary);
    if (!f)
        return false;
    std::ostringstream s;
    s << f.rdbuf();
    text = s.str();
    return !f.bad();
}

} // namespace

namespace {

// The commands of this file, each with the routine that runs it.
struct ListingCommand {
    const char* option;
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
int RunExportOrDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
constexpr ListingCommand kListingCommands[] = {
    {"--export", RunExportOrDiff},
    {"--diff", RunExportOrDiff},
    {"--import", RunImportCommand},
    {"--check", RunCheckCommand},
};

const ListingCommand* FindListingCommand(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < OptionsEnd(args); ++i)
        for (const ListingCommand& c : kListingCommands)
            if (args[i] == c.option || args[i].rfind(std::string(c.option) + "=", 0) == 0)
                return &c;
    return nullptr;
}

} // namespace

bool IsListingInvocation(const std::vector<std::string>& args) {
    return FindListingCommand(args) != nullptr;
}

int RunListingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ListingCommand* command = FindListingCommand(args);
    return command ? command->run(args, out, err) : 2;
}

std::string CommandArgs::TextOrJson(std::ostream& err) const {
    const std::string format = Value("--format", "text");
    if (format == "text" || format == "json")
        return format;
    err << "rcedit: unknown format '" << format << "'; the formats are: text, json\n";
    return {};
}

std::optional<CommandArgs> ParseCommandArgs(const std::vector<std::string>& args,
                                            std::initializer_list<std::string> valued,
                                            std::initializer_list<std::string> flags, const char* usage,
                                            std::ostream& err) {
    CommandArgs parsed;
    auto among = [](const std::string& a, std::initializer_list<std::string> names) {
        return std::find(names.begin(), names.end(), a) != names.end();
    };
    const std::size_t end = OptionsEnd(args);
    for (std::size_t i = 1; i < end; ++i) {
        const std::string& a = args[i];
        const std::size_t eq = a.find('=');
        if (among(a, valued)) {
            if (const std::string refusal = MissingValue(args, i); !refusal.empty()) {
                err << "rcedit: " << refusal << "\n" << usage;
                return std::nullopt;
            }
            parsed.values[a] = args[++i];
        } else if (a.rfind("--", 0) == 0 && eq != std::string::npos && among(a.substr(0, eq), valued)) {
            parsed.values[a.substr(0, eq)] = a.substr(eq + 1);
        } else if (among(a, flags)) {
            parsed.flag = a;
        } else if (a == "--no-splash") {
        } else if (a.size() > 1 && a[0] == '-') {
            err << "rcedit: unknown option " << a << "\n" << usage;
            return std::nullopt;
        } else {
            parsed.files.push_back(a);
        }
    }
    for (std::size_t i = end + 1; i < args.size(); ++i)
        parsed.files.push_back(args[i]);
    // An empty value is a slip ("--output=" or an unset variable), never a choice: standard output
    // is "-".
    for (const auto& [name, value] : parsed.values)
        if (value.empty()) {
            err << "rcedit: " << name << " needs a value\n" << usage;
            return std::nullopt;
        }
    return parsed;
}

namespace {

int RunExportOrDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static constexpr const char* kUsage =
        "Usage: rcedit --export [--format text|json] [--output PATH] FILE\n"
        "       rcedit --diff [--format text|json] [--output PATH] OLD NEW\n";
    const std::optional<CommandArgs> parsed =
        ParseCommandArgs(args, {"--format", "--output"}, {"--export", "--diff"}, kUsage, err);
    if (!parsed)
        return 2;
    const bool diff = parsed->flag == "--diff";
    const std::string format = parsed->TextOrJson(err);
    if (format.empty())
        return 2;
    const std::string output = parsed->Value("--output");
    const std::vector<std::string>& files = parsed->files;
    if (files.size() != (diff ? 2u : 1u)) {
        err << (diff ? "rcedit: --diff compares two image files\n"
                     : "rcedit: --export lists one image file\n")
            << kUsage;
        return 2;
    }
    if (RefusesOutput(output, files, err))
        return 2;
    std::vector<ImageBytes> images(files.size());
    for (std::size_t f = 0; f < files.size(); ++f) {
        const ReadResult read = ReadImageFile(files[f], images[f]);
        if (read.error != OpenError::None) {
            err << files[f] << ": " << OpenErrorMessage(read).text << "\n";
            return 2;
        }
    }

    std::string text;
    int status = 0;
    if (diff) {
        const std::vector<SettingChange> changes = DiffSettings(images[0], images[1]);
        text = format == "json" ? ChangesJson(changes) : ChangesText(changes);
        const auto a = images[0].Bytes(), b = images[1].Bytes();
        status = std::equal(a.begin(), a.end(), b.begin(), b.end()) ? 0 : 1;
    } else {
        const std::vector<SettingLine> lines = ListSettings(images[0]);
        text = format == "json" ? ListingJson(lines) : ListingText(lines);
    }
    return PutOutput(output, text, out, err) ? status : 2;
}

} // namespace

int RunImportCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    static constexpr const char* kUsage = "Usage: rcedit --import SETTINGS [--output NEW] IMAGE\n";
    const std::optional<CommandArgs> parsed =
        ParseCommandArgs(args, {"--import", "--output"}, {}, kUsage, err);
    if (!parsed)
        return 2;
    const std::string settings = parsed->Value("--import");
    const std::string output = parsed->Value("--output");
    const std::vector<std::string>& files = parsed->files;
    std::string imagePath;
    if (files.size() != 1 || settings.empty()) {
        err << "rcedit: --import sets the settings of one image file\n" << kUsage;
        return 2;
    }
    imagePath = files[0];
    ImageBytes image;
    const ReadResult read = ReadImageFile(imagePath, image);
    if (read.error != OpenError::None) {
        err << imagePath << ": " << OpenErrorMessage(read).text << "\n";
        return 2;
    }
    // Writing over the settings text or the image being read would lose the user's own file; an
    // image under another name would be one the editor does not open.
    if (!output.empty() && (RefusesOutputName(output, ".HR8", "an image", err) ||
                            RefusesOutput(output, {settings, imagePath}, err)))
        return 2;
    std::string text;
    if (!ReadWhole(settings, text)) {
        err << "rcedit: cannot read " << settings << " (a plain file of settings text is needed)\n";
        return 2;
    }
    std::vector<ImportRefusal> refusals;
    const std::vector<ImportLine> lines = ParseSettings(text, refusals);
    const ImageBytes before = image;
    for (const ImportRefusal& r : ImportSettings(image, lines))
        refusals.push_back(r);
    std::stable_sort(refusals.begin(), refusals.end(),
                     [](const ImportRefusal& x, const ImportRefusal& y) { return x.line < y.line; });
    if (!refusals.empty()) {
        image = before;
        for (const ImportRefusal& r : refusals) {
            err << settings << ":" << r.line << ": ";
            if (!r.area.empty())
                err << Clipped(r.area) << " | " << Clipped(r.item) << ": ";
            err << r.message << "\n";
        }
        err << "rcedit: " << refusals.size() << (refusals.size() == 1 ? " line" : " lines")
            << " refused; nothing written\n";
        return 2;
    }
    if (output.empty() && image == before)
        return 0;
    const std::string target = output.empty() ? imagePath : output;
    const WriteResult written = WriteImageFile(target, image);
    if (!written.ok) {
        err << "rcedit: cannot write " << target << ": " << written.reason << "\n";
        return 2;
    }
    if (!written.keptCopy.empty())
        err << "rcedit: " << KeptCopyMessage(target, written.keptCopy).text << "\n";
    return 0;
}

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static constexpr const char* kUsage = "Usage: rcedit --check [--format text|json] [--output PATH] FILE\n";
    const std::optional<CommandArgs> parsed =
        ParseCommandArgs(args, {"--format", "--output"}, {"--check"}, kUsage, err);
    if (!parsed)
        return 2;
    const std::string format = parsed->TextOrJson(err);
    if (format.empty())
        return 2;
    const std::string output = parsed->Value("--output");
    const std::vector<std::string>& files = parsed->files;
    if (files.size() != 1) {
        err << "rcedit: --check looks at one image file\n" << kUsage;
        return 2;
    }
    if (RefusesOutput(output, files, err))
        return 2;
    ImageBytes image;
    const ReadResult read = ReadImageFile(files[0], image);
    if (read.error != OpenError::None) {
        err << files[0] << ": " << OpenErrorMessage(read).text << "\n";
        return 2;
    }
    const std::vector<SettingLine> findings = CheckSettings(image);
    const std::string text = format == "json" ? ListingJson(findings, "problem") : ListingText(findings);
    const int status = findings.empty() ? 0 : 1;
    return PutOutput(output, text, out, err) ? status : 2;
}

} // namespace rc::print
