#pragma once

// Copies of images kept in the user's data folder, so that what was on disk or in the controller
// before a write can always be had back.

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

namespace rc {

// $XDG_DATA_HOME/halden-r8-tools/backups, by default under ~/.local/share; shared by both programs.
std::string BackupFolder();

struct KeptCopy {
    bool ok = false;
    std::string path;     // the copy, when ok
    std::string reason;   // the system's words, when not
    bool already = false; // the newest copy of the same file holds these bytes: none was written
};

// Writes `bytes` into the backups folder (made when missing, private to the user) under a name that
// starts with the local date and time, then `direction` ("download", "upload", "overwritten"), then
// the file's own name with its extension, so either program opens the copy. The copy is created
// under a name nothing has yet, never in place of another, and recorded with the whole path of
// `sourcePath` (made absolute) in the folder's list of copies, in the order copies are made.
KeptCopy KeepCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                  const std::string& sourcePath, std::time_t when = std::time(nullptr));
// The same, unless the newest copy made from the same file already holds these very bytes.
KeptCopy KeepNewCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                     const std::string& sourcePath, std::time_t when = std::time(nullptr));

// A copy that is still there, as the list of copies records it.
struct CopyRecord {
    std::string path;      // the copy
    std::string source;    // the whole path of the file it was made from
    std::string direction; // "download", "upload", "overwritten"
    std::time_t when = 0;  // the date and time its name carries
};
// The copies made from `sourcePath` (made absolute) that are still there, oldest first: in the order
// they were made, whatever dates their names carry.
std::vector<CopyRecord> CopiesOf(const std::string& sourcePath);

inline constexpr int kDefaultBackupDays = 365;
// Removes the recorded copies kept more than `days` days before `now`, except the newest copy made
// from each file; 0 keeps every copy. A copy goes only when its name is exactly one this program
// gives (date, time, a direction it writes, a model's extension) and it is a plain file; its
// "<copy>.changes.txt" goes with it. A copy dated after `now` is as old as the next copy made after
// it. Nothing goes when the folder is a link. Returns how many copies were removed.
int PruneCopies(int days, std::time_t now = std::time(nullptr));

} // namespace rc
