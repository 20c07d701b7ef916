// Entry point of the tests that need widgets: offscreen unless told otherwise, one QApplication.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A private runtime and config folder: no warnings, and no test touches the user's settings.
    QTemporaryDir home;
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        QDir(home.path()).mkpath("runtime");
        QFile::setPermissions(home.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                            QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toLocal8Bit().constData(), 1);
    }
    setenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit().constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
