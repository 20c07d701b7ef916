#pragma once

#include "image/editor_state.h"
#include "image/messages.h"
#include "shell/recent_files.h"

#include <optional>
#include <string>

namespace rc::shell {

// What a file dialog is asked to show. The filter is "description|pattern".
struct FileDialogSpec {
    std::string filter;
    int filterIndex = 1;
    std::string folder; // where the dialog starts; empty: the working folder
};

inline constexpr const char* kOpenFilter = "Halden R8 File(s) *.HR8)|*.HR8";
inline constexpr const char* kSaveFilter = "HaldenR-8 File(s) *.HR8)|*.HR8";

// The file open and save dialogs; no value when the user cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    virtual std::optional<std::string> ShowOpen(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> ShowSave(const FileDialogSpec& spec) = 0;
};

// What the file commands change on the main window.
class IShellView {
public:
    virtual ~IShellView() = default;
    virtual void SetImageCommandsEnabled(bool enabled) = 0;
    virtual void SetStatusFile(const std::string& text) = 0;
    virtual void ShowRecentFiles(const RecentFiles& files) = 0;
    virtual void SetBusy(bool busy) = 0; // the hourglass while a file is read or written
    // Another image took the place of the one shown (a file was opened): its edit history starts.
    virtual void ImageLoaded() {}
};

// The File menu's commands and the question asked before unsaved edits could be lost.
class FileCommands {
public:
    // `lastFolder`, when given, is the folder of the last file chosen in a dialog, kept between runs.
    FileCommands(EditorState& state, RecentFiles& recent, IMessages& messages, IFileDialogs& dialogs,
                 IShellView& view, std::string* lastFolder = nullptr);

    // "&Open...": the open dialog, then OpenPath.
    bool Open();
    // Validates and loads `path`; on success records it in the recent list and enables the image
    // commands. Used at start-up for a file named on the command line, where nothing can be unsaved.
    bool OpenPath(const std::string& path);
    // A file the desktop asks to open while the editor runs (a later start with a file): as
    // "&Open..." with the file already chosen, so unsaved edits are asked about first.
    bool OpenHandedOver(const std::string& path);
    // Recent file `index` (0..3) of the File menu.
    bool OpenRecent(int index);
    // "&Save File". True when the file was written.
    bool Save();
    // "Save File &As...". True when the file was written.
    bool SaveAs();
    // "Co&mpare With...": the file to hold the open image against, read and checked as Open would,
    // the dialog starting among the kept copies of images; no value when cancelled or refused.
    std::optional<std::pair<std::string, ImageBytes>> ChooseComparison();
    // Asked as the main window closes: true when it may close.
    bool QueryUnload();
    // The open file changed on disk (another program wrote it). Without unsaved edits the user is
    // offered the new bytes, once for each new content; true when they were loaded.
    bool OnChangedOnDisk();

private:
    // The change question before an action that would drop unsaved edits: true to go on.
    bool ConfirmDiscard();
    // A dialog starts in the folder of the file in use, else in the one last chosen from.
    FileDialogSpec DialogSpec(const char* filter) const;
    void RememberFolder(const std::string& path);

    EditorState& state_;
    RecentFiles& recent_;
    IMessages& messages_;
    IFileDialogs& dialogs_;
    IShellView& view_;
    std::optional<ImageBytes> declinedReload_; // the disk content the user chose not to load
    std::string* lastFolder_;
};

} // namespace rc::shell
