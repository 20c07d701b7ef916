// Every window of both programs as the desktop shows it: wide enough for its title, inside a
// 1024x768 screen, and nothing in it cut off.
#include "../../link/link_fakes.h"
#include "../../link/ui/link_gui_support.h"
#include "../../shell/gui/shell_fakes.h"
#include "codecs/qt/frm_voice.h"
#include "codecs/qt/qt_keypad.h"
#include "desktop/qt/help_viewer.h"
#include "desktop/qt/qt_messages.h"
#include "editors/memory_blocks.h"
#include "link/help_pages.h"
#include "link/ui/frm_comm.h"
#include "link/ui/frm_xfer.h"
#include "link/ui/xfer_file_dialog.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"
#include "shell/qt/frm_compare.h"
#include "shell/qt/frm_tip.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace rc {
namespace {

// What a window manager adds around a window: a frame and a title bar.
constexpr int kFrame = 4, kTitleBar = 30;

void ExpectFits(QWidget* w) {
    const QString title = w->windowTitle();
    SCOPED_TRACE(w->objectName().toStdString() + " \"" + title.toStdString() + "\"");
    ASSERT_TRUE(w->isVisible());
    // The caption in a window manager's bold title font, the icon and three buttons: about 8 px a
    // character and 70 px at the default font of 14 px lines, growing with the font; openbox was seen
    // to cut a caption until the window was 107 px wider than the caption in bold.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    const double scale = fm.height() / 14.0;
    EXPECT_GE(w->width(), (8 * title.size() + 70) * scale);
    EXPECT_GE(w->width(), fm.horizontalAdvance(title) + 107 * scale);
    EXPECT_LE(w->width() + 2 * kFrame, 1024);
    EXPECT_LE(w->height() + kTitleBar + 2 * kFrame, 768);
    // Nothing cut: the window no smaller than its contents need, every control inside its parent.
    const QSize least = w->layout() ? w->minimumSizeHint() : QSize();
    EXPECT_TRUE(w->width() >= least.width() && w->height() >= least.height());
    for (QWidget* child : w->findChildren<QWidget*>()) {
        const bool shown = !child->isWindow() && child->isVisibleTo(w) && !child->inherits("QSizeGrip");
        EXPECT_TRUE(!shown || child->parentWidget()->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

// 27 differences, one of them bits no setting shows at a long list of addresses.
std::vector<listing::SettingChange> LongChanges() {
    std::vector<listing::SettingChange> changes(26, {"Base Timers", "Repeater Time-Out", "180", "90"});
    std::string at = "bits no setting shows at", was, now;
    for (int i = 0; i < 24; ++i)
        at += " 0x0" + std::to_string(123 + 61 * i), was += " 0x00", now += " 0xFF";
    changes.insert(changes.begin() + 3, {"Option Flags", at, was, now});
    return changes;
}

// Checks the modal window `open` shows, then closes it.
void ExpectModalFits(const std::function<void()>& open) {
    test::WhenModal([](QWidget* modal) {
        ExpectFits(modal);
        qobject_cast<QDialog*>(modal)->reject();
    });
    open();
}

TEST(WindowLayout, EveryEditorWindow) {
    shell::testing::TempFolder folder;
    shell::testing::ShellRig rig;
    rig.Start();
    ASSERT_TRUE(rig.window->Files().OpenPath(folder.WriteImage("site.HR8")));
    rig.window->show();
    ExpectFits(rig.window.get());
    for (const shell::MenuItem& item : shell::MenuTree())
        if (item.helpContext != 0 && std::string(item.name) != "mnuAbout")
            ExpectModalFits([&] { rig.Command(item.name)->trigger(); });
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
    // Message boxes whose title is long beside their text.
    for (const char* title : {"HaldenLink (32 Bit)", "File Save Alert"})
        ExpectModalFits([&] { messages.Show({"Port must be open", title}); });
    ExpectModalFits([&] { messages.Show(CopyOkMessage()); });
    for (const auto& changes : {std::vector<listing::SettingChange>{}, LongChanges()}) {
        shell::frmCompare compare(QString(folder.Path("site.HR8").c_str()), changes, rig.window.get());
        compare.show();
        ExpectFits(&compare);
        // Both values in view beside the long item, whose whole text is its tooltip.
        if (auto* table = compare.findChild<QTableWidget*>("tblChanges")) {
            QApplication::processEvents();
            EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
            EXPECT_GE(table->columnWidth(3), table->columnWidth(2));
            EXPECT_EQ(table->item(3, 1)->toolTip().toStdString(), changes[3].item);
        }
    }
    for (const HelpBook* book : {&shell::EditorHelp(), &link::LinkHelp()}) {
        HelpViewer help(*book, rig.window.get());
        help.ShowContents();
        ExpectFits(help.Window());
    }
}

TEST(WindowLayout, EveryLinkWindow) {
    link::test::WindowOn<link::test::FakePort> rig;
    link::frmComm& window = rig.window;
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
        rig.port, link::XferJob{}, [](const QString&) {}, [] {}, &window);
    xfer.show();
    ExpectFits(&xfer);
    xfer.reject();
}

} // namespace
} // namespace rc
