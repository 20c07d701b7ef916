// The settings file itself: what the program writes, read back as text, and hand-written files.
#include "link/ui/qt_settings_store.h"
#include "link_gui_support.h"

namespace rc::link {
namespace {

using namespace test;

// The lines of one [section] of an INI text, up to the next section.
QStringList Section(const QString& ini, const QString& name) {
    QStringList lines = ini.split('\n');
    int at = lines.indexOf("[" + name + "]");
    if (at < 0)
        return {};
    QStringList out;
    for (int i = at + 1; i < lines.size() && !lines[i].startsWith('['); ++i)
        if (!lines[i].isEmpty())
            out << lines[i];
    return out;
}

TEST(LinkSettingsFile, TheProgramsOwnFileInTheUsersConfigFolder) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty()) << "the tests run in a private configuration folder";
    // As the running program finds it, not in the test mode's folder.
    QStandardPaths::setTestModeEnabled(false);
    QString fileName = QtSettingsStore().FileName();
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(fileName.toStdString(), (config + "/HaldenLink.ini").toStdString());
}

TEST(LinkSettingsFile, FirstRunThenExitWritesEveryKey) {
    QTemporaryDir dir;
    const QString path = dir.filePath("HaldenLink.ini");
    FakePort port;
    FakeMessages messages;
    FakeHelp help;
    FakeTimers timers;
    FakeClock clock;
    {
        QtSettingsStore store(path);
        frmComm window(port, store, messages, help, timers, clock);
        window.LoadSettings();
        window.OpenPort();
        window.show();
        window.move(100, 60);
        // The way out of the program: the settings go at the first close, the window once the line
        // has drained (the wait itself is tested on a real line).
        window.close();
        timers["DrainCheck"].Fire();
        window.close();
    }
    const QString ini = QString::fromStdString(rc::test::ReadFile(path.toStdString()));
    EXPECT_EQ(ini.count("[MODEM]", Qt::CaseInsensitive), 1) << ini.toStdString();
    const QStringList modem = Section(ini, "MODEM");
    for (const char* line : {"PORT=1", "BAUD=300", "BITS=8", "PARITY=N", "STOP=1", "DTR=1", "RTS=1",
                             "DEVICE1=/dev/ttyS0", "DEVICE4=/dev/ttyS3"})
        EXPECT_TRUE(modem.contains(line)) << line << "\n" << ini.toStdString();
    EXPECT_EQ(Section(ini, "MODEM_INIT"), (QStringList{"INIT=ATZ0", "INIT-BOOLEAN=0"}));
    EXPECT_EQ(Section(ini, "TEL_NUMBERS"), (QStringList{"NUMBER1=5550100"}));
    EXPECT_EQ(Section(ini, "FILE_TYPE"), (QStringList{"FILETYPE=M4", "FOLDER="}));
    EXPECT_EQ(Section(ini, "CALL_WAIT"), (QStringList{"CW-BOOLEAN=", "CW-STRING="}));
    const QStringList where = Section(ini, "FORM_LOCATION");
    EXPECT_TRUE(where.contains("POS-BOOLEAN=")) << ini.toStdString();
    EXPECT_TRUE(where.filter(QRegularExpression("^LEFT=\\d+$")).size() == 1) << ini.toStdString();
    EXPECT_TRUE(where.filter(QRegularExpression("^TOP=\\d+$")).size() == 1) << ini.toStdString();

    // The next start reads them back: the model panel now shows the stored model.
    QtSettingsStore again(path);
    FakeWindow view;
    LinkSession session(port, messages, timers, clock, view);
    session.LoadSettings(again);
    EXPECT_EQ(session.Settings(), LinkSettings{});
    EXPECT_EQ(view.panels[Panel::Model], "Halden M4");
}

} // namespace
} // namespace rc::link
