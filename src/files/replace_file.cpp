#include "files/replace_file.h"

#include "files/backups.h"
#include "files/read_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <linux/magic.h>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace rc {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40; // as the kernel allows when it follows a path

WriteResult Failed(int err) {
    return {false, std::strerror(err), {}};
}

void SyncFolder(const fs::path& dir) {
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// Without a place for a new file the old one must take the bytes itself: not atomic, but the only
// way a user can still save a file he may write in a folder he may not. Its old bytes are put in
// safety first, so a crash halfway loses nothing.
WriteResult RewriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes) {
    const FileRead before = ReadRegularFile(target, std::numeric_limits<std::size_t>::max());
    if (!before.Read())
        return Failed(before.error != 0 ? before.error : EINVAL);
    const KeptCopy copy = KeepCopy(before.bytes, "overwritten", target);
    if (!copy.ok)
        return {false,
                "the folder takes no new files, and no copy of the old contents could be kept in " +
                    BackupFolder() + ": " + copy.reason,
                {}};
    // Once truncated the file holds the whole of its new bytes before a signal may end the program.
    const ScratchCleanup::Held held;
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return Failed(errno);
    bool ok = WriteFully(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok)
        return {false, std::string(std::strerror(err)) + "; the old contents are kept in " + copy.path,
                copy.path};
    return {true, {}, copy.path};
}

// A shared folder (world-writable and sticky, like /tmp) where `owner`'s link or file is not ours to
// follow or replace: it belongs neither to us, nor to root (links only), nor to the folder's owner.
bool OthersInSharedFolder(const fs::path& dir, uid_t owner, bool rootTrusted) {
    struct stat folder {};
    const uid_t me = ::geteuid();
    return ::stat(dir.empty() ? "." : dir.c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
           (folder.st_mode & S_IWOTH) && owner != me && owner != folder.st_uid &&
           !(rootTrusted && owner == 0);
}

// The scratch names live where a signal handler may read them: fixed buffers, each published by
// its `kind` only once its path is complete.
constexpr int kTerminatingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kScratchSlots = 8;
constexpr std::sig_atomic_t kFreeSlot = 0;
struct ScratchSlot {
    char path[PATH_MAX];
    volatile std::sig_atomic_t kind; // kFreeSlot, or 1 + ScratchCleanup::Kind
};
ScratchSlot gScratch[kScratchSlots];
std::mutex gScratchMutex;
int gLiveCleanups = 0;

std::sig_atomic_t SlotKind(ScratchCleanup::Kind kind) {
    return 1 + static_cast<std::sig_atomic_t>(kind);
}

// Only calls the system allows in a signal handler: unlink, rmdir, sigaction, raise.
void RemoveScratchAndEnd(int signal) {
    for (const ScratchCleanup::Kind kind : {ScratchCleanup::Kind::File, ScratchCleanup::Kind::Folder})
        for (ScratchSlot& slot : gScratch)
            if (slot.kind == SlotKind(kind))
                kind == ScratchCleanup::Kind::File ? ::unlink(slot.path) : ::rmdir(slot.path);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    ::sigaction(signal, &dfl, nullptr);
    // Blocked while this handler runs, the signal ends the program as soon as it returns.
    ::raise(signal);
}

sigset_t TerminatingSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kTerminatingSignals)
        sigaddset(&set, s);
    return set;
}

} // namespace

bool WriteFully(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t put = 0;
    while (put < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + put, bytes.size() - put);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        put += static_cast<std::size_t>(w);
    }
    return true;
}

ScratchCleanup::ScratchCleanup() {
    const std::lock_guard lock(gScratchMutex);
    if (gLiveCleanups++ > 0)
        return;
    struct sigaction ours {};
    ours.sa_handler = RemoveScratchAndEnd;
    ours.sa_mask = TerminatingSet();
    for (int s : kTerminatingSignals) {
        struct sigaction now {};
        if (::sigaction(s, nullptr, &now) == 0 && !(now.sa_flags & SA_SIGINFO) && now.sa_handler == SIG_DFL)
            ::sigaction(s, &ours, nullptr);
    }
}

ScratchCleanup::~ScratchCleanup() {
    const std::lock_guard lock(gScratchMutex);
    for (int i : slots_)
        gScratch[i].kind = kFreeSlot;
    if (--gLiveCleanups > 0)
        return;
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    for (int s : kTerminatingSignals) {
        struct sigaction now {};
        if (::sigaction(s, nullptr, &now) == 0 && !(now.sa_flags & SA_SIGINFO) &&
            now.sa_handler == RemoveScratchAndEnd)
            ::sigaction(s, &dfl, nullptr);
    }
}

bool ScratchCleanup::Add(const std::string& path, Kind kind) {
    const std::lock_guard lock(gScratchMutex);
    if (path.size() >= PATH_MAX)
        return false;
    for (std::size_t i = 0; i < kScratchSlots; ++i) {
        if (gScratch[i].kind != kFreeSlot)
            continue;
        std::memcpy(gScratch[i].path, path.c_str(), path.size() + 1);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        gScratch[i].kind = SlotKind(kind);
        slots_.push_back(static_cast<int>(i));
        return true;
    }
    return false;
}

int ScratchCleanup::MakeFile(std::string& pattern) {
    const Held held;
    const int fd = ::mkstemp(pattern.data());
    if (fd >= 0)
        Add(pattern, Kind::File);
    return fd;
}

ScratchCleanup::Held::Held() {
    const sigset_t set = TerminatingSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &previous_);
}

ScratchCleanup::Held::~Held() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

WriteTarget ResolveWriteTarget(const std::string& path) {
    // Component by component, as the kernel walks a path, so that a link met as a folder on the
    // way is judged as strictly as one at the end.
    std::deque<fs::path> rest;
    const fs::path given(path);
    for (const fs::path& part : given.relative_path())
        rest.push_back(part);
    fs::path p = given.root_path();
    int links = 0;
    while (!rest.empty()) {
        const fs::path name = rest.front();
        rest.pop_front();
        const fs::path dir = p;
        p /= name;
        struct stat link {};
        if (::lstat(p.c_str(), &link) != 0) {
            for (const fs::path& part : rest) // nothing there: the write itself will say why
                p /= part;
            break;
        }
        if (!S_ISLNK(link.st_mode))
            continue;
        if (OthersInSharedFolder(dir, link.st_uid, true))
            return {{}, "refused: " + p.string() + " is a link that another user made in a shared folder"};
        // The links of /proc/*/fd stand for files a process holds open (a pipe, a terminal, a file
        // the shell opened for appending): their names can neither be followed nor replaced.
        struct statfs fsInfo {};
        if (::statfs(dir.empty() ? "." : dir.c_str(), &fsInfo) == 0 && fsInfo.f_type == PROC_SUPER_MAGIC)
            return {{}, "refused: " + path + " is an open stream, not a file to replace"};
        std::error_code ec;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            return {{}, std::strerror(ec.value())};
        if (++links > kMaxLinks)
            return {{}, std::strerror(ELOOP)};
        const fs::path inward = to.relative_path();
        rest.insert(rest.begin(), inward.begin(), inward.end());
        p = to.is_absolute() ? to.root_path() : dir;
    }
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0)
        return {p.string(), {}};
    // Only a plain file is ever replaced: a rename over a device, a pipe or a folder would put a
    // file where the system had something else.
    if (!S_ISREG(st.st_mode))
        return {{}, "refused: " + p.string() + " is not a regular file"};
    // As the kernel refuses to open it: its owner could change what we write.
    if (OthersInSharedFolder(p.parent_path(), st.st_uid, false))
        return {{}, "refused: " + p.string() + " is a file of another user in a shared folder"};
    if (IsReadOnlyFile(p.string()))
        return {{}, "refused: " + p.string() + " is read-only"};
    return {p.string(), {}};
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    // No write bit at all is the read-only attribute, even for a superuser who could write anyway.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::string OutputNamesAnInput(const std::string& output, const std::vector<std::string>& inputs) {
    for (const std::string& in : inputs)
        if (SameFile(output, in))
            return in;
    return {};
}

WriteResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes, InPlace inPlace,
                                mode_t newFileMode) {
    const WriteTarget resolved = ResolveWriteTarget(path);
    if (resolved.path.empty())
        return {false, resolved.refusal, {}};
    const std::string& target = resolved.path;
    const fs::path targetPath(target);
    const fs::path dir = targetPath.has_parent_path() ? targetPath.parent_path() : fs::path(".");

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A short name of our own: one derived from the target's could pass the length a folder allows.
    std::string temp = (dir / ".rc-save.XXXXXX").string();
    ScratchCleanup cleanup;
    const int fd = cleanup.MakeFile(temp);
    if (fd < 0) {
        const int err = errno;
        const bool folderRefuses = err == EACCES || err == EPERM;
        if (folderRefuses && inPlace == InPlace::WithKeptCopy && exists && S_ISREG(old.st_mode) &&
            ::access(target.c_str(), W_OK) == 0)
            return RewriteInPlace(target, bytes);
        return Failed(err);
    }

    mode_t mode = 0;
    if (exists) {
        // Owner first: a change of owner may clear the set-id bits that the mode then restores. Only
        // a superuser may give a file away; anyone may keep a group he belongs to. Where neither
        // is allowed the new file is simply the user's own.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = newFileMode & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteFully(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Failed(err);
    }
    SyncFolder(dir); // the rename itself must survive a power cut
    return {true, {}, {}};
}

} // namespace rc
