#include "shell/qt/rcedit_app.h"

#include "codecs/qt/frm_keypad.h" // qt_keypad.h holds a QPointer to it
#include "codecs/qt/frm_voice.h"
#include "codecs/qt/qt_keypad.h"
#include "desktop/qt/display_check.h"
#include "desktop/qt/help_viewer.h"
#include "desktop/qt/qt_messages.h"
#include "desktop/qt/signal_notifier.h"
#include "desktop/qt/single_instance.h"
#include "shell/help_topics.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/mdi_form1.h"
#include "shell/qt/qt_desktop.h"
#include "shell/qt/qt_file_dialogs.h"
#include "shell/qt/qt_settings_store.h"
#include "sound/qt/qt_sound_player.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace rc::shell {

namespace {

constexpr int kSplashMilliseconds = 2000;
// A file handed over while a dialog is open waits for it to close.
constexpr int kHandOverRetryMilliseconds = 250;

} // namespace

int RunEditor(int argc, char** argv, const cli::WindowCommand& options) {
    DisplayCheck display("rcedit",
                         "Only the editor window needs one: --report, --export, --diff, --import, "
                         "--check, --history, --sound, --help and --version run without (rcedit --help).");
    if (!display.DisplayNamed())
        return 2;
    QApplication app(argc, argv);
    display.Opened();
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName("rcedit");

    SingleInstance instance("rcedit");
    if (!instance.TryAcquire()) {
        // The running copy opens the file; the path must mean there what it means here.
        if (!options.file.empty())
            instance.HandOver(QFileInfo(QString::fromStdString(options.file)).absoluteFilePath());
        return 0;
    }

    EditorState state;
    QtMessages messages;
    QtFileDialogs fileDialogs;
    QtFontPicker fontPicker;
    QtSettingsStore settingsStore;
    QtDesktop desktop;
    HelpViewer help(EditorHelp());
    QtKeyPad keypad(messages, &help);
    // The word dialog and its pick lists are built once, before the first window shows.
    sound::QtSoundPlayer player;
    QtWordDialog words(messages, &help, nullptr, nullptr, &player);
    ShellServices services{messages,      fileDialogs, fontPicker, keypad, &help,
                           settingsStore, desktop,     words,      &player};

    std::unique_ptr<frmSplash> splash;
    std::unique_ptr<MDIForm1> main;

    std::deque<QString> handedOver;
    std::function<void()> openHandedOver = [&] {
        if (!main || handedOver.empty())
            return;
        // Never under an open dialog: it shows the image that would be replaced.
        if (QApplication::activeModalWidget()) {
            QTimer::singleShot(kHandOverRetryMilliseconds, &app, openHandedOver);
            return;
        }
        QString path = handedOver.front();
        handedOver.pop_front();
        main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
        main->raise();
        main->activateWindow();
        main->Files().OpenHandedOver(path.toStdString());
        if (!handedOver.empty())
            QTimer::singleShot(0, &app, openHandedOver);
    };
    QObject::connect(&instance, &SingleInstance::fileHandedOver, &app, [&](const QString& path) {
        handedOver.push_back(path);
        openHandedOver();
    });

    auto start = [&] {
        main = std::make_unique<MDIForm1>(state, services);
        fileDialogs.SetParent(main.get());
        fontPicker.SetParent(main.get());
        help.SetOwner(main.get());
        QObject::connect(main.get(), &MDIForm1::closed, &app, [&] {
            settingsStore.Sync();
            app.quit();
        });
        main->GetRegistry();
        main->DisplayFileList();
        main->StartUp();
        if (splash)
            splash->close();
        main->show();
        main->ShowTip();
        CloseOnTerminate(main.get());
        if (!options.file.empty())
            main->OpenAtStart(options.file);
        openHandedOver();
    };

    if (options.splash) {
        splash = std::make_unique<frmSplash>(SplashMode::StartUp, nullptr, nullptr, nullptr, nullptr);
        splash->show();
        QTimer::singleShot(kSplashMilliseconds, &app, start);
    } else {
        QTimer::singleShot(0, &app, start);
    }
    int status = app.exec();
    main.reset();
    return status;
}

} // namespace rc::shell
