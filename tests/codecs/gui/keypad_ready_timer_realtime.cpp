// The keypad's own ready delay on the real clock. Waits about half a second, so it runs alone.
#include "codecs/qt/frm_keypad.h"
#include "codecs/qt/qt_keypad.h"
#include "dialog_fakes.h"

namespace rc {
namespace {

using namespace rc::testing;

TEST(KeyPadTimer, ProgramTimerMakesTheKeysLiveAfterHalfASecond) {
    RecordingMessages messages;
    QtKeyPad keypad(messages, nullptr);
    WhenModal([&](QWidget* pad) {
        auto* dialog = static_cast<frmKeyPad*>(pad);
        if (!dialog->Logic().Ready()) {
            Click(*pad, "cmdOne");
            EXPECT_EQ(TextOf(*pad, "lblDisplay"), "77");
        }
        // The delay runs out in the event loop, however slow the machine is today.
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->Logic().Ready(); }, 10000));
        Click(*pad, "cmdSix");
        Click(*pad, "cmdOK");
    });
    EXPECT_EQ(keypad.ShowKeyPad(1, 2, "DTMF Window", "77", 0), "6");
}

} // namespace
} // namespace rc
