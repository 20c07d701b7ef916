#include "../edit_expect.h"
#include "dialog_fakes.h"
#include "editors/qt/frm_config.h"
#include "editors/qt/frm_macro.h"
#include "editors/qt/frm_sched.h"
#include "editors/qt/frm_user.h"

#include <QTest>

namespace rc {
namespace {

using namespace rc::testing;

// Cancel on a value the keypad cannot type keeps it, and OK writes nothing: the commands of a macro
// without a code stay in the image though the grid hides them. A double click opens the review.
TEST(AutomationDialogs, MacroGridKeepsWhatItCannotShow) {
    EditorState state;
    Put(state.image, 4032, {1, 1, 0, 0, 0, 0, 0, 0, 0x1A, 0x10});
    state.image[4060 + 8] = 0x11; // macro 2: a command but no code
    const ImageBytes before = state.image;
    ScriptedKeyPad keypad;
    frmMacro dialog(state, keypad, nullptr, 500);
    dialog.show();
    EXPECT_EQ(TextOf(dialog, "Label3_0") + "|" + TextOf(dialog, "Label3_1"), "1A10|");
    Click(dialog, "Label3_0");
    EXPECT_EQ(keypad.Texts(), std::vector<std::string>{"1 4 Macro Command [1A10] 1"});
    std::string title;
    WhenModal([&](QWidget* review) {
        title = review->windowTitle().toStdString() + " " + TextOf(*review, "Label2_0");
        Click(*review, "cmdOK");
    });
    QTest::mouseDClick(dialog.findChild<QWidget*>("Label1_0"), Qt::LeftButton);
    EXPECT_EQ(title, "Macro 1 Review Invalid Entry");
    Click(dialog, "cmdOK");
    EXPECT_TRUE(state.image == before);
}

// A refused time shows its message; the close box writes nothing; OK on the page hides it and the
// next showing is on the same page.
TEST(AutomationDialogs, SchedulerRefusesClosesAndKeepsItsPage) {
    EditorState state;
    state.image[7888 + 70 * 2 + 7] = 0xFF; // entry 22: daily at 00:00
    const ImageBytes before = state.image;
    ScriptedKeyPad keypad;
    keypad.entries = {"2500"};
    RecordingMessages messages;
    frmsched page(state, keypad, messages, nullptr, 501);
    page.show();
    Click(page, "optGroup_2");
    EXPECT_EQ(TextOf(page, "lblNum_1") + " " + TextOf(page, "lblDOW_1") + " " + TextOf(page, "lblTime_1"),
              "22 Daily 00:00");
    WhenModal([&](QWidget* entry) {
        EXPECT_EQ(entry->windowTitle(), "Schedular Position 22");
        Click(*entry, "lblTime");
        Click(*entry, "chkHour");
        EXPECT_EQ(TextOf(*entry, "lblTime"), "00");
        entry->close();
    });
    Click(page, "lblTime_1");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error! Hours must be 00 to 23 and minutes 00 to 59");
    EXPECT_TRUE(state.image == before);
    Click(page, "cmdOK");
    EXPECT_FALSE(page.isVisible());
    page.show();
    EXPECT_EQ(TextOf(page, "lblNum_0"), "21");
}

// An input command takes its new description at once; the configuration's close box writes nothing
// and its OK keeps bits 3 to 7.
TEST(AutomationDialogs, InputsAndConfiguration) {
    EditorState state;
    ScriptedKeyPad keypad;
    keypad.entries = {"1110"};
    frmUser inputs(state, keypad, nullptr, 502);
    inputs.show();
    EXPECT_EQ(TextOf(inputs, "Label3_3"), "No Command");
    Click(inputs, "Label1_3");
    EXPECT_EQ(TextOf(inputs, "Label3_3"), "Repeater Transmitter OFF");
    Click(inputs, "cmdOK");
    EXPECT_FALSE(inputs.isVisible());

    // 0x05 reads as the 24-hour clock with the D key flag; the close box keeps it. 0xF8 keeps its
    // upper bits through OK.
    for (std::uint8_t stored : {0x05, 0xF8}) {
        const bool ok = stored == 0xF8;
        state.image[4029] = stored;
        frmConfig config(state, nullptr, 907);
        config.show();
        std::string shown;
        for (const char* name : {"optClock_0", "optClock_1", "chkFlags_0", "chkFlags_1", "chkFlags_2"})
            shown += config.findChild<QAbstractButton*>(name)->isChecked() ? "1" : "0";
        EXPECT_EQ(shown, ok ? "10000" : "01010");
        Click(config, ok ? "optClock_1" : "optClock_0");
        Click(config, "chkFlags_1");
        ok ? Click(config, "cmdOK") : (void)config.close();
        EXPECT_EQ(state.image[4029], ok ? 0xFD : 0x05);
    }
}

} // namespace
} // namespace rc
