// The program on a real pseudo-terminal with a scripted modem at the far end: its replies, the bytes
// of hang-up and their timing on real timers, the setup dialog, open failures and the wait at exit.
#include "link/ui/qt_timers.h"
#include "link/ui/terminal_view.h"
#include "link_gui_support.h"

namespace rc::link {
namespace {

using namespace test;

constexpr int kGenerousMs = 8000; // a loaded machine may be slow, never this slow

// The program's window on a real port to a scripted modem, on real timers.
struct Line : WindowOn<QtSerialPort, QtTimerFactory> {
    Line() {
        EXPECT_TRUE(modem.Ok());
        store.Modem({"1", "9600", "8", "N", "1", "1", "1"});
        store.values[{"MODEM", "DEVICE1"}] = modem.SlavePath();
        store.values[{"MODEM_INIT", "INIT"}] = "ATZ0";
        store.values[{"TEL_NUMBERS", "NUMBER1"}] = "5550100";
        store.values[{"FILE_TYPE", "FILETYPE"}] = "R8";
    }
    bool WaitForBytes(int n, int ms = kGenerousMs) {
        return QTest::qWaitFor([&] { return modem.Received().size() >= n; }, ms);
    }

    PtyModem modem;
};

TEST(PtyLink, HangUpStepsOnRealTimers) {
    Line l;
    l.Start();
    const qint64 pressed = l.modem.Now();
    QTest::mouseClick(l.window.findChild<QPushButton*>("cmdHangUp"), Qt::LeftButton);
    ASSERT_TRUE(l.WaitForBytes(3, kGenerousMs));
    const qint64 escapeAt = l.modem.ArrivalOf(0) - pressed;
    ASSERT_TRUE(l.WaitForBytes(8, kGenerousMs));
    const qint64 hangUpAt = l.modem.ArrivalOf(3) - pressed;
    EXPECT_GE(escapeAt, 1400);
    EXPECT_LT(escapeAt, 1500 + kGenerousMs / 2);
    EXPECT_GE(hangUpAt - escapeAt, 1400);
    EXPECT_LT(hangUpAt - escapeAt, 1500 + kGenerousMs / 2);
    l.window.findChild<QPushButton*>("cmdDial")->setFocus();
    QTest::qWait(2500);
    EXPECT_EQ(l.modem.Received(), "+++ATH\r\n") << "three steps, two of them sending";
    EXPECT_EQ(l.window.focusWidget(), &l.window.terminal()) << "the last step gives the terminal the focus";
}

// The modem's replies shown, then Comm Setup moves to another line.
TEST(PtyLink, OpensThePtyWithoutComplaintAndReopensWithTheNewLine) {
    Line l;
    PtyModem second;
    ASSERT_TRUE(second.Ok());
    l.modem.onBytes = [&](const QByteArray& bytes) {
        l.modem.Send(bytes.contains('\r') ? "\r\nOK\r\n" : "");
    };
    l.Start();
    EXPECT_TRUE(l.messages.shown.empty()) << "DTR and RTS a pty cannot drive are no error: "
                                          << (l.messages.shown.empty() ? "" : l.messages.shown[0].text);
    EXPECT_FALSE(l.port.ModemLinesSupported());
    l.window.TestModemInit();
    ASSERT_TRUE(l.WaitForBytes(6));
    EXPECT_EQ(l.modem.Received(), "ATZ0\r\n");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return l.window.terminal().toPlainText().contains("OK"); }, kGenerousMs));
    EXPECT_EQ(l.window.terminal().toPlainText(), "\nOK\n");
    WhenModal([&](QWidget* d) {
        d->findChild<QRadioButton*>("OptComm2")->click();
        d->findChild<QComboBox*>("cboDevice")->setCurrentText(QString::fromStdString(second.SlavePath()));
        for (const char* name : {"Opt2400", "Opt7Bits", "OptEven", "OptStop2", "cmdOk"})
            Click(*d, name);
    });
    l.window.ShowCommSetup();
    EXPECT_TRUE(l.messages.shown.empty()) << l.messages.shown[0].text;
    const termios t = second.Line();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B2400));
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    // A pseudo-terminal always keeps 8 bits without parity; the port was asked for the others.
    EXPECT_EQ(l.port.serial().dataBits(), QSerialPort::Data7);
    EXPECT_EQ(l.port.serial().parity(), QSerialPort::EvenParity);
    l.window.TestModemInit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.Received().size() >= 6; }, kGenerousMs));
    EXPECT_EQ(second.Received(), "ATZ0\r\n");
    EXPECT_EQ(l.modem.Received(), "ATZ0\r\n") << "the first port is closed";
}

TEST(PtyLink, OpenFailuresSayWhy) {
    struct Case {
        bool missing;
        const char* reason;
    } cases[] = {{true, "/nonexistent/ttyQ"}, {false, "Another program"}};
    for (const Case& c : cases) {
        Line l;
        QtSerialPort holder; // the device is already in use
        if (c.missing) {
            l.store.values[{"MODEM", "DEVICE1"}] = "/nonexistent/ttyQ";
        } else {
            std::string why;
            ASSERT_TRUE(holder.Open({l.modem.SlavePath(), 9600, 8, Parity::None, 1}, &why)) << why;
        }
        l.Start();
        ASSERT_EQ(l.messages.shown.size(), 1u);
        const std::string& text = l.messages.shown[0].text;
        SCOPED_TRACE(text);
        EXPECT_EQ(text.rfind("Error #101:  Serial Port In Use Or Not Available\n", 0), 0u);
        EXPECT_NE(text.find(c.reason), std::string::npos);
        EXPECT_EQ(l.window.session().PortHandle(), 0);
        l.window.DialProcedure(); // on a closed port: dropped, no crash
    }
}

TEST(PtyLink, ExitWaitsForTheLineButNotForever) {
    struct Case {
        bool farEndReads;
        qint64 atLeastMs, atMostMs;
    } cases[] = {{true, 0, 1500}, {false, kDrainLimitMs - 300, kDrainLimitMs + kGenerousMs}};
    for (const Case& c : cases) {
        Line l;
        l.Start();
        l.modem.SetReading(c.farEndReads);
        // More than the line's buffers hold, so a far end that never reads keeps some of it back.
        l.port.SendText(std::string(64 * 1024, 'x'));
        QSignalSpy ended(&l.window, &frmComm::programEnded);
        QElapsedTimer clock;
        clock.start();
        l.window.close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return ended.count() == 1; }, kDrainLimitMs + kGenerousMs));
        SCOPED_TRACE(c.farEndReads ? "reading" : "never reading");
        EXPECT_GE(clock.elapsed(), c.atLeastMs);
        EXPECT_LE(clock.elapsed(), c.atMostMs);
        l.modem.SetReading(true);
    }
}

} // namespace
} // namespace rc::link
