// The settings commands from the menu to the saved file: each opens its dialog with its help topic,
// the entries land in their own bytes, and every other byte of the file comes back as it was read.
#include "shell_fakes.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace rc::shell::testing {
namespace {

// What the user does in a dialog: "#n" picks CW character n from the list, a button name clicks
// that button, any other name clicks that value.
void Act(QWidget* dialog, const std::vector<std::string>& actions) {
    for (const std::string& a : actions) {
        if (a[0] == '#') {
            auto* list = dialog->findChild<QListWidget*>("List1");
            QRect at = list->visualItemRect(list->item(std::stoi(a.substr(1))));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
        } else if (auto* button = dialog->findChild<QAbstractButton*>(QString::fromStdString(a));
                   button && a.rfind("Img", 0) != 0) {
            button->click();
        } else {
            QWidget* value = dialog->findChild<QWidget*>(QString::fromStdString(a));
            ASSERT_TRUE(value) << a;
            QTest::mouseClick(value, Qt::LeftButton);
        }
    }
}

// From the menu to the saved file: each command opens its dialog with its help topic, the entries
// land in their own bytes, and every other byte of the file comes back as it was read.
TEST(SwitchToneCommands, EditsFromTheMenuReachTheSavedFileAndNothingElse) {
    TempFolder folder;
    ShellRig rig;
    rig.Start();
    const std::string path = folder.Path("site.HR8");
    const ImageBytes original = WritePatternedImage(path);
    ASSERT_TRUE(rig.window->OpenAtStart(path));

    struct Step {
        const char *menu, *dialog;
        int helpContext;
        std::deque<std::string> entries;
        std::vector<std::string> actions;
    };
    // clang-format off
    const Step steps[] = {
        {"mnuCourtesy", "frmCTones", 900, {"3", "2", "1", "5", "2", "1", "8", "4"},
         {"lblT1_0", "lblTD1_0", "lblD1_0", "lblT2_0", "lblTD2_0", "lblD2_0", "lblT3_0", "lblTD3_0", "cmdErase_7", "cmdOK"}},
        {"mnuCW_1", "frmCwEdit", 402, {}, {"cmdClear", "#13", "#14", "#38", "#32", "#1", "#10", "#32", "cmdOK"}},
        {"mnuBaseZones", "frmZones1", 700, {}, {"chkZ2_2", "cmdOK"}},
        {"mnuG1M3", "frmZones1", 701, {}, {"chkZ8_7", "cmdOK"}},
        {"mnuDVR", "frmExp", 902, {}, {"Img1_0", "Img8_7", "cmdOK"}},
        {"mnuACode", "frmAreaCodes", 804, {"212"}, {"lblAC_0", "cmdOK"}},
        {"mnuLockout", "frmLockout", 802, {"5551212"}, {"Label1_0", "cmdOK"}},
        {"mnuUnlock", "frmUnlock", 302, {"1234567"}, {"lblNum", "cmdOK"}},
    };
    // clang-format on
    for (const Step& s : steps) {
        SCOPED_TRACE(s.menu);
        rig.keypad.entries = s.entries;
        rig.help.calls.clear();
        EXPECT_EQ(RunDialog(rig, s.menu, [&](QWidget* modal) { Act(modal, s.actions); }), s.dialog);
        EXPECT_EQ(rig.help.calls, std::vector<std::string>{"context " + std::to_string(s.helpContext)});
        EXPECT_TRUE(rig.keypad.entries.empty());
    }
    rig.Command("mnuSave")->trigger();

    ImageBytes expected = original;
    Put(expected, 4592, {3, 2, 1, 5, 2, 1, 8, 4});
    Put(expected, 4648, {0, 0, 0, 0, 0, 0, 0, 0});
    Put(expected, 1184, {7, 13, 14, 38, 32, 1, 10, 32}); // "DE W1AW"
    for (auto [at, bit] : {std::pair{25, 0x04}, {2407, 0x80}, {4672, 0x01}, {4679, 0x80}})
        expected[at] = static_cast<std::uint8_t>(original[at] ^ bit);
    Put(expected, 3712, {2, 1, 2});
    Put(expected, 3776, {7, 5, 5, 5, 1, 2, 1, 2, 0, 0, 0, 0});
    Put(expected, 16, {7, 1, 2, 3, 4, 5, 6, 7});
    ExpectFileHolds(path, expected);
}

void Choose(QWidget* parent, const char* list, int index) {
    auto* combo = parent->findChild<QComboBox*>(list);
    ASSERT_TRUE(combo) << list;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// A user's evening: macro 12 with a code and three commands and its review, an event on December 25
// at 08:30 and one every hour at :15, a hardware input command and the 24-hour clock; saved. Nothing
// else in the file changes.
TEST(AutomationMenus, DefineReviewScheduleAndSave) {
    TempFolder folder;
    const std::string path = folder.Path("site.HR8");
    ImageBytes bytes = WritePatternedImage(path);
    Put(bytes, 4340, std::vector<std::uint8_t>(28)); // macro 12 empty
    Put(bytes, 7888, std::vector<std::uint8_t>(14)); // events 1 and 2 empty
    bytes[4029] = 0xF8;
    ASSERT_TRUE(WriteImageFile(path, bytes).ok);

    ShellRig rig;
    rig.Start();
    ASSERT_TRUE(rig.window->OpenAtStart(path));

    std::vector<std::string> review;
    rig.keypad.entries = {"123", "1110", "1111", "2000"};
    WhenModal([&](QWidget* macros) {
        ASSERT_EQ(macros->objectName(), "frmMacro");
        QTest::keyClick(macros, Qt::Key_F1);
        Click(macros, "optGroup_1");
        for (const char* cell : {"Label2_1", "Label3_1", "Label4_1", "Label5_1"})
            Click(macros, cell);
        WhenModal([&](QWidget* r) {
            review = {TextOf(*r, "macCode"), TextOf(*r, "Label2_0"), TextOf(*r, "Label2_1"),
                      TextOf(*r, "Label2_3")};
            Click(r, "cmdOK");
        });
        Click(macros, "Label1_1");
        Click(macros, "cmdOK");
    });
    rig.Command("mnuMacros")->trigger();
    EXPECT_EQ(review, (std::vector<std::string>{"123", "Repeater Transmitter OFF", "Repeater Transmitter ON",
                                                "No Command"}));
    EXPECT_EQ(rig.keypad.calls[0].heading, "Macro Command #12");

    rig.keypad.entries = {"0830", "1110", "15"};
    WhenModal([&](QWidget* page) {
        ASSERT_EQ(page->objectName(), "frmsched");
        QTest::keyClick(page, Qt::Key_F1);
        WhenModal([&](QWidget* entry) {
            Click(entry, "chkErase");
            Click(entry, "optWk_4");
            Choose(entry, "cmbMonth", 11);
            Choose(entry, "cmbMoDay", 24);
            Click(entry, "lblTime");
            Click(entry, "lblCmd");
            Click(entry, "cmdOK");
        });
        Click(page, "lblTime_0");
        WhenModal([&](QWidget* entry) {
            Click(entry, "chkErase");
            Click(entry, "chkHour");
            Click(entry, "lblTime");
            Click(entry, "cmdOK");
        });
        Click(page, "lblTime_1");
        EXPECT_EQ(TextOf(*page, "lblTime_1"), "----:15");
        Click(page, "cmdOK");
    });
    rig.Command("mnuSched")->trigger();

    rig.keypad.entries = {"0125"};
    WhenModal([&](QWidget* inputs) {
        QTest::keyClick(inputs, Qt::Key_F1);
        Click(inputs, "Label1_3");
        Click(inputs, "cmdOK");
    });
    rig.Command("mnuUsers")->trigger();
    WhenModal([&](QWidget* config) {
        QTest::keyClick(config, Qt::Key_F1);
        Click(config, "optClock_1");
        Click(config, "cmdOK");
    });
    rig.Command("mnuConfig")->trigger();

    EXPECT_EQ(rig.help.calls,
              (std::vector<std::string>{"context 500", "context 501", "context 502", "context 907"}));
    rig.Command("mnuSave")->trigger();
    EXPECT_TRUE(rig.messages.shown.empty());
    ImageBytes expected = bytes;
    Put(expected, 4340, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x11, 0x11, 0x20, 0x00});
    Put(expected, 7888, {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10, 0xFF, 0, 0, 0xFF, 0x15, 0, 0});
    Put(expected, 4662, {0x01, 0x25});
    Put(expected, 4029, {0xF9});
    ExpectFileHolds(path, expected);
}

} // namespace
} // namespace rc::shell::testing
