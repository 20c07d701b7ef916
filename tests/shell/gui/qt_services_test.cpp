#include "image/qt/qt_messages.h"
#include "shell/qt/help_viewer.h"
#include "shell/qt/qt_file_dialogs.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/qt/single_instance.h"

#include "image/image_file.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace rc::shell {
namespace {

QString ReadText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

TEST(QtSettingsStore, WritesTheIniFileOfTheProgramName) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    EditorSettings s;
    {
        QtSettingsStore store;
        EXPECT_EQ(store.FileName(), dir.path() + "/H_R8.ini");
        s = GetRegistry(store); // first run: defaults
        EXPECT_EQ(s.PrintFontName, "Arial");
        EXPECT_EQ(s.ShowTips, 1);
        s.PrintFontSize = "11";
        s.Files = {"/home/op/site, north.HR8", "/home/op/b.HR8", "", ""};
        s.ShowTips = 0;
        SaveRegistry(store, s);
        store.Sync();
    }
    QString ini = ReadText(dir.path() + "/H_R8.ini");
    for (const char* line :
         {"[Startup]", "Password=Tern Haven", "[Configuration]", "Memory_4=", "[Printer]", "FontName=Arial",
          "FontSize=11", "[Projects]", "File1=\"/home/op/site, north.HR8\"", "File2=/home/op/b.HR8",
          "File3=", "File4=", "[Options]", "Show%20Tips%20at%20Startup=0"})
        EXPECT_TRUE(ini.split('\n').contains(line)) << line << "\n" << ini.toStdString();

    QtSettingsStore again;
    EditorSettings back = GetRegistry(again);
    EXPECT_EQ(back.Files, s.Files);
    EXPECT_EQ(back.ShowTips, 0);
    EXPECT_EQ(back.PrintFontSize, "11");
    EXPECT_EQ(back.Password, "Tern Haven");
}

TEST(QtSettingsStore, ReadsHandEditedFilesWhateverTheCase) {
    QTemporaryDir dir;
    QString path = dir.path() + "/H_R8.ini";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[printer]\nfontname=Courier New\n[PROJECTS]\nFILE1=/a,b.HR8\n[Options]\n"
            "Show%20Tips%20at%20Startup=yes please\n");
    f.close();
    {
        QtSettingsStore store(path);
        EditorSettings s = GetRegistry(store);
        EXPECT_EQ(s.PrintFontName, "Courier New");
        EXPECT_EQ(s.Files[0], "/a,b.HR8");
        EXPECT_EQ(s.ShowTips, 1);
        SaveRegistry(store, s);
        store.Sync();
    }
    QString ini = ReadText(path);
    EXPECT_FALSE(ini.contains("fontname=")) << ini.toStdString(); // the old spelling is replaced
    EXPECT_TRUE(ini.contains("FontName=Courier New")) << ini.toStdString();
}

TEST(BuildMessageBox, IconButtonsAndDefaultOfEachFileMessage) {
    struct Case {
        MessageSpec spec;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    } cases[] = {
        {FilenameErrorMessage(), QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {OpenFailureMessage(), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {SaveExtensionErrorMessage(), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {ReadOnlyMessage("/x/<b>y</b>.HR8"), QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {*CheckClosure(ImageBytes{}), QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No},
        {ChangedQuestion(), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Cancel},
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
    }
}

TEST(QtMessages, ReturnsTheButtonPressedAndEscapeIsTheSafeAnswer) {
    struct Case {
        MessageSpec spec;
        int key;
        Answer answer;
    } cases[] = {
        {ChangedQuestion(), Qt::Key_Return, Answer::Cancel}, // the default button
        {ChangedQuestion(), Qt::Key_Escape, Answer::Cancel},
        {*CheckClosure(ImageBytes{}), Qt::Key_Return, Answer::No},
        {*CheckClosure(ImageBytes{}), Qt::Key_Escape, Answer::No},
        {OpenFailureMessage(), Qt::Key_Escape, Answer::Ok},
    };
    for (const Case& c : cases) {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_TRUE(box);
            QTest::keyClick(box, static_cast<Qt::Key>(c.key));
        });
        QtMessages messages;
        EXPECT_EQ(messages.Show(c.spec), c.answer) << c.spec.title << " key " << c.key;
    }
}

TEST(ToQtFilter, OffersTheExtensionInBothCases) {
    EXPECT_EQ(ToQtFilter("Halden R8 File(s) *.HR8)|*.HR8"), "Halden R8 File(s) *.HR8) (*.HR8 *.hr8)");
    EXPECT_EQ(ToQtFilter("All|*.*"), "All (*.*)");
}

TEST(HelpViewer, OpensAtTheContextContentsOrSearch) {
    QWidget owner;
    HelpViewer help(&owner);
    struct Case {
        int context;
        const char* file;
    } cases[] = {{10, "main.html"}, {1002, "about.html"}, {4711, "contents.html"}};
    for (const Case& c : cases) {
        help.ShowContext(c.context);
        ASSERT_TRUE(help.Window());
        EXPECT_EQ(help.Window()->CurrentFile(), c.file) << c.context;
        EXPECT_FALSE(help.Window()->findChild<QTextBrowser*>("txtTopic")->toPlainText().isEmpty());
    }
    EXPECT_TRUE(help.Window()->windowTitle().endsWith("Contents"))
        << help.Window()->windowTitle().toStdString();
    help.ShowContext(300);
    EXPECT_TRUE(help.Window()->windowTitle().endsWith("Timers"));

    help.ShowContents();
    EXPECT_EQ(help.Window()->CurrentFile(), "contents.html");
    help.ShowSearch();
    EXPECT_EQ(help.Window()->findChild<QTabWidget*>("tabHelp")->currentIndex(), 1);
    auto* keyword = help.Window()->findChild<QLineEdit*>("txtKeyword");
    QTest::keyClicks(keyword, "autopatch l");
    EXPECT_EQ(help.Window()->ListedKeywords(), QStringList{"autopatch length"});
    QTest::keyClick(keyword, Qt::Key_Return);
    EXPECT_EQ(help.Window()->CurrentFile(), "timers.html");
}

TEST(HelpViewer, EveryPageLoadsFromTheProgram) {
    for (const HelpPage& page : HelpPages()) {
        QString text = ReadText(QString(":/help/") + page.file);
        EXPECT_TRUE(text.contains("<h1>")) << page.file;
    }
    EXPECT_FALSE(ReadText(":/help/help.css").isEmpty());
}

TEST(HelpViewer, HelpFromNestedDialogsMovesDownWithThemAndStays) {
    QWidget owner;
    HelpViewer help(&owner);
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
    QString lock = dir.path() + "/rcedit.lock";
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_TRUE(first->TryAcquire());
    EXPECT_TRUE(first->TryAcquire()); // asking again keeps it
    SingleInstance second(lock);
    EXPECT_FALSE(second.TryAcquire());
    first.reset();
    EXPECT_TRUE(second.TryAcquire());

    QString stale = dir.path() + "/stale.lock";
    QFile f(stale);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // QLockFile's own format: pid, program name, host name. No process has pid 2^22 + 1.
    f.write("4194305\nrcedit\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    EXPECT_TRUE(SingleInstance(stale).TryAcquire());
}

} // namespace
} // namespace rc::shell

#include "shell/qt/rcedit_app.h"

namespace rc::shell {
namespace {

TEST(ParseEditorOptions, SplashSwitchAndOneFile) {
    struct Case {
        std::vector<std::string> args;
        bool splash;
        std::string file;
        bool error;
    } cases[] = {
        {{"rcedit"}, true, "", false},
        {{"rcedit", "--no-splash"}, false, "", false},
        {{"rcedit", "site.HR8", "--no-splash"}, false, "site.HR8", false},
        {{"rcedit", "a.HR8", "b.HR8"}, true, "a.HR8", true},
        {{"rcedit", "--bogus"}, true, "", true},
    };
    for (const Case& c : cases) {
        EditorOptions o = ParseEditorOptions(c.args);
        EXPECT_EQ(o.splash, c.splash);
        EXPECT_EQ(o.file, c.file);
        EXPECT_EQ(!o.error.empty(), c.error);
    }
}

} // namespace
} // namespace rc::shell
