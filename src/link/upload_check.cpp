#include "link/upload_check.h"

#include "image/image_file.h"
#include "listing/settings_check.h"
#include "listing/settings_list.h"

#include <algorithm>

namespace rc::link {

namespace {
constexpr std::size_t kFindingsShown = 20;
}

std::vector<std::string> UploadFindings(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (!HasImageExtension(path) || bytes.size() != static_cast<std::size_t>(kImageSize))
        return {};
    ImageBytes image;
    std::copy(bytes.begin(), bytes.end(), image.MutableBytes().begin());
    std::vector<std::string> lines;
    for (const listing::SettingLine& f : listing::CheckSettings(image))
        lines.push_back(f.area + " | " + f.item + " | " + listing::ShownValue(f.value));
    return lines;
}

MessageSpec UploadFindingsQuestion(const std::string& path, const std::vector<std::string>& findings) {
    std::string text = path + " holds settings that no dialog of the editor could have written:\n";
    for (std::size_t i = 0; i < std::min(findings.size(), kFindingsShown); ++i)
        text += "\n" + findings[i];
    if (findings.size() > kFindingsShown)
        text += "\n... and " + std::to_string(findings.size() - kFindingsShown) + " more";
    text += "\n\nUpload it to the controller anyway?";
    return {text, "Upload Check", MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No};
}

} // namespace rc::link
