#pragma once

// What the link program's main window does with its port: loading and applying the settings,
// opening and closing the port, the numbered errors, dialing, hang-up, the clock and the wait for
// the line to drain at exit. The window only shows what this tells it.

#include "image/messages.h"
#include "link/link_settings.h"
#include "link/link_timer.h"
#include "link/serial_port.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace rc::link {

inline constexpr const char* kErrorTitle = "HaldenLink (32 Bit)";
inline constexpr const char* kProgramTitle = "HaldenLink";
inline constexpr const char* kShutdownText = " Program Shutdown, Please Wait";

inline constexpr int kDialDelayMs = 2000;
inline constexpr int kHangUpStepMs = 1500;
inline constexpr int kClockMs = 1000;
inline constexpr int kDrainCheckMs = 50;
// A line that never drains (a modem holding CTS low) must not keep the program from ending.
inline constexpr int kDrainLimitMs = 3000;

// Status bar panels: sBar1 panels 1 to 4, sBar2 panels 1 and 2.
enum class Panel { Port, Settings, Number, Clock, Message, Model };

// The main window as the procedures need it.
class ILinkWindow {
public:
    virtual ~ILinkWindow() = default;
    virtual void SetPanel(Panel panel, const std::string& text) = 0;
    virtual void FocusTerminal() = 0;
    // Binds the terminal to the port so it shows what arrives and sends what is typed.
    virtual void AttachTerminal() = 0;
    // Clears the terminal and puts its cursor at the top left.
    virtual void ClearTerminal() = 0;
    virtual void EndProgram() = 0;
};

// The text of numbered error 1, 2 or 3; empty for any other code.
std::string CommErrorText(int code);
// The message box of an error; the system's reason, when there is one, goes on the lines below.
MessageSpec CommErrorMessage(int code, const std::string& reason = {});

// The prefixes the call-waiting list offers each time the setup dialog is activated.
inline constexpr std::array<const char*, 3> kCallWaitEntries{"*70", "70#", "1170"};

// What "Communications Setup" hands back: for each frame the index of the selected option in its
// choices list (see link_settings.h), -1 when none is selected.
struct CommSetupChoice {
    int port = -1;
    int baud = -1;
    int bits = -1;
    int parity = -1;
    int stop = -1;
    bool dtr = false;
    bool rts = false;
    std::array<std::string, kCommPorts> devices;

    static CommSetupChoice FromSettings(const LinkSettings& s);
};

// "Program Setup" while it is open: the text boxes and the values its clicks leave pending.
struct ProgramSetup {
    std::string modemInit;    // txtModemInit
    std::string telNumber;    // txtTelNumber
    std::string callWaitText; // cmbCallWait
    std::string pendingModel = "4";
    std::string pendingAppend = "0";
    std::string pendingCallWait = "0";

    static ProgramSetup FromSettings(const LinkSettings& s);
    // The model option of an index: "1" to "3" their own, anything else the fourth.
    static std::string ModelOption(const std::string& index);
    void ClickModel(const std::string& index);
    void ClickAppend(bool checked);
    // Unchecking also empties the list's text.
    void ClickCallWait(bool checked);
    bool AppendChecked() const { return IsOn(pendingAppend); }
    bool CallWaitChecked() const { return IsOn(pendingCallWait); }
};

// Twips as the stored window position counts them.
inline constexpr int kTwipsPerPixel = 15;
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
// Top left of a setup dialog of the given size, its centre 4128 x 2598 twips from the main window's
// top left corner.
Point SetupDialogTopLeft(Point mainTopLeft, int width, int height);

class LinkSession {
public:
    LinkSession(ISerialPort& port, IMessages& messages, ITimerFactory& timers, IClock& clock,
                ILinkWindow& window);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    LinkSettings& Settings() { return settings_; }
    const LinkSettings& Settings() const { return settings_; }
    ISerialPort& Port() { return port_; }
    bool TransferBusy() const { return transferBusy_; }
    void SetTransferBusy(bool busy) { transferBusy_ = busy; }
    std::int16_t PortHandle() const { return portHandle_; }
    const LineSettings& Line() const { return line_; }

    // Reads the settings (first-run defaults without "PORT"), fills the status bar, configures the port.
    void LoadSettings(ISettingsStore& store);
    // Opens the port and attaches the terminal; error 1 when the device will not open.
    void OpenPort();
    // Closes the port; error 2 when it is not open.
    void ClosePort();
    void ShowPortStatus();
    void ShowCommError(int code, const std::string& reason = {});
    // The OK of "Communications Setup": closes, applies, reopens. Nothing is stored.
    void ApplyCommSetup(const CommSetupChoice& choice);
    // The OK of "Program Setup". Nothing is stored.
    void ApplyProgramSetup(const ProgramSetup& setup);

    void DialProcedure();
    void HangUpProcedure();
    void TestModemInit();
    void ClearScreen();

    // Writes the settings, then waits until the port's output has gone (at most kDrainLimitMs),
    // shows the shutdown text and calls `done`.
    void SaveSettings(ISettingsStore& store, int leftTwips, int topTwips, std::function<void()> done);
    bool ShuttingDown() const { return static_cast<bool>(shutdownDone_); }

private:
    void ApplyLine();
    void ApplyModemLines();
    void DelayedDial();
    void HangUpTick();
    void ClockTick();
    void FinishDrain();

    ISerialPort& port_;
    IMessages& messages_;
    IClock& clock_;
    ILinkWindow& window_;
    LinkSettings settings_;
    LineSettings line_;
    bool transferBusy_ = false;
    std::int16_t portHandle_ = 0;
    int hangUpStep_ = 0;
    std::unique_ptr<ITimer> timer1_;
    std::unique_ptr<ITimer> timer2_;
    std::unique_ptr<ITimer> tmr3ModemInit_;
    std::unique_ptr<ITimer> drainCheck_;
    std::unique_ptr<ITimer> drainLimit_;
    std::function<void()> shutdownDone_;
};

} // namespace rc::link
