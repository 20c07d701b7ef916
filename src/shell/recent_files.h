#pragma once

#include <array>
#include <string>

namespace rc::shell {

inline constexpr int kRecentFileCount = 4;

// Full paths of the files opened or saved most recently, entry 0 the newest; "" is no file.
using RecentFiles = std::array<std::string, kRecentFileCount>;

// Records `path` as the newest entry. A path already in the list (exact, case-sensitive match) keeps
// its place and nothing changes. Returns true when the list changed and its menu must be redrawn.
bool ProcessFileList(RecentFiles& list, const std::string& path);

// One recent-file menu item: "&1 " + path, or "&1 .." + the last 45 characters of a long path.
struct RecentMenuItem {
    bool visible = false;
    std::string prefix;    // "&1 " or "&1 .."
    std::string shownPath; // the path or its tail, as plain text
    std::string Caption() const { return prefix + shownPath; }
};

struct RecentMenu {
    std::array<RecentMenuItem, kRecentFileCount> items;
    bool separatorVisible = false; // shown once any entry is
};

RecentMenu DisplayFileList(const RecentFiles& list);

// Number of characters (UTF-8 code points) in `text`.
std::size_t CharacterCount(const std::string& text);
// The last `count` characters of `text`, never splitting a multi-byte character.
std::string LastCharacters(const std::string& text, std::size_t count);

} // namespace rc::shell
