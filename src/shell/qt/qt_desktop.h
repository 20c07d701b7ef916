#pragma once

#include "shell/desktop.h"

namespace rc::shell {

// The user's browser through the desktop's URL handler, and the first system information program
// found on PATH.
class QtDesktop : public IDesktop {
public:
    bool OpenWebPage(const std::string& address) override;
    bool StartSystemInfo() override;
};

} // namespace rc::shell
