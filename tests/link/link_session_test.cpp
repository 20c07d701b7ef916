#include "link/link_session.h"

#include "link_fakes.h"

#include <gtest/gtest.h>

namespace rc::link {
namespace {

using namespace test;

struct Rig {
    FakePort port;
    FakeMessages messages;
    FakeTimers timers;
    FakeClock clock;
    FakeWindow window;
    FakeStore store;
    LinkSession session{port, messages, timers, clock, window};

    // A session with its settings loaded and the port open, nothing sent yet.
    void Start() {
        session.LoadSettings(store);
        session.OpenPort();
        port.log.clear();
        port.sent.clear();
    }
    FakeTimer& Dial() { return timers["tmr3ModemInit"]; }
    FakeTimer& HangUp() { return timers["Timer2"]; }
};

// The panels of a first run, the model's left empty, are in the window's text snapshot.
TEST(LinkSession, FirstRunStartUp) {
    Rig r;
    r.session.LoadSettings(r.store);
    EXPECT_EQ(Line(r.port.applied), Line({"/dev/ttyS0", 300, 8, Parity::None, 1}));
    EXPECT_EQ(r.session.PortHandle(), 0);

    r.session.OpenPort();
    EXPECT_EQ(r.session.PortHandle(), 1);
    EXPECT_EQ(r.window.attached, 1);
    EXPECT_EQ(r.window.cleared, 1);
}

TEST(LinkSession, StoredSettingsAtStartUp) {
    struct Case {
        const char *filetype, *dtr, *rts, *stop;
        const char* model;
        bool dtrOn, rtsOn;
        int stopBits;
    } cases[] = {
        {"R8", "1", "1", "1", "Halden R8", true, true, 1},
        {"", "0", "1", "2", "Halden K9", false, true, 2},
        {"R6", "yes", "0", "2", "Halden R6", false, false, 2},
        {"M4", "", "1", "1", "Halden M4", false, true, 1},
    };
    for (const Case& c : cases) {
        Rig r;
        r.store.Modem({"2", "1200", "7", "E", c.stop, c.dtr, c.rts});
        if (*c.filetype)
            r.store.values[{"FILE_TYPE", "FILETYPE"}] = c.filetype;
        r.session.LoadSettings(r.store);
        SCOPED_TRACE(c.filetype);
        EXPECT_EQ(r.window.panels[Panel::Model], c.model);
        EXPECT_EQ(r.window.panels[Panel::Port], "Comm Port 2");
        EXPECT_EQ(r.window.panels[Panel::Settings], std::string("Settings: 1200-7-E-") + c.stop);
        EXPECT_EQ(std::tie(r.port.applied.device, r.port.applied.stopBits, r.port.dtr, r.port.rts),
                  std::tuple("/dev/ttyS1", c.stopBits, c.dtrOn, c.rtsOn));
    }
}

// The open error's text with the system's reason, on real devices, is in the pseudo-terminal tests.
TEST(LinkSession, OpenAndCloseErrors) {
    Rig r;
    r.port.openResult = false;
    r.session.LoadSettings(r.store);
    r.session.OpenPort();
    ASSERT_EQ(r.messages.shown.size(), 1u);
    const MessageSpec& m = r.messages.shown[0];
    EXPECT_EQ(m.title, "HaldenLink (32 Bit)");
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(r.window.attached, 0);

    r.session.ClosePort();
    ASSERT_EQ(r.messages.shown.size(), 2u);
    EXPECT_EQ(r.messages.shown[1].text, "Error #102:  Unable To Close The Serial Port");
    EXPECT_EQ(r.port.closes, 0);

    // Comm Setup on the closed port reports the close, then opens it.
    r.port.openResult = true;
    r.session.ApplyCommSetup(CommSetupChoice::FromSettings(r.session.Settings()));
    ASSERT_EQ(r.messages.shown.size(), 3u);
    EXPECT_EQ(r.messages.shown[2].text, "Error #102:  Unable To Close The Serial Port");
    EXPECT_EQ(r.session.PortHandle(), 1);
    r.session.OpenPort(); // already open
    ASSERT_EQ(r.messages.shown.size(), 4u);
    EXPECT_EQ(r.messages.shown[3].text, "Port must be open");
    EXPECT_EQ(r.messages.shown[3].icon, MessageIcon::None);
    EXPECT_EQ(r.port.opens, 2);

    r.session.ClosePort();
    EXPECT_EQ(r.port.closes, 1);
    EXPECT_EQ(r.session.PortHandle(), 0);

    r.session.ShowCommError(3);
    EXPECT_EQ(r.window.ended, 1);

    // A port outside the four is not opened, and the message names it.
    Rig outside;
    outside.store.values[{"MODEM", "PORT"}] = "7";
    outside.session.LoadSettings(outside.store);
    outside.session.OpenPort();
    EXPECT_EQ(outside.port.opens, 0);
    ASSERT_EQ(outside.messages.shown.size(), 1u);
    EXPECT_NE(outside.messages.shown[0].text.find("Comm7"), std::string::npos);
}

TEST(LinkSession, CommSetupWithNothingSelectedKeepsTheValues) {
    Rig r;
    r.store.Modem({"3", "19200", "8", "M", "1"});
    r.Start();
    CommSetupChoice c = CommSetupChoice::FromSettings(r.session.Settings());
    EXPECT_TRUE(c.baud == -1 && c.parity == -1);
    r.session.ApplyCommSetup(c);
    EXPECT_EQ(r.window.panels[Panel::Settings], "Settings: 19200-8-M-1");
    EXPECT_EQ(r.port.opened.baud, 19200);
    EXPECT_EQ(r.port.opened.parity, Parity::None); // as the port had it
}

// Stored values the dialog shows as they are (R6, append, call waiting "*70") are in its window test.
TEST(LinkSession, ProgramSetupPendingValues) {
    struct Case {
        const char *model, *append, *cw, *cwString;
        const char *option, *pendingAppend, *pendingCw, *shownCw;
    } cases[] = {
        {"3", "0", "", "*70", "3", "0", "0", ""}, // off: the list is emptied
        {"9", "yes", "0", "", "4", "0", "0", ""},
        {"", "", "1", "1170", "4", "0", "1", "1170"},
    };
    for (const Case& c : cases) {
        LinkSettings s;
        std::tie(s.modelType, s.initBoolean, s.cwBoolean, s.cwString) =
            std::tie(c.model, c.append, c.cw, c.cwString);
        ProgramSetup p = ProgramSetup::FromSettings(s);
        EXPECT_EQ(std::tie(p.pendingModel, p.pendingAppend, p.pendingCallWait, p.callWaitText),
                  std::tuple(c.option, c.pendingAppend, c.pendingCw, c.shownCw))
            << c.model;
    }
}

TEST(LinkSession, DialSendsTheRightCommands) {
    struct Case {
        const char *init, *initBoolean, *cwBoolean, *cwString, *number;
        const char* atOnce;
        const char* afterTick; // nullptr: the delay timer is not running
    } cases[] = {
        {"ATZ0", "0", "0", "", "5550100", "ATDT5550100\r\n", nullptr},
        {"ATZ0", "1", "0", "*70", "5550100", "ATZ0\r\n", "ATDT5550100\r\n"},
        {"ATZ0", "1", "1", "*70", "5550100", "ATZ0\r\n", "ATDT*70,5550100\r\n"},
        {"AT&F", "1", "1", "", "5550100", "AT&F\r\n", "ATDT,5550100\r\n"},
        {"ATZ0", "1", "1", "*70", "", "", nullptr},                  // no number: nothing at all
        {"ATZ0", "", "1", "*70", "9,555", "ATDT9,555\r\n", nullptr}, // no init string: no call-waiting prefix
    };
    for (const Case& c : cases) {
        Rig r;
        r.Start();
        LinkSettings& s = r.session.Settings();
        std::tie(s.init, s.initBoolean, s.cwBoolean, s.cwString, s.number1) =
            std::tie(c.init, c.initBoolean, c.cwBoolean, c.cwString, c.number);
        r.window.panels[Panel::Number] = "old";
        int focus = r.window.focus;
        r.session.DialProcedure();
        SCOPED_TRACE(std::string(c.initBoolean) + "/" + c.cwBoolean + " " + c.number);
        EXPECT_EQ(r.window.panels[Panel::Number], c.number);
        EXPECT_EQ(r.port.sent, c.atOnce);
        EXPECT_EQ(r.Dial().IsActive(), c.afterTick != nullptr);
        if (c.afterTick == nullptr) {
            EXPECT_EQ(r.window.focus, focus + (*c.number ? 1 : 0));
            continue;
        }
        EXPECT_EQ(r.Dial().Interval(), 2000);
        EXPECT_EQ(r.window.focus, focus);
        r.port.sent.clear();
        r.Dial().Fire();
        EXPECT_EQ(r.port.sent, c.afterTick);
        EXPECT_FALSE(r.Dial().IsActive());
        EXPECT_EQ(r.window.focus, focus + 1);
    }
}

TEST(LinkSession, DirectDialCancelsAPendingOne) {
    Rig r;
    r.Start();
    r.session.Settings().initBoolean = "1";
    r.session.DialProcedure();
    EXPECT_TRUE(r.Dial().IsActive());
    r.session.Settings().initBoolean = "0";
    r.session.DialProcedure();
    EXPECT_FALSE(r.Dial().IsActive());
    r.Dial().Fire();
    EXPECT_EQ(r.port.sent, "ATZ0\r\nATDT5550100\r\n");
}

TEST(LinkSession, HangUpStepsEndAndANewOneStartsAgainAtTheEscape) {
    // The bytes and their timing on a real line are in the pseudo-terminal tests.
    Rig r;
    r.Start();
    r.session.HangUpProcedure();
    EXPECT_EQ(r.HangUp().Interval(), 1500);
    r.HangUp().Fire();
    r.session.HangUpProcedure();
    for (int tick = 0; tick < 5; ++tick)
        r.HangUp().Fire();
    EXPECT_EQ(r.port.sent, "++++++ATH\r\n") << "nothing after the third step";
}

// Nothing goes out while a transfer runs, nor for a modem test without an init string.
TEST(LinkSession, NothingGoesOutWhileATransferRuns) {
    Rig r;
    r.Start();
    r.session.Settings().initBoolean = "1";
    r.session.SetTransferBusy(true);
    r.window.panels[Panel::Number] = "before";
    r.session.DialProcedure();
    r.session.HangUpProcedure();
    EXPECT_EQ(r.port.sent, "");
    EXPECT_EQ(r.window.panels[Panel::Number], "before");
    EXPECT_FALSE(r.Dial().IsActive());
    EXPECT_FALSE(r.HangUp().IsActive());

    // Started before the transfer, due during it: the line belongs to the transfer.
    r.session.SetTransferBusy(false);
    r.session.DialProcedure();
    r.session.HangUpProcedure();
    r.port.sent.clear();
    r.session.SetTransferBusy(true);
    r.Dial().Fire();
    r.HangUp().Fire();
    EXPECT_EQ(r.port.sent, "");
    EXPECT_FALSE(r.Dial().IsActive());
    EXPECT_FALSE(r.HangUp().IsActive());
    r.session.SetTransferBusy(false);
    r.session.Settings().init = "";
    r.session.TestModemInit();
    EXPECT_EQ(r.port.sent, "");
}

TEST(LinkSession, ShutdownWaitsForTheLineToDrainButNotForever) {
    struct Case {
        bool open;
        bool drained;
        int checksBeforeDone; // -1: only the limit ends the wait
    } cases[] = {{true, true, 1}, {false, true, 1}, {true, false, -1}};
    for (const Case& c : cases) {
        Rig r;
        r.port.openResult = c.open;
        r.session.LoadSettings(r.store);
        r.session.OpenPort();
        r.port.drained = c.drained;
        int done = 0;
        r.session.SaveSettings(r.store, 150, 300, [&] { ++done; });
        EXPECT_EQ(r.store.values.at({"FORM_LOCATION", "LEFT"}), "150");
        EXPECT_GE(r.store.flushes, 1);
        EXPECT_TRUE(r.session.ShuttingDown());
        EXPECT_EQ(done, 0) << "the wait always lets the event loop run once";
        EXPECT_EQ(r.window.panels.count(Panel::Message), 0u);
        FakeTimer& check = r.timers["DrainCheck"];
        FakeTimer& limit = r.timers["DrainLimit"];
        EXPECT_EQ(limit.Interval(), kDrainLimitMs);
        for (int i = 0; i < 100; ++i)
            check.Fire();
        if (c.checksBeforeDone < 0) {
            EXPECT_EQ(done, 0);
            limit.Fire();
        }
        EXPECT_EQ(done, 1);
        EXPECT_EQ(r.window.panels[Panel::Message], " Program Shutdown, Please Wait");
        EXPECT_FALSE(check.IsActive());
        EXPECT_FALSE(limit.IsActive());
        r.session.SaveSettings(r.store, 0, 0, [&] { ++done; });
        EXPECT_EQ(done, 1) << "the program ends once";
    }
}

} // namespace
} // namespace rc::link
