#include "../edit_expect.h"
#include "dialog_fakes.h"
#include "editors/qt/frm_ctones.h"
#include "editors/qt/frm_cw_edit.h"
#include "editors/qt/frm_exp.h"
#include "editors/qt/frm_telephone_codes.h"
#include "editors/qt/frm_zones1.h"
#include "editors/qt/switch_lamp.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace rc {
namespace {

using namespace rc::testing;

// A click on a value: what the keypad is given, what lands in the image, what the label shows. An
// entry equal to the value the keypad was opened with writes nothing.
TEST(KeyPadDialogs, ClickPassesShowsAndWritesOnlyItsField) {
    struct Case {
        char dialog; // Tones, Area codes, Lockout, Unlock
        int at;
        std::vector<std::uint8_t> stored; // bytes from `at` before the dialog opens
        const char *group, *label, *reply, *call;
        std::vector<int> after; // bytes from `at` afterwards; empty: nothing written
        const char* shownAfter;
    };
    // clang-format off
    const Case cases[] = {
        {'T', 4608, {1, 2}, "", "lblT1_2", "5", "7 1 Enter Frequency 1..8 [1] 6", {5}, "700"},
        {'T', 4611, {8}, "", "lblT2_2", "3", "7 1 Enter Frequency [8] 6", {3}, "500"},
        {'T', 4608, {1, 2, 0}, "", "lblD1_2", "9", "8 1 Enter Time Delay 0..9 [0] 7", {-1, -1, 9}, "450"},
        {'T', 4600, {4, 4}, "", "lblTD1_1", "4", "8 1 Enter Time Delay 0..9 [4] 7", {}, "200"},
        {'T', 4592, {1, 12}, "", "lblTD1_0", "", "8 1 Enter Time Delay 0..9 [] 7", {}, ""},
        {'A', 3712, {0}, "", "lblAC_0", "010", "1 3 Area Code 1 [] 8", {10, 1, 10}, "010"},
        {'A', 3715, {10, 1, 12}, "", "lblAC_1", "010", "1 3 Area Code 2 [010] 8", {}, "010"},
        {'A', 3724, {10, 1, 10}, "", "lblAC_4", "", "1 3 Area Code 5 [010] 8", {0, 0, 0}, ""},
        {'L', 3896, {0}, "optSel_1", "Label1_0", "55", "5 11 Lock Out Number 11 [] 0", {2, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "55"},
        {'L', 3800, {2, 0, 11}, "", "Label1_2", "D*", "5 11 Lock Out Number 3 [D*] 0", {}, "D*"},
        {'U', 16, {0}, "", "lblNum", "12AB*#0", "3 7 Unlock Number [] 10", {7, 1, 2, 13, 14, 11, 12, 10}, "12AB*#0"},
        {'U', 16, {7, 1, 0, 0, 0, 0, 0, 0}, "", "lblNum", "", "3 7 Unlock Number [1DDDDDD] 10", {}, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label + std::string(" <- ") + c.reply);
        EditorState state;
        state.image = Patterned();
        Put(state.image, c.at, c.stored);
        ScriptedKeyPad keypad;
        keypad.entries = {c.reply};
        RecordingMessages messages;
        messages.fallback = Answer::Cancel;
        std::unique_ptr<QDialog> dialog;
        if (c.dialog == 'T')
            dialog = std::make_unique<frmCTones>(state, keypad, nullptr, 900);
        else if (c.dialog == 'A')
            dialog = std::make_unique<frmAreaCodes>(state, keypad, nullptr, 804);
        else if (c.dialog == 'L')
            dialog = std::make_unique<frmLockout>(state, keypad, nullptr, 802);
        else
            dialog = std::make_unique<frmUnlock>(state, keypad, messages, nullptr, 302);
        dialog->show();
        if (*c.group)
            Click(*dialog, c.group);
        const ImageBytes before = state.image;
        Click(*dialog, c.label);
        EXPECT_EQ(keypad.Texts(), std::vector<std::string>{c.call});
        ExpectBytes(before, state.image, c.at, c.after);
        EXPECT_EQ(TextOf(*dialog, c.label), c.shownAfter);
    }
}

// The menu test saves a message picked after Clear; here what shows while picking, Cancel, and the
// full field.
TEST(CwEditDialog, PicksShowCancelKeepsAndTheFieldEndsAtThirtyOne) {
    EditorState state;
    state.image = Patterned();
    Put(state.image, 1184, {1, 13}); // "D"
    RecordingMessages messages;
    frmCwEdit dialog(state, messages, nullptr, 402);
    auto* list = Child<QListWidget>(dialog, "List1");
    auto pick = [&](int code) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(code)).center());
    };
    const ImageBytes before = state.image;
    dialog.show();
    EXPECT_FALSE(list->isEnabled());
    Click(dialog, "cmdClear");
    for (int code : {13, 14, 38, 37})
        pick(code);
    EXPECT_EQ(TextOf(dialog, "Label1"), "DE (AR)");
    Click(dialog, "cmdCancel");
    dialog.show();
    EXPECT_TRUE(state.image == before);
    Click(dialog, "cmdOK"); // without Clear: nothing to write
    dialog.show();
    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(TextOf(dialog, "Label1"), "D");
    EXPECT_FALSE(list->isEnabled());

    // The 32nd character beeps and changes nothing; the field ends before memory save #1.
    Click(dialog, "cmdClear");
    for (int k = 0; k < 32; ++k)
        pick(k % 36);
    EXPECT_EQ(messages.beeps, 1);
    Click(dialog, "cmdOK");
    EXPECT_EQ(state.image[1184], 31);
    EXPECT_EQ(state.image[1216], before[1216]);
}

TEST(ZonesDialog, FirstTabMoveWritesNothingLaterOnesWriteTheTable) {
    EditorState state;
    state.image[1808] = 0x07;
    int shown = 0;
    frmZones1 dialog(state, 2, nullptr, 701, [&] { ++shown; });
    dialog.show();
    EXPECT_EQ(shown, 1);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Child<QCheckBox>(dialog, QString("chkZ1_%1").arg(i))->isChecked(), i < 3) << i;
    const ImageBytes before = state.image;
    auto* tabs = Child<QTabWidget>(dialog, "SSTab1");
    Click(dialog, "chkZ1_3");
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(state.image == before);
    Click(dialog, "chkZ8_7");
    tabs->setCurrentIndex(7);
    ExpectBytes(before, state.image, 1808, {0x0F, 0, 0, 0, 0, 0, 0, 0x80}); // OK: the menu test
}

TEST(ExpandedSwitchesDialog, LampsGroupsAndToggles) {
    EditorState state;
    state.image[4674] = 0x81;
    frmExp dialog(state, nullptr, 902);
    dialog.show();
    auto lamp = [&](int row, int bit) {
        return Child<SwitchLamp>(dialog, QString("Img%1_%2").arg(row).arg(bit));
    };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lamp(3, i)->IsOn(), i == 0 || i == 7) << i;
    // On and off differ in shape, not only in colour: the pixels they ink differ.
    auto ink = [](SwitchLamp* l) {
        const QImage image = l->grab().toImage();
        std::vector<bool> inked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked.push_back(image.pixel(x, y) != image.pixel(0, 0));
        return inked;
    };
    EXPECT_NE(ink(lamp(3, 0)), ink(lamp(3, 1)));

    Click(dialog, "opt1_1");
    EXPECT_EQ(TextOf(dialog, "lblA_1"), "10");
    QTest::mouseClick(lamp(2, 0), Qt::LeftButton);
    EXPECT_EQ(state.image[4681], 1);
    EXPECT_TRUE(lamp(2, 0)->IsOn());
    state.image[4672] = 0xFF;
    Click(dialog, "opt1_0");
    EXPECT_EQ(TextOf(dialog, "lblA_0"), "1");
    EXPECT_TRUE(lamp(1, 5)->IsOn());
}

TEST(UnlockDialog, WillNotCloseQuietlyWithoutACode) {
    for (Answer answer : {Answer::Ok, Answer::Cancel}) {
        EditorState state;
        ScriptedKeyPad keypad;
        RecordingMessages messages;
        messages.fallback = answer;
        frmUnlock dialog(state, keypad, messages, nullptr, 302);
        dialog.show();
        dialog.close();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0],
                  (MessageSpec{"Error, No Unlock Entry.", "Unlock Code", MessageIcon::Exclamation,
                               MessageButtons::OkCancel, Answer::Ok}));
        EXPECT_EQ(dialog.isVisible(), answer == Answer::Ok);
        if (answer == Answer::Ok) { // back in the dialog: a code, and it closes without a word
            keypad.entries = {"7654321"};
            Click(dialog, "lblNum");
            dialog.close();
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(messages.shown.size(), 1u);
        }
    }
}

} // namespace
} // namespace rc
