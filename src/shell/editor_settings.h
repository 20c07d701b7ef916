#pragma once

#include "shell/recent_files.h"
#include "sound/cw_keying.h"

#include <optional>
#include <string>

namespace rc::shell {

// The per-user settings store: text values by section and key under the program's name.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // The stored text, or no value when the key is absent.
    virtual std::optional<std::string> Get(const std::string& section, const std::string& key) = 0;
    virtual void Save(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// The settings the editor keeps between runs.
struct EditorSettings {
    std::string Password; // read and rewritten, used by nothing
    std::string PrintFontName = "Arial";
    std::string PrintFontSize = "10";
    RecentFiles Files;
    int ShowTips = 1;       // 0: no tip window at start-up
    std::string LastFolder; // where the file dialogs start when no file is open
};

inline constexpr const char* kSettingsApplication = "H_R8";

// Reads every setting; a missing or empty value takes its default.
EditorSettings GetRegistry(ISettingsStore& store);
// Writes every setting as the program leaves.
void SaveRegistry(ISettingsStore& store, const EditorSettings& settings);

// The speed and pitch the CW dialog plays the identification at. A missing or unreadable value takes
// its default; one out of range is brought into it.
sound::CwKeying GetCwKeying(ISettingsStore& store);
void SaveCwKeying(ISettingsStore& store, const sound::CwKeying& keying);

// "Show Tips at Startup" as an integer. Text that is no number (hand-edited files) counts as the
// default rather than stopping the program at start-up.
int ParseShowTips(const std::string& text);

// A font size as a number for the font dialog: the stored text, or 10 when it is empty, not a
// number, or not a usable size.
double FontSizeValue(const std::string& text);
// A size as the settings store keeps it: "10", "10.5".
std::string FontSizeText(double size);

struct FontChoice {
    std::string name;
    double size = 10;
};

// The printer font dialog; no value when the user cancelled.
class IFontPicker {
public:
    virtual ~IFontPicker() = default;
    virtual std::optional<FontChoice> PickFont(const FontChoice& preset) = 0;
};

// Printer Font...: preset to the current font, stores the choice; Cancel changes nothing.
bool SelectPrintFont(EditorSettings& settings, IFontPicker& picker);

} // namespace rc::shell
