#pragma once

#include "desktop/qt/title_window.h"

namespace rc::link {

// The program's title window: at start-up without buttons, as the About box with OK and
// "System Info".
class frmSplash : public TitleWindow {
    Q_OBJECT
public:
    explicit frmSplash(Mode mode, QWidget* parent = nullptr);

    static constexpr const char* kTitle = "HaldenLink 32 Bit Communications Program";
    static constexpr const char* kVersion = "Version 2.10   December 24 , 1999";
    // The system's own description, shown by "System Info".
    static QString SystemInfoText();

protected:
    void SystemInfoClicked() override;
};

} // namespace rc::link
