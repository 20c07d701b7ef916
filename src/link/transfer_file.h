#pragma once

// The files a transfer reads and writes. A download never writes into the chosen file: its blocks go
// into a new file beside it, which takes the chosen file's place only once the transfer has
// succeeded, so a broken line leaves an existing file exactly as it was.

#include "link/xmodem.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace rc::link {

class DownloadFile : public IBlockStore {
public:
    explicit DownloadFile(std::string path);
    ~DownloadFile() override;
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    // Creates the temporary file; false when the chosen file or its folder cannot be written.
    bool Open();
    bool StoreBlock(std::span<const std::uint8_t> block) override;
    bool Commit() override;
    std::string FailureMessage() const override;

    const std::string& TemporaryPath() const { return temp_; }

private:
    void Discard();

    std::string path_;   // as chosen, for messages
    std::string target_; // the file that is replaced, links followed
    std::string temp_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

// An upload file checked against its model's transfer size: its bytes, or the panel text that
// refuses it.
struct UploadFile {
    enum class Problem { None, Unreadable, WrongSize };
    std::vector<std::uint8_t> bytes;
    Problem problem = Problem::None;
    std::string refusal; // empty when the file may be sent
};
UploadFile LoadUploadFile(const std::string& path);

std::string UnreadableFileMessage(const std::string& path);
std::string UnwritableFileMessage(const std::string& path);

} // namespace rc::link
