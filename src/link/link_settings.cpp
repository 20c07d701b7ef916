#include "link/link_settings.h"

#include "files/backups.h"

#include <algorithm>
#include <charconv>

namespace rc::link {

namespace {

struct Model {
    const char* index;
    const char* code;
    const char* text;
};
constexpr Model kModels[] = {
    {"1", "R6", "Halden R6"},
    {"2", "R8", "Halden R8"},
    {"3", "M4", "Halden M4"},
    {"4", "K9", "Halden K9"},
};

std::string DeviceKey(int n) {
    return "DEVICE" + std::to_string(n);
}

// A whole decimal number and nothing else.
bool ParseInt(const std::string& text, int* value) {
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, *value);
    return ec == std::errc() && p == end;
}

} // namespace

std::array<std::string, kCommPorts> LinkSettings::DefaultDevices() {
#ifdef _WIN32
    return {"COM1", "COM2", "COM3", "COM4"};
#else
    return {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
#endif
}

const std::vector<std::string>& PortChoices() {
    static const std::vector<std::string> v{"1", "2", "3", "4"};
    return v;
}
const std::vector<std::string>& BaudChoices() {
    static const std::vector<std::string> v{"300", "1200", "2400", "4800", "9600"};
    return v;
}
const std::vector<std::string>& BitsChoices() {
    static const std::vector<std::string> v{"7", "8"};
    return v;
}
const std::vector<std::string>& ParityChoices() {
    static const std::vector<std::string> v{"N", "O", "E"};
    return v;
}
const std::vector<std::string>& StopChoices() {
    static const std::vector<std::string> v{"1", "2"};
    return v;
}

int ChoiceIndex(const std::vector<std::string>& choices, const std::string& value) {
    auto it = std::find(choices.begin(), choices.end(), value);
    return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

std::string ModelIndexFromCode(const std::string& code) {
    for (const Model& m : kModels)
        if (code == m.code)
            return m.index;
    return "4";
}

std::string ModelCodeFromIndex(const std::string& index) {
    for (const Model& m : kModels)
        if (index == m.index)
            return m.code;
    return "K9";
}

std::string ModelDisplayText(const std::string& index) {
    for (const Model& m : kModels)
        if (index == m.index)
            return m.text;
    return {};
}

LinkSettings ReadLinkSettings(ISettingsStore& store, bool* firstRun) {
    using namespace keys;
    LinkSettings s;
    for (int n = 1; n <= kCommPorts; ++n) {
        std::string device = store.Get(kModem, DeviceKey(n));
        if (!device.empty())
            s.devices[n - 1] = device;
    }
    std::string port = store.Get(kModem, "PORT");
    if (firstRun)
        *firstRun = port.empty();
    if (port.empty())
        return s;

    s.port = port;
    s.baud = store.Get(kModem, "BAUD");
    s.bits = store.Get(kModem, "BITS");
    s.parity = store.Get(kModem, "PARITY");
    s.stop = store.Get(kModem, "STOP");
    s.dtr = store.Get(kModem, "DTR");
    s.rts = store.Get(kModem, "RTS");
    s.init = store.Get(kModemInit, "INIT");
    s.number1 = store.Get(kTelNumbers, "NUMBER1");
    s.modelType = ModelIndexFromCode(store.Get(kFileType, "FILETYPE"));
    s.initBoolean = store.Get(kModemInit, "INIT-BOOLEAN");
    (void)store.Get(kFormLocation, "POS-BOOLEAN");
    s.cwBoolean = store.Get(kCallWait, "CW-BOOLEAN");
    s.cwString = store.Get(kCallWait, "CW-STRING");
    s.lastFolder = store.Get(kFileType, "FOLDER");
    return s;
}

void WriteLinkSettings(ISettingsStore& store, const LinkSettings& s, int leftTwips, int topTwips) {
    using namespace keys;
    store.Set(kModem, "PORT", s.port);
    store.Set(kModem, "BAUD", s.baud);
    store.Set(kModem, "BITS", s.bits);
    store.Set(kModem, "PARITY", s.parity);
    store.Set(kModem, "STOP", s.stop);
    for (int n = 1; n <= kCommPorts; ++n)
        store.Set(kModem, DeviceKey(n), s.devices[n - 1]);
    store.Set(kModemLines, "DTR", s.dtr);
    store.Set(kModemLines, "RTS", s.rts);
    store.Set(kModemInit, "INIT", s.init);
    store.Set(kTelNumbers, "NUMBER1", s.number1);
    store.Set(kFileType, "FILETYPE", ModelCodeFromIndex(s.modelType));
    store.Set(kFileType, "FOLDER", s.lastFolder);
    store.Set(kModemInit, "INIT-BOOLEAN", s.initBoolean);
    store.Set(kFormLocation, "LEFT", std::to_string(leftTwips));
    store.Set(kFormLocation, "TOP", std::to_string(topTwips));
    store.Set(kFormLocation, "POS-BOOLEAN", "");
    store.Set(kCallWait, "CW-BOOLEAN", s.cwBoolean);
    store.Set(kCallWait, "CW-STRING", s.cwString);
}

std::string SettingsPanelText(const LinkSettings& s) {
    return "Settings: " + s.baud + "-" + s.bits + "-" + s.parity + "-" + s.stop;
}

std::string PortPanelAtStart(const LinkSettings& s) {
    return "Comm Port " + s.port;
}

std::string PortPanelAfterSetup(const LinkSettings& s) {
    return "Comm Port: " + s.port;
}

std::string SelectedDevice(const LinkSettings& s) {
    int i = ChoiceIndex(PortChoices(), s.port);
    return i < 0 ? std::string() : s.devices[i];
}

LineSettings ToLineSettings(const LinkSettings& s, const LineSettings& previous) {
    LineSettings line = previous;
    line.device = SelectedDevice(s);
    int baud = 0;
    if (ParseInt(s.baud, &baud) && baud > 0)
        line.baud = baud;
    if (s.parity == "N")
        line.parity = Parity::None;
    else if (s.parity == "O")
        line.parity = Parity::Odd;
    else if (s.parity == "E")
        line.parity = Parity::Even;
    if (s.bits == "7" || s.bits == "8")
        line.dataBits = s.bits[0] - '0';
    if (s.stop == "1" || s.stop == "2")
        line.stopBits = s.stop[0] - '0';
    return line;
}

int BackupDays(ISettingsStore& store) {
    const std::string text = store.Get("Backups", "Days");
    int days = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), days);
    return ec == std::errc() && end == text.data() + text.size() && days >= 0 ? days : kDefaultBackupDays;
}

} // namespace rc::link
