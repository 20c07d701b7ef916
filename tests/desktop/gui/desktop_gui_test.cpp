// The desktop layer both programs stand on: message boxes, the settings file, the help window and
// the single running copy with its hand-over of files.
#include "desktop/qt/help_viewer.h"
#include "desktop/qt/qt_messages.h"
#include "desktop/qt/settings_file.h"
#include "desktop/qt/single_instance.h"
#include "image/image_file.h"
#include "link/help_pages.h"
#include "shell/help_topics.h"
#include "test_files.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalSocket>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include <future>
#include <sys/stat.h>

namespace rc {
namespace {

// A file as users' older and hand-edited ones look: sections and keys in any case, a section
// spelled twice, a value with commas and no quotes.
constexpr const char* kHandEdited = "[printer]\nfontname=Courier New\n"
                                    "[Modem]\nDTR=0\n[MODEM]\nDTR=1\nport=2\n"
                                    "[Tel_Numbers]\nNUMBER1=9,5550100\n";
// Values with commas, quotes, blanks and the separators of the format, to be written and read back.
const std::string kAwkward[] = {"9,,5550100", " ATZ0 ", "AT&F;E1", "*70#",
                                "\"quoted\"", "a=b",    "",        "/a/b c,d.HR8"};

// Every spelling reads, the exact one first; a write leaves one value where the file keeps the section.
TEST(SettingsFile, ReadsEverySpellingAndWritesWhereTheFileKeepsTheSection) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    test::WriteFile(path.toStdString(), kHandEdited);
    {
        SettingsFile file = SettingsFile::AtPath(path);
        const std::tuple<const char*, const char*, std::optional<std::string>> reads[] = {
            {"Printer", "FontName", "Courier New"},
            {"MODEM", "DTR", "1"},
            {"Modem", "DTR", "0"},
            {"modem", "PORT", "2"},
            {"TEL_NUMBERS", "number1", "9,5550100"},
            {"Printer", "FontSize", {}},
            {"Nowhere", "DTR", {}}};
        for (const auto& [section, key, value] : reads)
            EXPECT_EQ(file.Get(section, key), value) << section << "/" << key;
        file.Set("Printer", "FontName", "Arial");
        file.Set("Modem", "DTR", "1");
        file.Set("MODEM", "PORT", "3");
        file.Set("TEL_NUMBERS", "NUMBER1", "5551212");
        file.Set("Options", "Show Tips at Startup", "0");
        for (std::size_t i = 0; i < std::size(kAwkward); ++i)
            file.Set("TEL_NUMBERS", "K" + std::to_string(i), kAwkward[i]);
        file.Sync();
    }
    const QStringList lines = QString::fromStdString(test::ReadFile(path.toStdString())).split('\n');
    for (const char* line : {"[printer]", "FontName=Arial", "[Tel_Numbers]", "NUMBER1=5551212", "PORT=3",
                             "[Options]", "Show%20Tips%20at%20Startup=0"})
        EXPECT_TRUE(lines.contains(line)) << line << "\n" << lines.join('\n').toStdString();
    for (const char* gone : {"fontname", "port", "[PRINTER]", "[TEL_NUMBERS]"})
        EXPECT_FALSE(lines.join('\n').contains(QString(gone) + (gone[0] == '[' ? "" : "="))) << gone;
    EXPECT_EQ(lines.filter("DTR=").size(), 1);
    SettingsFile back = SettingsFile::AtPath(path);
    EXPECT_EQ(back.Get("modem", "dtr"), "1");
    EXPECT_EQ(back.Get("MODEM", "DTR"), "1") << "no other spelling shadows the value written";
    EXPECT_EQ(back.Get("OPTIONS", "show tips at startup"), "0");
    for (std::size_t i = 0; i < std::size(kAwkward); ++i)
        EXPECT_EQ(back.Get("tel_numbers", "k" + std::to_string(i)), kAwkward[i]);
}

TEST(SettingsFile, ANameThatIsNoFileReadsAsEmptyAndIsLeftAlone) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("H_R8.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A FIFO blocks whoever opens it for reading until a writer comes: a hang at start-up.
    auto opened = std::async(std::launch::async, [&] {
        SettingsFile file = SettingsFile::AtPath(fifo);
        file.Set("Printer", "Font", "x");
        file.Sync();
        return file.Get("printer", "font").has_value() && !file.Get("Printer", "Size").has_value();
    });
    ASSERT_EQ(opened.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(opened.get());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// Each file message's box, and what Escape answers: the safe choice.
TEST(QtMessages, IconButtonsDefaultAndTheAnswerToEscape) {
    struct Case {
        MessageSpec spec;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        Answer escape;
    } cases[] = {
        {OpenFailureMessage(), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok},
        {ReadOnlyMessage("/x/<b>y</b>.HR8"), QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
         Answer::Ok},
        {*CheckClosure(ImageBytes{}), QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No, Answer::No},
        {ChangedQuestion(), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Cancel, Answer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spec.title);
        auto box = BuildMessageBox(c.spec, nullptr);
        EXPECT_EQ(box->text().toStdString(), c.spec.text);
        EXPECT_EQ(box->windowTitle().toStdString(), c.spec.title);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
        QTimer::singleShot(0, [] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_TRUE(shown);
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        QtMessages messages;
        EXPECT_EQ(messages.Show(c.spec), c.escape);
    }
}

// Both programs' help, each from its own pages built into the program.
struct HelpCase {
    const HelpBook& book;
    int context;
    const char* file;
    const char* captionEnd;
};

TEST(HelpViewer, OpensEachProgramsPagesAtTheContextContentsOrSearch) {
    const HelpCase cases[] = {
        {shell::EditorHelp(), 10, "main.html", "The Main Window"},
        {link::LinkHelp(), 4711, "index.html", "Contents"},
    };
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.file);
        QWidget owner;
        HelpViewer help(c.book, &owner);
        help.ShowContext(c.context);
        ASSERT_TRUE(help.Window());
        EXPECT_EQ(help.Window()->CurrentFile(), c.file);
        EXPECT_TRUE(help.Window()->windowTitle().startsWith(QString::fromStdString(c.book.caption)));
        EXPECT_TRUE(help.Window()->windowTitle().endsWith(c.captionEnd));
        // Every page is built in and shows text.
        for (const HelpPage& page : c.book.pages) {
            help.Window()->ShowPage(page);
            EXPECT_FALSE(help.Window()->findChild<QTextBrowser*>("txtTopic")->toPlainText().isEmpty())
                << page.file;
        }
        help.ShowContents();
        EXPECT_EQ(help.Window()->CurrentFile(), c.book.Contents().file);
    }
    EXPECT_GT(QFile(":/help/help.css").size(), 0);
}

// The index and the search list what the books match (their rules are the books' tests), whole and
// readable, and Return opens the first; Escape closes the window.
TEST(HelpViewer, IndexAndSearchListAndOpenWhatIsTyped) {
    struct Case {
        const HelpBook& book;
        bool index; // else the search through the pages
        const char* typed;
        QStringList listed; // keywords, or the titles of the pages found
        const char* file;
    } cases[] = {
        {link::LinkHelp(), true, "Error #10", {"Error #101", "Error #102"}, "errors.html"},
        {shell::EditorHelp(), false, "sleep", {"Timers", "Zones"}, "timers.html"},
        {shell::EditorHelp(), false, "sleep xylophone", {}, "contents.html"}, // said in the list
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        HelpViewer help(c.book);
        help.ShowSearch();
        frmHelp* window = help.Window();
        auto* tabs = window->findChild<QTabWidget*>("tabHelp");
        EXPECT_EQ(tabs->currentIndex(), 2);
        if (c.index)
            tabs->setCurrentIndex(1);
        auto* typed = window->findChild<QLineEdit*>(c.index ? "txtKeyword" : "txtSearch");
        QTest::keyClicks(typed, c.typed);
        EXPECT_EQ(c.index ? window->ListedKeywords() : window->FoundPages(), c.listed);
        if (c.listed.isEmpty()) {
            auto* found = window->findChild<QListWidget*>("lstFound");
            ASSERT_EQ(found->count(), 1);
            EXPECT_EQ(found->item(0)->text(), frmHelp::kNothingFound);
        }
        QTest::keyClick(typed, Qt::Key_Return);
        EXPECT_EQ(window->CurrentFile(), c.file);

        // Each entry of the full index fits the list's width.
        tabs->setCurrentIndex(1);
        typed = window->findChild<QLineEdit*>("txtKeyword");
        typed->clear();
        auto* keywords = window->findChild<QListWidget*>("lstKeywords");
        for (int i = 0; i < keywords->count(); ++i)
            EXPECT_LE(keywords->fontMetrics().horizontalAdvance(keywords->item(i)->text()),
                      keywords->viewport()->width())
                << keywords->item(i)->text().toStdString();

        QApplication::setActiveWindow(window);
        QTest::keyClick(typed, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST(HelpViewer, HelpFromNestedDialogsMovesDownWithThemAndStays) {
    QWidget owner;
    HelpViewer help(shell::EditorHelp(), &owner);
    QDialog outer(&owner);
    QWidget* parentAfterInner = nullptr;
    QTimer::singleShot(0, [&] {
        QDialog inner(&outer);
        QTimer::singleShot(0, [&] {
            help.ShowContext(110);
            // Parented to the modal dialog, the help window is not blocked by it.
            EXPECT_EQ(help.Window()->parentWidget(), &inner);
            EXPECT_NE(QApplication::activeModalWidget(), help.Window());
            inner.accept();
        });
        inner.exec();
        // Back under the outer dialog once the event loop has run.
        QTimer::singleShot(20, [&] {
            parentAfterInner = help.Window() ? help.Window()->parentWidget() : nullptr;
            outer.accept();
        });
    });
    outer.exec();
    EXPECT_EQ(parentAfterInner, &outer);
    ASSERT_TRUE(help.Window());
    EXPECT_EQ(help.Window()->parentWidget(), &owner);
    EXPECT_TRUE(help.Window()->isVisible()); // it stays after the dialogs
    EXPECT_EQ(help.Window()->CurrentFile(), "keypad.html");
}

TEST(SingleInstance, OnlyOneHolderAtATimeAndADeadHoldersLockIsTakenOver) {
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>("rcedit", dir.path());
    ASSERT_TRUE(first->TryAcquire());
    EXPECT_TRUE(first->TryAcquire()); // asking again keeps it
    SingleInstance second("rcedit", dir.path());
    EXPECT_FALSE(second.TryAcquire());
    first.reset();
    EXPECT_TRUE(second.TryAcquire());

    QFile f(dir.filePath("stale.lock"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // QLockFile's own format: pid, program name, host name. No process has pid 2^22 + 1.
    f.write("4194305\nrcedit\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    EXPECT_TRUE(SingleInstance("stale", dir.path()).TryAcquire());
}

TEST(SingleInstance, HandsAFileToTheRunningCopy) {
    QTemporaryDir dir;
    SingleInstance running("rcedit", dir.path());
    ASSERT_TRUE(running.TryAcquire());
    QSignalSpy handed(&running, &SingleInstance::fileHandedOver);
    SingleInstance later("rcedit", dir.path());
    ASSERT_FALSE(later.TryAcquire());
    // Names with spaces, newlines and non-ASCII letters arrive as they were sent.
    const QString paths[] = {"/home/op/site north.HR8", "/tmp/a\nb.HR8", "/srv/H\u00e4lden.HR8"};
    for (const QString& path : paths) {
        std::future<bool> sent = std::async(std::launch::async, [&] { return later.HandOver(path, 5000); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
        EXPECT_TRUE(sent.get());
    }
    ASSERT_EQ(handed.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(handed[i][0].toString(), paths[i]);

    // A client that never ends its message is dropped, and nothing is opened.
    QLocalSocket silent;
    silent.connectToServer(running.SocketPath());
    ASSERT_TRUE(silent.waitForConnected(2000));
    silent.write("/tmp/never-ended");
    EXPECT_TRUE(QTest::qWaitFor([&] { return silent.state() == QLocalSocket::UnconnectedState; }, 10000));
    EXPECT_EQ(handed.size(), 3);
}

TEST(SingleInstance, MeetsOnlyInAFolderPrivateToTheUser) {
    QTemporaryDir dir;
    const QString shared = dir.filePath("shared"), link = dir.filePath("link");
    QDir().mkpath(shared);
    QFile::setPermissions(shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                      QFile::ExeOther | QFile::WriteOther);
    QFile::link(dir.path(), link);
    const std::pair<QString, bool> cases[] = {
        {dir.path(), true}, {shared, false}, {link, false}, {dir.filePath("missing"), false}, {"", false}};
    for (const auto& [folder, isPrivate] : cases)
        EXPECT_EQ(SingleInstance::IsPrivateFolder(folder), isPrivate) << folder.toStdString();

    // Where anyone may enter, every copy runs on its own and hands nothing over.
    SingleInstance first("rcedit", shared), second("rcedit", shared);
    EXPECT_TRUE(first.TryAcquire());
    EXPECT_TRUE(second.TryAcquire());
    EXPECT_FALSE(second.HandOver("/tmp/x.HR8", 200));
    EXPECT_FALSE(QFile::exists(first.SocketPath()));
}

} // namespace
} // namespace rc
