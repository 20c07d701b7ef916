#include "image/backups.h"

#include "image/replace_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
    ::chmod(folder.c_str(), 0700); // copies of a user's images are his alone

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

int PruneCopies(int days, std::time_t now) {
    if (days <= 0)
        return 0;
    const auto limit = fs::file_time_type::clock::now() - std::chrono::seconds(std::time(nullptr) - now) -
                       std::chrono::hours(24) * days;
    int removed = 0;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(BackupFolder(), ec)) {
        std::error_code fileEc;
        if (e.is_regular_file(fileEc) && e.last_write_time(fileEc) < limit && !fileEc &&
            fs::remove(e.path(), fileEc))
            ++removed;
    }
    return removed;
}

} // namespace rc
