#pragma once

#include "files/replace_file.h"
#include "image/image_bytes.h"
#include "image/messages.h"

#include <optional>
#include <string>

namespace rc {

inline constexpr const char* kImageExtension = ".HR8";

// True when the last four characters of the path are ".HR8" in any case.
bool HasImageExtension(const std::string& path);

enum class OpenError { None, FilenameError, OpenFailure };

struct ReadResult {
    OpenError error = OpenError::None;
    bool readOnly = false; // the file cannot be written by us (no write permission)
    std::string reason;    // the system's words, when it gave any
    bool missing = false;  // nothing at all by that name
};

// Validates and reads an image file. On any failure `out` is left exactly as it was.
// A missing or unreadable file is an open failure; a wrong extension or a length other than 8192
// is a filename error.
ReadResult ReadImageFile(const std::string& path, ImageBytes& out);

// Writes the image as ReplaceFileContents does: the target (links followed) holds either its old
// contents or all 8192 new bytes, with its permissions, owner and group kept.
WriteResult WriteImageFile(const std::string& path, const ImageBytes& image);

// The save alert for the zone byte that holds transmitter, CTCSS and DTMF access; no value when the
// settings are the usual ones (transmitter on, no CTCSS, no DTMF access) and nothing need be asked.
std::optional<MessageSpec> CheckClosure(const ImageBytes& image);

// The system's own messages around image files.
MessageSpec FilenameErrorMessage();
MessageSpec OpenFailureMessage();
// The message that refuses a file for the reason ReadImageFile gave (not for OpenError::None), with
// the system's own reason on a line of its own where there is one.
MessageSpec OpenErrorMessage(const ReadResult& result);
MessageSpec SaveExtensionErrorMessage();
MessageSpec ReadOnlyMessage(const std::string& path);
MessageSpec ChangedQuestion();
MessageSpec WriteFailureMessage(const std::string& path, const std::string& reason);
// After a save that had to rewrite the file in place: where its old contents are kept.
MessageSpec KeptCopyMessage(const std::string& path, const std::string& copy);

} // namespace rc
