#include "../edit_expect.h"
#include "codecs/qt/qt_keypad.h"
#include "dialog_fakes.h"
#include "editors/codes.h"
#include "editors/qt/frm_codes.h"
#include "editors/qt/frm_timer.h"
#include "editors/timers.h"
#include "image/regions.h"

#include <QTest>

#include <memory>

namespace rc {
namespace {

using namespace rc::testing;

// Every byte different, so a write to the wrong place shows; most code fields hold counts and
// digits the keypad could never type, so a rewrite of a neighbour shows too.
EditorState PatternedState() {
    EditorState state;
    state.image = Patterned();
    return state;
}

TEST(CodesDialog, AnEntryWritesItsOwnFieldOnly) {
    // Code 9 holds a count beyond its seven places, D first and stray high bits.
    const std::vector<std::uint8_t> malformed = {12, 0, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7};
    struct Case {
        const char* what;
        int code;
        std::string reply;
        std::vector<std::uint8_t> stored; // count byte and seven digit codes of the code clicked
    } cases[] = {
        {"empty entry", 5, "", {0, 0, 0, 0, 0, 0, 0, 0}},
        {"every key of the mode", 5, "A*#0B9C", {7, 13, 11, 12, 10, 14, 9, 15}},
        {"too long is cut to the field", 5, "123456789", {7, 1, 2, 3, 4, 5, 6, 7}},
        {"cancel on a malformed code keeps it", 9, "D234567", malformed},
        {"a new entry normalises it", 9, "D2", {2, 0, 2, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EditorState state = PatternedState();
        const int bad = Codes(2).at(9), at = Codes(2).at(c.code);
        Put(state.image, bad, malformed);
        ImageBytes expected = state.image;
        Put(expected, at, c.stored);
        ScriptedKeyPad keypad;
        keypad.entries = {c.reply};
        frmCodes_1 dialog(state, 2, keypad, nullptr, 201);
        dialog.show();
        EXPECT_EQ(TextOf(dialog, "lblCode_9"), "D234567");
        Click(dialog, QString("lblCode_%1").arg(c.code));
        EXPECT_TRUE(state.image == expected) << c.what << ": bytes" << Changed(state.image, expected);
        EXPECT_EQ(TextOf(dialog, QString("lblCode_%1").arg(c.code)), c.reply.substr(0, 7)) << c.what;
    }
}

TEST(TimersDialog, ValuesShownPassedAndStored) {
    struct Case {
        int timer;
        std::uint8_t lo, hi;
        const char *shown, *passed, *reply;
        std::uint8_t loAfter, hiAfter;
        const char* shownAfter;
    } cases[] = {
        {0, 0x08, 0x07, "30:00", "1800", "1800", 0x08, 0x07, "30:00"},
        {0, 0x08, 0xFF, "30:00", "1800", "1800", 0x08, 0xFF, "30:00"}, // unchanged: upper bits kept
        {0, 0x08, 0xFF, "30:00", "1800", "900", 0x84, 0x03, "15:00"},  // a new value clears them
        {6, 0xFF, 0x07, "34:07", "2047", "2047", 0xFF, 0x07, "34:07"}, // Cancel on a value past 1800
        {1, 90, 0, "01:30", "90", "", 0, 0, "00:00"},
        {7, 0, 0, "00:00", "0", "256", 0, 1, "04:16"},
        {2, 0, 0, "0.0", "0", "5", 5, 0, "0.5"},
        {9, 25, 0xF8, "2.5", "25", "99", 99, 0, "9.9"},
        {9, 25, 0xF8, "2.5", "25", "25", 25, 0xF8, "2.5"}, // Cancel writes nothing
        {12, 7, 0, "0.7", "7", "", 0, 0, "0.0"},
        {13, 0xFF, 0x07, "204.7", "2047", "2047", 0xFF, 0x07, "204.7"}, // too large to store: kept
        {2, 5, 0, "0.5", "5", "100", 5, 0, "0.5"},                      // more than 9.9: refused
        {6, 0, 0, "00:00", "0", "2047", 0xFF, 0x07, "34:07"},           // the largest the field holds
        {6, 5, 0, "00:05", "5", "2048", 5, 0, "00:05"},                 // past 11 bits: refused
        {1, 5, 0, "00:05", "5", "99999", 5, 0, "00:05"},
    };
    for (const Case& c : cases) {
        EditorState state = PatternedState();
        const int pt = 184 + 2 * c.timer;
        Put(state.image, pt, {c.lo, c.hi});
        ImageBytes expected = state.image;
        Put(expected, pt, {c.loAfter, c.hiAfter});
        ScriptedKeyPad keypad;
        keypad.entries = {c.reply};
        frmTimer1 dialog(state, kBaseCopy, keypad, nullptr, 300);
        dialog.show();
        EXPECT_EQ(TextOf(dialog, QString("lblTime_%1").arg(c.timer)), c.shown) << c.timer;
        Click(dialog, QString("lblTime_%1").arg(c.timer));
        ASSERT_EQ(keypad.calls.size(), 1u);
        EXPECT_EQ(keypad.calls[0].value, c.passed) << c.timer;
        EXPECT_TRUE(state.image == expected) << c.timer << " bytes" << Changed(state.image, expected);
        EXPECT_EQ(TextOf(dialog, QString("lblTime_%1").arg(c.timer)), c.shownAfter) << c.timer;
    }
}

// The menu command's road: the dialog shown modally, a value clicked, the real keypad typed on and
// its check refusing the first entry.
TEST(EditorDialogs, ModalDialogsWithTheRealKeyPad) {
    EditorState state = PatternedState();
    RecordingMessages messages;
    ManualTimer timer;
    QtKeyPad keypad(messages, nullptr, timer);

    frmTimer1 timers(state, 3, keypad, nullptr, 301);
    WhenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, &timers);
        // The keypad's exec() starts inside the click, so its driver is queued first.
        QTimer::singleShot(0, [&] {
            QWidget* pad = QApplication::activeModalWidget();
            ASSERT_EQ(pad->objectName(), "frmKeyPad");
            timer.Fire();
            QTest::keyClicks(Keyboard(pad), "1801");
            QTest::keyClick(Keyboard(pad), Qt::Key_Return); // refused: over 1800
            Click(*pad, "cmdClear");
            QTest::keyClicks(Keyboard(pad), "75");
            QTest::keyClick(Keyboard(pad), Qt::Key_Return);
        });
        Click(timers, "lblTime_10");
        EXPECT_EQ(TextOf(timers, "lblTime_10"), "01:15");
        Click(timers, "cmdDone");
    });
    EXPECT_EQ(timers.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error! Entry must be between 1 and 1800");
    EXPECT_EQ(state.image[2560 + 20], 75);
    EXPECT_EQ(state.image[2560 + 21], 0);
}

} // namespace
} // namespace rc
