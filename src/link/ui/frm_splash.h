#pragma once

#include <QDialog>

class QPushButton;

namespace rc::link {

// The program's title window: at start-up without buttons, as the About box with OK and
// "System Info".
class frmSplash : public QDialog {
    Q_OBJECT
public:
    enum class Mode { StartUp, About };
    explicit frmSplash(Mode mode, QWidget* parent = nullptr);
    void SetMode(Mode mode);
    Mode CurrentMode() const { return mode_; }

    static constexpr const char* kTitle = "HaldenLink 32 Bit Communications Program";
    static constexpr const char* kVersion = "Version 2.10   December 24 , 1999";
    // The system's own description, shown by "System Info".
    static QString SystemInfoText();

private:
    void ShowSystemInfo();

    Mode mode_;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

} // namespace rc::link
