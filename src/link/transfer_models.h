#pragma once

// Which controller model a transfer file belongs to, and so how many bytes its transfer carries;
// the file dialog a transfer asks with; the texts a refused transfer leaves in the message panel.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rc::link {

struct TransferModel {
    const char* index;       // the model type index of the link settings, "1" to "4"
    const char* filterEntry; // its entry in the file dialog's filter
    const char* extension;   // ".HK?" stands for HK and any one character
    int transferSize;        // bytes, a whole number of 128-byte blocks
};

// R6, R8, M4, K9, in the order of their index and of the dialog's filter.
const std::array<TransferModel, 4>& TransferModels();

// The model of a file by its extension, compared without regard to case; a name with any other
// extension, or none, belongs to model "4".
const TransferModel& ModelForPath(std::string_view path);
// The model whose transfer size is `bytes` (the R8 where two share it), or none.
const TransferModel* ModelOfSize(std::size_t bytes);
// The model of an index; any index but "1" to "3" is model "4".
const TransferModel& ModelForIndex(std::string_view index);

enum class TransferDirection { Download = 0, Upload = 1 };

// Flags of the file dialog, as the dialog's callers know them.
inline constexpr int kOverwritePrompt = 2;
inline constexpr int kHideReadOnly = 4;

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "Text|pattern|Text|pattern..."
    int filterIndex = 1; // 1 for the first entry
    int flags = 0;
    bool save = false;  // the save dialog; else the open dialog
    std::string folder; // where the dialog starts; empty: the working folder

    bool operator==(const FileDialogRequest&) const = default;
};

// The file dialog: the chosen full path, or nothing when the user cancelled.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

// The dialog of a transfer, with the entry of the current model preselected.
// It starts in `folder`, the folder of the last transfer file.
FileDialogRequest TransferDialogRequest(TransferDirection direction, std::string_view modelIndex,
                                        std::string folder = {});
// The folder a chosen transfer file lies in, for the next dialog.
std::string FolderOf(const std::string& path);

// The message panel's text for an upload file of the wrong size.
std::string CorruptedFileMessage(const std::string& path);

} // namespace rc::link
