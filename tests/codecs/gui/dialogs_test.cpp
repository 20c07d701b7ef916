// The keypad and the word dialog as the user meets them: offscreen, their ready delay run out by hand.
#include "codecs/keypad.h"
#include "codecs/qt/frm_keypad.h"
#include "codecs/qt/frm_voice.h"
#include "codecs/qt/qt_keypad.h"
#include "dialog_fakes.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace rc {
namespace {

using namespace rc::testing;

class KeyPadDialog : public ::testing::Test {
protected:
    RecordingMessages messages;
    RecordingHelp help;
    ManualTimer timer;
    QtKeyPad keypad{messages, &help, timer};
};

TEST_F(KeyPadDialog, ClicksOnceReadyAndARefusedEntryStaysOpen) {
    WhenModal([this](QWidget* pad) {
        EXPECT_EQ(timer.started, 500);
        EXPECT_EQ(TextOf(*pad, "lblHeading"), "Repeater Time-Out");
        Click(*pad, "cmdSeven"); // too early: ignored
        Click(*pad, "cmdOK");
        EXPECT_TRUE(pad->isVisible());
        EXPECT_EQ(TextOf(*pad, "lblDisplay"), "90");
        timer.Fire();
        for (const char* key : {"cmdOne", "cmdEight", "cmdZero", "cmdOne", "cmdNine"})
            Click(*pad, key);
        EXPECT_EQ(TextOf(*pad, "lblDisplay"), "1801");
        EXPECT_EQ(messages.beeps, 1);
        Click(*pad, "cmdOK"); // refused: its message is the check's (the keypad logic's tests)
        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(pad->isVisible()) << "a refused entry stays open to be corrected";
        Click(*pad, "cmdClear");
        Click(*pad, "cmdOne");
        Click(*pad, "cmdOK");
    });
    EXPECT_EQ(keypad.ShowKeyPad(1, 4, "Repeater Time-Out", "90", 2), "1");
    EXPECT_FALSE(keypad.Dialog()->isVisible());
}

TEST_F(KeyPadDialog, CancelAndCloseBoxReturnTheOpeningValue) {
    std::function<void(QWidget*)> endings[] = {
        [this](QWidget* pad) { timer.Fire(), Click(*pad, "cmdFive"), Click(*pad, "cmdCancel"); },
        [this](QWidget* pad) { timer.Fire(), Click(*pad, "cmdFive"), pad->close(); },
        [](QWidget* pad) { pad->close(); }, // before the keys are live
        [this](QWidget* pad) {
            timer.Fire(), QTest::keyClicks(Keyboard(pad), "5"),
                QTest::keyClick(Keyboard(pad), Qt::Key_Escape);
        },
    };
    for (auto& ending : endings) {
        WhenModal(ending);
        EXPECT_EQ(keypad.ShowKeyPad(3, 7, "DTMF Pad Test", "*1A", 0), "*1A");
    }
}

TEST_F(KeyPadDialog, KeyboardPressesTheVisibleKeys) {
    struct Case {
        int mode, maxDigits;
        const char* typed;
        const char* result;
        int messages;
        bool beforeReady = false; // typed at once: kept, in order, until the keypad is ready
    } cases[] = {
        {6, 11, "9,,1d*#", "9,1*#", 1}, // the second delay refused; no D in this mode
        {3, 7, "abc*#0d,", "ABC*#0", 0},
        {1, 2, "*#a,4", "4", 0}, // digits only
        {1, 4, "7778\b", "777", 0, true},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        WhenModal([&](QWidget* pad) {
            if (!c.beforeReady)
                timer.Fire();
            EXPECT_EQ(pad->focusWidget(), pad->findChild<QPushButton*>("cmdOK"));
            QTest::keyClicks(Keyboard(pad), c.typed);
            QTest::keyClick(Keyboard(pad), Qt::Key_F1);
            QTest::keyClick(Keyboard(pad), c.mode == 1 ? Qt::Key_Enter : Qt::Key_Return);
            if (c.beforeReady) {
                EXPECT_TRUE(pad->isVisible());
                timer.Fire();
            }
        });
        EXPECT_EQ(keypad.ShowKeyPad(c.mode, c.maxDigits, "h", "9", 0), c.result) << c.typed;
        ASSERT_EQ(messages.shown.size(), static_cast<std::size_t>(c.messages)) << c.typed;
        for (const MessageSpec& m : messages.shown)
            EXPECT_EQ(m, (MessageSpec{"Error, One delay entry only.", "Autopatch Delay",
                                      MessageIcon::Exclamation}));
    }
    EXPECT_EQ(help.calls, std::vector<std::string>(4, "context " + std::to_string(kKeyPadHelpContext)));
}

TEST_F(KeyPadDialog, OneDialogHiddenBetweenUses) {
    WhenModal([this](QWidget* pad) { timer.Fire(), Click(*pad, "cmdCancel"); });
    keypad.ShowKeyPad(8, 1, "Enter Time Delay 0..9", "3", 7);
    frmKeyPad* dialog = keypad.Dialog();
    WhenModal([this, dialog](QWidget* pad) {
        EXPECT_EQ(pad, dialog);
        EXPECT_EQ(TextOf(*pad, "lblFreq_9"), "9 = 450 mS"); // kept from mode 8
        timer.Fire();
        Click(*pad, "cmdEight");
        Click(*pad, "cmdOK");
    });
    EXPECT_EQ(keypad.ShowKeyPad(7, 1, "Enter Frequency 1..8", "2", 6), "8");
    EXPECT_EQ(keypad.Dialog(), dialog);
}

// The real word dialog: filled once, a ready delay, one list at a time, words found by typing in
// the open list, Back Space by whole words.
TEST(WordDialogWindow, BuildsAListWordByWord) {
    RecordingMessages messages;
    ManualTimer timer;
    QtWordDialog service(messages, nullptr, &timer);
    frmVoice& dialog = *service.Dialog();
    auto* cboVoice = Child<PickListBox>(dialog, "cboVoice");

    VoiceContract voice;
    voice.VoiceMaxWords = 23;
    voice.VoiceMessageNumber = 13;
    voice.VoiceOldText = "A Call";
    dialog.Activate(voice);
    dialog.show();
    EXPECT_EQ(timer.started, 500);
    auto* text1 = Child<QLineEdit>(dialog, "Text1");
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_FALSE(cboVoice->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(dialog, "cmdBackSpace")->isEnabled());
    Click(dialog, "cmdClear");
    Click(dialog, "cmdExit");
    EXPECT_TRUE(dialog.isVisible()) << "nothing works before the ready delay";
    EXPECT_EQ(text1->text(), "A Call");

    timer.Fire();
    Click(dialog, "cmdClear");
    EXPECT_TRUE(cboVoice->isEnabled());
    const char* boxes[] = {"cboVoice", "cbocall", "cboSpecial"};
    const char* options[] = {"optAll", "optCall", "optSpecial"};
    for (int k : {1, 2, 0}) {
        Click(dialog, options[k]);
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(Child<QComboBox>(dialog, boxes[b])->isVisible(), b == k) << options[k] << boxes[b];
    }

    // Typing moves through the open list without picking; Enter picks.
    cboVoice->setFocus();
    QTest::keyClick(cboVoice, Qt::Key_L);
    ASSERT_TRUE(cboVoice->view()->isVisible());
    QTest::keyClicks(cboVoice->view(), "ess");
    EXPECT_EQ(dialog.Logic().Contract().VoiceWordCount, 0);
    QTest::keyClick(cboVoice->view(), Qt::Key_Return);
    EXPECT_EQ(dialog.Logic().Contract().VoiceWords[0], "555");
    cboVoice->activated(cboVoice->findData(210));
    EXPECT_EQ(text1->text(), "Less Than A");

    // Back Space takes a name with a blank whole (its rules are the logic's, tested there).
    Click(dialog, "cmdBackSpace");
    Click(dialog, "cmdBackSpace");
    EXPECT_EQ(text1->text(), "");
    Click(dialog, "cmdBackSpace");
    EXPECT_EQ(messages.beeps, 1);
    cboVoice->activated(cboVoice->findData(250));
    Click(dialog, "cmdExit");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Logic().Contract().VoiceNewText, "B"); // the rest of the result is the logic's
}

} // namespace
} // namespace rc
