#pragma once

// Scripted stand-ins for the shell's Qt-free collaborators, and a private folder of image files.

#include "scripted_messages.h"
#include "shell/editor_settings.h"
#include "shell/file_commands.h"
#include "test_files.h"

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
    static std::string Read(const std::string& path) { return rc::test::ReadFile(path); }
};

} // namespace rc::shell::testing
