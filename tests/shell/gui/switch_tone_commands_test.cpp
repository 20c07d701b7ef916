#include "shell_fakes.h"

#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace rc::shell::testing {
namespace {

// From the menu to the saved file: each command opens its dialog with its help topic, the user's
// entries land in their own bytes, and every other byte of the file comes back as it was read.
TEST(SwitchToneCommands, EditsFromTheMenuReachTheSavedFileAndNothingElse) {
    TempFolder folder;
    ShellRig rig;
    rig.Start();
    std::string original(8192, '\0');
    for (int i = 0; i < 8192; ++i)
        original[static_cast<std::size_t>(i)] = static_cast<char>(i * 37 + 11);
    original[24] = 1; // transmitter on: no save alert
    const std::string path = folder.Path("site.HR8");
    std::ofstream(path, std::ios::binary).write(original.data(), 8192);
    ASSERT_TRUE(rig.window->OpenAtStart(path));

    auto click = [](QWidget* modal, const QString& name) {
        QWidget* w = modal->findChild<QWidget*>(name);
        ASSERT_TRUE(w) << name.toStdString();
        QTest::mouseClick(w, Qt::LeftButton);
    };
    auto button = [](QWidget* modal, const char* name) {
        auto* b = modal->findChild<QAbstractButton*>(name);
        ASSERT_TRUE(b) << name;
        b->click();
    };
    auto pickCw = [](QWidget* modal, int code) {
        auto* list = modal->findChild<QListWidget*>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(code)).center());
    };
    struct Step {
        const char* menu;
        const char* dialog;
        const char* title;
        int helpContext;
        std::deque<std::string> entries;
        std::function<void(QWidget*)> act;
    } steps[] = {
        {"mnuCourtesy",
         "frmCTones",
         "Halden R8 Courtesy Tones",
         900,
         {"3", "2", "1", "5", "2", "1", "8", "4"},
         [&](QWidget* m) {
             for (const char* name :
                  {"lblT1_0", "lblTD1_0", "lblD1_0", "lblT2_0", "lblTD2_0", "lblD2_0", "lblT3_0", "lblTD3_0"})
                 click(m, name);
             button(m, "cmdOK");
         }},
        {"mnuCW_1",
         "frmCwEdit",
         "Halden R8 CW Edit Dialog Box",
         402,
         {},
         [&](QWidget* m) {
             button(m, "cmdClear");
             for (int code : {13, 14, 38, 32, 1, 10, 32}) // "DE W1AW"
                 pickCw(m, code);
             button(m, "cmdOK");
         }},
        {"mnuBaseZones",
         "frmZones1",
         "Base Zones",
         700,
         {},
         [&](QWidget* m) {
             button(m, "chkZ2_2");
             button(m, "cmdOK");
         }},
        {"mnuG1M3",
         "frmZones1",
         "Zone Channels For Memory #3",
         701,
         {},
         [&](QWidget* m) {
             button(m, "chkZ8_7");
             button(m, "cmdOK");
         }},
        {"mnuDVR",
         "frmExp",
         "Expanded Switches",
         902,
         {},
         [&](QWidget* m) {
             click(m, "Img1_0");
             click(m, "Img8_7");
             button(m, "cmdOK");
         }},
        {"mnuACode",
         "frmAreaCodes",
         "Halden R8 Area Codes Lookup Table",
         804,
         {"212"},
         [&](QWidget* m) {
             click(m, "lblAC_0");
             button(m, "cmdOK");
         }},
        {"mnuLockout",
         "frmLockout",
         "HaldenR8 Telephone Lockout Numbers",
         802,
         {"5551212"},
         [&](QWidget* m) {
             click(m, "Label1_0");
             button(m, "cmdOK");
         }},
        {"mnuUnlock",
         "frmUnlock",
         "Halden R8 Repeater Unlock Code",
         302,
         {"1234567"},
         [&](QWidget* m) {
             click(m, "lblNum");
             button(m, "cmdOK");
         }},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.menu);
        rig.keypad.entries = s.entries;
        rig.help.calls.clear();
        std::string shown, title;
        WhenModal([&](QWidget* modal) {
            shown = modal->objectName().toStdString();
            title = modal->windowTitle().toStdString();
            QTest::keyClick(modal, Qt::Key_F1);
            s.act(modal);
        });
        rig.Command(s.menu)->trigger();
        EXPECT_EQ(shown, s.dialog);
        EXPECT_EQ(title, s.title);
        EXPECT_EQ(rig.help.calls, std::vector<std::string>{"context " + std::to_string(s.helpContext)});
        EXPECT_TRUE(rig.keypad.entries.empty());
    }
    rig.Command("mnuSave")->trigger();

    std::string expected = original;
    auto put = [&](int at, std::vector<int> bytes) {
        for (int b : bytes)
            expected[static_cast<std::size_t>(at++)] = static_cast<char>(b);
    };
    put(4592, {3, 2, 1, 5, 2, 1, 8, 4});
    put(1184, {7, 13, 14, 38, 32, 1, 10, 32});
    expected[25] = static_cast<char>(original[25] ^ 0x04);
    expected[2407] = static_cast<char>(original[2407] ^ 0x80);
    expected[4672] = static_cast<char>(original[4672] ^ 0x01);
    expected[4679] = static_cast<char>(original[4679] ^ 0x80);
    put(3712, {2, 1, 2});
    put(3776, {7, 5, 5, 5, 1, 2, 1, 2, 0, 0, 0, 0});
    put(16, {7, 1, 2, 3, 4, 5, 6, 7});
    const std::string saved = TempFolder::Read(path);
    ASSERT_EQ(saved.size(), 8192u);
    for (int i = 0; i < 8192; ++i)
        ASSERT_EQ(static_cast<int>(static_cast<unsigned char>(saved[static_cast<std::size_t>(i)])),
                  static_cast<int>(static_cast<unsigned char>(expected[static_cast<std::size_t>(i)])))
            << "byte " << i;
}

} // namespace
} // namespace rc::shell::testing
