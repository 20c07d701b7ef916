#include "link/transfer_file.h"

#include "files/backups.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "link/link_settings.h"
#include "link/transfer_models.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace rc::link {

namespace fs = std::filesystem;

DownloadFile::DownloadFile(std::string path) : path_(std::move(path)) {}

DownloadFile::~DownloadFile() = default;

bool DownloadFile::Open() {
    const WriteTarget resolved = ResolveWriteTarget(path_);
    refusal_ = resolved.refusal;
    if (resolved.path.empty())
        return false;
    std::error_code ec;
    const fs::path target = fs::absolute(fs::path(resolved.path), ec);
    if (ec || !target.has_filename())
        return false;
    // What is there was judged above; a new file needs a folder that takes it.
    if (!fs::exists(target, ec) && ::access(target.parent_path().c_str(), W_OK | X_OK) != 0)
        return false;
    target_ = target.string();
    received_.clear();
    open_ = true;
    return true;
}

bool DownloadFile::StoreBlock(std::span<const std::uint8_t> block) {
    if (!open_)
        return false;
    received_.insert(received_.end(), block.begin(), block.end());
    return true;
}

bool DownloadFile::Commit() {
    if (!open_)
        return false;
    open_ = false;
    const WriteResult written = ReplaceFileContents(target_, received_);
    refusal_ = written.reason;
    keptCopy_ = written.keptCopy;
    if (!written.ok) {
        // The whole image came and the controller need not be read again: its bytes go where the
        // user finds them.
        const rc::KeptCopy copy = KeepCopy(received_, "download", path_);
        receivedCopy_ = copy.ok ? "\n The image received is kept in " + copy.path
                                : "\n No copy kept in " + BackupFolder() + ": " + copy.reason;
    }
    return written.ok;
}

std::string DownloadFile::KeepWhole() {
    // Of another model's size it is named for that model, so that the program for that model opens
    // it, and counts as made from that name beside the chosen file: it never stands in for the
    // chosen file's own newest copy. Of no model's size it is a part of an image, kept under a
    // name of its own that the clean-up never takes for a copy.
    const TransferModel* fits = ModelOfSize(received_.size());
    const std::string extension = !fits                             ? ".partial"
                                  : fits->index == std::string("4") ? ".HK9"
                                                                    : fits->extension;
    const rc::KeptCopy copy = KeepCopy(received_, "download", path_ + extension);
    if (!copy.ok)
        return "\n No copy kept in " + BackupFolder() + ": " + copy.reason;
    if (!fits)
        return "\n The image received is kept in " + copy.path;
    return "\n The image received is the size of a " + ModelDisplayText(fits->index) +
           " file and is kept in " + copy.path;
}

std::string DownloadFile::FailureMessage() const {
    return UnwritableFileMessage(path_) + (refusal_.empty() ? "" : "\n " + refusal_) + receivedCopy_;
}

UploadFile LoadUploadFile(const std::string& path) {
    UploadFile result;
    const std::size_t expected = static_cast<std::size_t>(ModelForPath(path).transferSize);
    // No need to read a file of the wrong size, however large.
    FileRead read = ReadRegularFile(path, expected);
    const bool wrongSize =
        read.status == FileRead::Status::TooLarge || (read.Read() && read.bytes.size() != expected);
    if (wrongSize) {
        result.problem = UploadFile::Problem::WrongSize;
        result.refusal = CorruptedFileMessage(path);
    } else if (!read.Read()) {
        result.problem = UploadFile::Problem::Unreadable;
        result.refusal = UnreadableFileMessage(path);
    } else {
        result.bytes = std::move(read.bytes);
    }
    return result;
}

std::string UnreadableFileMessage(const std::string& path) {
    return "File " + path + " could not be read. Transfer Aborted";
}

std::string UnwritableFileMessage(const std::string& path) {
    return "File " + path + " could not be written. Transfer Aborted";
}

} // namespace rc::link
