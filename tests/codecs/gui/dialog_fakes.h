#pragma once

// Scripted collaborators of the dialogs, a way to drive a modal exec() from inside, and the
// controls found, read and clicked by name.

#include "codecs/qt/frm_keypad.h"
#include "scripted_keypad.h"
#include "scripted_messages.h"
#include "when_modal.h"

#include <functional>
#include <utility>

namespace rc::testing {

using rc::test::Child;
using rc::test::Click;
using rc::test::RecordingHelp;
using rc::test::ScriptedKeyPad;
using rc::test::TextOf;
using rc::test::WhenModal;
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

// Where typed keys arrive: the focused widget, which passes on what it does not use.
inline QWidget* Keyboard(QWidget* window) {
    return window->focusWidget() ? window->focusWidget() : window;
}

} // namespace rc::testing
