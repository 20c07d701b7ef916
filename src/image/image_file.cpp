#include "image/image_file.h"

#include "files/replace_file.h"
#include "image/regions.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rc {

namespace {

std::string SystemReason(int err) {
    return std::strerror(err);
}

// Reads until n bytes arrived, the end of the file, or an error.
ssize_t ReadFully(int fd, std::uint8_t* buf, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        ssize_t r = ::read(fd, buf + got, n - got);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        got += static_cast<std::size_t>(r);
    }
    return static_cast<ssize_t>(got);
}

} // namespace

bool HasImageExtension(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string last = path.substr(path.size() - 4);
    for (char& c : last)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return last == kImageExtension;
}

ReadResult ReadImageFile(const std::string& path, ImageBytes& out) {
    ReadResult result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.error = OpenError::OpenFailure;
        result.missing = errno == ENOENT;
        result.reason = SystemReason(errno);
        return result;
    }
    if (!HasImageExtension(path) || !S_ISREG(st.st_mode) || st.st_size != kImageSize) {
        result.error = OpenError::FilenameError;
        return result;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = OpenError::OpenFailure;
        result.reason = SystemReason(errno);
        return result;
    }
    // One byte more than an image, so a file that grew since it was measured is caught.
    std::array<std::uint8_t, kImageSize + 1> buf{};
    ssize_t got = ReadFully(fd, buf.data(), buf.size());
    int readErr = errno;
    ::close(fd);
    if (got < 0) {
        result.error = OpenError::OpenFailure;
        result.reason = SystemReason(readErr);
        return result;
    }
    if (got != kImageSize) {
        result.error = OpenError::FilenameError;
        return result;
    }
    auto dst = out.MutableBytes();
    std::copy(buf.begin(), buf.begin() + kImageSize, dst.begin());
    result.readOnly = IsReadOnlyFile(path);
    return result;
}

WriteResult WriteImageFile(const std::string& path, const ImageBytes& image) {
    return ReplaceFileContents(path, image.Bytes());
}

std::optional<MessageSpec> CheckClosure(const ImageBytes& image) {
    int bits = image[kSaveAlertZoneByte] & 7;
    if (bits == 1)
        return std::nullopt;
    std::string text;
    if ((bits & 1) == 0)
        text += "Repeater Transmitter Disabled";
    if (bits & 2)
        text += "\nRepeater CTCSS Enabled";
    if (bits & 4)
        text += "\nRepeater DTMF Access Enabled";
    text += "\nSave Anyway?";
    return MessageSpec{text, "File Save Alert", MessageIcon::Critical, MessageButtons::YesNo, Answer::No};
}

MessageSpec FilenameErrorMessage() {
    return {"Error, Incorrect Halden R8 Filename or File is Corrupted", "Filename Error",
            MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

MessageSpec OpenFailureMessage() {
    return {"Halden R8 File Open Error!\nFile May Be Missing", "Halden R File Open", MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

MessageSpec OpenErrorMessage(const ReadResult& result) {
    MessageSpec m = result.error == OpenError::FilenameError ? FilenameErrorMessage() : OpenFailureMessage();
    if (!result.reason.empty())
        m.text += "\n" + result.reason;
    return m;
}

MessageSpec SaveExtensionErrorMessage() {
    return {"Error, Filename must contain the extension .HR8.", "File Save Error", MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

MessageSpec ReadOnlyMessage(const std::string& path) {
    return {"Error.. " + path + " .. is Read Only", "Halden R8 Editor", MessageIcon::Exclamation,
            MessageButtons::Ok, Answer::Ok};
}

MessageSpec KeptCopyMessage(const std::string& path, const std::string& copy) {
    return {"The folder of " + path +
                " takes no new files, so the file was rewritten in place.\n"
                "Its old contents are kept in " +
                copy,
            "Halden R8 Editor", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

MessageSpec ChangedQuestion() {
    return {"The Data File has changed\nDo you want to save the changes?", "Halden R8 Editor",
            MessageIcon::Exclamation, MessageButtons::YesNoCancel, Answer::Cancel};
}

MessageSpec WriteFailureMessage(const std::string& path, const std::string& reason) {
    return {"Error.. " + path + " .. could not be saved\n" + reason, "Halden R8 Editor",
            MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

} // namespace rc
