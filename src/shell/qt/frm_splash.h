#pragma once

#include "image/message.h"
#include "shell/desktop.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace rc::shell {

enum class SplashMode {
    StartUp, // shown while the program starts: no buttons, the busy pointer
    About,   // Help, About: OK, System Info and the tip box
};

// The splash window, which is also the About window.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    // `showTips`, `desktop` and `messages` are used in About mode only and may be null otherwise.
    frmSplash(SplashMode mode, int* showTips, IDesktop* desktop, IMessages* messages, IHelp* help,
              QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SplashMode mode_;
    int* showTips_;
    IDesktop* desktop_;
    IMessages* messages_;
    IHelp* help_;
    QCheckBox* chkShowTips_ = nullptr;
    bool centred_ = false;
};

// The artwork of the splash window, also the program's icon: a repeater tower on the air.
QPixmap RepeaterPicture(int size);

} // namespace rc::shell
