// Every window of both programs as the desktop shows it: wide enough for its title, inside a
// 1024x768 screen, and nothing in it cut off.
#include "../../link/link_fakes.h"
#include "../../link/ui/link_gui_support.h"
#include "../../shell/gui/shell_fakes.h"
#include "codecs/qt/frm_voice.h"
#include "codecs/qt/qt_keypad.h"
#include "desktop/qt/help_viewer.h"
#include "desktop/qt/qt_messages.h"
#include "link/help_pages.h"
#include "link/ui/frm_comm.h"
#include "link/ui/frm_splash.h"
#include "link/ui/frm_xfer.h"
#include "link/ui/xfer_file_dialog.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"
#include "shell/qt/qt_file_dialogs.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace rc {
namespace {

// What a window manager adds around a window: a frame and a title bar.
constexpr int kFrame = 4, kTitleBar = 30;

bool InScrolledView(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
            area && area->viewport() == p)
            return true;
    return false;
}

void ExpectFits(QWidget* w) {
    const QString title = w->windowTitle();
    SCOPED_TRACE(w->objectName().toStdString() + " \"" + title.toStdString() + "\"");
    ASSERT_TRUE(w->isVisible());
    // The caption, the window icon and a close button at least.
    const QFontMetrics fm(w->font());
    EXPECT_GE(w->width(), fm.horizontalAdvance(title) + 3 * fm.height());
    EXPECT_LE(w->width() + 2 * kFrame, 1024);
    EXPECT_LE(w->height() + kTitleBar + 2 * kFrame, 768);
    if (w->layout()) {
        EXPECT_GE(w->width(), w->minimumSizeHint().width());
        EXPECT_GE(w->height(), w->minimumSizeHint().height());
    }
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(w) || InScrolledView(child) ||
            child->inherits("QSizeGrip"))
            continue;
        EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
            << child->metaObject()->className() << " " << child->objectName().toStdString() << " at "
            << child->geometry().x() << "," << child->geometry().y() << " " << child->width() << "x"
            << child->height() << " in " << child->parentWidget()->width() << "x"
            << child->parentWidget()->height();
    }
}

// Checks the modal window `open` shows, then closes it.
void ExpectModalFits(const std::function<void()>& open) {
    bool seen = false;
    test::WhenModal([&](QWidget* modal) {
        seen = true;
        ExpectFits(modal);
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
    });
    open();
    EXPECT_TRUE(seen);
}

TEST(WindowLayout, EveryEditorWindow) {
    shell::testing::TempFolder folder;
    shell::testing::ShellRig rig;
    rig.Start();
    ASSERT_TRUE(rig.window->Files().OpenPath(folder.WriteImage("site.HR8")));
    rig.window->show();
    ExpectFits(rig.window.get());
    for (const shell::MenuItem& item : shell::MenuTree()) {
        if (item.helpContext == 0 || std::string(item.name) == "mnuAbout")
            continue;
        SCOPED_TRACE(item.name);
        ExpectModalFits([&] { rig.Command(item.name)->trigger(); });
    }
    rig.Command("mnuAbout")->trigger();
    ExpectFits(rig.window->findChild<QWidget*>("frmSplash"));

    int showTips = 1;
    shell::frmTip tip(showTips, rig.window.get());
    tip.show();
    ExpectFits(&tip);

    QtMessages messages;
    QtKeyPad keypad(messages, nullptr);
    ExpectModalFits([&] { keypad.ShowKeyPad(0, 4, "Enter Code", "", 0); });
    QtWordDialog words(messages, nullptr);
    VoiceContract voice;
    ExpectModalFits([&] { words.ShowWordDialog(voice); });
    shell::QtFileDialogs files(rig.window.get());
    ExpectModalFits([&] { files.ShowSave({shell::kSaveFilter, 1, {}}); });
}

TEST(WindowLayout, EveryLinkWindow) {
    link::test::FakePort port;
    link::test::FakeStore store;
    link::test::FakeMessages messages;
    link::test::FakeHelp help;
    link::test::FakeTimers timers;
    link::test::FakeClock clock;
    link::frmComm window(port, store, messages, help, timers, clock);
    window.LoadSettings();
    window.show();
    ExpectFits(&window);
    for (const char* command : {"mnuCommSetup", "mnuModemSetup"})
        ExpectModalFits([&] { window.findChild<QAction*>(command)->trigger(); });
    window.findChild<QAction*>("mnuAbout")->trigger();
    ExpectFits(window.findChild<QWidget*>("frmSplash"));
    link::QtFileDialog files(&window);
    ExpectModalFits([&] { files.Show(link::TransferDialogRequest(link::TransferDirection::Download, "2")); });
    link::frmXfer xfer(
        port, link::XferJob{}, [](const QString&) {}, [] {}, &window);
    xfer.show();
    ExpectFits(&xfer);
    xfer.reject();
}

// The message boxes of both programs whose title is long beside their text.
TEST(WindowLayout, MessageBoxes) {
    shell::testing::ShellRig rig; // the programs' windows keep every window fitted
    rig.Start();
    QtMessages messages;
    const MessageSpec cases[] = {
        {"Port must be open", "HaldenLink (32 Bit)", MessageIcon::None, MessageButtons::Ok, Answer::Ok},
        {"Save Anyway?", "File Save Alert", MessageIcon::Critical, MessageButtons::YesNo, Answer::No},
        {"Error, Filename must contain the extension .HR8.", "File Save Error", MessageIcon::Critical,
         MessageButtons::Ok, Answer::Ok},
    };
    for (const MessageSpec& m : cases)
        ExpectModalFits([&] { messages.Show(m); });
}

TEST(WindowLayout, HelpWindowsFitTheSmallScreen) {
    shell::testing::ShellRig rig;
    rig.Start();
    for (const HelpBook* book : {&shell::EditorHelp(), &link::LinkHelp()}) {
        HelpViewer help(*book, rig.window.get());
        help.ShowContents();
        ExpectFits(help.Window());
    }
}

} // namespace
} // namespace rc
