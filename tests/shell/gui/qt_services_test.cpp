#include "shell/qt/qt_file_dialogs.h"
#include "shell/qt/rcedit_app.h"
#include "sound/qt/qt_sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace rc::shell {
namespace {

// The real output: a machine without a sound card says so at once; one with a card plays without
// making the caller wait for the two seconds of sound.
TEST(QtSoundPlayer, NeverWaitsForTheSound) {
    sound::QtSoundPlayer player;
    sound::Pcm pcm;
    sound::AppendTone(pcm, 800, 2000);
    QElapsedTimer clock;
    clock.start();
    const sound::PlayResult result = player.Play(&clock, pcm);
    EXPECT_LT(clock.elapsed(), 1000);
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        EXPECT_EQ(result, sound::PlayResult::NoDevice);
    }
    EXPECT_EQ(player.Playing(&clock), result == sound::PlayResult::Playing);
    player.Stop(&clock);
    EXPECT_FALSE(player.Playing(&clock));
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
