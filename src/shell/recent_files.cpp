#include "shell/recent_files.h"

#include <algorithm>

namespace rc::shell {

namespace {

// Paths this long or longer are shown by their tail so the File menu keeps a sane width.
constexpr std::size_t kLongPath = 46;
constexpr std::size_t kTailLength = 45;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

bool ProcessFileList(RecentFiles& list, const std::string& path) {
    if (path.empty() || std::find(list.begin(), list.end(), path) != list.end())
        return false;
    std::move_backward(list.begin(), list.end() - 1, list.end());
    list[0] = path;
    return true;
}

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::string LastCharacters(const std::string& text, std::size_t count) {
    std::size_t seen = 0;
    std::size_t pos = text.size();
    while (pos > 0 && seen < count) {
        --pos;
        if (!IsContinuationByte(text[pos]))
            ++seen;
    }
    return text.substr(pos);
}

RecentMenu DisplayFileList(const RecentFiles& list) {
    RecentMenu menu;
    for (int k = 0; k < kRecentFileCount; ++k) {
        const std::string& path = list[static_cast<std::size_t>(k)];
        RecentMenuItem& item = menu.items[static_cast<std::size_t>(k)];
        if (path.empty())
            continue;
        std::string number = "&" + std::to_string(k + 1) + " ";
        item.visible = true;
        if (CharacterCount(path) < kLongPath) {
            item.prefix = number;
            item.shownPath = path;
        } else {
            item.prefix = number + "..";
            item.shownPath = LastCharacters(path, kTailLength);
        }
        menu.separatorVisible = true;
    }
    return menu;
}

} // namespace rc::shell
