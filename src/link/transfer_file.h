#pragma once

// The files a transfer reads and writes. A download never writes into the chosen file while it runs:
// its blocks are held until the transfer has succeeded and only then replace the file's content in
// one step, so a broken line leaves an existing file exactly as it was.
// A whole download the file then refuses, or whose size is not the file's model's, is kept in the
// backups folder.

#include "link/xmodem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rc::link {

class DownloadFile : public IBlockStore {
public:
    explicit DownloadFile(std::string path);
    ~DownloadFile() override;
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    // False when the chosen file (links followed) may not be written, or, for a new file, its
    // folder may not take one: the user learns that before the line is busy, not after.
    bool Open();
    bool StoreBlock(std::span<const std::uint8_t> block) override;
    bool Commit() override;
    std::string FailureMessage() const override;
    std::string KeepWhole() override;
    // After a commit that had to rewrite the file in place: where its old bytes are kept.
    const std::string& KeptCopy() const { return keptCopy_; }
    // What arrived; after a commit, the file's new content.
    const std::vector<std::uint8_t>& Received() const { return received_; }

private:
    std::string path_;   // as chosen, for messages
    std::string target_; // the file that is replaced, links followed
    std::vector<std::uint8_t> received_;
    bool open_ = false;
    std::string refusal_; // the system's reason when the file may not be written
    std::string keptCopy_;
    std::string receivedCopy_; // after a failed commit: where what arrived is kept, as a message line
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
