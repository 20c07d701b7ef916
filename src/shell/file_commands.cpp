#include "shell/file_commands.h"

#include "files/backups.h"
#include "image/image_file.h"

#include <exception>
#include <filesystem>

namespace rc::shell {

namespace {

// The hourglass while a file is read, also when the read is left by an exception. A message shown
// meanwhile gets the normal pointer back first: the user has to click it.
class BusyScope : public IMessages {
public:
    BusyScope(IShellView& view, IMessages& messages) : view_(view), messages_(messages) {
        view_.SetBusy(true);
    }
    ~BusyScope() override { Idle(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    Answer Show(const MessageSpec& message) override {
        Idle();
        return messages_.Show(message);
    }
    void Beep() override { messages_.Beep(); }

private:
    void Idle() {
        if (busy_)
            view_.SetBusy(false);
        busy_ = false;
    }

    IShellView& view_;
    IMessages& messages_;
    bool busy_ = true;
};

} // namespace

FileCommands::FileCommands(EditorState& state, RecentFiles& recent, IMessages& messages,
                           IFileDialogs& dialogs, IShellView& view, std::string* lastFolder)
    : state_(state), recent_(recent), messages_(messages), dialogs_(dialogs), view_(view),
      lastFolder_(lastFolder) {}

FileDialogSpec FileCommands::DialogSpec(const char* filter) const {
    FileDialogSpec spec{filter, 1, {}};
    if (state_.FileOpen && !state_.SavePath.empty())
        spec.folder = std::filesystem::path(state_.SavePath).parent_path().string();
    else if (lastFolder_)
        spec.folder = *lastFolder_;
    return spec;
}

void FileCommands::RememberFolder(const std::string& path) {
    if (lastFolder_)
        *lastFolder_ = std::filesystem::path(path).parent_path().string();
}

bool FileCommands::ConfirmDiscard() {
    if (!state_.IsChanged())
        return true;
    messages_.Beep();
    switch (messages_.Show(ChangedQuestion())) {
    case Answer::Yes:
        return SaveAs();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool FileCommands::Open() {
    if (!ConfirmDiscard())
        return false;
    std::optional<std::string> path = dialogs_.ShowOpen(DialogSpec(kOpenFilter));
    if (!path)
        return false;
    RememberFolder(*path);
    return OpenPath(*path);
}

bool FileCommands::OpenPath(const std::string& path) {
    bool opened = false;
    try {
        BusyScope busy(view_, messages_);
        opened = ProcessOpen(state_, path, busy);
        if (opened) {
            view_.ImageLoaded();
            view_.SetStatusFile(state_.statusFileText);
            if (ProcessFileList(recent_, path))
                view_.ShowRecentFiles(recent_);
            view_.SetImageCommandsEnabled(true);
        }
    } catch (const std::exception&) {
        messages_.Show(OpenFailureMessage());
        return false;
    }
    return opened;
}

bool FileCommands::OpenHandedOver(const std::string& path) {
    return ConfirmDiscard() && OpenPath(path);
}

bool FileCommands::OpenRecent(int index) {
    if (index < 0 || index >= kRecentFileCount || recent_[0].empty())
        return false;
    // Copied: saving first may put a new name at the top of the list.
    std::string path = recent_[static_cast<std::size_t>(index)];
    if (path.empty() || !ConfirmDiscard())
        return false;
    return OpenPath(path);
}

bool FileCommands::Save() {
    try {
        return SaveFile(state_, messages_) == SaveOutcome::Saved;
    } catch (const std::exception& e) {
        messages_.Show(WriteFailureMessage(state_.SavePath, e.what()));
        return false;
    }
}

bool FileCommands::SaveAs() {
    std::optional<std::string> path = dialogs_.ShowSave(DialogSpec(kSaveFilter));
    if (!path)
        return false;
    RememberFolder(*path);
    try {
        if (SaveFileAs(state_, *path, messages_) != SaveOutcome::Saved)
            return false;
        view_.SetStatusFile(state_.statusFileText);
        if (ProcessFileList(recent_, *path))
            view_.ShowRecentFiles(recent_);
        view_.SetImageCommandsEnabled(true);
        return true;
    } catch (const std::exception& e) {
        messages_.Show(WriteFailureMessage(*path, e.what()));
        return false;
    }
}

std::optional<std::pair<std::string, ImageBytes>> FileCommands::ChooseComparison() {
    std::error_code ec;
    const std::string backups = BackupFolder();
    FileDialogSpec spec = DialogSpec(kOpenFilter);
    if (std::filesystem::is_directory(backups, ec))
        spec.folder = backups;
    std::optional<std::string> path = dialogs_.ShowOpen(spec);
    if (!path)
        return std::nullopt;
    ImageBytes other;
    const ReadResult read = ReadImageFile(*path, other);
    if (read.error != OpenError::None) {
        messages_.Show(OpenErrorMessage(read));
        return std::nullopt;
    }
    return std::make_pair(*path, other);
}

bool FileCommands::QueryUnload() {
    return ConfirmDiscard();
}

bool FileCommands::OnChangedOnDisk() {
    if (!state_.FileOpen || state_.IsChanged())
        return false;
    ImageBytes onDisk;
    // Half-written or no image at all: nothing to offer yet (a save asks before writing over it).
    if (ReadImageFile(state_.SavePath, onDisk).error != OpenError::None || onDisk == state_.savedImage ||
        onDisk == declinedReload_)
        return false;
    if (messages_.Show(ReloadChangedQuestion(state_.SavePath)) != Answer::Yes) {
        declinedReload_ = onDisk;
        return false;
    }
    const std::string path = state_.SavePath;
    return OpenPath(path);
}

} // namespace rc::shell
