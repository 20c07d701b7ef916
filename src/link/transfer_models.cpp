#include "link/transfer_models.h"

#include <cctype>
#include <filesystem>

namespace rc::link {

namespace {

constexpr std::array<TransferModel, 4> kModels{{
    {"1", "Halden R6 Files|*.HR6", ".HR6", 8192},
    {"2", "Halden R8 Files|*.HR8", ".HR8", 8192},
    {"3", "Halden M4 Files|*.HM4", ".HM4", 7936},
    {"4", "Halden K9 Files|*.HK?", ".HK?", 4096},
}};

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

const std::array<TransferModel, 4>& TransferModels() {
    return kModels;
}

const TransferModel& ModelForPath(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos) {
        const std::string_view extension = name.substr(dot);
        for (int i = 0; i < 3; ++i)
            if (SameLetters(extension, kModels[i].extension))
                return kModels[i];
    }
    return kModels[3];
}

const TransferModel* ModelOfSize(std::size_t bytes) {
    for (int i : {1, 0, 2, 3})
        if (bytes == static_cast<std::size_t>(kModels[i].transferSize))
            return &kModels[i];
    return nullptr;
}

const TransferModel& ModelForIndex(std::string_view index) {
    for (int i = 0; i < 3; ++i)
        if (index == kModels[i].index)
            return kModels[i];
    return kModels[3];
}

FileDialogRequest TransferDialogRequest(TransferDirection direction, std::string_view modelIndex,
                                        std::string folder) {
    FileDialogRequest request;
    request.folder = std::move(folder);
    for (const TransferModel& m : kModels) {
        if (!request.filter.empty())
            request.filter += '|';
        request.filter += m.filterEntry;
    }
    request.filterIndex = ModelForIndex(modelIndex).index[0] - '0';
    if (direction == TransferDirection::Download) {
        request.title = "Select file to Download";
        request.flags = kHideReadOnly | kOverwritePrompt;
        request.save = true;
    } else {
        request.title = "Select file to Upload";
        request.flags = kHideReadOnly;
        request.save = false;
    }
    return request;
}

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

std::string CorruptedFileMessage(const std::string& path) {
    return "File " + path + " is Corrupted. Transfer Aborted";
}

} // namespace rc::link
