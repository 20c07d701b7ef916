#include "shell/system_info.h"

#include <sys/stat.h>
#include <unistd.h>

namespace rc::shell {

namespace {

constexpr const char* kTools[] = {"hardinfo2",           "hardinfo",
                                  "kinfocenter",         "gnome-system-monitor",
                                  "mate-system-monitor", "xfce4-taskmanager"};

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::span<const char* const> SystemInfoTools() {
    return kTools;
}

std::string FindSystemInfoTool(const std::string& searchPath, std::span<const char* const> tools) {
    for (const char* tool : tools) {
        std::size_t start = 0;
        while (start <= searchPath.size()) {
            std::size_t end = searchPath.find(':', start);
            if (end == std::string::npos)
                end = searchPath.size();
            std::string dir = searchPath.substr(start, end - start);
            // An empty entry is the current folder, which we do not search: starting a program
            // from wherever the editor was started is no way to find a system tool.
            if (!dir.empty()) {
                std::string candidate = dir + (dir.back() == '/' ? "" : "/") + tool;
                if (IsExecutableFile(candidate))
                    return candidate;
            }
            start = end + 1;
        }
    }
    return {};
}

} // namespace rc::shell
