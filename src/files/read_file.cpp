#include "files/read_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rc {

std::string FileRead::Reason() const {
    return std::strerror(error);
}

FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    // The kind and size are asked before opening: opening a device may act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        result.error = errno;
        result.status = errno == ENOENT ? FileRead::Status::Missing : FileRead::Status::Failed;
        return result;
    }
    result.size = info.st_size;
    if (!S_ISREG(info.st_mode)) {
        result.status = FileRead::Status::NotPlain;
        return result;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        result.status = FileRead::Status::TooLarge;
        return result;
    }
    // Without waiting, and checked again once open: the name may have been given to a FIFO since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileRead::Status::NotPlain;
        ::close(fd);
        return result;
    }
    // Up to one byte past the limit: a file may grow while it is read.
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = errno;
            result.bytes.clear();
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
        if (result.bytes.size() > maxBytes) {
            result.bytes.clear();
            result.status = FileRead::Status::TooLarge;
            ::close(fd);
            return result;
        }
    }
    ::close(fd);
    result.status = FileRead::Status::Read;
    return result;
}

} // namespace rc
