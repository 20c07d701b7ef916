#pragma once

#include "desktop/help.h"
#include "image/messages.h"
#include "link/link_session.h"
#include "link/link_settings.h"
#include "link/link_timer.h"
#include "link/serial_port.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QLabel;
class QPushButton;
class QStatusBar;

namespace rc::link {

class TerminalView;

// The link program's main window: a terminal on the serial port with the dial, hang-up and transfer
// commands, the setup dialogs and two status bars. The rules live in LinkSession; this window shows
// its panels and forwards the commands.
class frmComm : public QMainWindow, private ILinkWindow {
    Q_OBJECT
public:
    frmComm(ISerialPort& port, ISettingsStore& store, IMessages& messages, IHelp& help, ITimerFactory& timers,
            IClock& clock, QWidget* parent = nullptr);
    ~frmComm() override;

    // Start-up, in this order.
    void LoadSettings();
    void OpenPort();

    void DialProcedure();
    void HangUpProcedure();
    void TestModemInit();
    void ClearScreen();
    void ShowCommSetup();    // "Communications Setup", modal
    void ShowProgramSetup(); // "Program Setup", modal
    void ShowAbout();
    void ShowBackups();

    // The transfers (frm_comm_transfer.cpp).
    void PDownLoad();
    void PUpLoad();

    // What the transfer windows work with.
    ISerialPort& port() { return port_; }
    TerminalView& terminal() { return *terminal_; }
    IMessages& messages() { return messages_; }
    IHelp& help() { return help_; }
    ITimerFactory& timers() { return timers_; }
    IClock& clock() { return clock_; }
    // Set while a transfer procedure runs; dialing and hang-up do nothing meanwhile.
    bool isTransferBusy() const { return session_->TransferBusy(); }
    void setTransferBusy(bool busy) { session_->SetTransferBusy(busy); }
    // sBar2 panel 1, where transfers report their progress and outcome.
    void setMessagePanel(const QString& text);
    QString messagePanel() const;
    // The settings held in memory (a transfer changes the model type; it is stored at exit).
    LinkSettings& linkSettings() { return session_->Settings(); }
    LinkSession& session() { return *session_; }
    // The parent for the transfer's file dialog and window.
    QWidget* dialogParent() { return this; }
    void focusTerminal() { FocusTerminal(); }

    QString panelText(Panel panel) const;

signals:
    // The settings are written and the line has drained (or the wait gave up): the program may end.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void SetPanel(Panel panel, const std::string& text) override;
    void FocusTerminal() override;
    void AttachTerminal() override;
    void ClearTerminal() override;
    void EndProgram() override;

    void BuildMenus();
    QLabel* PanelLabel(Panel panel) const;

    ISerialPort& port_;
    ISettingsStore& store_;
    IMessages& messages_;
    IHelp& help_;
    ITimerFactory& timers_;
    IClock& clock_;
    TerminalView* terminal_ = nullptr;
    QStatusBar* sBar1_ = nullptr;
    QStatusBar* sBar2_ = nullptr;
    QLabel* panels_[6] = {};
    std::unique_ptr<LinkSession> session_;
    bool ended_ = false;
};

} // namespace rc::link
