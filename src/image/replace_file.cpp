#include "image/replace_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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
    return {false, std::strerror(err)};
}

void SyncFolder(const fs::path& dir) {
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// Without a place for a new file the old one must take the bytes itself: not atomic, but the only
// way a user can still save a file he may write in a folder he may not.
WriteResult RewriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return Failed(errno);
    bool ok = WriteFully(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    return ok ? WriteResult{true, {}} : Failed(err);
}

} // namespace

std::string LinkTarget(const std::string& path) {
    fs::path p(path);
    std::error_code ec;
    for (int i = 0; i < kMaxLinks; ++i) {
        if (!fs::is_symlink(p, ec))
            return p.string();
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            return p.string();
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return path;
}

WriteResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = LinkTarget(path);
    const fs::path targetPath(target);
    const fs::path dir = targetPath.has_parent_path() ? targetPath.parent_path() : fs::path(".");

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    std::string temp = (dir / ("." + targetPath.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const int err = errno;
        if (exists && S_ISREG(old.st_mode) && ::access(target.c_str(), W_OK) == 0)
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
    return {true, {}};
}

} // namespace rc
