#include "link/download_changes.h"

#include "image/backups.h"
#include "image/image_bytes.h"
#include "image/replace_file.h"
#include "link/transfer_models.h"
#include "print/settings_list.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace rc::link {

namespace fs = std::filesystem;

namespace {

// A copy's name: "YYYY-MM-DD_HHMMSS[-N]_DIRECTION_FILENAME".
bool IsCopyOf(const std::string& copyName, const std::string& fileName) {
    const std::size_t first = copyName.find('_');
    const std::size_t second = first == std::string::npos ? first : copyName.find('_', first + 1);
    const std::size_t third = second == std::string::npos ? second : copyName.find('_', second + 1);
    return first == 10 && third != std::string::npos &&
           copyName.compare(third + 1, std::string::npos, fileName) == 0;
}

} // namespace

std::optional<EarlierCopy> NewestCopyOf(const std::string& file) {
    const std::string name = fs::path(file).filename().string();
    std::error_code ec;
    fs::path newest;
    // Copies are named by their time first, so the greatest name is the newest.
    for (const fs::directory_entry& e : fs::directory_iterator(BackupFolder(), ec))
        if (e.is_regular_file(ec) && IsCopyOf(e.path().filename().string(), name) &&
            e.path().filename() > newest.filename())
            newest = e.path();
    if (newest.empty())
        return std::nullopt;
    std::ifstream in(newest, std::ios::binary);
    EarlierCopy copy{newest.string(), newest.filename().string().substr(0, 17),
                     std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {})};
    if (!in.good() && !in.eof())
        return std::nullopt;
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
    const std::vector<print::SettingChange> changes = print::DiffSettings(before, after);
    const std::string count =
        changes.size() == 1 ? "1 setting changed" : std::to_string(changes.size()) + " settings changed";
    if (!newCopy || newCopy->path == previous->path)
        return count + " since " + previous->date + " (no copy was kept to write them beside)";
    const std::string path = newCopy->path + ".changes.txt";
    const std::string text =
        "# Changes from " + previous->path + " to " + newCopy->path + "\n" + print::ChangesText(changes);
    const WriteResult written = ReplaceFileContents(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), InPlace::Never);
    if (!written.ok)
        return count + " since " + previous->date + "; " + path + " could not be written: " + written.reason;
    return count + " since " + previous->date + " (see " + path + ")";
}

} // namespace rc::link
