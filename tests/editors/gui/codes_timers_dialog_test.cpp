#include "codecs/dtmf.h"
#include "codecs/qt/frm_keypad.h"
#include "codecs/qt/qt_keypad.h"
#include "editors/codes.h"
#include "editors/qt/frm_codes.h"
#include "editors/qt/frm_timer.h"
#include "editors/timers.h"
#include "image/regions.h"

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

struct KeyPadCall {
    int mode, maxDigits;
    std::string heading, value;
    int check;
    bool operator==(const KeyPadCall&) const = default;
};

std::ostream& operator<<(std::ostream& os, const KeyPadCall& c) {
    return os << "(" << c.mode << ", " << c.maxDigits << ", \"" << c.heading << "\", \"" << c.value << "\", "
              << c.check << ")";
}

// A keypad whose user always types the same answer.
class ScriptedKeyPad : public IKeyPad {
public:
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override {
        calls.push_back({mode, maxDigits, heading, value, check});
        return reply;
    }
    std::string reply = "1234";
    std::vector<KeyPadCall> calls;
};

class RecordingHelp : public IHelp {
public:
    void ShowContext(int context) override { contexts.push_back(context); }
    void ShowContents() override {}
    void ShowSearch() override {}
    std::vector<int> contexts;
};

// Every byte different, so a write to the wrong place shows. The code sets hold well-formed fields
// (count 0..7, digits past the count zero), as a saved file would.
EditorState PatternedState() {
    EditorState state;
    for (int i = 0; i < kImageSize; ++i)
        state.image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        for (int i = 0; i < kCodeCount; ++i) {
            int at = Codes(copy).at(i);
            int n = (copy + i) % 8;
            state.image[at] = static_cast<std::uint8_t>(n);
            for (int j = 1; j <= kCodeDigits; ++j)
                state.image[at + j] = j <= n ? static_cast<std::uint8_t>((i + j) % 16) : 0;
        }
    }
    return state;
}

// The first byte where two images differ, for a readable failure.
std::string FirstDifference(const ImageBytes& a, const ImageBytes& b) {
    for (int i = 0; i < kImageSize; ++i)
        if (a[i] != b[i])
            return "byte " + std::to_string(i) + ": " + std::to_string(a[i]) + " vs " + std::to_string(b[i]);
    return "";
}

template <class Label> Label* Find(QWidget& dialog, const QString& name) {
    auto* w = dialog.findChild<Label*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

void ClickValue(QWidget& dialog, const QString& name) {
    if (auto* label = Find<QLabel>(dialog, name))
        QTest::mouseClick(label, Qt::LeftButton);
}

TEST(CodesDialog, ClickWritesTheOneFieldOfItsCopy) {
    const char* captions[] = {"Halden R8 Repeater Base Codes", "Halden R8 Memory Save #1 Codes",
                              "Halden R8 Memory Save #2 Codes", "Halden R8 Memory Save #3 Codes",
                              "Halden R8 Memory Save #4 Codes"};
    const int starts[] = {32, 1224, 1816, 2408, 3000};
    for (int copy = 0; copy <= 4; ++copy) {
        for (int i : {0, 6, 16}) {
            EditorState state = PatternedState();
            state.copies.CodesCopy = copy;
            ScriptedKeyPad keypad;
            frmCodes_1 dialog(state, keypad, nullptr, copy == 0 ? 200 : 201);
            dialog.show();
            EXPECT_EQ(dialog.windowTitle().toStdString(), captions[copy]);
            const std::string shown =
                Find<QLabel>(dialog, QString("lblCode_%1").arg(i))->text().toStdString();
            EXPECT_EQ(shown, CountedDigitsText(state.image, starts[copy] + 8 * i, 7));

            ImageBytes expected = state.image;
            const std::uint8_t field[8] = {4, 1, 2, 3, 4, 0, 0, 0};
            for (int j = 0; j < 8; ++j)
                expected[starts[copy] + 8 * i + j] = field[j];

            ClickValue(dialog, QString("lblCode_%1").arg(i));
            ASSERT_EQ(keypad.calls.size(), 1u);
            EXPECT_EQ(keypad.calls[0], (KeyPadCall{3, 7, CodeName(i), shown, 0})) << "copy " << copy;
            EXPECT_TRUE(state.image == expected)
                << "copy " << copy << " code " << i << ", " << FirstDifference(state.image, expected);
            EXPECT_EQ(Find<QLabel>(dialog, QString("lblCode_%1").arg(i))->text(), "1234");
        }
    }
}

TEST(CodesDialog, EntriesAndNormalising) {
    struct Case {
        const char* what;
        std::string reply;
        std::vector<std::uint8_t> stored; // count byte and seven digit codes of code 5
        std::string shownAfter;
    } cases[] = {
        {"empty entry", "", {0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"every key of the mode", "A*#0B9C", {7, 13, 11, 12, 10, 14, 9, 15}, "A*#0B9C"},
        {"too long is cut to the field", "123456789", {7, 1, 2, 3, 4, 5, 6, 7}, "1234567"},
    };
    for (const Case& c : cases) {
        EditorState state = PatternedState();
        state.copies.CodesCopy = 2;
        ScriptedKeyPad keypad;
        keypad.reply = c.reply;
        frmCodes_1 dialog(state, keypad, nullptr, 201);
        dialog.show();
        ClickValue(dialog, "lblCode_5");
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(state.image[1816 + 40 + j], c.stored[j]) << c.what << " byte " << j;
        EXPECT_EQ(Find<QLabel>(dialog, "lblCode_5")->text().toStdString(), c.shownAfter) << c.what;
    }
}

TEST(CodesDialog, MalformedFieldIsNormalisedWithinItsSet) {
    EditorState state = PatternedState();
    state.copies.CodesCopy = 2;
    const int bad = Codes(2).at(9);
    state.image[bad] = 12;    // a count beyond the seven places
    state.image[bad + 1] = 0; // D
    for (int j = 2; j <= 7; ++j)
        state.image[bad + j] = static_cast<std::uint8_t>(0xF0 | j);
    ImageBytes before = state.image;
    ScriptedKeyPad keypad;
    frmCodes_1 dialog(state, keypad, nullptr, 201);
    dialog.show();
    EXPECT_EQ(Find<QLabel>(dialog, "lblCode_9")->text(), "D234567");
    ClickValue(dialog, "lblCode_3");
    for (int i = 0; i < kImageSize; ++i) {
        if (i < 1816 || i > 1951) {
            ASSERT_EQ(state.image[i], before[i]) << "byte " << i << " outside memory save #2 codes";
        }
    }
    EXPECT_EQ(state.image[bad], 7);
    const std::uint8_t digits[] = {0, 2, 3, 4, 5, 6, 7};
    for (int j = 0; j < 7; ++j)
        EXPECT_EQ(state.image[bad + 1 + j], digits[j]) << j;
    EXPECT_EQ(Find<QLabel>(dialog, "lblCode_9")->text(), "D234567");
}

TEST(CodesDialog, LabelsPointerFocusHelpAndKeyboard) {
    EditorState state = PatternedState();
    ScriptedKeyPad keypad;
    RecordingHelp help;
    frmCodes_1 dialog(state, keypad, &help, 200);
    dialog.show();
    auto* ok = Find<QPushButton>(dialog, "cmdOK");
    EXPECT_EQ(dialog.focusWidget(), ok);
    for (int i = 0; i < 17; ++i) {
        auto* label = Find<QLabel>(dialog, QString("lblCode_%1").arg(i));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << i;
        EXPECT_TRUE(label->focusPolicy() & Qt::TabFocus) << i;
        EXPECT_EQ(dialog.findChild<QLabel*>(QString("lblName_%1").arg(i))->text().toStdString(),
                  CodeRowLabel(i));
    }
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help.contexts, std::vector<int>{200});

    auto* label = Find<QLabel>(dialog, "lblCode_11");
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Space);
    ASSERT_EQ(keypad.calls.size(), 2u);
    EXPECT_EQ(keypad.calls[0].heading, "Reverse Autopatch Prefix");
    EXPECT_EQ(keypad.calls[1].value, "1234");

    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.x(), screen.x() + (screen.width() - dialog.width()) / 2);
    EXPECT_EQ(dialog.y(), screen.y() + (screen.height() - dialog.height()) / 2);
}

TEST(TimersDialog, ClickWritesTheTwoBytesOfItsCopy) {
    const char* captions[] = {"Halden R8 Repeater Base Timers", "Halden R8 Memory Save #1 Timers",
                              "Halden R8 Memory Save #2 Timers", "Halden R8 Memory Save #3 Timers",
                              "Halden R8 Memory Save #4 Timers"};
    const int starts[] = {184, 1376, 1968, 2560, 3152};
    for (int copy = 0; copy <= 4; ++copy) {
        for (int i = 0; i < 16; ++i) {
            EditorState state = PatternedState();
            state.copies.TimersCopy = copy;
            const int pt = starts[copy] + 2 * i;
            ScriptedKeyPad keypad;
            frmTimer1 dialog(state, keypad, nullptr, copy == 0 ? 300 : 301);
            dialog.show();
            EXPECT_EQ(dialog.windowTitle().toStdString(), captions[copy]);
            const std::string shown =
                Find<QLabel>(dialog, QString("lblTime_%1").arg(i))->text().toStdString();

            ImageBytes expected = state.image;
            const bool tenths = IsTenthsTimer(i);
            if (!tenths) { // 1234 seconds = 0x4D2; a tenths timer refuses 1234 and keeps its bytes
                expected[pt] = 0xD2;
                expected[pt + 1] = 0x04;
            }
            ClickValue(dialog, QString("lblTime_%1").arg(i));
            ASSERT_EQ(keypad.calls.size(), 1u);
            const KeyPadCall want = tenths
                                        ? KeyPadCall{1, 2, TimerName(i), TimerEntryFromCaption(i, shown), 0}
                                        : KeyPadCall{1, 4, TimerName(i), TimerEntryFromCaption(i, shown), 2};
            EXPECT_EQ(keypad.calls[0], want) << "copy " << copy << " timer " << i;
            EXPECT_TRUE(state.image == expected)
                << "copy " << copy << " timer " << i << ", " << FirstDifference(state.image, expected);
            EXPECT_EQ(Find<QLabel>(dialog, QString("lblTime_%1").arg(i))->text().toStdString(),
                      tenths ? shown : "20:34");
        }
    }
}

TEST(TimersDialog, ValuesShownPassedAndStored) {
    struct Case {
        int timer;
        std::uint8_t lo, hi;
        const char* shown;
        const char* passed;
        const char* reply;
        std::uint8_t loAfter, hiAfter;
        const char* shownAfter;
    } cases[] = {
        {0, 0x08, 0x07, "30:00", "1800", "1800", 0x08, 0x07, "30:00"},
        {0, 0x08, 0xFF, "30:00", "1800", "1800", 0x08, 0x07, "30:00"}, // upper bits cleared
        {6, 0xFF, 0x07, "34:07", "2047", "2047", 0xFF, 0x07, "34:07"}, // Cancel on a value past 1800
        {1, 90, 0, "01:30", "90", "", 0, 0, "00:00"},
        {7, 0, 0, "00:00", "0", "256", 0, 1, "04:16"},
        {2, 0, 0, "0.0", "0", "5", 5, 0, "0.5"},
        {9, 25, 0xF8, "2.5", "25", "99", 99, 0, "9.9"},
        {12, 7, 0, "0.7", "7", "", 0, 0, "0.0"},
        {13, 0xFF, 0x07, "204.7", "2047", "2047", 0xFF, 0x07, "204.7"}, // too large to store: kept
    };
    for (const Case& c : cases) {
        EditorState state = PatternedState();
        state.copies.TimersCopy = 0;
        const int pt = 184 + 2 * c.timer;
        state.image[pt] = c.lo;
        state.image[pt + 1] = c.hi;
        const ImageBytes before = state.image;
        ScriptedKeyPad keypad;
        keypad.reply = c.reply;
        frmTimer1 dialog(state, keypad, nullptr, 300);
        dialog.show();
        const QString name = QString("lblTime_%1").arg(c.timer);
        EXPECT_EQ(Find<QLabel>(dialog, name)->text(), c.shown) << c.timer;
        ClickValue(dialog, name);
        ASSERT_EQ(keypad.calls.size(), 1u);
        EXPECT_EQ(keypad.calls[0].value, c.passed) << c.timer;
        EXPECT_EQ(state.image[pt], c.loAfter) << c.timer << " " << c.reply;
        EXPECT_EQ(state.image[pt + 1], c.hiAfter) << c.timer << " " << c.reply;
        for (int i = 0; i < kImageSize; ++i) {
            if (i != pt && i != pt + 1) {
                ASSERT_EQ(state.image[i], before[i]) << "byte " << i;
            }
        }
        EXPECT_EQ(Find<QLabel>(dialog, name)->text(), c.shownAfter) << c.timer;
    }
}

TEST(TimersDialog, LabelsUnitsFocusAndHelp) {
    EditorState state = PatternedState();
    ScriptedKeyPad keypad;
    RecordingHelp help;
    frmTimer1 dialog(state, keypad, &help, 301);
    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), Find<QPushButton>(dialog, "cmdDone"));
    int units = 0;
    for (int i = 0; i < 16; ++i) {
        auto* label = Find<QLabel>(dialog, QString("lblTime_%1").arg(i));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << i;
        EXPECT_EQ(dialog.findChild<QLabel*>(QString("lblName_%1").arg(i))->text().toStdString(),
                  TimerRowLabel(i));
        if (auto* unit = dialog.findChild<QLabel*>(QString("lblUnit_%1").arg(i))) {
            EXPECT_EQ(unit->text(), "Min:Sec");
            EXPECT_FALSE(IsTenthsTimer(i)) << i;
            ++units;
        }
    }
    EXPECT_EQ(units, 9);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help.contexts, std::vector<int>{301});
}

// Drives the next modal exec() with `drive`; a guard closes whatever is left open, so a broken
// test fails instead of hanging.
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

class ManualTimer : public IReadyTimer {
public:
    void Start(int, std::function<void()> elapsed) override { elapsed_ = std::move(elapsed); }
    void Stop() override { elapsed_ = nullptr; }
    void Fire() {
        if (auto f = std::exchange(elapsed_, nullptr))
            f();
    }

private:
    std::function<void()> elapsed_;
};

class SilentMessages : public IMessages {
public:
    Answer Show(const MessageSpec& message) override {
        shown.push_back(message.text);
        return Answer::Ok;
    }
    std::vector<std::string> shown;
};

// The menu command's road: the dialog shown modally, a value clicked, the real keypad typed on.
TEST(EditorDialogs, ModalDialogsWithTheRealKeyPad) {
    EditorState state = PatternedState();
    SilentMessages messages;
    ManualTimer timer;
    QtKeyPad keypad(messages, nullptr, timer);

    state.copies.TimersCopy = 3;
    frmTimer1 timers(state, keypad, nullptr, 301);
    ModalDriver drive([&](QWidget* modal) {
        ASSERT_EQ(modal, &timers);
        // The keypad's own exec() starts inside the click; its driver must be queued first.
        QTimer::singleShot(0, [&] {
            QWidget* pad = QApplication::activeModalWidget();
            ASSERT_EQ(pad->objectName(), "frmKeyPad");
            timer.Fire();
            QTest::keyClicks(pad->focusWidget(), "1801");
            QTest::keyClick(pad->focusWidget(), Qt::Key_Return); // refused: over 1800
            pad->findChild<QPushButton*>("cmdClear")->click();
            QTest::keyClicks(pad->focusWidget(), "75");
            QTest::keyClick(pad->focusWidget(), Qt::Key_Return);
        });
        ClickValue(timers, "lblTime_10");
        EXPECT_EQ(Find<QLabel>(timers, "lblTime_10")->text(), "01:15");
        Find<QPushButton>(timers, "cmdDone")->click();
    });
    EXPECT_EQ(timers.exec(), QDialog::Accepted);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error! Entry must be between 1 and 1800"});
    EXPECT_EQ(state.image[2560 + 20], 75);
    EXPECT_EQ(state.image[2560 + 21], 0);

    state.copies.CodesCopy = 4;
    frmCodes_1 codes(state, keypad, nullptr, 201);
    ModalDriver driveCodes([&](QWidget* modal) {
        ASSERT_EQ(modal, &codes);
        QTimer::singleShot(0, [&] {
            QWidget* pad = QApplication::activeModalWidget();
            ASSERT_EQ(pad, keypad.Dialog());
            timer.Fire();
            QTest::keyClicks(pad->focusWidget(), "#9a");
            pad->findChild<QPushButton*>("cmdOK")->click();
        });
        ClickValue(codes, "lblCode_16");
        Find<QPushButton>(codes, "cmdOK")->click();
    });
    EXPECT_EQ(codes.exec(), QDialog::Accepted);
    const std::uint8_t field[] = {3, 12, 9, 13, 0, 0, 0, 0};
    for (int j = 0; j < 8; ++j)
        EXPECT_EQ(state.image[3000 + 128 + j], field[j]) << j;
}

} // namespace
} // namespace rc
