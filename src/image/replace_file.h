#pragma once

// Writing a whole file so that a failure never leaves the user with less than he had.

#include <cstdint>
#include <span>
#include <string>

namespace rc {

struct WriteResult {
    bool ok = false;
    std::string reason; // the system's words when !ok
};

// The file a path names once every symbolic link on the way is followed, so that a save through a
// link updates the file it points to and the link stays a link. A path that is not a link, or a
// link that loops, comes back as given.
std::string LinkTarget(const std::string& path);

// Makes `bytes` the whole content of the file at `path` (links followed). The bytes go to a new file
// beside the target, reach the disk, and replace the target in one rename, so the target holds either
// its old or its new content, never a mix. An existing target's permissions, owner and group are
// kept where the system allows. When no new file can be made in the target's folder (a folder the
// user may not write) but the target itself is writable, it is rewritten in place instead.
WriteResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace rc
