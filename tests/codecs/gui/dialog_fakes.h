#pragma once

// Scripted collaborators of the dialogs, a way to drive a modal exec() from inside, and the
// controls found, read and clicked by name.

#include "codecs/qt/frm_keypad.h"
#include "scripted_keypad.h"
#include "scripted_messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rc::testing {

using rc::test::RecordingHelp;
using rc::test::ScriptedKeyPad;
using RecordingMessages = rc::test::ScriptedMessages;

// The keypad's ready delay, run out when the test says so.
class ManualTimer : public IReadyTimer {
public:
    void Start(int milliseconds, std::function<void()> elapsed) override {
        started = milliseconds;
        elapsed_ = std::move(elapsed);
    }
    void Stop() override { elapsed_ = nullptr; }
    void Fire() {
        if (auto f = std::exchange(elapsed_, nullptr))
            f();
    }
    int started = 0;

private:
    std::function<void()> elapsed_;
};

// Runs `drive` on the modal widget once the next exec() is under way. A guard closes whatever is
// still open ten seconds later, so a broken test fails instead of hanging.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> drive) {
        QTimer::singleShot(0, [drive] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            drive(modal);
        });
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, [] {
            while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "dialog " << dialog->objectName().toStdString() << " left open";
                dialog->done(QDialog::Rejected);
            }
        });
        guard_.start(10000);
    }

private:
    QTimer guard_;
};

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

// Where typed keys arrive: the focused widget, which passes on what it does not use.
inline QWidget* Keyboard(QWidget* window) {
    return window->focusWidget() ? window->focusWidget() : window;
}

} // namespace rc::testing
