#pragma once

#include "image/image_bytes.h"
#include "image/messages.h"
#include "image/regions.h"

#include <cstdint>
#include <string>

namespace rc {

// The one image the editor holds and the file state that goes with it.
struct EditorState {
    ImageBytes image;
    std::string ImageFileName; // the file last opened (Save As leaves it)
    std::string SavePath;      // where Save writes
    bool FileOpen = false;
    std::int32_t SavedChecksum = 0;
    // The bytes as last opened or saved. The change test compares against these rather than the
    // sum: an edit that keeps the sum (two digits swapped) is still an edit.
    ImageBytes savedImage;
    std::string statusFileText; // first status-bar panel: " " + path, maybe + " (Read Only)"

    bool IsChanged() const { return image != savedImage; }
    void MarkSaved();
};

// True when the name ends in the image extension; otherwise shows the file name error.
bool CheckFileName(const std::string& name, IMessages& messages);

// Opens `path` into the state, showing the open messages on failure. On failure nothing changes.
bool ProcessOpen(EditorState& state, const std::string& path, IMessages& messages);

enum class SaveOutcome {
    Saved,
    NotOpen,     // Save before any file was opened: nothing to do
    BadName,     // Save As to a name without the extension
    Declined,    // the user answered No to the save alert
    ReadOnly,    // the target may not be written
    WriteFailed, // the system refused the write; the old file is untouched
    KeptOnDisk,  // the file changed on disk and the user chose not to write over it
};

// Whether the open file still holds the bytes last opened or saved: another program (a download,
// a second editor) may have written it since.
enum class DiskState { Same, Changed, Gone };
DiskState CompareWithDisk(const EditorState& state);

// Asked before a save would write over a file that changed on disk, and when the file changes on
// disk while the editor holds no edits of its own.
MessageSpec OverwriteChangedQuestion(const std::string& path);
MessageSpec ReloadChangedQuestion(const std::string& path);

// "&Save File": alert, read-only check, atomic write to SavePath.
SaveOutcome SaveFile(EditorState& state, IMessages& messages);
// "Save File &As..." once the user chose `path` in the save dialog.
SaveOutcome SaveFileAs(EditorState& state, const std::string& path, IMessages& messages);

} // namespace rc
