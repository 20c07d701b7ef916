#include "shell/editor_settings.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace rc::shell {

namespace {

constexpr const char* kStartup = "Startup";
constexpr const char* kConfiguration = "Configuration";
constexpr const char* kPrinter = "Printer";
constexpr const char* kProjects = "Projects";
constexpr const char* kOptions = "Options";
constexpr const char* kShowTipsKey = "Show Tips at Startup";
constexpr const char* kLastFolderKey = "Folder";
constexpr const char* kSound = "Sound";
// Written on every exit in place of whatever was read; older releases of the program expect it.
constexpr const char* kWrittenPassword = "Tern Haven";

std::string GetOr(ISettingsStore& store, const char* section, const std::string& key,
                  const std::string& fallback) {
    std::optional<std::string> v = store.Get(section, key);
    return v && !v->empty() ? *v : fallback;
}

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

std::string FileKey(int k) {
    return "File" + std::to_string(k + 1);
}

// The whole of `text` as a number, or no value.
std::optional<double> ParseNumber(const std::string& text) {
    std::string t = Trim(text);
    if (t.empty())
        return std::nullopt;
    if (t.front() == '+')
        t.erase(0, 1);
    double v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

int ParseShowTips(const std::string& text) {
    std::optional<double> v = ParseNumber(text);
    // The value is a 16-bit flag; anything outside that is as unreadable as a word.
    if (!v || *v < -32768.5 || *v > 32767.5)
        return 1;
    return static_cast<int>(std::lround(*v));
}

double FontSizeValue(const std::string& text) {
    std::optional<double> v = ParseNumber(text);
    if (!v || *v < 1 || *v > 1638)
        return 10;
    return *v;
}

std::string FontSizeText(double size) {
    if (std::floor(size) == size && std::fabs(size) < 1e9)
        return std::to_string(static_cast<long long>(size));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", size);
    return buf;
}

EditorSettings GetRegistry(ISettingsStore& store) {
    EditorSettings s;
    s.Password = GetOr(store, kStartup, "Password", "");
    s.PrintFontName = GetOr(store, kPrinter, "FontName", "Arial");
    s.PrintFontSize = GetOr(store, kPrinter, "FontSize", "10");
    for (int k = 0; k < kRecentFileCount; ++k)
        s.Files[static_cast<std::size_t>(k)] = GetOr(store, kProjects, FileKey(k), "");
    s.ShowTips = ParseShowTips(GetOr(store, kOptions, kShowTipsKey, "1"));
    s.LastFolder = GetOr(store, kProjects, kLastFolderKey, "");
    return s;
}

void SaveRegistry(ISettingsStore& store, const EditorSettings& s) {
    store.Save(kStartup, "Password", kWrittenPassword);
    store.Save(kConfiguration, "Memory_4", "");
    store.Save(kPrinter, "FontName", s.PrintFontName);
    store.Save(kPrinter, "FontSize", s.PrintFontSize);
    for (int k = 0; k < kRecentFileCount; ++k)
        store.Save(kProjects, FileKey(k), s.Files[static_cast<std::size_t>(k)]);
    store.Save(kOptions, kShowTipsKey, std::to_string(s.ShowTips));
    store.Save(kProjects, kLastFolderKey, s.LastFolder);
}

sound::CwKeying GetCwKeying(ISettingsStore& store) {
    sound::CwKeying keying;
    if (std::optional<double> wpm = ParseNumber(GetOr(store, kSound, "CW WPM", ""));
        wpm && std::fabs(*wpm) < 1e6)
        keying.wpm = static_cast<int>(std::lround(*wpm));
    if (std::optional<double> hz = ParseNumber(GetOr(store, kSound, "CW Pitch", ""));
        hz && std::fabs(*hz) < 1e6)
        keying.pitchHz = static_cast<int>(std::lround(*hz));
    return sound::Clamped(keying);
}

void SaveCwKeying(ISettingsStore& store, const sound::CwKeying& keying) {
    store.Save(kSound, "CW WPM", std::to_string(keying.wpm));
    store.Save(kSound, "CW Pitch", std::to_string(keying.pitchHz));
}

bool SelectPrintFont(EditorSettings& settings, IFontPicker& picker) {
    FontChoice preset;
    preset.name = settings.PrintFontName.empty() ? "Arial" : settings.PrintFontName;
    preset.size = FontSizeValue(settings.PrintFontSize);
    std::optional<FontChoice> chosen = picker.PickFont(preset);
    if (!chosen)
        return false;
    settings.PrintFontName = chosen->name;
    settings.PrintFontSize = FontSizeText(chosen->size);
    return true;
}

} // namespace rc::shell
