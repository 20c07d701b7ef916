#include "codecs/qt/frm_voice.h"
#include "dialog_fakes.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace rc {
namespace {

using namespace rc::testing;

// The real word dialog: filled once, a ready delay, one list at a time, words found by typing in
// the open list, Back Space by whole words.
TEST(WordDialogWindow, BuildsAListWordByWord) {
    RecordingMessages messages;
    ManualTimer timer;
    QtWordDialog service(messages, nullptr, &timer);
    frmVoice& dialog = *service.Dialog();
    auto* cboVoice = Child<PickListBox>(dialog, "cboVoice");

    VoiceContract voice;
    voice.VoiceMaxWords = 23;
    voice.VoiceMessageNumber = 13;
    voice.VoiceOldText = "A Call";
    dialog.Activate(voice);
    dialog.show();
    EXPECT_EQ(timer.started, 500);
    auto* text1 = Child<QLineEdit>(dialog, "Text1");
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_FALSE(cboVoice->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(dialog, "cmdBackSpace")->isEnabled());
    Click(dialog, "cmdClear");
    Click(dialog, "cmdExit");
    EXPECT_TRUE(dialog.isVisible()) << "nothing works before the ready delay";
    EXPECT_EQ(text1->text(), "A Call");

    timer.Fire();
    Click(dialog, "cmdClear");
    EXPECT_TRUE(cboVoice->isEnabled());
    const char* boxes[] = {"cboVoice", "cbocall", "cboSpecial"};
    const char* options[] = {"optAll", "optCall", "optSpecial"};
    for (int k : {1, 2, 0}) {
        Click(dialog, options[k]);
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(Child<QComboBox>(dialog, boxes[b])->isVisible(), b == k) << options[k] << boxes[b];
    }

    // Typing moves through the open list without picking; Enter picks.
    cboVoice->setFocus();
    QTest::keyClick(cboVoice, Qt::Key_L);
    ASSERT_TRUE(cboVoice->view()->isVisible());
    QTest::keyClicks(cboVoice->view(), "ess");
    EXPECT_EQ(dialog.Logic().Contract().VoiceWordCount, 0);
    QTest::keyClick(cboVoice->view(), Qt::Key_Return);
    EXPECT_EQ(dialog.Logic().Contract().VoiceWords[0], "555");
    cboVoice->activated(cboVoice->findData(210));
    EXPECT_EQ(text1->text(), "Less Than A");

    // Back Space takes a name with a blank whole (its rules are the logic's, tested there).
    Click(dialog, "cmdBackSpace");
    Click(dialog, "cmdBackSpace");
    EXPECT_EQ(text1->text(), "");
    Click(dialog, "cmdBackSpace");
    EXPECT_EQ(messages.beeps, 1);
    cboVoice->activated(cboVoice->findData(250));
    Click(dialog, "cmdExit");
    EXPECT_FALSE(dialog.isVisible());
    const VoiceContract& out = dialog.Logic().Contract();
    EXPECT_TRUE(out.VoiceRebuilt);
    EXPECT_EQ(out.VoiceWordCount, 1);
    EXPECT_EQ(out.VoiceWords[0], "250");
    EXPECT_EQ(out.VoiceNewText, "B");
}

} // namespace
} // namespace rc
