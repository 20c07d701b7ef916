#include "shell_fakes.h"

#include "image/memory_blocks.h"
#include "image/statistics.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace rc::shell::testing {
namespace {

class MemoryDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        rig.Start();
        path = folder.WriteImage("site.HR8");
        ASSERT_TRUE(rig.window->OpenAtStart(path));
        for (int i = 0; i < kImageSize; ++i)
            rig.state.image[i] = static_cast<std::uint8_t>(1 + i % 250);
    }
    // Runs the menu command; `act` works the dialog, then its OK button closes it.
    std::string Run(const std::string& menu, std::function<void(QWidget*)> act) {
        return RunDialog(rig, menu, [&](QWidget* modal) {
            act(modal);
            modal->findChild<QPushButton*>("cmdOK")->click();
        });
    }
    static QString Text(QWidget* w, const QString& name) { return w->findChild<QLabel*>(name)->text(); }

    TempFolder folder;
    ShellRig rig;
    std::string path;
};

TEST_F(MemoryDialogsTest, CopyFlushResetAndPrintFromTheMenu) {
    const ImageBytes start = rig.state.image;
    rig.messages.answers = {Answer::Yes, Answer::Yes};
    struct Case {
        const char* menu;
        const char* dialog;
        const char* caption;
        std::function<void(QWidget*)> act;
    } cases[] = {
        {"mnuMemory", "frmMemory", "Halden R8 Memory Files Configuration",
         [](QWidget* d) {
             d->findChild<QPushButton*>("cmdCodes_2")->click();
             d->findChild<QPushButton*>("cmdZones_0")->click();
         }},
        {"mnuFlush", "frmErase", "Halden R8 Flush Memory Blocks",
         [](QWidget* d) {
             EXPECT_EQ(d->findChild<QLabel*>("Shape1_3")->property("FillColor").toInt(), kIndicatorRed);
             d->findChild<QPushButton*>("cmdFls_3")->click();
             EXPECT_EQ(d->findChild<QLabel*>("Shape1_3")->property("FillColor").toInt(), kIndicatorWhite);
         }},
        {"mnuStats", "frmStat", "Halden R8 Repeater Stats",
         [this](QWidget* d) {
             EXPECT_EQ(Text(d, "lblFileName").toStdString(), " " + path);
             EXPECT_FALSE(Text(d, "lblFileDate").isEmpty());
             EXPECT_FALSE(d->findChild<QLabel*>("lblReadOnly")->isVisible());
             EXPECT_EQ(Text(d, "lblData_9"), QString::number(1 + 4026 % 250));
             d->findChild<QPushButton*>("cmdErase")->click();
             EXPECT_EQ(Text(d, "lblData_9"), "0");
         }},
        {"mnuPrint", "frmPrint", "Halden R8 Print Driver", [](QWidget*) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        std::string caption;
        EXPECT_EQ(Run(c.menu,
                      [&](QWidget* d) {
                          caption = d->windowTitle().toStdString();
                          c.act(d);
                      }),
                  c.dialog);
        EXPECT_EQ(caption, c.caption);
    }
    EXPECT_EQ(rig.help.calls,
              (std::vector<std::string>{"context 906", "context 105", "context 104", "context 106"}));
    EXPECT_EQ(rig.messages.Titles(),
              (std::vector<std::string>{"Memory Files Configuration", "Memory Files Configuration",
                                        "Memory Flush Process", "Clear Stats"}));
    EXPECT_EQ(rig.messages.beeps, 2);

    // Exactly the three copies' destinations, the macro block and the counters changed.
    for (int i = 0; i < kImageSize; ++i) {
        int expected = start[i];
        if (i >= 2408 && i < 2408 + 144)
            expected = start[32 + i - 2408];
        else if (i >= 1216 && i < 1224)
            expected = start[24 + i - 1216];
        else if (kMacros.region().contains(i) || kStatistics.contains(i))
            expected = 0;
        ASSERT_EQ(rig.state.image[i], expected) << i;
    }

    // The configuration dialog is kept between showings and armed again each time.
    rig.state.image[32] = 0xEE;
    Run("mnuMemory", [](QWidget* d) { d->findChild<QPushButton*>("cmdCodes_3")->click(); });
    EXPECT_EQ(rig.state.image[3000], 0xEE);
}

} // namespace
} // namespace rc::shell::testing
