#include "shell/qt/qt_file_dialogs.h"
#include "shell/qt/qt_settings_store.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace rc::shell {
namespace {

// The keys and their spelling in the file are checked with the settings rules and the settings file.
TEST(QtSettingsStore, KeepsTheSettingsInTheIniFileOfTheProgramName) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    EditorSettings s;
    {
        QtSettingsStore store;
        EXPECT_EQ(store.FileName(), dir.path() + "/H_R8.ini");
        s = GetRegistry(store);
        s.PrintFontSize = "11";
        s.Files = {"/home/op/site, north.HR8", "/home/op/b.HR8", "", ""};
        s.ShowTips = 0;
        SaveRegistry(store, s);
        store.Sync();
    }
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/H_R8.ini"));
    QtSettingsStore again;
    EditorSettings back = GetRegistry(again);
    EXPECT_EQ(back.Files, s.Files);
    EXPECT_EQ(back.ShowTips, 0);
    EXPECT_EQ(back.PrintFontSize, "11");
    EXPECT_EQ(back.Password, "Tern Haven");
}

TEST(ToQtFilter, OffersTheExtensionInBothCases) {
    EXPECT_EQ(ToQtFilter("Halden R8 File(s) *.HR8)|*.HR8"), "Halden R8 File(s) *.HR8) (*.HR8 *.hr8)");
    EXPECT_EQ(ToQtFilter("All|*.*"), "All (*.*)");
}

// A bare name in Save As becomes name.HR8, in the folder the dialog was given. (The transfer dialog
// tests cover the other cases of the shared set-up.)
TEST(QtFileDialogs, SaveAsAddsTheExtensionAndStartsInTheFolder) {
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->findChild<QLineEdit*>("fileNameEdit")->setText("site");
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(QtFileDialogs().ShowSave({kSaveFilter, 1, folder.toStdString()}),
              (folder + "/site.HR8").toStdString());
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
