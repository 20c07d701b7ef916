#include "link/ui/frm_comm.h"

#include "files/backups.h"

#include "desktop/qt/help_viewer.h"
#include "desktop/qt/window_fit.h"
#include "link/help_pages.h"
#include "link/ui/comm_setup.h"
#include "link/ui/frm_modem_init.h"
#include "link/ui/frm_splash.h"
#include "link/ui/terminal_view.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>
#include <string_view>

namespace rc::link {

namespace {

QPushButton* Button(const char* name, const char* caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

QLabel* PanelLabel(const char* name, int minimumWidth) {
    auto* l = new QLabel;
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(minimumWidth);
    return l;
}

QStringList SystemPorts() {
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append(info.systemLocation());
    return ports;
}

// The top left of the dialog beside the main window, kept on the main window's screen.
void PlaceBesideMain(QWidget* dialog, const QWidget* main) {
    dialog->adjustSize();
    const QRect frame = main->frameGeometry();
    Point p = SetupDialogTopLeft({frame.x(), frame.y()}, dialog->width(), dialog->height());
    dialog->move(p.x, p.y);
}

} // namespace

frmComm::frmComm(ISerialPort& port, ISettingsStore& store, IMessages& messages, IHelp& help,
                 ITimerFactory& timers, IClock& clock, QWidget* parent)
    : QMainWindow(parent), port_(port), store_(store), messages_(messages), help_(help), timers_(timers),
      clock_(clock) {
    setObjectName("frmComm");
    setWindowTitle("HaldenLink (32 Bit) Communications Program");
    FitWindowsToTitles();
    AddHelpKey(this, help_, kTerminalHelp);

    terminal_ = new TerminalView;
    auto* cmdDial = Button("cmdDial", "Dial Repeater");
    auto* cmdHangUp = Button("cmdHangUp", "Hang Up");
    auto* cmdDownload = Button("cmdDownload", "Download");
    auto* cmdUpload = Button("cmdUpload", "Upload");
    auto* cmdClrScreen = Button("cmdClrScreen", "Clear Screen");
    connect(cmdDial, &QPushButton::clicked, this, &frmComm::DialProcedure);
    connect(cmdHangUp, &QPushButton::clicked, this, &frmComm::HangUpProcedure);
    connect(cmdDownload, &QPushButton::clicked, this, &frmComm::PDownLoad);
    connect(cmdUpload, &QPushButton::clicked, this, &frmComm::PUpLoad);
    connect(cmdClrScreen, &QPushButton::clicked, this, &frmComm::ClearScreen);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdDial, cmdHangUp, cmdDownload, cmdUpload, cmdClrScreen})
        buttons->addWidget(b);
    buttons->addStretch();

    panels_[static_cast<int>(Panel::Port)] = rc::link::PanelLabel("sBar1_1", 110);
    panels_[static_cast<int>(Panel::Settings)] = rc::link::PanelLabel("sBar1_2", 150);
    panels_[static_cast<int>(Panel::Number)] = rc::link::PanelLabel("sBar1_3", 150);
    panels_[static_cast<int>(Panel::Clock)] = rc::link::PanelLabel("sBar1_4", 80);
    panels_[static_cast<int>(Panel::Message)] = rc::link::PanelLabel("sBar2_1", 360);
    panels_[static_cast<int>(Panel::Model)] = rc::link::PanelLabel("sBar2_2", 110);

    sBar2_ = new QStatusBar;
    sBar2_->setObjectName("sBar2");
    sBar2_->setSizeGripEnabled(false);
    sBar2_->addWidget(PanelLabel(Panel::Message), 1);
    sBar2_->addWidget(PanelLabel(Panel::Model));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(buttons);
    layout->addWidget(terminal_, 1);
    layout->addWidget(sBar2_);
    setCentralWidget(central);

    sBar1_ = statusBar();
    sBar1_->setObjectName("sBar1");
    sBar1_->addWidget(PanelLabel(Panel::Port));
    sBar1_->addWidget(PanelLabel(Panel::Settings));
    sBar1_->addWidget(PanelLabel(Panel::Number), 1);
    sBar1_->addWidget(PanelLabel(Panel::Clock));

    BuildMenus();
    resize(720, 480);

    ILinkWindow& self = *this;
    session_ = std::make_unique<LinkSession>(port_, messages_, timers_, clock_, self);
    SetPanel(Panel::Clock, ClockText(clock_.Now()));
}

frmComm::~frmComm() {
    terminal_->Bind(nullptr);
}

void frmComm::BuildMenus() {
    // The menu bar in the order shown: an entry without a command opens a menu and the items after
    // it belong to it; "-" is a line between items.
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> command;
    } items[] = {
        {"mnuFile", "&File", {}},
        {"", "-", {}},
        {"", "-", {}},
        {"mnuExit", "E&xit Program", [this] { close(); }},
        {"mnuConfiguration", "&Configuration", {}},
        {"mnuCommSetup", "&Comm Setup...", [this] { ShowCommSetup(); }},
        {"mnuModemSetup", "&Program Setup...", [this] { ShowProgramSetup(); }},
        {"mnuDialing", "&Dialing", {}},
        {"mnuDialRpt_1", "&Dial Repeater", [this] { DialProcedure(); }},
        {"mnuDisConnect", "Dis&connect", [this] { HangUpProcedure(); }},
        {"", "-", {}},
        {"mnuModemInit", "&Test Modem Init", [this] { TestModemInit(); }},
        {"mnuTransfers", "&Transfers", {}},
        {"mnuUpload", "&Upload Xmodem...", [this] { PUpLoad(); }},
        {"mnuDownload", "&Download Xmodem...", [this] { PDownLoad(); }},
        {"", "-", {}},
        {"mnuBackups", "&Backups...", [this] { ShowBackups(); }},
        {"mnuHelp", "&Help", {}},
        {"mnuHelpContents", "&Help Contents...",
         [this] {
             help_.ShowContents();
             FocusTerminal();
         }},
        {"mnuHelpSearch", "&Search For Help On...",
         [this] {
             help_.ShowSearch();
             FocusTerminal();
         }},
        {"mnuAbout", "&About...", [this] { ShowAbout(); }},
    };
    QMenu* menu = nullptr;
    for (const auto& item : items) {
        if (std::string_view(item.caption) == "-") {
            menu->addSeparator();
        } else if (!item.command) {
            menu = menuBar()->addMenu(item.caption);
            menu->setObjectName(item.name);
        } else {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            connect(action, &QAction::triggered, this, item.command);
        }
    }
    // File keeps both its lines above "E&xit Program", though nothing stands between them.
    findChild<QMenu*>("mnuFile")->setSeparatorsCollapsible(false);
}

void frmComm::ShowBackups() {
    // The copies of every image that went to or came from the controller, in the file manager.
    const QString folder = QString::fromStdString(BackupFolder());
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        setMessagePanel(" The backups are in " + folder);
    FocusTerminal();
}

QLabel* frmComm::PanelLabel(Panel panel) const {
    return panels_[static_cast<int>(panel)];
}

QString frmComm::panelText(Panel panel) const {
    return PanelLabel(panel)->text();
}

void frmComm::setMessagePanel(const QString& text) {
    PanelLabel(Panel::Message)->setText(text);
}

QString frmComm::messagePanel() const {
    return panelText(Panel::Message);
}

void frmComm::SetPanel(Panel panel, const std::string& text) {
    PanelLabel(panel)->setText(QString::fromStdString(text));
}

void frmComm::FocusTerminal() {
    terminal_->setFocus(Qt::OtherFocusReason);
}

void frmComm::AttachTerminal() {
    terminal_->Bind(&port_);
}

void frmComm::ClearTerminal() {
    terminal_->ClearScreen();
    terminal_->Home();
}

void frmComm::EndProgram() {
    close();
}

void frmComm::LoadSettings() {
    session_->LoadSettings(store_);
}

void frmComm::OpenPort() {
    session_->OpenPort();
}

void frmComm::DialProcedure() {
    session_->DialProcedure();
}

void frmComm::HangUpProcedure() {
    session_->HangUpProcedure();
}

void frmComm::TestModemInit() {
    session_->TestModemInit();
}

void frmComm::ClearScreen() {
    session_->ClearScreen();
}

void frmComm::ShowCommSetup() {
    CommSetup dialog(session_->Settings(), SystemPorts(), this);
    AddHelpKey(&dialog, help_, kCommSetupHelp);
    PlaceBesideMain(&dialog, this);
    if (dialog.exec() == QDialog::Accepted)
        session_->ApplyCommSetup(dialog.Choice());
}

void frmComm::ShowProgramSetup() {
    frmModemInit dialog(session_->Settings(), this);
    AddHelpKey(&dialog, help_, kProgramSetupHelp);
    PlaceBesideMain(&dialog, this);
    if (dialog.exec() == QDialog::Accepted)
        session_->ApplyProgramSetup(dialog.Setup());
}

void frmComm::ShowAbout() {
    auto* about = findChild<frmSplash*>("frmSplash", Qt::FindDirectChildrenOnly);
    if (about == nullptr) {
        about = new frmSplash(frmSplash::Mode::About, this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        AddHelpKey(about, help_, kAboutHelp);
    }
    about->show();
    about->raise();
    about->activateWindow();
}

void frmComm::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    if (session_->ShuttingDown())
        return;
    const QRect frame = frameGeometry();
    session_->SaveSettings(store_, frame.x() * kTwipsPerPixel, frame.y() * kTwipsPerPixel, [this] {
        ended_ = true;
        showMinimized();
        emit programEnded();
    });
}

void frmComm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FocusTerminal();
}

void frmComm::focusInEvent(QFocusEvent* event) {
    QMainWindow::focusInEvent(event);
    FocusTerminal();
}

} // namespace rc::link
