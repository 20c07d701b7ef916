#include "link/link_session.h"

#include <cstdio>

namespace rc::link {

namespace {
constexpr const char* kLineEnd = "\r\n";
} // namespace

std::string ClockText(const TimeOfDay& t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
    return buf;
}

std::string CommErrorText(int code) {
    switch (code) {
    case 1:
        return "Error #101:  Serial Port In Use Or Not Available";
    case 2:
        return "Error #102:  Unable To Close The Serial Port";
    case 3:
        return "Error #900:  Configuration File Error";
    default:
        return {};
    }
}

MessageSpec CommErrorMessage(int code, const std::string& reason) {
    MessageSpec m;
    m.text = CommErrorText(code);
    if (!reason.empty())
        m.text += "\n\n" + reason;
    m.title = kErrorTitle;
    m.icon = MessageIcon::Exclamation;
    m.buttons = MessageButtons::Ok;
    return m;
}

CommSetupChoice CommSetupChoice::FromSettings(const LinkSettings& s) {
    CommSetupChoice c;
    c.port = ChoiceIndex(PortChoices(), s.port);
    c.baud = ChoiceIndex(BaudChoices(), s.baud);
    c.bits = ChoiceIndex(BitsChoices(), s.bits);
    c.parity = ChoiceIndex(ParityChoices(), s.parity);
    c.stop = ChoiceIndex(StopChoices(), s.stop);
    c.dtr = IsOn(s.dtr);
    c.rts = IsOn(s.rts);
    c.devices = s.devices;
    return c;
}

ProgramSetup ProgramSetup::FromSettings(const LinkSettings& s) {
    ProgramSetup p;
    p.modemInit = s.init;
    p.telNumber = s.number1;
    p.ClickModel(ModelOption(s.modelType));
    p.ClickAppend(IsOn(s.initBoolean));
    p.ClickCallWait(IsOn(s.cwBoolean));
    if (p.CallWaitChecked())
        p.callWaitText = s.cwString;
    return p;
}

std::string ProgramSetup::ModelOption(const std::string& index) {
    return index == "1" || index == "2" || index == "3" ? index : "4";
}

void ProgramSetup::ClickModel(const std::string& index) {
    pendingModel = index;
}

void ProgramSetup::ClickAppend(bool checked) {
    pendingAppend = checked ? "1" : "0";
}

void ProgramSetup::ClickCallWait(bool checked) {
    pendingCallWait = checked ? "1" : "0";
    if (!checked)
        callWaitText.clear();
}

Point SetupDialogTopLeft(Point mainTopLeft, int width, int height) {
    constexpr int kCentreRight = 4128;
    constexpr int kCentreDown = 2598;
    return {mainTopLeft.x + (kCentreRight + kTwipsPerPixel / 2) / kTwipsPerPixel - width / 2,
            mainTopLeft.y + (kCentreDown + kTwipsPerPixel / 2) / kTwipsPerPixel - height / 2};
}

LinkSession::LinkSession(ISerialPort& port, IMessages& messages, ITimerFactory& timers, IClock& clock,
                         ILinkWindow& window)
    : port_(port), messages_(messages), clock_(clock), window_(window), timer1_(timers.CreateTimer("Timer1")),
      timer2_(timers.CreateTimer("Timer2")), tmr3ModemInit_(timers.CreateTimer("tmr3ModemInit")),
      drainCheck_(timers.CreateTimer("DrainCheck")), drainLimit_(timers.CreateTimer("DrainLimit")) {
    timer1_->SetTick([this] { ClockTick(); });
    timer2_->SetTick([this] { HangUpTick(); });
    tmr3ModemInit_->SetTick([this] { DelayedDial(); });
    drainCheck_->SetTick([this] {
        if (port_.OutputDrained())
            FinishDrain();
    });
    drainLimit_->SetTick([this] { FinishDrain(); });
    timer1_->Start(kClockMs);
}

LinkSession::~LinkSession() = default;

void LinkSession::LoadSettings(ISettingsStore& store) {
    bool firstRun = false;
    settings_ = ReadLinkSettings(store, &firstRun);
    if (!firstRun)
        window_.SetPanel(Panel::Model, ModelDisplayText(settings_.modelType));
    ApplyLine();
    window_.SetPanel(Panel::Settings, SettingsPanelText(settings_));
    window_.SetPanel(Panel::Port, PortPanelAtStart(settings_));
    ApplyModemLines();
}

void LinkSession::ApplyLine() {
    line_ = ToLineSettings(settings_, line_);
    port_.Apply(line_);
}

void LinkSession::ApplyModemLines() {
    port_.SetDtr(IsOn(settings_.dtr));
    port_.SetRts(IsOn(settings_.rts));
}

void LinkSession::OpenPort() {
    if (portHandle_ > 0) {
        MessageSpec m;
        m.text = "Port must be open";
        m.title = kProgramTitle;
        messages_.Show(m);
        return;
    }
    std::string reason;
    if (line_.device.empty())
        reason = "Comm" + settings_.port + " is not one of the ports Comm1 to Comm4.";
    else if (port_.Open(line_, &reason))
        portHandle_ = 1;
    if (portHandle_ <= 0) {
        ShowCommError(1, reason);
        return;
    }
    window_.AttachTerminal();
    window_.ClearTerminal();
}

void LinkSession::ClosePort() {
    if (portHandle_ > 0) {
        port_.Close();
        portHandle_ = 0;
    } else {
        ShowCommError(2);
    }
}

void LinkSession::ShowPortStatus() {
    window_.SetPanel(Panel::Port, PortPanelAfterSetup(settings_));
    window_.SetPanel(Panel::Settings, SettingsPanelText(settings_));
}

void LinkSession::ShowCommError(int code, const std::string& reason) {
    messages_.Show(CommErrorMessage(code, reason));
    if (code == 3)
        window_.EndProgram();
}

void LinkSession::ApplyCommSetup(const CommSetupChoice& c) {
    ClosePort();
    settings_.devices = c.devices;
    if (c.port >= 0)
        settings_.port = PortChoices().at(c.port);
    if (c.baud >= 0)
        settings_.baud = BaudChoices().at(c.baud);
    if (c.parity >= 0)
        settings_.parity = ParityChoices().at(c.parity);
    if (c.bits >= 0)
        settings_.bits = BitsChoices().at(c.bits);
    if (c.stop >= 0)
        settings_.stop = StopChoices().at(c.stop);
    ApplyLine();
    settings_.dtr = c.dtr ? "1" : "0";
    settings_.rts = c.rts ? "1" : "0";
    OpenPort();
    ApplyModemLines();
    ShowPortStatus();
}

void LinkSession::ApplyProgramSetup(const ProgramSetup& p) {
    settings_.init = p.modemInit;
    settings_.number1 = p.telNumber;
    settings_.initBoolean = p.pendingAppend;
    settings_.cwBoolean = p.pendingCallWait;
    settings_.modelType = p.pendingModel;
    settings_.cwString = p.callWaitText;
    std::string model = ModelDisplayText(settings_.modelType);
    if (!model.empty())
        window_.SetPanel(Panel::Model, model);
}

void LinkSession::DialProcedure() {
    if (transferBusy_)
        return;
    window_.SetPanel(Panel::Number, settings_.number1);
    if (settings_.number1.empty())
        return;
    if (!IsOn(settings_.initBoolean)) {
        port_.SendText("ATDT" + settings_.number1 + kLineEnd);
        tmr3ModemInit_->Stop();
        window_.FocusTerminal();
        return;
    }
    port_.SendText(settings_.init + kLineEnd);
    tmr3ModemInit_->Start(kDialDelayMs);
}

void LinkSession::DelayedDial() {
    tmr3ModemInit_->Stop();
    // A transfer that began in the meantime owns the line: a dial string now would land in its data.
    if (transferBusy_)
        return;
    if (IsOn(settings_.cwBoolean))
        port_.SendText("ATDT" + settings_.cwString + "," + settings_.number1 + kLineEnd);
    else
        port_.SendText("ATDT" + settings_.number1 + kLineEnd);
    window_.FocusTerminal();
}

void LinkSession::HangUpProcedure() {
    if (transferBusy_)
        return;
    hangUpStep_ = 0;
    timer2_->Start(kHangUpStepMs);
}

void LinkSession::HangUpTick() {
    if (transferBusy_) {
        timer2_->Stop();
        return;
    }
    switch (hangUpStep_) {
    case 0:
        port_.SendText("+++");
        break;
    case 1:
        port_.SendText(std::string("ATH") + kLineEnd);
        break;
    case 2:
        timer2_->Stop();
        window_.FocusTerminal();
        break;
    default:
        timer2_->Stop();
        break;
    }
    ++hangUpStep_;
}

void LinkSession::TestModemInit() {
    if (!settings_.init.empty())
        port_.SendText(settings_.init + kLineEnd);
}

void LinkSession::ClearScreen() {
    window_.ClearTerminal();
    window_.FocusTerminal();
}

void LinkSession::ClockTick() {
    window_.SetPanel(Panel::Clock, ClockText(clock_.Now()));
}

void LinkSession::SaveSettings(ISettingsStore& store, int leftTwips, int topTwips,
                               std::function<void()> done) {
    if (shutdownDone_)
        return;
    WriteLinkSettings(store, settings_, leftTwips, topTwips);
    store.Flush();
    shutdownDone_ = done ? std::move(done) : [] {};
    // The first look at the line comes after one turn of the event loop, never at once.
    drainCheck_->Start(kDrainCheckMs);
    drainLimit_->Start(kDrainLimitMs);
}

void LinkSession::FinishDrain() {
    if (!drainCheck_->IsActive() && !drainLimit_->IsActive())
        return;
    drainCheck_->Stop();
    drainLimit_->Stop();
    window_.SetPanel(Panel::Message, kShutdownText);
    shutdownDone_();
}

} // namespace rc::link
