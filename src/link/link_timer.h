#pragma once

// Time as the link program's window procedures see it: repeating timers that tick on the program's
// one thread, and the time of day. The running program uses timers of the window system; tests
// fire them by hand.

#include <functional>
#include <memory>
#include <string>

namespace rc::link {

class ITimer {
public:
    virtual ~ITimer() = default;
    // (Re)starts the countdown: the first tick comes intervalMs from now, then one every intervalMs.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    virtual int Interval() const = 0;
    virtual void SetTick(std::function<void()> tick) = 0;
};

class ITimerFactory {
public:
    virtual ~ITimerFactory() = default;
    // `name` identifies the timer to a test ("Timer1", "Timer2", "tmr3ModemInit" ...).
    virtual std::unique_ptr<ITimer> CreateTimer(const std::string& name) = 0;
};

struct TimeOfDay {
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual TimeOfDay Now() = 0;
};

// "hh:mm:ss", 24-hour clock.
std::string ClockText(const TimeOfDay& t);

} // namespace rc::link
