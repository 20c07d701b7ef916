// Every text both programs show, pinned in texts.txt beside this file: the editor's main window and
// menus, every dialog its menu commands open, the keypad in each mode, the word dialog, and the link
// program's windows. Each widget's text is one line keyed by its object path, so a changed caption
// shows as a one-line difference in review. On the way every window is checked as the desktop shows
// it: wide enough for its title, inside a 1024x768 screen, and nothing in it cut off.
//
// After a deliberate change of texts or widgets, regenerate the file and review its diff:
//   RC_UPDATE_TEXT_SNAPSHOT=1 ctest --test-dir build/test -R TextSnapshot
#include "shell_fakes.h"

#include "codecs/qt/frm_keypad.h"
#include "codecs/qt/frm_voice.h"
#include "codecs/qt/qt_keypad.h"
#include "desktop/qt/help_viewer.h"
#include "desktop/qt/qt_messages.h"
#include "editors/memory_blocks.h"
#include "link/help_pages.h"
#include "link/transfer_models.h"
#include "link/ui/frm_comm.h"
#include "link/ui/frm_splash.h"
#include "link/ui/frm_xfer.h"
#include "link/ui/xfer_file_dialog.h"
#include "link_fakes.h"
#include "link_gui_support.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"
#include "shell/qt/frm_compare.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace rc {
namespace {

// Texts that follow the clock, the machine or the release, not the program: shown as a placeholder.
const std::set<QString> kVarying = {"Panels_3", "lblFileDate", "lblFileTime", "lblBuild"};
// Lists the machine fills (its serial ports): left out.
const std::set<QString> kMachineLists = {"cboDevice"};

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

// Checks the modal window `open` shows, then closes it.
void ExpectModalFits(const std::function<void()>& open) {
    test::WhenModal([](QWidget* modal) {
        ExpectFits(modal);
        qobject_cast<QDialog*>(modal)->reject();
    });
    open();
}

class TextSnapshot {
public:
    explicit TextSnapshot(QString folder) : folder_(std::move(folder)) {}

    // Every text of `top` and its children, keyed below `key`.
    void Window(const QString& key, QWidget* top) {
        if (top->isVisible())
            ExpectFits(top);
        Put(key + " title", top->windowTitle());
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (w->window() != top && !w->isWindowType())
                continue;
            Widget(Path(key, top, w), w);
        }
        if (auto* bar = top->findChild<QMenuBar*>()) {
            QStringList order;
            for (QAction* a : bar->actions()) {
                order << a->objectName();
                Action(key, a);
            }
            Put(key + " menu bar order", order.join(' '));
        }
    }

    // A message box the program asked for, with its title and buttons.
    void Message(const QString& key, const MessageSpec& m) {
        Put(key, QString("%1 | %2 | buttons %3 icon %4")
                     .arg(QString::fromStdString(m.title), QString::fromStdString(m.text))
                     .arg(static_cast<int>(m.buttons))
                     .arg(static_cast<int>(m.icon)));
    }

    // Sorted lines; a list equal to an earlier one names it instead of repeating its entries.
    std::string Text() const {
        std::map<QString, QString> lines = single_;
        std::map<QStringList, QString> seen;
        for (const auto& [key, items] : lists_) {
            auto [it, fresh] = seen.emplace(items, key);
            if (!fresh) {
                lines[key + "[]"] = "as " + it->second;
                continue;
            }
            for (int i = 0; i < items.size(); ++i)
                lines[key + QString("[%1]").arg(i, 3, 10, QChar('0'))] = items[i];
        }
        std::string out;
        for (const auto& [key, text] : lines)
            out += (key + " = " + text).toStdString() + "\n";
        return out;
    }

private:
    static QString Segment(QWidget* w) {
        if (!w->objectName().isEmpty())
            return w->objectName();
        QWidget* parent = w->parentWidget();
        int index = 0;
        if (parent)
            for (QObject* sibling : parent->children()) {
                if (sibling == w)
                    break;
                if (sibling->metaObject() == w->metaObject() && sibling->objectName().isEmpty())
                    ++index;
            }
        return QString("%1#%2").arg(w->metaObject()->className()).arg(index);
    }

    // The named ancestors between `top` and `w`, then `w` itself.
    static QString Path(const QString& key, QWidget* top, QWidget* w) {
        QStringList parts{Segment(w)};
        for (QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
            if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
                parts.prepend(p->objectName());
        return key + "/" + parts.join('/');
    }

    void Widget(const QString& key, QWidget* w) {
        const QString name = w->objectName();
        if (name.startsWith("qt_"))
            return;
        if (auto* l = qobject_cast<QLabel*>(w))
            Put(key, kVarying.count(name) ? QString("<varies>") : l->text());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            Put(key, b->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            Put(key, g->title());
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (!kMachineLists.count(name))
                List(key, Items(c->count(), [c](int i) { return c->itemText(i); }));
        } else if (auto* list = qobject_cast<QListWidget*>(w))
            List(key, Items(list->count(), [list](int i) { return list->item(i)->text(); }));
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            List(key, Items(tabs->count(), [tabs](int i) { return tabs->tabText(i); }));
        else if (auto* table = qobject_cast<QTableWidget*>(w))
            List(key + " columns", Items(table->columnCount(), [table](int i) {
                     auto* h = table->horizontalHeaderItem(i);
                     return h ? h->text() : QString();
                 }));
    }
    static QStringList Items(int count, const std::function<QString(int)>& item) {
        QStringList items;
        for (int i = 0; i < count; ++i)
            items << item(i);
        return items;
    }

    void Action(const QString& key, QAction* a) {
        if (a->isSeparator())
            return;
        QString name = a->objectName();
        if (name.isEmpty())
            name = a->text();
        const QString keys = a->shortcut().toString();
        Put(key + "/" + name, a->text() + (keys.isEmpty() ? "" : "  [" + keys + "]"));
        if (QMenu* menu = a->menu()) {
            // The items' order, separators as "-": a moved item shows here.
            QStringList order;
            for (QAction* child : menu->actions()) {
                order << (child->isSeparator() ? QString("-") : child->objectName());
                Action(key + "/" + name, child);
            }
            Put(key + "/" + name + " order", order.join(' '));
        }
    }

    void Put(QString key, QString text) {
        if (text.isEmpty())
            return;
        while (single_.count(key))
            key += "+";
        single_[key] = Clean(text);
    }
    void List(QString key, const QStringList& items) {
        if (items.isEmpty())
            return;
        while (lists_.count(key))
            key += "+";
        QStringList clean;
        for (const QString& item : items)
            clean << Clean(item);
        lists_[key] = clean;
    }
    QString Clean(QString text) const {
        return text.replace(folder_, "<folder>").replace('\n', "\\n").replace('\t', "\\t");
    }

    QString folder_;
    std::map<QString, QString> single_;
    std::map<QString, QStringList> lists_;
};

// Runs `open` and snapshots the first modal window it shows, then closes that window. False when
// `open` showed none.
bool SnapModal(TextSnapshot& snap, const QString& key, const std::function<void()>& open,
               const char* press = nullptr) {
    auto state = std::make_shared<int>(0); // 0 waiting, 1 seen, 2 given up
    QTimer::singleShot(0, [&snap, key, state, press] {
        QWidget* modal = QApplication::activeModalWidget();
        if (*state != 0 || !modal)
            return;
        *state = 1;
        snap.Window(key + ">" + modal->objectName(), modal);
        if (auto* button = press ? modal->findChild<QAbstractButton*>(press) : nullptr)
            button->click();
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
    });
    open();
    const bool seen = *state == 1;
    *state = 2;
    return seen;
}

// Commands that open no window of the program's own (the file and font choosers and the web browser
// are the desktop's; the help viewer has its own tests).
bool OpensNoWindow(const std::string& name) {
    static const std::set<std::string> none = {"mnuOpen",       "mnuSave", "mnuSaveAs",
                                               "mnuPrtFont",    "mnuExit", "mnuHelpContents",
                                               "mnuHelpSearch", "mnuWeb",  "mnuAbout"};
    return none.count(name) || name.rfind("mnuFileList_", 0) == 0;
}

// The button of a dialog that asks a question before it acts (the answer is Cancel).
const std::map<QString, const char*> kQuestionButtons = {
    {"mnuFlush", "cmdFls_3"}, {"mnuStats", "cmdErase"}, {"mnuMemory", "cmdCodes_2"}};

void EditorTexts(TextSnapshot& snap, shell::testing::TempFolder& folder) {
    using namespace shell::testing;
    const std::string path = folder.Path("site.HR8");
    std::filesystem::copy_file(RC_SOURCE_DIR "/samples/Default.HR8", path);
    std::string other = rc::test::ReadFile(path);
    other[40] = static_cast<char>(other[40] ^ 1);
    std::ofstream(folder.Path("other.HR8"), std::ios::binary).write(other.data(), 8192);

    // The History window names the backups folder: one inside the folder, with no copies in it.
    ScopedDataHome data(folder.Path("data"));
    ShellRig rig;
    rig.Start();
    ASSERT_TRUE(rig.window->OpenAtStart(path));
    rig.window->show();
    snap.Window("MDIForm1", rig.window.get());
    rig.dialogs.opens = {folder.Path("other.HR8")};
    for (const shell::MenuItem& item : shell::MenuTree()) {
        if (item.kind != shell::MenuKind::Command || OpensNoWindow(item.name))
            continue;
        QAction* action = rig.Command(item.name);
        ASSERT_TRUE(action && action->isEnabled()) << item.name;
        const QString key = QString::fromStdString(item.name);
        const std::size_t asked = rig.messages.shown.size();
        EXPECT_TRUE(SnapModal(
            snap, key, [&] { action->trigger(); },
            kQuestionButtons.count(key) ? kQuestionButtons.at(key) : nullptr))
            << item.name << " showed no window";
        for (std::size_t i = asked; i < rig.messages.shown.size(); ++i)
            snap.Message(key + QString(" message#%1").arg(i - asked), rig.messages.shown[i]);
    }
    rig.Command("mnuAbout")->trigger();
    ASSERT_TRUE(rig.window->About());
    snap.Window("mnuAbout>frmSplash", rig.window->About());
    shell::frmSplash startUp(shell::SplashMode::StartUp, nullptr, nullptr, nullptr, nullptr);
    snap.Window("frmSplash(start-up)", &startUp);
    int showTips = 1;
    shell::frmTip tip(showTips, rig.window.get());
    tip.show();
    snap.Window("frmTip", &tip);

    frmKeyPad pad(rig.messages, nullptr);
    for (int mode = kKeyPadFirstMode; mode <= kKeyPadLastMode; ++mode) {
        pad.Activate({mode, 4, "<heading>", "", 0});
        pad.show();
        snap.Window(QString("frmKeyPad(mode %1)").arg(mode), &pad);
    }
    QtWordDialog words(rig.messages, nullptr);
    words.Dialog()->show();
    snap.Window("frmVoice", words.Dialog());

    // Message boxes whose title is long beside their text.
    QtMessages messages;
    for (const char* title : {"HaldenLink (32 Bit)", "File Save Alert"})
        ExpectModalFits([&] { messages.Show({"Port must be open", title}); });
    ExpectModalFits([&] { messages.Show(CopyOkMessage()); });
    // 27 differences, one of them bits no setting shows at a long list of addresses: both values in
    // view beside the long item, whose whole text is its tooltip.
    std::vector<listing::SettingChange> changes(26, {"Base Timers", "Repeater Time-Out", "180", "90"});
    std::string at = "bits no setting shows at", was, now;
    for (int i = 0; i < 24; ++i)
        at += " 0x0" + std::to_string(123 + 61 * i), was += " 0x00", now += " 0xFF";
    changes.insert(changes.begin() + 3, {"Option Flags", at, was, now});
    shell::frmCompare same(path.c_str(), {}, rig.window.get()),
        compare(path.c_str(), changes, rig.window.get());
    same.show();
    ExpectFits(&same);
    compare.show();
    ExpectFits(&compare);
    auto* table = compare.findChild<QTableWidget*>("tblChanges");
    QApplication::processEvents();
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
    EXPECT_GE(table->columnWidth(3), table->columnWidth(2));
    EXPECT_EQ(table->item(3, 1)->toolTip().toStdString(), changes[3].item);
    for (const HelpBook* book : {&shell::EditorHelp(), &link::LinkHelp()}) {
        HelpViewer help(*book, rig.window.get());
        help.ShowContents();
        ExpectFits(help.Window());
    }
}

void LinkTexts(TextSnapshot& snap) {
    using namespace link;
    using namespace link::test;
    WindowOn<FakePort> rig;
    frmComm& window = rig.window;
    window.LoadSettings();
    window.OpenPort();
    window.show();
    snap.Window("frmComm", &window);
    EXPECT_TRUE(SnapModal(snap, "mnuCommSetup", [&] { window.ShowCommSetup(); }));
    EXPECT_TRUE(SnapModal(snap, "mnuProgramSetup", [&] { window.ShowProgramSetup(); }));
    window.ShowAbout();
    auto* about = window.findChild<link::frmSplash*>("frmSplash");
    ASSERT_TRUE(about);
    snap.Window("mnuAbout>frmSplash", about);
    link::frmSplash startUp(link::frmSplash::Mode::StartUp);
    snap.Window("frmSplash(start-up)", &startUp);
    QtFileDialog files(&window);
    ExpectModalFits([&] { files.Show(TransferDialogRequest(TransferDirection::Download, "2")); });
    for (auto direction : {TransferDirection::Upload, TransferDirection::Download}) {
        XferJob job;
        job.direction = direction;
        job.path = "/nowhere/site.HR8";
        job.expectedSize = ModelForPath(job.path).transferSize;
        frmXfer xfer(
            rig.port, job, [](const QString&) {}, [] {}, &window);
        xfer.show();
        snap.Window(direction == TransferDirection::Upload ? "frmXfer(upload)" : "frmXfer(download)", &xfer);
    }
}

TEST(TextSnapshot, EveryWindowOfBothProgramsMatchesTheFile) {
    shell::testing::TempFolder folder;
    TextSnapshot editor(QString::fromStdString(folder.Path("")).chopped(1));
    EditorTexts(editor, folder);
    TextSnapshot linker("/nowhere");
    LinkTexts(linker);
    const std::string actual = "# rcedit\n" + editor.Text() + "# rclink\n" + linker.Text();

    const std::string file = RC_SOURCE_DIR "/tests/snapshot/texts.txt";
    if (std::getenv("RC_UPDATE_TEXT_SNAPSHOT")) {
        std::ofstream(file, std::ios::binary) << actual;
        GTEST_SKIP() << "wrote " << file;
    }
    auto lines = [](const std::string& text) {
        std::multiset<std::string> set;
        std::istringstream s(text);
        for (std::string line; std::getline(s, line);)
            set.insert(line);
        return set;
    };
    const auto want = lines(rc::test::ReadFile(file)), got = lines(actual);
    std::string diff;
    for (const auto& [from, to, mark] : {std::tuple(&want, &got, "- "), std::tuple(&got, &want, "+ ")})
        for (const std::string& line : *from)
            if (!to->count(line))
                diff += mark + line + "\n";
    EXPECT_TRUE(diff.empty())
        << "texts differ from tests/snapshot/texts.txt (- file, + program); after a deliberate "
           "change run RC_UPDATE_TEXT_SNAPSHOT=1 ctest -R TextSnapshot\n"
        << diff;
}

} // namespace
} // namespace rc
