#pragma once

#include "desktop/help.h"
#include "desktop/qt/title_window.h"
#include "image/messages.h"
#include "shell/desktop.h"

class QCheckBox;

namespace rc::shell {

using SplashMode = TitleWindow::Mode;

// The editor's splash window, which is also its About window with the tip box.
class frmSplash : public TitleWindow {
    Q_OBJECT
public:
    // `showTips`, `desktop` and `messages` are used in About mode only and may be null otherwise.
    frmSplash(SplashMode mode, int* showTips, IDesktop* desktop, IMessages* messages, IHelp* help,
              QWidget* parent = nullptr);

protected:
    void OkClicked() override;
    void SystemInfoClicked() override;

private:
    int* showTips_;
    IDesktop* desktop_;
    IMessages* messages_;
    QCheckBox* chkShowTips_;
};

// The artwork of the splash window, also the program's icon: a repeater tower on the air.
QPixmap RepeaterPicture(int size);

} // namespace rc::shell
