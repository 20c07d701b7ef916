#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace rc::test {

// Runs `action` on the modal dialog as soon as one is shown (from inside its exec()). When none
// appears within `timeoutMs`, or the action leaves it open, the dialog is rejected so a broken
// test fails instead of hanging.
inline void WhenModal(std::function<void(QWidget*)> action, int timeoutMs = 10000) {
    // Owned by the application, so a timer still waiting when the tests end goes with it.
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto acted = std::make_shared<QPointer<QWidget>>();
    auto done = std::make_shared<bool>(false);
    auto seen = std::make_shared<qint64>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, acted, done, seen, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        // A user meets a dialog once it is active (its activation fills some of its lists); one
        // the platform never activates is taken after a second.
        if (modal && !*seen)
            *seen = clock->elapsed();
        if (!*done && modal && (modal->isActiveWindow() || clock->elapsed() - *seen > 1000)) {
            *done = true;
            *acted = modal;
            action(modal);
            return;
        }
        // Only the dialog this call acted on is closed here, never one opened after it.
        if (*done && *acted && (*acted)->isVisible()) {
            if (auto* d = qobject_cast<QDialog*>(acted->data()))
                d->reject();
            else
                (*acted)->close();
        }
        if (*done || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace rc::test
