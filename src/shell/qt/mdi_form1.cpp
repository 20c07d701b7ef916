#include "shell/qt/mdi_form1.h"

#include "desktop/qt/centre_on_screen.h"
#include "desktop/qt/window_fit.h"
#include "editors/qt/frm_codes.h"
#include "editors/qt/frm_erase.h"
#include "editors/qt/frm_memory.h"
#include "editors/qt/frm_speed.h"
#include "editors/qt/frm_stat.h"
#include "editors/qt/frm_timer.h"
#include "editors/qt/frm_voc.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"
#include "shell/qt/automation_commands.h"
#include "shell/qt/frm_compare.h"
#include "shell/qt/frm_history.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"
#include "shell/qt/image_history.h"
#include "shell/qt/switch_tone_commands.h"
#include "shell/shell_texts.h"
#include "shell/status_date.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

namespace rc::shell {

namespace {

constexpr int kModInterval = 100; // ms
constexpr int kDiskSettleMs = 300;
constexpr const char* kHelpContextProperty = "helpContext";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

MDIForm1::MDIForm1(EditorState& state, const ShellServices& services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services),
      files_(state, settings_.Files, services.messages, services.files, *this, &settings_.LastFolder) {
    setObjectName("MDIForm1");
    setWindowTitle(kMainCaption);
    FitWindowsToTitles();
    setWindowIcon(QIcon(RepeaterPicture(64)));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("mdiArea");
    setCentralWidget(mdiArea_);
    resize(800, 560);

    history_ = new ImageHistory(state_, this);
    BuildMenus();
    BuildEditMenu();
    BuildStatusBar();
    InstallCommands();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (services_.help)
            services_.help->ShowContext(kMainWindowContext);
    });

    tmrMod_ = new QTimer(this);
    tmrMod_->setObjectName("tmrMod");
    tmrMod_->setInterval(kModInterval);
    connect(tmrMod_, &QTimer::timeout, this, &MDIForm1::tmrMod_Timer);
    tmrMod_->start();

    watcher_ = new QFileSystemWatcher(this);
    // A program that writes a file often does it in steps (a new file renamed into place): one look
    // once it has settled.
    diskCheck_ = new QTimer(this);
    diskCheck_->setSingleShot(true);
    diskCheck_->setInterval(kDiskSettleMs);
    connect(diskCheck_, &QTimer::timeout, this, &MDIForm1::CheckOpenFileOnDisk);
    connect(watcher_, &QFileSystemWatcher::fileChanged, diskCheck_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, diskCheck_, qOverload<>(&QTimer::start));

    UpdateCommandStates();
    DisplayFileList();
}

MDIForm1::~MDIForm1() {
    while (busy_ > 0)
        SetBusy(false);
}

void MDIForm1::BuildMenus() {
    std::map<std::string, QMenu*> menus;
    for (const MenuItem& item : MenuTree()) {
        QMenu* parentMenu = *item.parent ? menus.at(item.parent) : nullptr;
        QAction* action = nullptr;
        switch (item.kind) {
        case MenuKind::Menu: {
            QMenu* menu = parentMenu ? parentMenu->addMenu(item.caption) : menuBar()->addMenu(item.caption);
            menu->setObjectName(item.name);
            menus[item.name] = menu;
            action = menu->menuAction();
            break;
        }
        case MenuKind::Command:
            action = parentMenu->addAction(item.caption);
            break;
        case MenuKind::Separator:
            action = parentMenu->addSeparator();
            break;
        }
        action->setObjectName(item.name);
        action->setProperty(kHelpContextProperty, item.helpContext);
        actions_[item.name] = action;
        if (item.kind == MenuKind::Command) {
            std::string name = item.name;
            connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
        }
    }
}

void MDIForm1::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QString("Panels_%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setTextFormat(Qt::PlainText);
    }
    panels_[1]->setMinimumWidth(fontMetrics().horizontalAdvance("MMMMM"));
    panels_[1]->setAlignment(Qt::AlignCenter);
    bar->addWidget(panels_[0], 1);
    bar->addPermanentWidget(panels_[1]);
    bar->addPermanentWidget(panels_[2]);
}

void MDIForm1::InstallCommands() {
    SetCommand("mnuOpen", [this](int) { files_.Open(); });
    SetCommand("mnuSave", [this](int) { files_.Save(); });
    SetCommand("mnuSaveAs", [this](int) { files_.SaveAs(); });
    SetCommand("mnuCompare", [this](int) {
        if (auto other = files_.ChooseComparison()) {
            frmCompare dialog(QString::fromStdString(other->first),
                              listing::DiffSettings(state_.image, other->second), this);
            dialog.exec();
        }
    });
    SetCommand("mnuHistory", [this](int) {
        frmHistory dialog(state_, services_.files, services_.messages, this);
        dialog.exec();
    });
    SetCommand("mnuPrtFont", [this](int) { SelectPrintFont(settings_, services_.fonts); });
    for (int i = 0; i < kRecentFileCount; ++i)
        SetCommand("mnuFileList_" + std::to_string(i), [this, i](int) { files_.OpenRecent(i); });
    SetCommand("mnuExit", [this](int) { close(); });
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        SetCommand("mnuCodes_" + std::to_string(copy), [this, copy](int help) { ShowCodes(copy, help); });
        SetCommand("mnuTimers_" + std::to_string(copy), [this, copy](int help) { ShowTimers(copy, help); });
    }
    SetCommand("mnuVocBase", [this](int help) { ShowMessages(kBaseCopy, help); });
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        SetCommand("mnuMes_" + std::to_string(copy), [this, copy](int help) { ShowMessages(copy, help); });
    SetCommand("mnuUSD", [this](int help) {
        frmSpeed dialog(state_, services_.keypad, services_.words, services_.help, help, this);
        dialog.exec();
    });
    SetCommand("mnuESD", [this](int help) {
        frmEmer dialog(state_, services_.keypad, services_.words, services_.help, help, this);
        dialog.exec();
    });
    SetCommand("mnuPreDial", [this](int help) {
        frmPreDial dialog(state_, services_.keypad, services_.help, help, this);
        dialog.exec();
    });
    InstallSwitchToneCommands(*this, state_, services_);
    SetCommand("mnuMemory", [this](int help) { ShowMemory(help); });
    SetCommand("mnuFlush", [this](int help) { ShowErase(help); });
    SetCommand("mnuStats", [this](int help) { ShowStats(help); });
    SetCommand("mnuPrint", [this](int help) { ShowPrint(help); });
    SetCommand("mnuHelpContents", [this](int) {
        if (services_.help)
            services_.help->ShowContents();
    });
    SetCommand("mnuHelpSearch", [this](int) {
        if (services_.help)
            services_.help->ShowSearch();
    });
    SetCommand("mnuWeb", [this](int) { OpenWeb(); });
    SetCommand("mnuAbout", [this](int) { ShowAbout(); });
    InstallAutomationCommands(*this, state_, services_);
}

void MDIForm1::SetCommand(const std::string& menuName, std::function<void(int)> handler) {
    handlers_[menuName] = std::move(handler);
    UpdateCommandStates();
}

QAction* MDIForm1::Command(const std::string& menuName) const {
    auto it = actions_.find(menuName);
    return it == actions_.end() ? nullptr : it->second;
}

QLabel* MDIForm1::Panel(int number) const {
    return number >= 1 && number <= 3 ? panels_[number - 1] : nullptr;
}

void MDIForm1::RunCommand(const std::string& menuName) {
    auto it = handlers_.find(menuName);
    QAction* action = Command(menuName);
    if (it == handlers_.end() || !action || !action->isEnabled())
        return;
    it->second(action->property(kHelpContextProperty).toInt());
}

void MDIForm1::UpdateCommandStates() {
    for (const MenuItem& item : MenuTree()) {
        QAction* action = Command(item.name);
        if (!action || item.kind == MenuKind::Separator)
            continue;
        bool allowed = !item.needsImage || state_.FileOpen;
        if (item.kind == MenuKind::Command)
            allowed = allowed && handlers_.count(item.name);
        action->setEnabled(allowed);
    }
}

void MDIForm1::GetRegistry() {
    settings_ = shell::GetRegistry(services_.settings);
    DisplayFileList();
}

void MDIForm1::SaveRegistry() {
    shell::SaveRegistry(services_.settings, settings_);
}

void MDIForm1::DisplayFileList() {
    RecentMenu menu = shell::DisplayFileList(settings_.Files);
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction* action = Command("mnuFileList_" + std::to_string(k));
        const RecentMenuItem& item = menu.items[static_cast<std::size_t>(k)];
        // A '&' in a folder name is part of the path, not an access key.
        action->setText(Text(item.prefix) + Text(item.shownPath).replace('&', "&&"));
        action->setVisible(item.visible);
    }
    Command("mnuSep4")->setVisible(menu.separatorVisible);
}

void MDIForm1::StartUp() {
    panels_[2]->setText(Text(TodayStatusDate()));
    state_.FileOpen = false;
    UpdateCommandStates();
}

bool MDIForm1::OpenAtStart(const std::string& path) {
    // The recent list must still find the file when the editor is next started from elsewhere.
    QString absolute = QFileInfo(Text(path)).absoluteFilePath();
    return files_.OpenPath(path.empty() ? path : absolute.toStdString());
}

frmTip* MDIForm1::ShowTip() {
    if (settings_.ShowTips == 0)
        return nullptr;
    if (!tip_) {
        tip_ = new frmTip(settings_.ShowTips, this);
        tip_->setAttribute(Qt::WA_DeleteOnClose);
    }
    tip_->show();
    tip_->raise();
    return tip_;
}

void MDIForm1::tmrMod_Timer() {
    history_->Record();
    panels_[1]->setText(state_.IsChanged() ? kModIndicator : "");
}

void MDIForm1::BuildEditMenu() {
    // Between "&File" and "&Codes/Timers", as desktop programs place it.
    auto* edit = new QMenu("&Edit", this);
    edit->setObjectName("mnuEdit");
    edit->menuAction()->setObjectName("mnuEdit");
    menuBar()->insertMenu(Command("mnuCodesTimers"), edit);
    QAction* undo = history_->Stack().createUndoAction(edit, "&Undo");
    undo->setObjectName("mnuUndo");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history_->Stack().createRedoAction(edit, "&Redo");
    redo->setObjectName("mnuRedo");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    // The shortcuts desktop users expect on the File menu, shown beside the items.
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& [name, key] : keys)
        Command(name)->setShortcut(key);
}

void MDIForm1::ImageLoaded() {
    history_->Reset();
}

void MDIForm1::ShowCodes(int copy, int helpContext) {
    frmCodes_1 dialog(state_, copy, services_.keypad, services_.help, helpContext, this);
    dialog.exec();
}

void MDIForm1::ShowTimers(int copy, int helpContext) {
    frmTimer1 dialog(state_, copy, services_.keypad, services_.help, helpContext, this);
    dialog.exec();
}

void MDIForm1::ShowMessages(int copy, int helpContext) {
    if (copy == kBaseCopy) {
        frmVoc dialog(state_, services_.words, services_.help, helpContext, this,
                      {services_.sound, &services_.messages});
        dialog.exec();
    } else {
        frmVocMem dialog(state_, copy, services_.words, services_.help, helpContext, this,
                         {services_.sound, &services_.messages});
        dialog.exec();
    }
}

void MDIForm1::ShowMemory(int helpContext) {
    if (!memory_)
        memory_ =
            new frmMemory(state_, services_.messages, history_->Namer(), services_.help, helpContext, this);
    memory_->exec();
}

void MDIForm1::ShowErase(int helpContext) {
    frmErase dialog(state_, services_.messages, history_->Namer(), services_.help, helpContext, this);
    dialog.exec();
}

void MDIForm1::ShowStats(int helpContext) {
    frmStat dialog(state_, services_.messages, history_->Namer(), services_.help, helpContext, this);
    dialog.exec();
}

void MDIForm1::ShowPrint(int helpContext) {
    if (!print_) {
        auto font = [this] {
            return print::PrinterFont{Text(settings_.PrintFontName), FontSizeValue(settings_.PrintFontSize)};
        };
        print_ = new print::frmPrint(state_, font, services_.messages, *printing_, services_.help,
                                     helpContext, this);
    }
    print_->exec();
}

void MDIForm1::ShowAbout() {
    if (!about_) {
        about_ = new frmSplash(SplashMode::About, &settings_.ShowTips, &services_.desktop,
                               &services_.messages, services_.help, this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MDIForm1::OpenWeb() {
    if (!services_.desktop.OpenWebPage(kWebAddress))
        services_.messages.Beep();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!files_.QueryUnload()) {
        event->ignore();
        return;
    }
    SaveRegistry();
    event->accept();
    emit closed();
}

void MDIForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

void MDIForm1::SetImageCommandsEnabled(bool) {
    UpdateCommandStates();
}

void MDIForm1::SetStatusFile(const std::string& text) {
    panels_[0]->setText(Text(text));
    WatchOpenFile();
}

void MDIForm1::WatchOpenFile() {
    const QStringList now = watcher_->files() + watcher_->directories();
    if (!now.isEmpty())
        watcher_->removePaths(now);
    if (!state_.FileOpen || state_.SavePath.empty())
        return;
    const QFileInfo file(QString::fromStdString(state_.SavePath));
    watcher_->addPath(file.absolutePath());
    if (file.exists())
        watcher_->addPath(file.absoluteFilePath());
}

void MDIForm1::CheckOpenFileOnDisk() {
    // Never over an open dialog: it shows the image a reload would replace.
    if (QApplication::activeModalWidget()) {
        diskCheck_->start();
        return;
    }
    // A file replaced by a rename is a new file to the watcher.
    WatchOpenFile();
    files_.OnChangedOnDisk();
}

void MDIForm1::ShowRecentFiles(const RecentFiles&) {
    DisplayFileList();
}

void MDIForm1::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busy_;
    } else if (busy_ > 0) {
        QApplication::restoreOverrideCursor();
        --busy_;
    }
}

} // namespace rc::shell
