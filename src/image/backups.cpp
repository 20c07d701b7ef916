#include "image/backups.h"

#include "image/replace_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

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

} // namespace rc
