#pragma once

#include <QObject>

#include <csignal>
#include <functional>
#include <initializer_list>
#include <vector>

class QSocketNotifier;
class QWidget;

namespace rc {

// Runs `onSignal` from the event loop when the process receives one of the signals `which` (a signal handler
// may only write a byte; the rest must wait for the loop). The previous handlers come back when the
// notifier is destroyed. One notifier at a time.
class SignalNotifier : public QObject {
public:
    SignalNotifier(std::initializer_list<int> which, std::function<void()> onSignal,
                   QObject* parent = nullptr);
    ~SignalNotifier() override;
    SignalNotifier(const SignalNotifier&) = delete;
    SignalNotifier& operator=(const SignalNotifier&) = delete;

private:
    std::function<void()> onSignal_;
    std::vector<std::pair<int, struct sigaction>> previous_;
};

// Closes `window` as if the user had, when the program is asked to end (SIGTERM, SIGHUP: a desktop
// that logs out, `kill`), so its settings are saved and unsaved edits are asked about. Call once.
void CloseOnTerminate(QWidget* window);

} // namespace rc
