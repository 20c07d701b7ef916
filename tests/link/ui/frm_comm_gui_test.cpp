// The main window, its dialogs, the terminal view and the help, on a scripted port.
#include "link/ui/comm_setup.h"
#include "link/ui/frm_modem_init.h"
#include "link/ui/frm_splash.h"
#include "link/ui/terminal_view.h"
#include "link_gui_support.h"
#include "rc_version.h"

namespace rc::link {
namespace {

using namespace test;

void Put(TerminalView& t, std::string_view bytes) {
    t.PutData(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

using Window = WindowOn<FakePort>;

// The captions and the panels at start are pinned with every other text; what the clock tick shows and
// the order of the menus are not.
TEST(frmComm, ClockMenusAndCommandsThatReachTheLineAndTheHelp) {
    Window w;
    w.Start();
    w.clock.now = {7, 0, 1};
    w.timers["Timer1"].Fire();
    EXPECT_EQ(Child<QLabel>(w.window, "sBar1_4")->text(), "07:00:01");
    QStringList menus;
    for (QAction* menu : w.window.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Configuration", "&Dialing", "&Transfers", "&Help"}));
    w.window.findChild<QAction*>("mnuModemInit")->trigger();
    EXPECT_EQ(w.port.sent, "ATZ0\r\n");
    w.window.findChild<QAction*>("mnuHelpContents")->trigger();
    w.window.findChild<QAction*>("mnuHelpSearch")->trigger();
    // F1 opens the page of the window it is pressed in.
    QApplication::setActiveWindow(&w.window);
    QTest::keyClick(&w.window, Qt::Key_F1);
    for (const char* setup : {"mnuCommSetup", "mnuModemSetup"}) {
        WhenModal([](QWidget* dialog) {
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
        });
        w.window.findChild<QAction*>(setup)->trigger();
    }
    EXPECT_EQ(w.help.calls,
              (std::vector<std::string>{"contents", "search", "context 10", "context 20", "context 30"}));

    Put(w.window.terminal(), "OK");
    QTest::mouseClick(Child<QPushButton>(w.window, "cmdClrScreen"), Qt::LeftButton);
    EXPECT_EQ(w.window.terminal().toPlainText(), "");
    EXPECT_EQ(w.window.focusWidget(), &w.window.terminal());
}

TEST(frmComm, CommSetupShowsTheSettingsAndAppliesOk) {
    Window w;
    w.store.Modem({"1", "19200", "8", "O", "2", "0", "1"}); // no option for 19200
    w.store.values[{"MODEM", "DEVICE2"}] = "/dev/ttyUSB0";
    w.Start();
    WhenModal([&](QWidget* d) {
        for (const char* on : {"OptComm1", "Opt8Bits", "OptOdd", "OptStop2", "Check2"})
            EXPECT_TRUE(Child<QAbstractButton>(*d, on)->isChecked()) << on;
        // No baud option is 19200.
        for (const char* off : {"Opt300", "Opt1200", "Opt2400", "Opt4800", "Opt9600", "Check1"})
            EXPECT_FALSE(Child<QAbstractButton>(*d, off)->isChecked()) << off;
        EXPECT_EQ(Child<QLabel>(*d, "lblDevice_2")->text(), "/dev/ttyUSB0");
        // Placed with its centre 275 x 173 pixels from the main window's corner.
        const QRect main = w.window.frameGeometry();
        EXPECT_EQ(d->x() + d->width() / 2, main.x() + 275) << d->width();
        EXPECT_EQ(d->y() + d->height() / 2, main.y() + 173);

        // Comm2 picks up its own device in the box; a typed path replaces it.
        QTest::mouseClick(Child<QRadioButton>(*d, "OptComm2"), Qt::LeftButton);
        auto* device = Child<QComboBox>(*d, "cboDevice");
        EXPECT_EQ(device->currentText(), "/dev/ttyUSB0");
        device->setCurrentText("/tmp/modem-link");
        EXPECT_EQ(Child<QLabel>(*d, "lblDevice_2")->text(), "/tmp/modem-link");
        EXPECT_EQ(Child<QLabel>(*d, "lblDevice_1")->text(), "/dev/ttyS0");
        for (const char* name : {"Opt4800", "Check1", "Check2", "cmdOk"})
            Click(*d, name);
    });
    w.port.log.clear();
    w.window.ShowCommSetup();
    EXPECT_EQ(w.window.panelText(Panel::Port), "Comm Port: 2");
    EXPECT_EQ(w.window.panelText(Panel::Settings), "Settings: 4800-8-O-2");
    EXPECT_EQ(w.port.log, (std::vector<std::string>{"close", "open /tmp/modem-link", "dtr 1", "rts 0"}));
    EXPECT_EQ(Line(w.port.opened), Line({"/tmp/modem-link", 4800, 8, Parity::Odd, 2}));
    EXPECT_EQ(w.window.linkSettings().dtr, "1");
    EXPECT_TRUE(w.store.writes.empty()) << "the dialog stores nothing";

    // Cancel changes nothing.
    const LinkSettings before = w.window.linkSettings();
    const int opens = w.port.opens;
    WhenModal([&](QWidget* d) {
        QTest::mouseClick(Child<QRadioButton>(*d, "Opt300"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(*d, "cmdCancel"), Qt::LeftButton);
    });
    w.window.ShowCommSetup();
    EXPECT_EQ(w.window.linkSettings(), before);
    EXPECT_EQ(w.port.opens, opens);
}

TEST(frmComm, ProgramSetupLoadsPendsAndApplies) {
    Window w;
    w.store.values[{"MODEM", "PORT"}] = "1";
    w.store.values[{"MODEM_INIT", "INIT"}] = "ATZ0";
    w.store.values[{"MODEM_INIT", "INIT-BOOLEAN"}] = "1";
    w.store.values[{"TEL_NUMBERS", "NUMBER1"}] = "5550100";
    w.store.values[{"FILE_TYPE", "FILETYPE"}] = "R6";
    w.store.values[{"CALL_WAIT", "CW-BOOLEAN"}] = "1";
    w.store.values[{"CALL_WAIT", "CW-STRING"}] = "*70";
    w.Start();
    WhenModal([&](QWidget* d) {
        EXPECT_EQ(Child<QLineEdit>(*d, "txtModemInit")->text(), "ATZ0");
        EXPECT_EQ(Child<QLineEdit>(*d, "txtTelNumber")->text(), "5550100");
        for (const char* on : {"OptR6", "chkAppend", "chkCallWait"})
            EXPECT_TRUE(Child<QAbstractButton>(*d, on)->isChecked()) << on;
        auto* cw = Child<QCheckBox>(*d, "chkCallWait");
        auto* list = Child<QComboBox>(*d, "cmbCallWait");
        auto* label = Child<QLabel>(*d, "Label3");
        EXPECT_TRUE(list->isEnabled());
        EXPECT_EQ(list->currentText(), "*70");
        EXPECT_EQ(list->count(), 3); // the entries themselves are in the activation test
        EXPECT_EQ(d->x() + d->width() / 2, w.window.frameGeometry().x() + 275); // beside, as Comm Setup

        // Unchecking disables and empties the list.
        cw->click();
        EXPECT_FALSE(list->isEnabled());
        EXPECT_FALSE(label->isEnabled());
        EXPECT_EQ(list->currentText(), "");
        cw->click();
        EXPECT_TRUE(list->isEnabled());
        list->setCurrentText("70#");
        Child<QLineEdit>(*d, "txtTelNumber")->setText("5559876");
        for (const char* name : {"chkAppend", "optM4", "cmdOk"})
            Click(*d, name);
    });
    w.window.ShowProgramSetup();
    const LinkSettings& s = w.window.linkSettings();
    EXPECT_EQ(s.number1, "5559876");
    EXPECT_EQ(s.initBoolean, "0");
    EXPECT_EQ(s.cwBoolean, "1");
    EXPECT_EQ(s.cwString, "70#");
    EXPECT_EQ(s.modelType, "3");
    EXPECT_EQ(w.window.panelText(Panel::Model), "Halden M4");
    EXPECT_TRUE(w.store.writes.empty());
}

TEST(frmModemInit, EachActivationAddsTheCallWaitEntries) {
    LinkSettings s;
    s.cwBoolean = "1";
    s.cwString = "555";
    frmModemInit d(s);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.Activations() >= 1; }, 3000));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.Activations() >= 2; }, 3000));
    auto* list = d.findChild<QComboBox*>("cmbCallWait");
    EXPECT_EQ(list->count(), 3 * d.Activations());
    EXPECT_EQ(list->itemText(3), "*70");
    EXPECT_EQ(list->currentText(), "555") << "adding entries keeps the typed text";
}

TEST(frmSplash, StartUpAndAboutModes) {
    frmSplash splash(frmSplash::Mode::StartUp);
    splash.show();
    EXPECT_FALSE(Child<QPushButton>(splash, "cmdOK")->isVisible());
    EXPECT_FALSE(Child<QPushButton>(splash, "cmdSysInfo")->isVisible());

    Window w;
    w.window.findChild<QAction*>("mnuAbout")->trigger();
    auto* about = w.window.findChild<frmSplash*>("frmSplash");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(Child<QPushButton>(*about, "cmdOK")->isVisible());
    EXPECT_TRUE(Child<QPushButton>(*about, "cmdSysInfo")->isVisible());
    // The system's version line, and the program's own as --version prints it.
    EXPECT_EQ(Child<QLabel>(*about, "lblVersion")->text(), "Version 2.10   December 24 , 1999");
    EXPECT_EQ(Child<QLabel>(*about, "lblBuild")->text(), QString("rclink ") + kProgramVersion);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(Child<QPushButton>(*about, "cmdOK"), Qt::LeftButton);
}

TEST(TerminalView, ShowsWhatArrivesLikeATerminal) {
    struct Case {
        const char* arrives;
        const char* shown;
        int line, column;
    } cases[] = {
        {"OK\r\n", "OK\n", 1, 0},
        {"ATZ0\r\r\nOK\r\n", "ATZ0\nOK\n", 2, 0},
        {"abc\rX", "Xbc", 0, 1},        // CR returns, then overwrites
        {"abc\b\bZ", "aZc", 0, 2},      // backspace steps back without erasing
        {"\b\bab", "ab", 0, 2},         // never past the start of the line
        {"ab \b\bc", "ac ", 0, 2},      // the usual echo of a rubbed-out character
        {"one\ntwo", "one\ntwo", 1, 3}, // LF alone starts a new line too
        {"a\tb", "a       b", 0, 9},
        {"x\x07\x1b\x7fy", "xy", 0, 2},       // other control bytes are not shown
        {"\xe9t\xe9", "\u00e9t\u00e9", 0, 3}, // bytes above 127 as Latin-1
    };
    for (const Case& c : cases) {
        TerminalView t;
        Put(t, c.arrives);
        SCOPED_TRACE(c.arrives);
        EXPECT_EQ(t.toPlainText().toStdString(), c.shown);
        EXPECT_EQ(t.CursorLine(), c.line);
        EXPECT_EQ(t.CursorColumn(), c.column);
    }
    TerminalView t;
    Put(t, "first\r\nsecond");
    t.Home();
    Put(t, "F");
    EXPECT_EQ(t.toPlainText(), "First\nsecond");
}

TEST(TerminalView, SendsWhatIsTyped) {
    FakePort port;
    TerminalView t;
    t.Bind(&port);
    t.show();
    QTest::keyClicks(&t, "ATI4");
    QTest::keyClick(&t, Qt::Key_Return);
    QTest::keyClick(&t, Qt::Key_Backspace);
    QTest::keyClick(&t, Qt::Key_Left); // moves nothing, sends nothing
    QTest::keyClick(&t, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(port.sent, std::string("ATI4\r\b\x03"));
    EXPECT_EQ(t.toPlainText(), "") << "no local echo";
}

} // namespace
} // namespace rc::link
