#pragma once

// The link program's settings: the serial line, the modem lines, the modem strings, the repeater's
// number and the model type of its files. Every value is text, as it is stored; numbers are made
// only when the values are handed to the port.

#include "link/serial_port.h"

#include <array>
#include <string>
#include <vector>

namespace rc::link {

// Where the settings live: text values by section and key. A missing value reads as empty text.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::string Get(const std::string& section, const std::string& key) = 0;
    virtual void Set(const std::string& section, const std::string& key, const std::string& value) = 0;
    // Makes what was set permanent.
    virtual void Flush() {}
};

// Section and key names as they appear in the store.
namespace keys {
inline constexpr const char* kModem = "MODEM";
inline constexpr const char* kModemLines = "Modem"; // DTR and RTS are written under this spelling
inline constexpr const char* kModemInit = "MODEM_INIT";
inline constexpr const char* kTelNumbers = "TEL_NUMBERS";
inline constexpr const char* kFileType = "FILE_TYPE";
inline constexpr const char* kCallWait = "CALL_WAIT";
inline constexpr const char* kFormLocation = "FORM_LOCATION";
} // namespace keys

inline constexpr int kCommPorts = 4;

struct LinkSettings {
    std::string port = "1"; // "1" to "4": which of the devices below is opened
    std::string baud = "300";
    std::string bits = "8";
    std::string parity = "N";
    std::string stop = "1";
    std::string dtr = "1";
    std::string rts = "1";
    std::string init = "ATZ0";
    std::string initBoolean = "0"; // send the init string before dialing
    std::string number1 = "5550100";
    std::string modelType = "3"; // the index "1" to "4", not the stored code
    std::string cwBoolean;       // call-waiting disable prefix on
    std::string cwString;
    std::string lastFolder; // where the transfer file dialogs start
    // The device behind Comm1 to Comm4.
    std::array<std::string, kCommPorts> devices = DefaultDevices();

    static std::array<std::string, kCommPorts> DefaultDevices();
    bool operator==(const LinkSettings&) const = default;
};

// How many days the copies of transferred images are kept ([Backups] Days; 0 keeps them all).
int BackupDays(ISettingsStore& store);

// The values the setup dialog offers, in the order of its option buttons.
const std::vector<std::string>& PortChoices();   // "1" .. "4"
const std::vector<std::string>& BaudChoices();   // "300" .. "9600"
const std::vector<std::string>& BitsChoices();   // "7", "8"
const std::vector<std::string>& ParityChoices(); // "N", "O", "E"
const std::vector<std::string>& StopChoices();   // "1", "2"
// Position of value in choices, or -1 when it is none of them.
int ChoiceIndex(const std::vector<std::string>& choices, const std::string& value);

// Model type: index "1" to "4" held, code "R6", "R8", "M4", "K9" stored.
std::string ModelIndexFromCode(const std::string& code);  // anything unknown is "4"
std::string ModelCodeFromIndex(const std::string& index); // anything unknown is "K9"
std::string ModelDisplayText(const std::string& index);   // "Halden R6" ..; empty for an unknown index

// Reads the settings. When "PORT" is empty or missing this is a first run: every default is taken and
// nothing else is read (the devices excepted, so a device named in the store is honoured).
LinkSettings ReadLinkSettings(ISettingsStore& store, bool* firstRun = nullptr);
// Writes every setting, and the main window's position in twips.
void WriteLinkSettings(ISettingsStore& store, const LinkSettings& s, int leftTwips, int topTwips);

// Status bar texts.
std::string SettingsPanelText(const LinkSettings& s);   // "Settings: 300-8-N-1"
std::string PortPanelAtStart(const LinkSettings& s);    // "Comm Port 1"
std::string PortPanelAfterSetup(const LinkSettings& s); // "Comm Port: 1"

// The device of the selected port; empty when PORT is not "1" to "4".
std::string SelectedDevice(const LinkSettings& s);

// The line the port is given for these settings. A value the port cannot take (a parity other than
// N, O, E, a speed that is not a number ...) leaves that part of `previous` as it was.
LineSettings ToLineSettings(const LinkSettings& s, const LineSettings& previous);

// True for "1", the only text that switches a flag on.
inline bool IsOn(const std::string& flag) {
    return flag == "1";
}

} // namespace rc::link
