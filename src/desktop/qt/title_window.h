#pragma once

#include "desktop/help.h"

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QHBoxLayout;
class QPushButton;

namespace rc {

// What a program shows on its title window.
struct TitleTexts {
    QString caption; // the window title in About mode
    QString product; // the large title line
    QString version;
    QString build;     // the program's own version, as its --version prints it
    QStringList lines; // smaller lines below the version
    QPixmap picture;
};

// The splash window a program shows while it starts, which is also its About window. At start-up
// it has no buttons and the busy pointer and cannot be dismissed; as the About window it has OK and
// "System Info", and F1 opens its help page. It centres itself when first shown.
class TitleWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { StartUp, About };

    TitleWindow(Mode mode, const TitleTexts& texts, QWidget* parent = nullptr);
    void SetMode(Mode mode);
    Mode CurrentMode() const { return mode_; }

protected:
    // OK of the About window; closes it.
    virtual void OkClicked() { accept(); }
    virtual void SystemInfoClicked() = 0;
    // A control of the program's own at the left of the buttons, shown in About mode only.
    void AddToButtonRow(QWidget* widget);
    // F1 in About mode shows `context` of `help`.
    void SetHelp(IHelp* help, int context);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Mode mode_;
    QHBoxLayout* buttons_;
    QPushButton* cmdOK_;
    QPushButton* cmdSysInfo_;
    QList<QWidget*> aboutOnly_;
    QString caption_;
    QString product_;
    IHelp* help_ = nullptr;
    int helpContext_ = 0;
    bool centred_ = false;
};

} // namespace rc
