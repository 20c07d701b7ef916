#pragma once

// Scripted stand-ins for the shell's Qt-free collaborators, and a private folder of image files.

#include "editors/statistics.h"
#include "files/backups.h"
#include "image/regions.h"
#include "scripted_messages.h"
#include "shell/editor_settings.h"
#include "shell/file_commands.h"
#include "test_files.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rc::shell::testing {

using rc::test::ScriptedMessages;

// Returns the queued names; an empty queue (or an empty optional) is Cancel.
struct ScriptedDialogs : IFileDialogs {
    std::deque<std::optional<std::string>> opens, saves;
    std::vector<FileDialogSpec> openSpecs, saveSpecs;
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& q) {
        if (q.empty())
            return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
    std::optional<std::string> ShowOpen(const FileDialogSpec& s) override {
        openSpecs.push_back(s);
        return Next(opens);
    }
    std::optional<std::string> ShowSave(const FileDialogSpec& s) override {
        saveSpecs.push_back(s);
        return Next(saves);
    }
};

struct ScriptedFonts : IFontPicker {
    std::optional<FontChoice> answer;
    FontChoice preset;
    std::optional<FontChoice> PickFont(const FontChoice& p) override {
        preset = p;
        return answer;
    }
};

struct MemoryStore : ISettingsStore {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::optional<std::string> Get(const std::string& s, const std::string& k) override {
        auto it = values.find({s, k});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void Save(const std::string& s, const std::string& k, const std::string& v) override {
        values[{s, k}] = v;
    }
};

// A private folder with image files, removed again at the end.
class TempFolder : public rc::test::TempFolder {
public:
    // An image with no save alert (zone byte 1) and `marker` at byte 100, or `size` zero bytes.
    std::string WriteImage(const std::string& name, char marker = 0, std::size_t size = 8192) const {
        std::string bytes(size, '\0');
        if (size == 8192) {
            bytes[24] = 1;
            bytes[100] = marker;
        }
        rc::test::WriteFile(Path(name), bytes);
        return Path(name);
    }
};

// $XDG_DATA_HOME, where the backups folder is, set to `dir` for the life of the object.
struct ScopedDataHome {
    explicit ScopedDataHome(const std::string& dir) {
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            before = old;
        ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
    }
    ~ScopedDataHome() {
        before ? ::setenv("XDG_DATA_HOME", before->c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    }
    ScopedDataHome(const ScopedDataHome&) = delete;
    ScopedDataHome& operator=(const ScopedDataHome&) = delete;
    std::optional<std::string> before;
};

// Copies of "site.HR8" kept at 02:00 on shifted nights in a private data folder (the last two in one
// second), and one of another file: counters rise, one is reset, one copy is unchanged and one
// changes a setting. Each row says what the history shows for it.
struct KeptHistory {
    struct Copy {
        int day;
        const char* direction;
        std::array<std::uint8_t, kStatCount> counters;
        bool timerChanged;
        const char* settings; // as the history says them
        const char* risen;
    };
    static constexpr Copy kCopies[] = {
        {1, "download", {1, 2}, false, "first copy", "(none)"},
        {2,
         "download",
         {4, 2, 0, 0, 0, 0, 0, 0, 10},
         false,
         "0 settings changed",
         "Manual Autopatch +3, Telephone Ring Detects +10"},
        {3, "upload", {4, 2, 0, 0, 0, 0, 0, 0, 10}, false, "0 settings changed", "(none)"},
        {5,
         "download",
         {2, 2, 0, 0, 0, 0, 1, 0, 10},
         true,
         "1 setting changed",
         "Manual Autopatch reset, Off Air Programming +1"},
        {5, "overwritten", {2, 2, 0, 0, 0, 0, 1, 0, 10, 3}, true, "0 settings changed", "CRT Logins +3"},
    };
    // Copies made from `site`, the whole path the history is asked about.
    explicit KeptHistory(const std::string& site = "site.HR8") {
        for (const Copy& c : kCopies) {
            ImageBytes image = rc::test::SampleImage();
            for (int i = 0; i < kStatCount; ++i)
                image[kStatistics.offset + i] = c.counters[static_cast<std::size_t>(i)];
            image[kBaseTimersBlock.offset] ^= c.timerChanged ? 0x11 : 0;
            std::tm night{}; // 2026-03-DD 02:00:00 local
            night.tm_year = 126, night.tm_mon = 2, night.tm_mday = c.day, night.tm_hour = 2,
            night.tm_isdst = -1;
            paths.push_back(KeepCopy(image.Bytes(), c.direction, site, std::mktime(&night)).path);
        }
        KeepCopy(rc::test::SampleImage().Bytes(), "download", "other.HR8");
    }
    rc::test::TempFolder data;
    ScopedDataHome home{data.path().string()};
    std::vector<std::string> paths; // of the copies, in the order of kCopies
};

} // namespace rc::shell::testing
