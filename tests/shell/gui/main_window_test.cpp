// The editor's main window over scripted services: its menus, files, undo, history and help, and the
// settings commands from the menu to the saved file.
#include "image/regions.h"
#include "rc_version.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"
#include "shell/status_date.h"
#include "shell_fakes.h"

#include <QAbstractButton>
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace rc::shell::testing {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { rig.Start(); }

    bool Enabled(const std::string& name) const { return rig.Command(name)->isEnabled(); }
    QString PanelText(int n) const { return rig.window->Panel(n)->text(); }
    void Trigger(const std::string& name) { rig.Command(name)->trigger(); }

    TempFolder folder;
    ShellRig rig;
};

TEST_F(MainWindowTest, ImageCommandsWaitForTheFirstOpen) {
    // A few of each kind: the menu table decides the rest.
    const std::vector<std::string> always = {"mnuOpen", "mnuExit",   "mnuCodes_0",
                                             "mnuHelp", "mnuMacros", "mnuMemory"},
                                   afterOpen = {"mnuSave",   "mnuCodesTimers", "mnuTools",
                                                "mnuConfig", "mnuStats",       "mnuPrint"};
    auto check = [&](bool opened) {
        for (const std::string& name : always)
            EXPECT_TRUE(Enabled(name)) << name;
        for (const std::string& name : afterOpen)
            EXPECT_EQ(Enabled(name), opened) << name;
    };
    check(false);
    EXPECT_EQ(PanelText(3).toStdString(), TodayStatusDate());
    std::string path = folder.WriteImage("site.HR8");
    rig.dialogs.opens = {path};
    Trigger("mnuOpen");
    EXPECT_EQ(PanelText(1).toStdString(), " " + path);
    check(true);
}

TEST_F(MainWindowTest, RecentFilesShowInTheFileMenu) {
    EXPECT_FALSE(rig.Command("mnuSep4")->isVisible());
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(rig.Command("mnuFileList_" + std::to_string(k))->isVisible());

    const std::string longPath = "/srv/repeaters/mountain-top/site&backup/" + std::string(20, 'q') + ".HR8";
    rig.store.values[{"Projects", "File1"}] = "/r/a.HR8";
    rig.store.values[{"Projects", "File2"}] = longPath;
    rig.window->GetRegistry();
    EXPECT_TRUE(rig.Command("mnuSep4")->isVisible());
    EXPECT_EQ(rig.Command("mnuFileList_0")->text(), "&1 /r/a.HR8");
    // The tail of a long path; its '&' is doubled so the menu shows it instead of an access key.
    EXPECT_EQ(rig.Command("mnuFileList_1")->text().toStdString(),
              "&2 ..tain-top/site&&backup/" + std::string(20, 'q') + ".HR8");
    EXPECT_FALSE(rig.Command("mnuFileList_2")->isVisible());

    // An opened file heads the list, and a recent entry reopens its file.
    for (const char* name : {"one.HR8", "two.HR8"})
        ASSERT_TRUE(rig.window->OpenAtStart(folder.WriteImage(name)));
    rig.Command("mnuFileList_1")->trigger();
    EXPECT_EQ(PanelText(1).toStdString(), " " + folder.Path("one.HR8"));
}

// Every kind of write is one step that undo and redo put back to the byte, named after what it
// changed; the steps belong to the open image, and "Mod" follows the bytes.
TEST_F(MainWindowTest, UndoAndRedoEveryKindOfStep) {
    std::string path = folder.Path("site.HR8");
    ImageBytes patterned = rc::testing::Patterned(); // a byte written to the wrong place shows
    patterned[kSaveAlertZoneByte] = 1;               // saving raises no alert
    ASSERT_TRUE(WriteImageFile(path, patterned).ok);
    ASSERT_TRUE(rig.window->OpenAtStart(path));
    const ImageBytes opened = rig.state.image;
    rig.window->show();
    QApplication::setActiveWindow(rig.window.get());
    QAction* undo = rig.window->findChild<QAction*>("mnuUndo");
    QAction* redo = rig.window->findChild<QAction*>("mnuRedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // The codes and timers commands edit the copy they name: what lands where.
    struct Case {
        const char* menu;
        std::vector<const char*> clicks;
        std::size_t says; // messages shown: the copy's report, the flush and reset questions
        const char* undoText;
        int offset = 0;
        std::vector<int> bytes = {};
    } cases[] = {
        {"mnuTimers_4", {"lblTime_1", "cmdDone"}, 0, nullptr, 3152 + 2, {8, 7}},
        {"mnuCodes_2", {"lblCode_3", "cmdOK"}, 0, nullptr, 1816 + 8 * 3, {3, 12, 11, 13, 0, 0, 0, 0}},
        {"mnuMemory", {"cmdTimers_1", "cmdOK"}, 1, "&Undo Copy Repeater Timers to Memory Save #2"},
        {"mnuTimers_0", {"lblTime_0", "cmdDone"}, 0, "&Undo Base Timers: Repeater Time-Out"},
        // The memory dialog is kept between showings and copies the bytes of the moment again.
        {"mnuMemory", {"cmdTimers_1", "cmdOK"}, 1, nullptr},
        {"mnuFlush", {"cmdFls_0", "cmdOK"}, 1, nullptr},
        {"mnuStats", {"cmdErase", "cmdOK"}, 1, "&Undo Reset Stats"},
    };
    rig.keypad.entries = {"1800", "#*A", "1500"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        const ImageBytes before = rig.state.image;
        rig.messages.answers = {Answer::Yes}; // flush and reset ask first
        const std::size_t shown = rig.messages.shown.size();
        RunDialog(rig, c.menu, [&](QWidget* d) {
            for (const char* name : c.clicks)
                Click(*d, name);
        });
        EXPECT_EQ(rig.messages.shown.size() - shown, c.says);
        rig.window->tmrMod_Timer();
        const ImageBytes after = rig.state.image;
        ASSERT_NE(before, after);
        if (!c.bytes.empty())
            rc::testing::ExpectBytes(before, after, c.offset, c.bytes);
        if (c.undoText) {
            EXPECT_EQ(undo->text().toStdString(), c.undoText);
        }
        // Ctrl+Z and both redo keys, as the user presses them.
        QApplication::setActiveWindow(rig.window.get());
        QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(rig.state.image == before);
        QTest::keyClick(rig.window.get(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(rig.state.image == after);
        undo->trigger();
        QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(rig.state.image == after);
    }
    // Back to the opened bytes: no "Mod"; after Save none either.
    while (undo->isEnabled())
        undo->trigger();
    EXPECT_TRUE(rig.state.image == opened);
    rig.window->tmrMod_Timer();
    EXPECT_EQ(PanelText(2), "");
    redo->trigger();
    rig.window->tmrMod_Timer();
    EXPECT_EQ(PanelText(2), "Mod");
    Trigger("mnuSave");
    rig.window->tmrMod_Timer();
    EXPECT_EQ(PanelText(2), "");
    // A byte changed and put back behind the window's back: its own 100 ms timer notices both.
    rig.state.image[600] ^= 1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return PanelText(2) == "Mod"; }, 5000));
    rig.state.image[600] ^= 1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return PanelText(2) == ""; }, 5000));
    // Unsaved again, then another file (the edits let go) starts afresh, and Exit asks nothing.
    undo->trigger();
    rig.dialogs.opens = {folder.WriteImage("other.HR8")};
    rig.messages.answers = {Answer::No};
    Trigger("mnuOpen");
    EXPECT_EQ(rig.messages.shown.back(), ChangedQuestion());
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    rig.messages.shown.clear();
    EXPECT_TRUE(rig.window->close());
    EXPECT_TRUE(rig.messages.shown.empty());
}

// The menus' shortcuts are the text snapshot's.
TEST_F(MainWindowTest, TheKeyboardInsideADialog) {
    ASSERT_TRUE(rig.window->OpenAtStart(folder.WriteImage("site.HR8")));
    // After an entry the focus is on its field, so Return opens that entry again, not OK. Undo and
    // redo work inside the dialog, which shows their result at once and keeps the focus.
    rig.keypad.entries = {"12", "34"};
    RunDialog(rig, "mnuCodes_0", [](QWidget* d) {
        auto* code = d->findChild<QLabel*>("lblCode_2");
        const QString before = code->text();
        Click(*d, "lblCode_2");
        EXPECT_EQ(code->text(), "12");
        QTest::keyClick(d, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(code->text(), before);
        QTest::keyClick(d, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(code->text(), "12");
        EXPECT_EQ(d->focusWidget(), code);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        Click(*d, "cmdOK");
    });
    EXPECT_EQ(rig.keypad.calls.size(), 2u);
    EXPECT_TRUE(rig.keypad.entries.empty());
}

TEST_F(MainWindowTest, CompareShowsWhatDiffersFromAnotherFileUnsavedEditsIncluded) {
    const std::string path = folder.WriteImage("site.HR8", 5);
    ASSERT_TRUE(rig.window->OpenAtStart(path));
    const std::vector<std::string> changed = {"Base Timers|Repeater Time-Out"}; // "area|item"
    for (const bool edited : {false, true}) {
        if (edited)
            rig.state.image[kBaseTimersBlock.offset] = 0x12;
        rig.dialogs.opens = {path};
        QString summary;
        std::vector<std::string> rows;
        WhenModal([&](QWidget* modal) {
            summary = modal->findChild<QLabel*>("lblSummary")->text();
            if (auto* table = modal->findChild<QTableWidget*>("tblChanges"))
                for (int r = 0; r < table->rowCount(); ++r)
                    rows.push_back(table->item(r, 0)->text().toStdString() + "|" +
                                   table->item(r, 1)->text().toStdString());
            static_cast<QDialog*>(modal)->reject();
        });
        Trigger("mnuCompare");
        EXPECT_EQ(summary.contains("same"), !edited) << summary.toStdString();
        EXPECT_EQ(rows, edited ? changed : std::vector<std::string>{});
    }
    // A file the editor would refuse is refused here too, with Open's message.
    rig.dialogs.opens = {folder.WriteImage("short.HR8", 0, 100)};
    rig.messages.shown.clear();
    Trigger("mnuCompare");
    EXPECT_EQ(rig.messages.Titles(), std::vector<std::string>{"Filename Error"});
}

// The history of the open file: its table, the plot's series read back from the chart, the counter
// picker, and the selected copy compared with the open image and written out under a new name.
TEST_F(MainWindowTest, HistoryShowsTheKeptCopiesComparesAndSavesOne) {
    const std::string site = folder.WriteImage("site.HR8");
    KeptHistory kept(site);
    ASSERT_TRUE(rig.window->OpenAtStart(site));
    const std::string restored = folder.Path("restored.HR8");
    rig.dialogs.saves = {folder.Path("restored.txt"), restored};
    std::vector<std::string> rows;
    std::map<std::string, std::vector<qreal>> plotted;
    QString compared;
    bool closedByEscape = false;
    WhenModal([&](QWidget* history) {
        auto* table = history->findChild<QTableWidget*>("tblHistory");
        for (int r = 0; r < table->rowCount(); ++r)
            rows.push_back(table->item(r, 3)->text().toStdString() + "|" +
                           table->item(r, 4)->text().toStdString());
        auto* chart = history->findChild<QChartView*>("chvCounters")->chart();
        // Unticking a counter hides its line.
        history->findChild<QListWidget*>("lstCounters")->item(9)->setCheckState(Qt::Unchecked);
        for (QAbstractSeries* s : chart->series())
            if (s->isVisible())
                for (const QPointF& p : static_cast<QXYSeries*>(s)->points())
                    plotted[s->name().toStdString()].push_back(p.y());
        table->selectRow(1);
        WhenModal([&](QWidget* compare) { compared = compare->findChild<QLabel*>("lblSummary")->text(); });
        Click(*history, "cmdCompare");
        Click(*history, "cmdSaveCopy"); // refused: not an image's name
        Click(*history, "cmdSaveCopy");
        QTest::keyClick(history, Qt::Key_Escape);
        closedByEscape = !history->isVisible();
    });
    Trigger("mnuHistory");
    std::vector<std::string> expected;
    for (const KeptHistory::Copy& c : KeptHistory::kCopies)
        expected.push_back(std::string(c.settings) + "|" + c.risen);
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(plotted.size(), 9u);
    EXPECT_EQ(plotted["Manual Autopatch"], (std::vector<qreal>{3, 0, 2, 0}));
    EXPECT_EQ(plotted["Telephone Ring Detects"], (std::vector<qreal>{10, 0, 0, 0}));
    EXPECT_TRUE(compared.contains(QString::fromStdString(kept.paths[1]))) << compared.toStdString();
    EXPECT_EQ(rig.messages.Titles(), std::vector<std::string>{SaveExtensionErrorMessage().title});
    EXPECT_EQ(rc::test::ReadFile(restored), rc::test::ReadFile(kept.paths[1]));
}

// The answers' saving is the file commands' (tests/shell/shell_test.cpp); here the window.
TEST_F(MainWindowTest, ClosingAsksAndKeepsTheWindowUnlessTheEditsAreSafe) {
    std::string path = folder.WriteImage("site.HR8");
    for (const Answer answer : {Answer::Cancel, Answer::No}) {
        SCOPED_TRACE(int(answer));
        const bool closes = answer == Answer::No;
        ShellRig rig;
        rig.Start();
        rig.window->show();
        ASSERT_TRUE(rig.window->OpenAtStart(path));
        rig.state.image[700] = 7;
        rig.messages.answers = {answer};
        bool closedSignal = false;
        QObject::connect(rig.window.get(), &MDIForm1::closed, [&] { closedSignal = true; });
        EXPECT_EQ(rig.window->close(), closes);
        EXPECT_EQ(closedSignal, closes);
        EXPECT_EQ(rig.messages.shown, std::vector<MessageSpec>{ChangedQuestion()});
        EXPECT_EQ(rig.window->isVisible(), !closes);
        // Settings are written only as the window really closes.
        EXPECT_EQ(rig.store.values.count({"Startup", "Password"}), closes ? 1u : 0u);
        EXPECT_EQ((rig.store.values[{"Projects", "File1"}]), closes ? path : "");
        EXPECT_EQ((rig.store.values[{"Printer", "FontName"}]), closes ? "Arial" : "");
    }
}

TEST_F(MainWindowTest, HelpWebAndAbout) {
    Trigger("mnuHelpContents");
    Trigger("mnuHelpSearch");
    rig.window->show();
    QApplication::setActiveWindow(rig.window.get());
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    EXPECT_EQ(rig.help.calls, (std::vector<std::string>{"contents", "search", "context 10"}));

    Trigger("mnuWeb");
    EXPECT_EQ(rig.messages.beeps, 0);
    ASSERT_EQ(rig.desktop.opened.size(), 1u);
    EXPECT_EQ(rig.desktop.opened[0].rfind("https://", 0), 0u);
    rig.desktop.webWorks = false;
    Trigger("mnuWeb");
    EXPECT_EQ(rig.messages.beeps, 1);

    Trigger("mnuAbout");
    frmSplash* about = rig.window->About();
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    auto* box = about->findChild<QCheckBox*>("chkShowTips");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(about->findChild<QLabel*>("lblBuild")->text(), QString("rcedit ") + kProgramVersion);

    rig.desktop.sysInfoWorks = false;
    about->findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_EQ(rig.messages.shown.at(0).text, "System Information Is Unavailable At This Time");
    rig.desktop.sysInfoWorks = true;
    about->findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_EQ(rig.messages.shown.size(), 1u);

    QApplication::setActiveWindow(about);
    QTest::keyClick(about, Qt::Key_F1);
    EXPECT_EQ(rig.help.calls.back(), "context 1002");

    box->setChecked(false);
    about->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(rig.window->Settings().ShowTips, 0);
}

TEST_F(MainWindowTest, TipWindowFollowsTheSetting) {
    frmTip* tip = rig.window->ShowTip();
    ASSERT_TRUE(tip);
    auto* box = tip->findChild<QCheckBox*>("chkLoadTipsAtStartup");
    EXPECT_TRUE(box->isChecked());
    box->setChecked(false);
    tip->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(rig.window->Settings().ShowTips, 0);
    EXPECT_EQ(rig.window->ShowTip(), nullptr);

    rig.store.values[{"Options", "Show Tips at Startup"}] = "abc"; // unreadable: tips shown
    rig.window->GetRegistry();
    EXPECT_TRUE(rig.window->ShowTip());
}

// The settings commands from the menu to the saved file: each opens its dialog with its help topic,
// the entries land in their own bytes, and every other byte of the file comes back as it was read.

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

void Choose(QWidget* parent, const char* list, int index) {
    auto* combo = parent->findChild<QComboBox*>(list);
    ASSERT_TRUE(combo) << list;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// A user's evening: courtesy tones, the CW message, zones, switches and telephone codes; macro 12
// with a code and three commands and its review, an event on December 25 at 08:30 and one every hour
// at :15, a hardware input command and the 24-hour clock; saved.
TEST(MenuWalk, EditsFromTheMenuReachTheSavedFileAndNothingElse) {
    TempFolder folder;
    const std::string path = folder.Path("site.HR8");
    ImageBytes original = rc::testing::Patterned();
    original[kSaveAlertZoneByte] = 1;
    Put(original, 4340, std::vector<std::uint8_t>(28)); // macro 12 empty
    Put(original, 7888, std::vector<std::uint8_t>(14)); // events 1 and 2 empty
    original[4029] = 0xF8;
    ASSERT_TRUE(WriteImageFile(path, original).ok);
    ShellRig rig;
    rig.Start();
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
        {"mnuUsers", "frmUser", 502, {"0125"}, {"Label1_3", "cmdOK"}},
        {"mnuConfig", "frmConfig", 907, {}, {"optClock_1", "cmdOK"}},
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

    std::string review;
    const std::size_t calls = rig.keypad.calls.size();
    rig.help.calls.clear();
    rig.keypad.entries = {"123", "1110", "1111", "2000"};
    EXPECT_EQ(RunDialog(rig, "mnuMacros",
                        [&](QWidget* macros) {
                            Click(*macros, "optGroup_1");
                            for (const char* cell : {"Label2_1", "Label3_1", "Label4_1", "Label5_1"})
                                Click(*macros, cell);
                            WhenModal([&](QWidget* r) {
                                review = TextOf(*r, "macCode") + "|" + TextOf(*r, "Label2_1");
                                Click(*r, "cmdOK");
                            });
                            Click(*macros, "Label1_1");
                            Click(*macros, "cmdOK");
                        }),
              "frmMacro");
    EXPECT_EQ(review, "123|Repeater Transmitter ON");
    EXPECT_EQ(rig.keypad.calls.at(calls), "3 7 Macro Command #12 [] 4");

    rig.keypad.entries = {"0830", "1110", "15"};
    EXPECT_EQ(RunDialog(rig, "mnuSched",
                        [&](QWidget* page) {
                            WhenModal([&](QWidget* entry) {
                                Act(entry, {"chkErase", "optWk_4"});
                                Choose(entry, "cmbMonth", 11);
                                Choose(entry, "cmbMoDay", 24);
                                Act(entry, {"lblTime", "lblCmd", "cmdOK"});
                            });
                            Click(*page, "lblTime_0");
                            WhenModal([&](QWidget* entry) {
                                Act(entry, {"chkErase", "chkHour", "lblTime", "cmdOK"});
                            });
                            Click(*page, "lblTime_1");
                            EXPECT_EQ(TextOf(*page, "lblTime_1"), "----:15");
                            Click(*page, "cmdOK");
                        }),
              "frmsched");
    EXPECT_EQ(rig.help.calls, (std::vector<std::string>{"context 500", "context 501"}));

    rig.Command("mnuSave")->trigger();
    EXPECT_TRUE(rig.messages.shown.empty());
    ImageBytes expected = original;
    Put(expected, 4592, {3, 2, 1, 5, 2, 1, 8, 4});
    Put(expected, 4648, {0, 0, 0, 0, 0, 0, 0, 0});
    Put(expected, 1184, {7, 13, 14, 38, 32, 1, 10, 32}); // "DE W1AW"
    for (auto [at, bit] : {std::pair{25, 0x04}, {2407, 0x80}, {4672, 0x01}, {4679, 0x80}})
        expected[at] = static_cast<std::uint8_t>(original[at] ^ bit);
    Put(expected, 3712, {2, 1, 2});
    Put(expected, 3776, {7, 5, 5, 5, 1, 2, 1, 2, 0, 0, 0, 0});
    Put(expected, 16, {7, 1, 2, 3, 4, 5, 6, 7});
    Put(expected, 4340, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x11, 0x11, 0x20, 0x00});
    Put(expected, 7888, {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10, 0xFF, 0, 0, 0xFF, 0x15, 0, 0});
    Put(expected, 4662, {0x01, 0x25});
    Put(expected, 4029, {0xF9});
    ImageBytes saved;
    ASSERT_EQ(ReadImageFile(path, saved).error, OpenError::None);
    EXPECT_EQ(rc::testing::Changed(expected, saved), "");
}

} // namespace
} // namespace rc::shell::testing
