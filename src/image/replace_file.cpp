#include "image/replace_file.h"

#include "image/backups.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace rc {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40; // as the kernel allows when it follows a path

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

bool ReadWhole(const std::string& path, std::vector<std::uint8_t>& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::uint8_t buf[65536];
    ssize_t r = 0;
    while ((r = ::read(fd, buf, sizeof buf)) != 0) {
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            break;
        out.insert(out.end(), buf, buf + r);
    }
    ::close(fd);
    return r == 0;
}

// Without a place for a new file the old one must take the bytes itself: not atomic, but the only
// way a user can still save a file he may write in a folder he may not. Its old bytes are put in
// safety first, so a crash halfway loses nothing.
WriteResult RewriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> before;
    if (!ReadWhole(target, before))
        return Failed(errno);
    const KeptCopy copy = KeepCopy(before, "overwritten", fs::path(target).filename().string());
    if (!copy.ok)
        return {false,
                "the folder takes no new files, and no copy of the old contents could be kept in " +
                    BackupFolder() + ": " + copy.reason,
                {}};
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

} // namespace

WriteTarget ResolveWriteTarget(const std::string& path) {
    fs::path p(path);
    const uid_t me = ::geteuid();
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat link {};
        if (::lstat(p.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return {p.string(), {}};
        const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
        struct stat folder {};
        if (::stat(dir.c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH) &&
            link.st_uid != me && link.st_uid != 0 && link.st_uid != folder.st_uid)
            return {{}, "refused: " + p.string() + " is a link that another user made in a shared folder"};
        std::error_code ec;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            return {p.string(), {}};
        p = to.is_absolute() ? to : dir / to;
    }
    return {{}, std::strerror(ELOOP)};
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

WriteResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes,
                                InPlace inPlace) {
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
    const int fd = ::mkstemp(temp.data());
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
        mode = 0666 & ~mask;
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
