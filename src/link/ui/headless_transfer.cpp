#include "link/ui/headless_transfer.h"

#include <cstdio>

namespace rc::link {

bool IsHeadlessTransfer(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--port" || a == "--download" || a == "--upload")
            return true;
    return false;
}

int RunHeadlessTransfer(const std::vector<std::string>&) {
    std::fprintf(stderr, "rclink: transfers without windows are not available in this build\n");
    return 2;
}

} // namespace rc::link
