// rclink: the serial and modem terminal that dials the repeater and moves its settings images.
#include "desktop/qt/display_check.h"
#include "desktop/qt/help_viewer.h"
#include "desktop/qt/qt_messages.h"
#include "files/backups.h"
#include "link/help_pages.h"
#include "link/link_settings.h"
#include "link/transfer_cli.h"
#include "link/ui/frm_comm.h"
#include "link/ui/frm_splash.h"
#include "link/ui/headless_transfer.h"
#include "link/ui/qt_serial_port.h"
#include "link/ui/qt_settings_store.h"
#include "link/ui/qt_timers.h"

#include <QApplication>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

namespace {
constexpr int kSplashMs = 4000;
}

int main(int argc, char** argv) {
    // The command line is read once. Scripted transfers, --help, --version and refused arguments run
    // without windows, and so without a display.
    std::string error;
    const std::optional<rc::link::HeadlessRequest> request =
        rc::link::ParseHeadlessArgs(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!request || !request->window)
        return rc::link::RunHeadlessTransfer(request, error);
    const bool splash = request->splash;

    rc::DisplayCheck display("rclink",
                             "Only the terminal window needs one: the transfers (rclink --port DEVICE "
                             "--download FILE or --upload FILE), --help and --version run without.");
    if (!display.DisplayNamed())
        return rc::link::kExitUsage;
    QApplication app(argc, argv);
    display.Opened();
    QApplication::setApplicationName("rclink");
    QGuiApplication::setDesktopFileName("rclink");
    QApplication::setQuitOnLastWindowClosed(false);

    rc::link::QtSerialPort port;
    rc::link::QtSettingsStore store;
    rc::QtMessages messages;
    rc::HelpViewer help(rc::link::LinkHelp());
    rc::link::QtTimerFactory timers;
    rc::link::QtClock clock;
    rc::link::frmComm window(port, store, messages, help, timers, clock);
    help.SetOwner(&window);
    QObject::connect(&window, &rc::link::frmComm::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    rc::link::frmSplash title(rc::link::frmSplash::Mode::StartUp);
    auto start = [&] {
        window.LoadSettings();
        rc::PruneCopies(rc::link::BackupDays(store));
        window.OpenPort();
        title.close();
        window.show();
    };
    if (splash) {
        title.show();
        QTimer::singleShot(kSplashMs, &app, start);
    } else {
        QTimer::singleShot(0, &app, start);
    }
    return app.exec();
}
