#include "link/ui/headless_transfer.h"

#include "desktop/qt/signal_notifier.h"
#include "files/read_file.h"
#include "link/download_changes.h"
#include "link/transfer_cli.h"
#include "link/transfer_file.h"
#include "link/ui/qt_serial_port.h"
#include "link/ui/xfer_driver.h"
#include "link/unattended_call.h"
#include "link/upload_check.h"
#include "rc_version.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
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

// The file a download just wrote, no larger than a download may be.
std::vector<std::uint8_t> WholeFile(const std::string& path) {
    return ReadRegularFile(path, std::size_t{1} << 20).bytes;
}

constexpr int kDrainLimitMs = 3000;
constexpr int kDrainPollMs = 10;

} // namespace

int RunHeadlessTransfer(const std::optional<HeadlessRequest>& request, const std::string& error) {
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
        if (const std::vector<std::string> findings = UploadFindings(request->file, file.bytes);
            !findings.empty() && !request->force) {
            std::fprintf(stderr,
                         "rclink: %s holds settings no dialog of the editor could have written; "
                         "nothing was sent (--force sends it all the same):\n",
                         request->file.c_str());
            for (const std::string& f : findings)
                std::fprintf(stderr, "  %s\n", f.c_str());
            return kExitUsage;
        }
        job.upload = std::move(file.bytes);
    }

    // A dialled run reads its chat and checks its file before the line is busy.
    CallPlan plan{request->init, request->dial, {}, request->chat};
    if (!request->chat.empty()) {
        std::string why;
        std::optional<std::vector<ChatStep>> steps = LoadChat(request->chat, &why);
        if (!steps) {
            std::fprintf(stderr, "rclink: %s\n", why.c_str());
            return kExitUsage;
        }
        plan.chat = std::move(*steps);
    }
    const bool download = job.direction == TransferDirection::Download;
    if (download && !request->dial.empty()) {
        if (DownloadFile probe(request->file); !probe.Open()) {
            std::fprintf(stderr, "rclink: %s\n", probe.FailureMessage().c_str());
            return kExitTransferFailed;
        }
    }
    const std::optional<EarlierCopy> previous = download ? NewestCopyOf(request->file) : std::nullopt;

    // Standard error may lose its reader midway (a closed pipe, an ended remote session): the
    // messages are lost then, but the run goes on to its hang-up instead of ending with the line up.
    std::signal(SIGPIPE, SIG_IGN);

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
    QObject::connect(&driver, &XferDriver::message, &app,
                     [&](const QString& text) { reporter.Message(text); });
    QObject::connect(&driver, &XferDriver::countersChanged, &app,
                     [&] { reporter.Progress(driver.Counters()); });

    // The last answer (the ACK to EOT, the hang-up) must have left before the port closes.
    QTimer drain;
    QElapsedTimer draining;
    int status = kExitTransferFailed;
    QObject::connect(&drain, &QTimer::timeout, &app, [&] {
        if (port.OutputDrained() || draining.elapsed() >= kDrainLimitMs)
            app.exit(status);
    });
    auto end = [&] {
        draining.start();
        drain.start(kDrainPollMs);
    };

    // The call around the transfer, when there is one.
    std::optional<UnattendedCall> call;
    QTimer wake;
    wake.setSingleShot(true);
    // The guard times around "+++" are what the modem measures: a coarse timer may fire early.
    wake.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    clock.start();
    int transferStatus = kExitTransferFailed;
    std::function<void(CallStep)> apply = [&](CallStep step) {
        for (const std::string& m : step.messages)
            reporter.Message(QString::fromStdString(" " + m));
        if (!step.send.empty())
            port.SendText(step.send);
        if (step.dtr) {
            port.SetDtr(*step.dtr);
            call->SetDtrWorks(port.ModemLinesSupported());
        }
        if (step.wake)
            wake.start(
                static_cast<int>(std::clamp<qint64>(*step.wake - clock.elapsed(), 0, 24 * 3600 * 1000)));
        else
            wake.stop();
        if (step.startTransfer)
            QTimer::singleShot(0, &driver, &XferDriver::Start);
        if (step.done) {
            status = call->Reached() ? transferStatus : kExitTransferFailed;
            end();
        }
    };
    auto reportChanges = [&](bool ok) {
        if (!ok || !download)
            return;
        const std::string said =
            DescribeChanges(previous, WholeFile(request->file), request->file, NewestCopyOf(request->file));
        if (!said.empty())
            reporter.Message(QString::fromStdString(" " + said));
    };

    // Ctrl-C, a polite kill and a closed terminal or remote session cancel the transfer like the
    // window's Cancel button, so the user's file stays as it was; a call that may be up is hung up
    // all the same. A file being written when one comes is finished first: the signal only wakes
    // the loop, which runs again once the write is over.
    SignalNotifier cancel({SIGINT, SIGTERM, SIGHUP}, [&] {
        if (driver.Running() || !call)
            driver.Cancel();
        else
            apply(call->Cancel(clock.elapsed()));
    });
    QObject::connect(&driver, &XferDriver::finished, &app, [&](bool ok) {
        reporter.EndProgress();
        reportChanges(ok);
        transferStatus = ok ? kExitTransferred : kExitTransferFailed;
        if (call) {
            apply(call->TransferEnded(clock.elapsed()));
        } else {
            status = transferStatus;
            end();
        }
    });
    if (request->dial.empty()) {
        QTimer::singleShot(0, &driver, &XferDriver::Start);
    } else {
        call.emplace(std::move(plan));
        QObject::connect(&wake, &QTimer::timeout, &app, [&] { apply(call->OnTimer(clock.elapsed())); });
        port.SetTerminalReceiver(
            [&](std::span<const std::uint8_t> bytes) { apply(call->OnBytes(bytes, clock.elapsed())); });
        QTimer::singleShot(0, &app, [&] { apply(call->Start(clock.elapsed())); });
    }
    const int result = app.exec();
    port.Close();
    return result;
}

} // namespace rc::link
