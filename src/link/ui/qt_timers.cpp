#include "link/ui/qt_timers.h"

#include <QTime>

namespace rc::link {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (tick_)
            tick_();
    });
}

void QtTimer::Start(int intervalMs) {
    timer_.start(intervalMs);
}

void QtTimer::Stop() {
    timer_.stop();
}

bool QtTimer::IsActive() const {
    return timer_.isActive();
}

int QtTimer::Interval() const {
    return timer_.interval();
}

void QtTimer::SetTick(std::function<void()> tick) {
    tick_ = std::move(tick);
}

std::unique_ptr<ITimer> QtTimerFactory::CreateTimer(const std::string&) {
    return std::make_unique<QtTimer>();
}

TimeOfDay QtClock::Now() {
    QTime t = QTime::currentTime();
    return {t.hour(), t.minute(), t.second()};
}

} // namespace rc::link
