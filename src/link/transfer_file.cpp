#include "link/transfer_file.h"

#include "link/transfer_models.h"

#include <filesystem>
#include <random>

namespace rc::link {

namespace fs = std::filesystem;

DownloadFile::DownloadFile(std::string path) : path_(std::move(path)) {}

DownloadFile::~DownloadFile() {
    Discard();
}

void DownloadFile::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!committed_ && !temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
        temp_.clear();
    }
}

bool DownloadFile::Open() {
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(fs::path(path_), ec);
    if (ec || target.filename().empty())
        return false;
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            return false;
        // A file the user may not write stays his, even though the folder would let us replace it.
        std::FILE* probe = std::fopen(target.c_str(), "ab");
        if (probe == nullptr)
            return false;
        std::fclose(probe);
    }
    target_ = target.string();

    std::random_device random;
    for (int attempt = 0; attempt < 20 && file_ == nullptr; ++attempt) {
        const fs::path temp = target.parent_path() / ("." + target.filename().string() + "." +
                                                      std::to_string(random() % 1000000) + ".part");
        // "x": never open a file that is already there.
        file_ = std::fopen(temp.c_str(), "wbx");
        if (file_ != nullptr)
            temp_ = temp.string();
        else if (!fs::exists(temp, ec))
            break; // not a name clash: the folder does not take new files
    }
    return file_ != nullptr;
}

bool DownloadFile::StoreBlock(std::span<const std::uint8_t> block) {
    if (file_ == nullptr)
        return false;
    return std::fwrite(block.data(), 1, block.size(), file_) == block.size();
}

bool DownloadFile::Commit() {
    if (file_ == nullptr)
        return false;
    const bool written = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !closed) {
        Discard();
        return false;
    }
    std::error_code ec;
    const fs::file_status old = fs::status(target_, ec);
    if (fs::exists(old))
        fs::permissions(temp_, old.permissions(), ec);
    fs::rename(temp_, target_, ec);
    if (ec) {
        Discard();
        return false;
    }
    committed_ = true;
    return true;
}

std::string DownloadFile::FailureMessage() const {
    return UnwritableFileMessage(path_);
}

UploadFile LoadUploadFile(const std::string& path) {
    UploadFile result;
    std::error_code ec;
    std::FILE* in = fs::is_regular_file(path, ec) ? std::fopen(path.c_str(), "rb") : nullptr;
    if (in == nullptr) {
        result.problem = UploadFile::Problem::Unreadable;
        result.refusal = UnreadableFileMessage(path);
        return result;
    }
    const std::size_t expected = static_cast<std::size_t>(ModelForPath(path).transferSize);
    // No need to read a file of the wrong size, however large.
    if (fs::file_size(path, ec) != expected && !ec) {
        std::fclose(in);
        result.problem = UploadFile::Problem::WrongSize;
        result.refusal = CorruptedFileMessage(path);
        return result;
    }
    std::uint8_t chunk[4096];
    std::size_t n;
    while (result.bytes.size() <= expected && (n = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        result.bytes.insert(result.bytes.end(), chunk, chunk + n);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) {
        result.bytes.clear();
        result.problem = UploadFile::Problem::Unreadable;
        result.refusal = UnreadableFileMessage(path);
    } else if (result.bytes.size() != expected) {
        result.bytes.clear();
        result.problem = UploadFile::Problem::WrongSize;
        result.refusal = CorruptedFileMessage(path);
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
