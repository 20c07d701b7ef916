#pragma once

#include "codecs/keypad.h"
#include "codecs/word_dialog.h"
#include "desktop/help.h"
#include "editors/qt/frm_memory.h"
#include "image/editor_state.h"
#include "image/messages.h"
#include "print/qt/frm_print.h"
#include "shell/desktop.h"
#include "shell/editor_settings.h"
#include "shell/file_commands.h"
#include "sound/sound_player.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <string>

class QFileSystemWatcher;
class QLabel;
class QMdiArea;
class QTimer;

namespace rc::shell {

class ImageHistory;
class frmSplash;
class frmTip;

// Everything the main window works with besides the image: the program passes the real desktop
// services, tests pass scripted ones.
struct ShellServices {
    IMessages& messages;
    IFileDialogs& files;
    IFontPicker& fonts;
    IKeyPad& keypad;
    IHelp* help;
    ISettingsStore& settings;
    IDesktop& desktop;
    IWordDialog& words;
    sound::ISoundPlayer* sound = nullptr; // none: the play buttons say there is no sound output
};

// The editor's main window: the menu tree, the status bar with the "Mod" indicator, and the
// commands that open the files and the editor dialogs.
class MDIForm1 : public QMainWindow, private IShellView {
    Q_OBJECT
public:
    MDIForm1(EditorState& state, const ShellServices& services, QWidget* parent = nullptr);
    ~MDIForm1() override;

    void GetRegistry();
    void SaveRegistry();
    void DisplayFileList();
    void StartUp();
    // Opens a file named on the command line.
    bool OpenAtStart(const std::string& path);
    // The tip window, unless the user turned it off; null then.
    frmTip* ShowTip();

    // Makes `menuName` run `handler` with the item's help context; the item is enabled from then
    // on (once an image is open, for the items that need one).
    void SetCommand(const std::string& menuName, std::function<void(int helpContext)> handler);

    // The printer dialog and preview the print window uses (the system's unless replaced).
    void SetPrintService(print::IPrintService* printing) { printing_ = printing; }

    QAction* Command(const std::string& menuName) const;
    QLabel* Panel(int number) const; // 1..3
    EditorSettings& Settings() { return settings_; }
    FileCommands& Files() { return files_; }
    frmSplash* About() const { return about_; }

    // The modification indicator's tick: "Mod" while the image differs from the file.
    void tmrMod_Timer();

signals:
    // The window closed for good: its settings are saved.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildEditMenu();
    void BuildStatusBar();
    void InstallCommands();
    void RunCommand(const std::string& menuName);
    void UpdateCommandStates();
    void ShowCodes(int copy, int helpContext);
    void ShowTimers(int copy, int helpContext);
    void ShowMessages(int copy, int helpContext);
    void ShowAbout();
    void ShowMemory(int helpContext);
    void ShowErase(int helpContext);
    void ShowStats(int helpContext);
    void ShowPrint(int helpContext);
    void OpenWeb();
    // Follows the open file on disk, so that another program's write is noticed.
    void WatchOpenFile();
    void CheckOpenFileOnDisk();

    // IShellView
    void SetImageCommandsEnabled(bool enabled) override;
    void SetStatusFile(const std::string& text) override;
    void ShowRecentFiles(const RecentFiles& files) override;
    void SetBusy(bool busy) override;
    void ImageLoaded() override;

    EditorState& state_;
    ShellServices services_;
    EditorSettings settings_;
    FileCommands files_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, std::function<void(int)>> handlers_;
    QMdiArea* mdiArea_;
    QLabel* panels_[3];
    QTimer* tmrMod_;
    ImageHistory* history_;
    QFileSystemWatcher* watcher_;
    QTimer* diskCheck_;
    QPointer<frmSplash> about_;
    QPointer<frmTip> tip_;
    QPointer<frmMemory> memory_;      // hidden, not destroyed, between showings
    QPointer<print::frmPrint> print_; // keeps its ticks between showings
    print::QtPrintService systemPrinting_;
    print::IPrintService* printing_ = &systemPrinting_;
    bool centred_ = false;
    int busy_ = 0;
};

} // namespace rc::shell
