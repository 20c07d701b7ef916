#include "cli/output_rules.h"
#include "cli/run_commands.h"
#include "files/read_file.h"
#include "image/image_file.h"
#include "listing/settings_check.h"
#include "listing/settings_import.h"
#include "listing/settings_list.h"

#include <algorithm>
#include <ostream>

namespace rc::cli {

using namespace rc::listing;

namespace {

// A listing of every setting is well under a megabyte; anything far larger is no listing.
constexpr std::size_t kLongestSettings = 64 * 1024 * 1024;

// The images `files` names; false, with the refusal said on `err`, when one is not an image.
bool ReadImages(const std::vector<std::string>& files, std::vector<ImageBytes>& images, std::ostream& err) {
    images.resize(files.size());
    for (std::size_t f = 0; f < files.size(); ++f) {
        const ReadResult read = ReadImageFile(files[f], images[f]);
        if (read.error != OpenError::None) {
            err << files[f] << ": " << OpenErrorMessage(read).text << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

int RunExportCommand(const ExportCommand& command, std::ostream& out, std::ostream& err) {
    std::vector<ImageBytes> images;
    if (RefusesOutput(command.output, command.files, err) || !ReadImages(command.files, images, err))
        return 2;
    const std::vector<SettingLine> lines = ListSettings(images[0]);
    return PutOutput(command.output, command.json ? ListingJson(lines) : ListingText(lines), out, err) ? 0
                                                                                                       : 2;
}

int RunDiffCommand(const DiffCommand& command, std::ostream& out, std::ostream& err) {
    std::vector<ImageBytes> images;
    if (RefusesOutput(command.output, command.files, err) || !ReadImages(command.files, images, err))
        return 2;
    const std::vector<SettingChange> changes = DiffSettings(images[0], images[1]);
    const auto a = images[0].Bytes(), b = images[1].Bytes();
    const int status = std::equal(a.begin(), a.end(), b.begin(), b.end()) ? 0 : 1;
    return PutOutput(command.output, command.json ? ChangesJson(changes) : ChangesText(changes), out, err)
               ? status
               : 2;
}

int RunImportCommand(const ImportCommand& command, std::ostream& err) {
    const std::string& settings = command.settings;
    const std::string& output = command.output;
    const std::string& imagePath = command.image;
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
    const FileRead settingsFile = ReadRegularFile(settings, kLongestSettings);
    const std::string text = settingsFile.Text();
    if (!settingsFile.Read()) {
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

int RunCheckCommand(const CheckCommand& command, std::ostream& out, std::ostream& err) {
    std::vector<ImageBytes> images;
    if (RefusesOutput(command.output, command.files, err) || !ReadImages(command.files, images, err))
        return 2;
    const std::vector<SettingLine> findings = CheckSettings(images[0]);
    const std::string text = command.json ? ListingJson(findings, "problem") : ListingText(findings);
    return PutOutput(command.output, text, out, err) ? (findings.empty() ? 0 : 1) : 2;
}

} // namespace rc::cli
