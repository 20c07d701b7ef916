#pragma once

#include "when_modal.h"

// Scripted stand-ins for everything the main window works with, and a way to act on a modal
// dialog once its exec() is running.

#include "codecs/keypad.h"
#include "image/message.h"
#include "shell/desktop.h"
#include "shell/editor_settings.h"
#include "shell/file_commands.h"
#include "shell/qt/mdi_form1.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rc::shell::testing {

struct ScriptedMessages : IMessages {
    std::deque<Answer> answers; // for questions; Cancel when it runs dry
    std::vector<MessageSpec> shown;
    int beeps = 0;
    Answer Show(const MessageSpec& m) override {
        shown.push_back(m);
        if (m.buttons == MessageButtons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return Answer::Cancel;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
};

struct ScriptedDialogs : IFileDialogs {
    std::deque<std::optional<std::string>> opens, saves;
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& q) {
        if (q.empty())
            return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
    std::optional<std::string> ShowOpen(const FileDialogSpec&) override { return Next(opens); }
    std::optional<std::string> ShowSave(const FileDialogSpec&) override { return Next(saves); }
};

struct ScriptedFonts : IFontPicker {
    std::optional<FontChoice> answer;
    std::optional<FontChoice> PickFont(const FontChoice&) override { return answer; }
};

// Returns the queued entries in turn (the value it was given once the queue is empty) and records
// every call.
struct ScriptedKeyPad : IKeyPad {
    struct Call {
        int mode, maxDigits;
        std::string heading, value;
        int check;
    };
    std::deque<std::string> entries;
    std::vector<Call> calls;
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override {
        calls.push_back({mode, maxDigits, heading, value, check});
        if (entries.empty())
            return value;
        std::string e = entries.front();
        entries.pop_front();
        return e;
    }
};

struct RecordingHelp : IHelp {
    std::vector<std::string> calls;
    void ShowContext(int c) override { calls.push_back("context " + std::to_string(c)); }
    void ShowContents() override { calls.push_back("contents"); }
    void ShowSearch() override { calls.push_back("search"); }
};

struct MemoryStore : ISettingsStore {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::optional<std::string> Get(const std::string& s, const std::string& k) override {
        auto it = values.find({s, k});
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    void Save(const std::string& s, const std::string& k, const std::string& v) override {
        values[{s, k}] = v;
    }
};

struct ScriptedDesktop : IDesktop {
    bool webWorks = true;
    bool sysInfoWorks = true;
    std::vector<std::string> opened;
    int sysInfoStarts = 0;
    bool OpenWebPage(const std::string& a) override {
        opened.push_back(a);
        return webWorks;
    }
    bool StartSystemInfo() override {
        ++sysInfoStarts;
        return sysInfoWorks;
    }
};

using rc::test::WhenModal;

// A private folder with image files, removed again at the end.
class TempFolder {
public:
    TempFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "rc-shellgui-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (path_ / name).string(); }
    // An image with no save alert (zone byte 1) and `marker` at byte 100.
    std::string WriteImage(const std::string& name, char marker = 0) const {
        std::string bytes(8192, '\0');
        bytes[24] = 1;
        bytes[100] = marker;
        std::ofstream(Path(name), std::ios::binary).write(bytes.data(), 8192);
        return Path(name);
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};

// A main window over scripted services, started as the program starts it.
struct ShellRig {
    EditorState state;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    ScriptedFonts fonts;
    ScriptedKeyPad keypad;
    RecordingHelp help;
    MemoryStore store;
    ScriptedDesktop desktop;
    std::unique_ptr<MDIForm1> window;

    void Start() {
        window = std::make_unique<MDIForm1>(
            state, ShellServices{messages, dialogs, fonts, keypad, &help, store, desktop});
        window->GetRegistry();
        window->DisplayFileList();
        window->StartUp();
    }
    QAction* Command(const std::string& name) const { return window->Command(name); }
};

} // namespace rc::shell::testing
