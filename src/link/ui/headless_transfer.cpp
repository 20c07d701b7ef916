#include "link/ui/headless_transfer.h"

#include "desktop/qt/signal_notifier.h"
#include "link/transfer_cli.h"
#include "link/transfer_file.h"
#include "link/ui/qt_serial_port.h"
#include "link/ui/xfer_driver.h"
#include "rc_version.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace rc::link {

namespace {

// Progress on standard error: rewritten in place on a terminal, one line per change in a log.
class Reporter {
public:
    explicit Reporter(int expectedSize) : expected_(expectedSize), tty_(::isatty(STDERR_FILENO) == 1) {}

    void Message(const QString& text) {
        const std::string line = text.trimmed().toStdString();
        if (line.empty() || line == last_)
            return;
        last_ = line;
        EndProgress();
        std::fprintf(stderr, "rclink: %s\n", line.c_str());
    }
    void Progress(const XferCounters& c) {
        const std::string line = ProgressLine(c, expected_);
        if (line == lastProgress_)
            return;
        lastProgress_ = line;
        if (tty_) {
            std::fprintf(stderr, "\r%s", line.c_str());
            open_ = true;
        } else {
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    void EndProgress() {
        if (open_)
            std::fputc('\n', stderr);
        open_ = false;
    }

private:
    int expected_;
    bool tty_;
    bool open_ = false;
    std::string last_;
    std::string lastProgress_;
};

constexpr int kDrainLimitMs = 3000;
constexpr int kDrainPollMs = 10;

} // namespace

bool IsHeadlessTransfer(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a != "--no-splash"; });
}

int RunHeadlessTransfer(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<HeadlessRequest> request = ParseHeadlessArgs(args, &error);
    if (!request) {
        // The usage lines, the head of the help.
        const std::string usage = HeadlessUsage();
        std::fprintf(stderr, "rclink: %s\n%s", error.c_str(),
                     usage.substr(0, usage.find("\n\n") + 1).c_str());
        return kExitUsage;
    }
    if (request->help) {
        std::fputs(HeadlessUsage().c_str(), stdout);
        return kExitTransferred;
    }
    if (request->version) {
        std::printf("rclink %s\n", kProgramVersion);
        return kExitTransferred;
    }

    if (const std::string refusal = LineRefusal(request->line); !refusal.empty()) {
        std::fprintf(stderr, "rclink: %s\n", refusal.c_str() + 1);
        return kExitUsage;
    }

    XferJob job;
    job.direction = request->direction;
    // Nobody is there to press Cancel: a receiver that refuses the same block over and over ends it.
    job.refusalLimit = xmodem::kMaxRefusals;
    job.path = request->file;
    job.expectedSize = ModelForPath(request->file).transferSize;
    job.timing.microsPerByte = MicrosPerByte(request->line);
    if (job.direction == TransferDirection::Upload) {
        UploadFile file = LoadUploadFile(request->file);
        if (file.problem != UploadFile::Problem::None) {
            std::fprintf(stderr, "rclink: %s\n", file.refusal.c_str());
            return file.problem == UploadFile::Problem::Unreadable ? kExitUsage : kExitTransferFailed;
        }
        job.upload = std::move(file.bytes);
    }

    static char name[] = "rclink";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    QCoreApplication app(argc, argv);

    QtSerialPort port;
    std::string reason;
    if (!port.Open(request->line, &reason)) {
        std::fprintf(stderr, "rclink: %s\n", reason.c_str());
        return kExitUsage;
    }

    XferDriver driver(port, std::move(job));
    Reporter reporter(driver.Job().expectedSize);
    // Ctrl-C and a polite kill cancel the transfer like the window's Cancel button, so the user's
    // file stays as it was.
    SignalNotifier cancel({SIGINT, SIGTERM}, [&driver] { driver.Cancel(); });
    QObject::connect(&driver, &XferDriver::message, &app,
                     [&](const QString& text) { reporter.Message(text); });
    QObject::connect(&driver, &XferDriver::countersChanged, &app,
                     [&] { reporter.Progress(driver.Counters()); });

    // The last answer (the ACK to EOT) must have left before the port closes.
    QTimer drain;
    QElapsedTimer draining;
    int status = kExitTransferFailed;
    QObject::connect(&drain, &QTimer::timeout, &app, [&] {
        if (port.OutputDrained() || draining.elapsed() >= kDrainLimitMs)
            app.exit(status);
    });
    QObject::connect(&driver, &XferDriver::finished, &app, [&](bool ok) {
        reporter.EndProgress();
        status = ok ? kExitTransferred : kExitTransferFailed;
        draining.start();
        drain.start(kDrainPollMs);
    });
    QTimer::singleShot(0, &driver, &XferDriver::Start);
    const int result = app.exec();
    port.Close();
    return result;
}

} // namespace rc::link
