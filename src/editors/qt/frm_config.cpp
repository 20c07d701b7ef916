#include "editors/qt/frm_config.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rc {

frmConfig::frmConfig(EditorState& state, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state) {
    setObjectName("frmConfig");
    setWindowTitle("Halden R8 Configuration Dialog Box");
    auto* layout = new QVBoxLayout(this);
    auto* clock = new QGroupBox("Clock Announcements", this);
    auto* clockLayout = new QVBoxLayout(clock);
    const char* clocks[] = {"Voice clock as 12 Hour Time", "Voice clock as 24 Hour Time"};
    for (int i = 0; i < 2; ++i) {
        optClock_[i] = new QRadioButton(clocks[i], clock);
        optClock_[i]->setObjectName(QString("optClock_%1").arg(i));
        clockLayout->addWidget(optClock_[i]);
    }
    layout->addWidget(clock);
    auto* flags = new QGroupBox("Halden R8 Option Flags", this);
    auto* flagsLayout = new QVBoxLayout(flags);
    for (int i = 0; i < 8; ++i) {
        const char* caption = i == 0   ? "Setup external DVR Board User Function Switches at power up."
                              : i == 1 ? "Inhibit Forced D Key from processing entered DTMF commands."
                                       : "Reserved";
        chkFlags_[i] = new QCheckBox(caption, flags);
        chkFlags_[i]->setObjectName(QString("chkFlags_%1").arg(i));
        flagsLayout->addWidget(chkFlags_[i]);
    }
    layout->addWidget(flags);
    cmdOK_ = MakeOkButton(this, [this] { cmdOK_Click(); });
    layout->addWidget(cmdOK_, 0, Qt::AlignCenter);

    // The dialog lives for one opening, so the flags are read once: a later activation must not undo
    // what the user ticked.
    const OptionFlags current = ReadOptionFlags(state_.image);
    optClock_[current.clock24 ? 1 : 0]->setChecked(true);
    chkFlags_[0]->setChecked(current.dvrSetup);
    chkFlags_[1]->setChecked(current.inhibitForcedD);
}

void frmConfig::cmdOK_Click() {
    SaveOptionFlags(state_.image,
                    {optClock_[1]->isChecked(), chkFlags_[0]->isChecked(), chkFlags_[1]->isChecked()});
    accept();
}

void frmConfig::Activate() {
    cmdOK_->setFocus();
}

} // namespace rc
