#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

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
            // A dialog the action closed is done with; one shown again later (a kept keypad) is
            // another showing, not this call's.
            if (*acted && (*acted)->isVisible())
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

// A named child of a window; a missing one fails the test.
template <typename T = QWidget> T* Child(QWidget& window, const QString& name) {
    auto* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

// What a named label shows.
inline std::string TextOf(QWidget& window, const QString& name) {
    auto* label = Child<QLabel>(window, name);
    return label ? label->text().toStdString() : "<no " + name.toStdString() + ">";
}

// A click as the user makes it: a button clicks, any other control takes the mouse.
inline void Click(QWidget& window, const QString& name) {
    QWidget* widget = Child(window, name);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->click();
    else if (widget)
        QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace rc::test
