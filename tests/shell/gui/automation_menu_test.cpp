#include "shell_fakes.h"

#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace rc::shell::testing {
namespace {

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
