#pragma once

// Copies of images kept in the user's data folder, so that what was on disk or in the controller
// before a write can always be had back.

#include <cstdint>
#include <ctime>
#include <span>
#include <string>

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
// starts with the local date and time, then `direction` ("download", "upload", "overwritten"...), then
// the file's own name with its extension, so either program opens the copy. Never replaces an
// earlier copy.
KeptCopy KeepCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                  const std::string& fileName, std::time_t when = std::time(nullptr));
// The same, unless the newest copy of a file of that name already holds these very bytes.
KeptCopy KeepNewCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                     const std::string& fileName, std::time_t when = std::time(nullptr));

inline constexpr int kDefaultBackupDays = 365;
// Removes the copies kept more than `days` days before `now` (by the date in their names), except the
// newest copy of each file; 0 keeps every copy. Only plain files named as copies are looked at, and
// nothing when the folder is a link. Returns how many were removed.
int PruneCopies(int days, std::time_t now = std::time(nullptr));

} // namespace rc
