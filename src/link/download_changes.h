#pragma once

// What changed in the controller since the last copy of the same file: after a download, the
// settings that differ from the copy before it, written beside the new copy as
// "<copy name>.changes.txt" and said in one line.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rc::link {

struct EarlierCopy {
    std::string path;
    std::string date; // "2026-12-07 05:06:07", from the copy's name
    std::vector<std::uint8_t> bytes;
};

// The newest copy in the backups folder made from `file`, read whole; nothing when there is none
// or it cannot be read.
std::optional<EarlierCopy> NewestCopyOf(const std::string& file);

// After `received` came into `file`: compares it with `previous` (the newest copy before the
// download), writes the changes file beside `newCopy` when the settings differ and says so:
// "3 settings changed since DATE (see PATH)", "no setting changed since DATE". Empty without an
// earlier copy.
std::string DescribeChanges(const std::optional<EarlierCopy>& previous,
                            std::span<const std::uint8_t> received, const std::string& file,
                            const std::optional<EarlierCopy>& newCopy);

} // namespace rc::link
