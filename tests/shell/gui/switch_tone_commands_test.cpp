#include "shell_fakes.h"

#include <QAbstractButton>
#include <QAction>
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

} // namespace
} // namespace rc::shell::testing
