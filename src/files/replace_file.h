#pragma once

// Writing a whole file so that a failure never leaves the user with less than he had.

#include <csignal>
#include <cstdint>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

namespace rc {

struct WriteResult {
    bool ok = false;
    std::string reason;   // the system's words when !ok
    std::string keptCopy; // when the file had to be rewritten in place: where its old bytes are kept
};

// Writes all of `bytes` to `fd`, again after an interruption; false on the first failure.
bool WriteFully(int fd, std::span<const std::uint8_t> bytes);

// The file a write to `path` replaces once every symbolic link on the way is followed, so that a
// save through a link updates the file it points to and the link stays a link. A link in a shared
// folder (world-writable and sticky, like /tmp), at the end or as a folder on the way, is followed
// only when it belongs to the user, to root or to the folder's owner, as the kernel decides for its
// own opens: otherwise another user could point our write at any file of ours. Only a regular file
// is replaced, never one that is read-only or that another user keeps in a shared folder, nor an
// open stream such as /dev/stdout. `refusal` then says why and `path` is empty.
struct WriteTarget {
    std::string path;
    std::string refusal;
};
WriteTarget ResolveWriteTarget(const std::string& path);

// True when the file exists and we may not write it.
bool IsReadOnlyFile(const std::string& path);

// True when both paths name one existing file (links followed, hard links too).
bool SameFile(const std::string& a, const std::string& b);
// The first of `inputs` that `output` would overwrite, or empty.
std::string OutputNamesAnInput(const std::string& output, const std::vector<std::string>& inputs);

// Our own scratch files and folders, which exist only while a file is being written (the hidden
// `.rc-save.*` beside the target, `.rc-copy.*` in the backups folder, the private folder a PDF is
// drawn in). Should SIGINT, SIGTERM or SIGHUP end the program meanwhile, they are removed first
// (files, then folders) and the program then ends as the signal would have ended it. Only a signal
// whose action is still the default is taken over: a program that handles one itself finishes the
// write and ends in its own time.
class ScratchCleanup {
public:
    enum class Kind { File, Folder };
    ScratchCleanup();
    ~ScratchCleanup(); // forgets this cleanup's names; the writer removes what it leaves itself
    ScratchCleanup(const ScratchCleanup&) = delete;
    ScratchCleanup& operator=(const ScratchCleanup&) = delete;

    // Holds the three signals back while it lives: a name is made and recorded in between, so no
    // signal can come after the one and before the other.
    class Held {
    public:
        Held();
        ~Held();
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        sigset_t previous_;
    };

    // Records `path` for removal; false when no room is left (a few at a time) or the path is too
    // long, and then it is not removed.
    bool Add(const std::string& path, Kind kind);
    // Makes a scratch file from a mkstemp() pattern ("...XXXXXX", completed in place) and records it,
    // with no moment in between for a signal; its descriptor, or -1 with errno set.
    int MakeFile(std::string& pattern);

private:
    std::vector<int> slots_;
};

enum class InPlace { WithKeptCopy, Never };

// Makes `bytes` the whole content of the file at `path` (links followed as ResolveWriteTarget says).
// The bytes go to a new file beside the target, reach the disk, and replace the target in one rename,
// so the target holds either its old or its new content, never a mix. An existing target's
// permissions, owner and group are kept where the system allows. Only when the target's folder
// refuses new files (a folder the user may not write) but the target itself is writable is it
// rewritten in place, and then only after a copy of its old bytes is safe in the backups folder:
// a crash in between leaves that copy. A new file gets `newFileMode` less the umask.
WriteResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes,
                                InPlace inPlace = InPlace::WithKeptCopy, mode_t newFileMode = 0666);

} // namespace rc
