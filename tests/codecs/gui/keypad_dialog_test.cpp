#include "codecs/keypad.h"
#include "codecs/qt/centre_on_screen.h"
#include "codecs/qt/frm_keypad.h"
#include "codecs/qt/qt_keypad.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace rc {
namespace {

class RecordingMessages : public IMessages {
public:
    Answer Show(const MessageSpec& message) override {
        shown.push_back(message);
        return Answer::Ok;
    }
    void Beep() override { ++beeps; }
    std::vector<MessageSpec> shown;
    int beeps = 0;
};

class RecordingHelp : public IHelp {
public:
    void ShowContext(int context) override { contexts.push_back(context); }
    void ShowContents() override {}
    void ShowSearch() override {}
    std::vector<int> contexts;
};

// The ready delay under the test's control.
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

// Runs `drive` once the next modal exec() is under way, and fails rather than hangs when a dialog
// is still open long after.
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

// Where the keyboard's keys go: the focused button, which passes what it does not use to the dialog.
QWidget* Keyboard(QWidget* pad) {
    return pad->focusWidget() ? pad->focusWidget() : pad;
}

QString DisplayOf(QWidget* pad) {
    return pad->findChild<QLabel*>("lblDisplay")->text();
}

void Click(QWidget* pad, const char* name) {
    auto* button = pad->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

class KeyPadDialog : public ::testing::Test {
protected:
    RecordingMessages messages;
    RecordingHelp help;
    ManualTimer timer;
    QtKeyPad keypad{messages, &help, timer};
};

TEST_F(KeyPadDialog, ClicksBuildTheEntryOnceReady) {
    ModalDriver driver([this](QWidget* pad) {
        EXPECT_EQ(pad->objectName(), "frmKeyPad");
        EXPECT_EQ(timer.started, 500);
        EXPECT_EQ(pad->findChild<QLabel*>("lblHeading")->text(), "Repeater Time-Out");
        EXPECT_EQ(DisplayOf(pad), "90");
        Click(pad, "cmdSeven"); // too early: ignored
        Click(pad, "cmdOK");
        EXPECT_TRUE(pad->isVisible());
        EXPECT_EQ(DisplayOf(pad), "90");
        timer.Fire();
        for (const char* key : {"cmdOne", "cmdTwo", "cmdZero", "cmdZero", "cmdNine"})
            Click(pad, key);
        EXPECT_EQ(DisplayOf(pad), "1200");
        EXPECT_EQ(messages.beeps, 1);
        Click(pad, "cmdOK");
    });
    EXPECT_EQ(keypad.ShowKeyPad(1, 4, "Repeater Time-Out", "90", 2), "1200");
    EXPECT_FALSE(keypad.Dialog()->isVisible());
}

TEST_F(KeyPadDialog, FailedCheckShowsItsMessageAndStaysOpen) {
    ModalDriver driver([this](QWidget* pad) {
        timer.Fire();
        Click(pad, "cmdZero");
        Click(pad, "cmdOK");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], (MessageSpec{"Error! Entry must be between 1 and 1800", "Macro Command",
                                                  MessageIcon::Exclamation}));
        EXPECT_TRUE(pad->isVisible());
        Click(pad, "cmdClear");
        Click(pad, "cmdOK"); // an empty entry passes every check
    });
    EXPECT_EQ(keypad.ShowKeyPad(1, 4, "Repeater ID", "600", 2), "");
}

TEST_F(KeyPadDialog, CancelAndCloseBoxReturnTheOpeningValue) {
    ModalDriver cancel([this](QWidget* pad) {
        timer.Fire();
        Click(pad, "cmdFive");
        Click(pad, "cmdCancel");
    });
    EXPECT_EQ(keypad.ShowKeyPad(3, 7, "DTMF Pad Test", "*1A", 0), "*1A");

    ModalDriver closeBox([this](QWidget* pad) {
        timer.Fire();
        Click(pad, "cmdFive");
        pad->close();
    });
    EXPECT_EQ(keypad.ShowKeyPad(3, 7, "DTMF Pad Test", "*1A", 0), "*1A");

    ModalDriver closeBeforeReady([](QWidget* pad) { pad->close(); });
    EXPECT_EQ(keypad.ShowKeyPad(3, 7, "DTMF Pad Test", "#", 0), "#");
}

TEST_F(KeyPadDialog, KeyboardPressesTheVisibleKeys) {
    ModalDriver telephone([this](QWidget* pad) {
        timer.Fire();
        QTest::keyClicks(Keyboard(pad), "9,,1d*#");
        EXPECT_EQ(DisplayOf(pad), "9,1*#"); // the second delay refused, no D in this mode
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Error, One delay entry only.");
        EXPECT_EQ(messages.shown[0].title, "Autopatch Delay");
        QTest::keyClick(Keyboard(pad), Qt::Key_F1);
        QTest::keyClick(Keyboard(pad), Qt::Key_Return);
    });
    EXPECT_EQ(keypad.ShowKeyPad(6, 11, "Telephone Number 1", "", 9), "9,1*#");
    EXPECT_EQ(help.contexts, std::vector<int>{kKeyPadHelpContext});

    ModalDriver escape([this](QWidget* pad) {
        timer.Fire();
        QTest::keyClicks(Keyboard(pad), "abc");
        EXPECT_EQ(DisplayOf(pad), "ABC");
        QTest::keyClick(Keyboard(pad), Qt::Key_Escape);
    });
    EXPECT_EQ(keypad.ShowKeyPad(3, 7, "Unlock Number", "1234567", 10), "1234567");

    ModalDriver enterOnOk([this](QWidget* pad) {
        timer.Fire();
        EXPECT_EQ(pad->focusWidget(), pad->findChild<QPushButton*>("cmdOK"));
        QTest::keyClicks(Keyboard(pad), "*#a,4");
        EXPECT_EQ(DisplayOf(pad), "4"); // digits only in mode 1
        QTest::keyClick(Keyboard(pad), Qt::Key_Enter);
    });
    EXPECT_EQ(keypad.ShowKeyPad(1, 2, "Turn-On Delay", "25", 0), "4");
}

TEST_F(KeyPadDialog, OneDialogHiddenBetweenUses) {
    ModalDriver first([this](QWidget* pad) {
        timer.Fire();
        Click(pad, "cmdCancel");
    });
    keypad.ShowKeyPad(8, 1, "Enter Time Delay 0..9", "3", 7);
    frmKeyPad* dialog = keypad.Dialog();
    ModalDriver second([this, dialog](QWidget* pad) {
        EXPECT_EQ(pad, dialog);
        // Mode 7 rewrites the first nine labels only.
        EXPECT_EQ(pad->findChild<QLabel*>("lblFreq_8")->text(), "8 = 1000 Hz");
        EXPECT_EQ(pad->findChild<QLabel*>("lblFreq_9")->text(), "9 = 450 mS");
        timer.Fire();
        Click(pad, "cmdEight");
        Click(pad, "cmdOK");
    });
    EXPECT_EQ(keypad.ShowKeyPad(7, 1, "Enter Frequency 1..8", "2", 6), "8");
    EXPECT_EQ(keypad.Dialog(), dialog);
}

// The keys of a mode as the user sees them, in the order *, #, A, B, C, D, Delay.
std::string ExtraKeysShown(const frmKeyPad& pad) {
    const std::pair<PadKey, char> extras[] = {{PadKey::Star, '*'}, {PadKey::Pound, '#'}, {PadKey::A, 'A'},
                                              {PadKey::B, 'B'},    {PadKey::C, 'C'},     {PadKey::D, 'D'},
                                              {PadKey::Delay, ','}};
    std::string shown;
    for (auto [key, ch] : extras)
        if (pad.Key(key)->isVisible())
            shown += ch;
    return shown;
}

TEST(KeyPadLayout, ModesShowTheirKeysAndWidth) {
    RecordingMessages messages;
    ManualTimer timer;
    frmKeyPad pad(messages, nullptr, &timer);
    struct Case {
        int mode;
        const char* extras;
        int twips;
    } cases[] = {
        {1, "", 2700},  {2, "*#", 2700},  {3, "*#ABC", 2700}, {4, ",", 2700},
        {5, "*", 2700}, {6, "*#,", 2700}, {7, "", 4400},      {8, "", 4400},
    };
    for (const Case& c : cases) {
        pad.Activate({c.mode, 1, "", "", 0});
        pad.show();
        EXPECT_EQ(ExtraKeysShown(pad), c.extras) << "mode " << c.mode;
        for (PadKey always : {PadKey::Zero, PadKey::Nine, PadKey::Clear, PadKey::Cancel, PadKey::OK})
            EXPECT_TRUE(pad.Key(always)->isVisible()) << "mode " << c.mode;
        EXPECT_EQ(pad.width(), TwipsToPixels(&pad, c.twips)) << "mode " << c.mode;
        auto* label = pad.findChild<QLabel*>("lblFreq_0");
        EXPECT_EQ(label->isVisible(), c.twips == 4400) << "mode " << c.mode;
        if (c.twips == 4400) { // the list sits beside the keys, inside the dialog
            EXPECT_LE(label->mapTo(&pad, QPoint(label->width(), 0)).x(), pad.width()) << "mode " << c.mode;
        }
        const QRect screen = pad.screen()->geometry();
        EXPECT_EQ(pad.x(), screen.x() + (screen.width() - pad.width()) / 2) << "mode " << c.mode;
        EXPECT_EQ(pad.y(), screen.y() + (screen.height() - pad.height()) / 2) << "mode " << c.mode;
        pad.hide();
    }
}

TEST(KeyPadTimer, ProgramTimerMakesTheKeysLiveAfterHalfASecond) {
    RecordingMessages messages;
    QtKeyPad keypad(messages, nullptr);
    QTimer poll;
    ModalDriver driver([&](QWidget* pad) {
        auto* dialog = static_cast<frmKeyPad*>(pad);
        if (!dialog->Logic().Ready()) {
            Click(pad, "cmdOne");
            EXPECT_EQ(DisplayOf(pad), "77");
        }
        // Wait for the delay by the event loop, however slow the machine is today.
        QObject::connect(&poll, &QTimer::timeout, [&poll, dialog] {
            if (!dialog->Logic().Ready())
                return;
            poll.stop();
            Click(dialog, "cmdSix");
            Click(dialog, "cmdOK");
        });
        poll.start(50);
    });
    EXPECT_EQ(keypad.ShowKeyPad(1, 2, "DTMF Window", "77", 0), "6");
}

} // namespace
} // namespace rc
