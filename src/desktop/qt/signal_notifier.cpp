#include "desktop/qt/signal_notifier.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rc {

namespace {

int gSignalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(gSignalPipe[0], &byte, 1);
}

} // namespace

SignalNotifier::SignalNotifier(std::initializer_list<int> which, std::function<void()> onSignal,
                               QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (gSignalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
        return;
    ::fcntl(gSignalPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(gSignalPipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(gSignalPipe[1], &byte, 1) > 0) {
        }
        onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : which) {
        struct sigaction old {};
        if (::sigaction(s, &action, &old) == 0)
            previous_.emplace_back(s, old);
    }
}

SignalNotifier::~SignalNotifier() {
    if (previous_.empty())
        return; // another notifier owns the pipe
    for (const auto& [s, old] : previous_)
        ::sigaction(s, &old, nullptr);
    for (int& fd : gSignalPipe) {
        ::close(fd);
        fd = -1;
    }
}

void CloseOnTerminate(QWidget* window) {
    new SignalNotifier(
        {SIGTERM, SIGHUP},
        [w = QPointer<QWidget>(window)] {
            if (w)
                w->close();
        },
        window);
}

} // namespace rc
