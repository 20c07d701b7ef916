#pragma once

#include <string>

namespace rc::shell {

// What the editor asks of the desktop beyond its own windows.
class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Opens the address in the user's web browser; false when that could not be started.
    virtual bool OpenWebPage(const std::string& address) = 0;
    // Starts the desktop's system information program; false when none could be started.
    virtual bool StartSystemInfo() = 0;
};

} // namespace rc::shell
