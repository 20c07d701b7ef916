#pragma once

#include "link/link_timer.h"

#include <QTimer>

namespace rc::link {

// A window timer of the program: ticks on the user-interface thread between other events.
class QtTimer : public ITimer {
public:
    QtTimer();
    void Start(int intervalMs) override;
    void Stop() override;
    bool IsActive() const override;
    int Interval() const override;
    void SetTick(std::function<void()> tick) override;

private:
    QTimer timer_;
    std::function<void()> tick_;
};

class QtTimerFactory : public ITimerFactory {
public:
    std::unique_ptr<ITimer> CreateTimer(const std::string& name) override;
};

class QtClock : public IClock {
public:
    TimeOfDay Now() override;
};

} // namespace rc::link
