#include "image/editor_state.h"

#include "image/image_file.h"

namespace rc {

void EditorState::MarkSaved() {
    SavedChecksum = BufferChecksum(image);
    savedImage = image;
}

bool CheckFileName(const std::string& name, IMessages& messages) {
    if (HasImageExtension(name))
        return true;
    messages.Show(SaveExtensionErrorMessage());
    return false;
}

bool ProcessOpen(EditorState& state, const std::string& path, IMessages& messages) {
    ImageBytes loaded = state.image;
    ReadResult r = ReadImageFile(path, loaded);
    if (r.error != OpenError::None) {
        messages.Show(OpenErrorMessage(r));
        return false;
    }
    state.image = loaded;
    state.statusFileText = " " + path + (r.readOnly ? " (Read Only)" : "");
    state.SavePath = path;
    state.FileOpen = true;
    state.MarkSaved();
    state.ImageFileName = path;
    return true;
}

namespace {

SaveOutcome WriteChecked(EditorState& state, const std::string& path, IMessages& messages) {
    if (IsReadOnlyFile(path)) {
        messages.Show(ReadOnlyMessage(path));
        return SaveOutcome::ReadOnly;
    }
    // Writing over the open file: it may have been replaced under us since we read it.
    if (state.FileOpen && (path == state.SavePath || SameFile(path, state.SavePath)) &&
        CompareWithDisk(state) == DiskState::Changed &&
        messages.Show(OverwriteChangedQuestion(path)) != Answer::Yes)
        return SaveOutcome::KeptOnDisk;
    WriteResult w = WriteImageFile(path, state.image);
    if (!w.ok) {
        messages.Show(WriteFailureMessage(path, w.reason));
        return SaveOutcome::WriteFailed;
    }
    state.MarkSaved();
    if (!w.keptCopy.empty())
        messages.Show(KeptCopyMessage(path, w.keptCopy));
    return SaveOutcome::Saved;
}

bool AlertAccepted(const EditorState& state, IMessages& messages) {
    auto alert = CheckClosure(state.image);
    return !alert || messages.Show(*alert) == Answer::Yes;
}

} // namespace

DiskState CompareWithDisk(const EditorState& state) {
    if (!state.FileOpen || state.SavePath.empty())
        return DiskState::Same;
    ImageBytes onDisk;
    const ReadResult r = ReadImageFile(state.SavePath, onDisk);
    if (r.error == OpenError::OpenFailure && r.missing)
        return DiskState::Gone;
    return r.error == OpenError::None && onDisk == state.savedImage ? DiskState::Same : DiskState::Changed;
}

MessageSpec OverwriteChangedQuestion(const std::string& path) {
    return {path + "\nhas been changed on disk by another program since it was opened or saved here.\n"
                   "Overwrite it with the image in the editor?",
            "Halden R8 Editor", MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No};
}

MessageSpec ReloadChangedQuestion(const std::string& path) {
    return {path + "\nhas been changed on disk by another program.\nReload it?", "Halden R8 Editor",
            MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};
}

SaveOutcome SaveFile(EditorState& state, IMessages& messages) {
    if (!state.FileOpen)
        return SaveOutcome::NotOpen;
    if (!AlertAccepted(state, messages))
        return SaveOutcome::Declined;
    return WriteChecked(state, state.SavePath, messages);
}

SaveOutcome SaveFileAs(EditorState& state, const std::string& path, IMessages& messages) {
    if (!CheckFileName(path, messages))
        return SaveOutcome::BadName;
    if (!AlertAccepted(state, messages))
        return SaveOutcome::Declined;
    SaveOutcome out = WriteChecked(state, path, messages);
    if (out == SaveOutcome::Saved) {
        state.SavePath = path;
        state.FileOpen = true;
        state.statusFileText = " " + path;
    }
    return out;
}

} // namespace rc
