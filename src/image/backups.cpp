#include "image/backups.h"

#include "image/replace_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace rc {

namespace fs = std::filesystem;

std::string BackupFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data && *data && fs::path(data).is_absolute()) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : "/") / ".local" / "share";
    }
    return (base / "halden-r8-tools" / "backups").string();
}

KeptCopy KeepCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                  const std::string& fileName, std::time_t when) {
    const fs::path folder(BackupFolder());
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return {false, {}, ec.message()};
    // Copies of a user's images are his alone; a folder the user linked there keeps his own modes.
    if (fs::is_directory(fs::symlink_status(folder, ec)))
        ::chmod(folder.c_str(), 0700);

    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S", &local);
    // A long name is shortened before its extension so that the copy's name stays within what a
    // folder holds.
    constexpr std::size_t kLongestName = 255 - 48;
    std::string name = fs::path(fileName).filename().string();
    if (name.size() > kLongestName) {
        const std::string ext = fs::path(name).extension().string();
        name = name.substr(0, kLongestName - std::min(ext.size(), kLongestName)) + ext;
    }
    for (int n = 0; n < 1000; ++n) {
        const std::string prefix =
            std::string(stamp) + (n ? "-" + std::to_string(n) : "") + "_" + direction + "_";
        const fs::path copy = folder / (prefix + name);
        if (fs::exists(fs::symlink_status(copy, ec)))
            continue;
        const WriteResult written = ReplaceFileContents(copy.string(), bytes, InPlace::Never);
        if (!written.ok)
            return {false, {}, written.reason};
        return {true, copy.string(), {}};
    }
    return {false, {}, std::strerror(EEXIST)};
}

namespace {

// The part of a copy's name after its date, time and direction: the file's own name.
std::string OwnName(const std::string& copyName) {
    const std::size_t first = copyName.find('_');
    const std::size_t second = first == std::string::npos ? first : copyName.find('_', first + 1);
    const std::size_t third = second == std::string::npos ? second : copyName.find('_', second + 1);
    return third == std::string::npos ? std::string() : copyName.substr(third + 1);
}

bool HoldsBytes(const fs::path& file, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    if (fs::file_size(file, ec) != bytes.size() || ec)
        return false;
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return false;
    std::vector<std::uint8_t> held(bytes.size());
    const bool read = std::fread(held.data(), 1, held.size(), in) == held.size();
    std::fclose(in);
    return read && std::equal(held.begin(), held.end(), bytes.begin());
}

} // namespace

KeptCopy KeepNewCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                     const std::string& fileName, std::time_t when) {
    const std::string name = fs::path(fileName).filename().string();
    std::error_code ec;
    fs::path newest;
    // Copies are named by their time first, so the greatest name is the newest.
    for (const fs::directory_entry& e : fs::directory_iterator(BackupFolder(), ec))
        if (e.is_regular_file(ec) && OwnName(e.path().filename().string()) == name &&
            e.path().filename() > newest.filename())
            newest = e.path();
    if (!newest.empty() && HoldsBytes(newest, bytes))
        return {true, newest.string(), {}, true};
    return KeepCopy(bytes, direction, fileName, when);
}

namespace {

// When a copy was kept, read from the date and time its name starts with; nothing for a name this
// program did not give (such files are not ours to remove).
std::optional<std::time_t> KeptAt(const std::string& copyName) {
    std::tm t{};
    int used = 0;
    if (std::sscanf(copyName.c_str(), "%4d-%2d-%2d_%2d%2d%2d%n", &t.tm_year, &t.tm_mon, &t.tm_mday,
                    &t.tm_hour, &t.tm_min, &t.tm_sec, &used) != 6 ||
        used != 17 || OwnName(copyName).empty())
        return std::nullopt;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

} // namespace

int PruneCopies(int days, std::time_t now) {
    if (days <= 0)
        return 0;
    const fs::path folder(BackupFolder());
    std::error_code ec;
    // A folder reached through a link is somewhere the user chose for other things too.
    if (!fs::is_directory(fs::symlink_status(folder, ec)))
        return 0;
    // Age comes from the name, not from a time stamp any tool may change; the newest copy of each
    // file stays whatever its age, as it may be the only one a later transfer of the same bytes has.
    std::map<std::string, std::vector<std::pair<std::string, std::time_t>>> byFile;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
        const std::string name = e.path().filename().string();
        std::error_code fileEc;
        if (const auto kept = KeptAt(name); kept && fs::is_regular_file(e.symlink_status(fileEc)))
            byFile[OwnName(name)].emplace_back(name, *kept);
    }
    const std::time_t limit = now - static_cast<std::time_t>(days) * 24 * 3600;
    int removed = 0;
    for (auto& [file, copies] : byFile) {
        std::sort(copies.begin(), copies.end());
        copies.pop_back();
        for (const auto& [name, kept] : copies)
            if (kept < limit && fs::remove(folder / name, ec))
                ++removed;
    }
    return removed;
}

} // namespace rc
