#include "link/download_changes.h"

#include "files/backups.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "image/image_bytes.h"
#include "link/transfer_models.h"
#include "listing/settings_list.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace rc::link {

namespace fs = std::filesystem;

namespace {
// A kept copy is at most twice the largest model's image (a longer download is stopped); far
// larger is no copy of ours.
constexpr std::size_t kLongestCopy = 1 << 20;
} // namespace

std::optional<EarlierCopy> NewestCopyOf(const std::string& file) {
    // The backups folder's list knows which copies were made from this very file, in the order
    // they were made.
    const std::vector<CopyRecord> copies = CopiesOf(file);
    if (copies.empty())
        return std::nullopt;
    const fs::path newest(copies.back().path);
    FileRead read = ReadRegularFile(newest.string(), kLongestCopy);
    if (!read.Read())
        return std::nullopt;
    EarlierCopy copy{newest.string(), newest.filename().string().substr(0, 17), std::move(read.bytes)};
    copy.date[10] = ' ';
    copy.date.insert(15, ":");
    copy.date.insert(13, ":");
    return copy;
}

std::string DescribeChanges(const std::optional<EarlierCopy>& previous,
                            std::span<const std::uint8_t> received, const std::string& file,
                            const std::optional<EarlierCopy>& newCopy) {
    if (!previous)
        return {};
    if (std::equal(received.begin(), received.end(), previous->bytes.begin(), previous->bytes.end()))
        return "no setting changed since " + previous->date;
    const bool listed = std::string(ModelForPath(file).index) == "2" &&
                        received.size() == static_cast<std::size_t>(kImageSize) &&
                        previous->bytes.size() == received.size();
    if (!listed)
        return "the image differs from the copy of " + previous->date;
    ImageBytes before, after;
    std::copy(previous->bytes.begin(), previous->bytes.end(), before.MutableBytes().begin());
    std::copy(received.begin(), received.end(), after.MutableBytes().begin());
    const std::vector<listing::SettingChange> changes = listing::DiffSettings(before, after);
    const std::string count =
        changes.size() == 1 ? "1 setting changed" : std::to_string(changes.size()) + " settings changed";
    if (!newCopy || newCopy->path == previous->path)
        return count + " since " + previous->date + " (no copy was kept to write them beside)";
    const std::string path = newCopy->path + ".changes.txt";
    const std::string text =
        "# Changes from " + previous->path + " to " + newCopy->path + "\n" + listing::ChangesText(changes);
    // As private as the copies it lies beside.
    const WriteResult written =
        ReplaceFileContents(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                            InPlace::Never, 0600);
    if (!written.ok)
        return count + " since " + previous->date + "; " + path + " could not be written: " + written.reason;
    return count + " since " + previous->date + " (see " + path + ")";
}

} // namespace rc::link
