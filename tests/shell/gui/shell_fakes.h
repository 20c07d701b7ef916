#pragma once

// Scripted stand-ins for everything the main window works with, and a way to act on a modal
// dialog once its exec() is running.

#include "../../editors/edit_expect.h"
#include "../shell_doubles.h"
#include "codecs/keypad.h"
#include "scripted_keypad.h"
#include "shell/desktop.h"
#include "shell/qt/frm_splash.h" // the window keeps its About box
#include "shell/qt/mdi_form1.h"
#include "when_modal.h"

#include <deque>
#include <functional>
#include <memory>

namespace rc::shell::testing {

using rc::test::RecordingHelp;
using rc::test::ScriptedKeyPad;

// Answers the word dialog with the queued results in turn (Cancel once the queue is empty) and
// records what each call was opened with.
struct ScriptedWordDialog : IWordDialog {
    std::deque<VoiceContract> replies;
    std::vector<VoiceContract> calls;
    void ShowWordDialog(VoiceContract& voice) override {
        calls.push_back(voice);
        if (replies.empty()) {
            voice.VoiceNewText = voice.VoiceOldText;
            voice.VoiceRebuilt = false;
            return;
        }
        VoiceContract reply = replies.front();
        replies.pop_front();
        voice.VoiceNewText = reply.VoiceNewText;
        voice.VoiceRebuilt = reply.VoiceRebuilt;
        voice.VoiceWordCount = reply.VoiceWordCount;
        voice.VoiceWords = reply.VoiceWords;
    }
};

struct ScriptedDesktop : IDesktop {
    bool webWorks = true;
    bool sysInfoWorks = true;
    std::vector<std::string> opened;
    bool OpenWebPage(const std::string& a) override {
        opened.push_back(a);
        return webWorks;
    }
    bool StartSystemInfo() override { return sysInfoWorks; }
};

using rc::test::WhenModal;

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
    ScriptedWordDialog words;
    std::unique_ptr<MDIForm1> window;

    void Start() {
        window = std::make_unique<MDIForm1>(
            state, ShellServices{messages, dialogs, fonts, keypad, &help, store, desktop, words});
        window->GetRegistry();
        window->DisplayFileList();
        window->StartUp();
    }
    QAction* Command(const std::string& name) const { return window->Command(name); }
};

using rc::test::Click;
using rc::test::TextOf;

// Triggers `menu`; once its dialog is up, F1 asks for its help and `act` works and closes it.
// Returns the dialog's name.
inline std::string RunDialog(const ShellRig& rig, const std::string& menu,
                             const std::function<void(QWidget*)>& act) {
    std::string shown;
    WhenModal([&](QWidget* modal) {
        shown = modal->objectName().toStdString();
        QApplication::setActiveWindow(modal);
        QTest::keyClick(modal, Qt::Key_F1);
        act(modal);
    });
    rig.Command(menu)->trigger();
    return shown;
}

using rc::testing::Put;

} // namespace rc::shell::testing
