#pragma once

// Helpers of the link program's window tests: driving modal dialogs, a scripted help and file dialog,
// and a modem at the far end of a real pseudo-terminal; with them the Qt headers the tests use.

#include "../link_fakes.h"
#include "link/ui/frm_comm.h"
#include "link/ui/qt_serial_port.h"
#include "link/ui/xfer_file_dialog.h"
#include "when_modal.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace rc::link::test {

using rc::test::Child;
using rc::test::Click;
using rc::test::WhenModal;

// Rejects whatever modal window is still up after `ms`, so a transfer that never ends fails the test.
inline void Guard(int ms = 20000) {
    QTimer::singleShot(ms, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            d->reject();
    });
}

using FakeHelp = rc::test::RecordingHelp;

// The main window on `Port`, everything else it talks to scripted (the timers unless real ones are
// asked for).
template <typename Port, typename Timers = FakeTimers> struct WindowOn {
    Port port;
    FakeStore store;
    FakeMessages messages;
    FakeHelp help;
    Timers timers;
    FakeClock clock;
    frmComm window{port, store, messages, help, timers, clock};

    // As the program starts: the settings read, the port opened, the window shown.
    void Start() {
        window.LoadSettings();
        window.OpenPort();
        window.move(40, 30);
        window.show();
    }
};

// The transfer commands' file dialog while it lives: records each request and answers `answer`.
class ScriptedDialog : public IFileDialog {
public:
    ScriptedDialog() { SetTransferFileDialog(this); }
    ~ScriptedDialog() override { SetTransferFileDialog(nullptr); }

    std::optional<std::string> answer;
    std::vector<FileDialogRequest> requests;
    std::function<void()> whileShown; // runs while the dialog would be up
    std::optional<std::string> Show(const FileDialogRequest& r) override {
        requests.push_back(r);
        if (whileShown)
            whileShown();
        return answer;
    }
};

// The modem end of a pseudo-terminal pair, whose far end is raw. The program opens SlavePath();
// everything it sends is collected here with the time it arrived.
class PtyModem {
public:
    PtyModem() {
        if (::openpty(&master_, &slave_, name_, nullptr, nullptr) != 0)
            return;
        termios t{};
        ::tcgetattr(slave_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slave_, TCSANOW, &t);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        for (int fd : {master_, slave_}) // a program started here must not keep the line up
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        clock_.start();
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadSome(); });
    }
    ~PtyModem() {
        notifier_.reset();
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }

    bool Ok() const { return master_ >= 0; }
    std::string SlavePath() const { return name_; }
    // The slave's line settings as the program left them.
    termios Line() const {
        termios t{};
        ::tcgetattr(slave_, &t);
        return t;
    }

    // Stops reading, as a far end that never takes what is sent.
    void SetReading(bool on) { notifier_->setEnabled(on); }
    // Takes what arrives, as a modem of the test's own.
    std::function<void(const QByteArray&)> onBytes;
    void Send(const QByteArray& bytes) { (void)!::write(master_, bytes.constData(), bytes.size()); }

    QByteArray Received() const { return received_; }
    // When the n-th received byte arrived (ms since the modem was made).
    qint64 ArrivalOf(int n) const { return arrivals_.at(n); }
    qint64 Now() const { return clock_.elapsed(); }

private:
    void ReadSome() {
        char buf[512];
        for (;;) {
            ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            QByteArray bytes(buf, static_cast<int>(n));
            received_ += bytes;
            arrivals_.insert(arrivals_.end(), n, clock_.elapsed());
            if (onBytes)
                onBytes(bytes);
        }
    }

    int master_ = -1;
    int slave_ = -1;
    char name_[128] = {};
    QElapsedTimer clock_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray received_;
    std::vector<qint64> arrivals_;
};

} // namespace rc::link::test
