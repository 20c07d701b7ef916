#include "codecs/qt/frm_voice.h"
#include "dialog_fakes.h"
#include "editors/qt/frm_speed.h"
#include "editors/qt/frm_voc.h"
#include "image/regions.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace rc {
namespace {

using namespace rc::testing;

// Answers every word dialog with `reply` and records what it was opened with.
struct ScriptedWords : IWordDialog {
    VoiceContract reply;
    std::vector<VoiceContract> calls;
    void ShowWordDialog(VoiceContract& voice) override {
        calls.push_back(voice);
        voice.VoiceNewText = reply.VoiceNewText;
        voice.VoiceRebuilt = reply.VoiceRebuilt;
        voice.VoiceWordCount = reply.VoiceWordCount;
        voice.VoiceWords = reply.VoiceWords;
    }
};

struct AnyKeyPad : IKeyPad {
    std::string reply;
    std::vector<std::string> headings, values;
    std::string ShowKeyPad(int, int, const std::string& heading, const std::string& value, int) override {
        headings.push_back(heading);
        values.push_back(value);
        return reply;
    }
};

template <typename T = QLabel> T* Find(QWidget& w, const QString& name) {
    auto* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

std::string Text(QWidget& w, const QString& name) {
    return Find(w, name)->text().toStdString();
}

void Click(QWidget& w, const QString& name) {
    QTest::mouseClick(Find(w, name), Qt::LeftButton);
}

VoiceContract Rebuilt(std::vector<int> codes) {
    VoiceContract v;
    v.VoiceRebuilt = true;
    v.VoiceNewText = "picked";
    v.VoiceWordCount = static_cast<int>(codes.size());
    for (std::size_t j = 0; j < codes.size(); ++j)
        v.VoiceWords[j] = WordCodeText(codes[j]);
    return v;
}

std::string Name(int code) {
    return VoiceWordText(WordKey(PackWordCode(code)));
}

// The real word dialog: filled once, a ready delay, one list at a time, words found by typing in
// the open list, Back Space by whole words.
TEST(WordDialogWindow, BuildsAListWordByWord) {
    RecordingMessages messages;
    ManualTimer timer;
    QtWordDialog service(messages, nullptr, &timer);
    frmVoice& dialog = *service.Dialog();
    EXPECT_EQ(dialog.windowTitle(), "Halden R8 Voice Synthesizer Editor Dialog Box");
    auto* cboVoice = Find<PickListBox>(dialog, "cboVoice");
    EXPECT_EQ(cboVoice->count(), static_cast<int>(VoiceWordList().size()));
    EXPECT_EQ(Find<QComboBox>(dialog, "cbocall")->count(), static_cast<int>(CallLettersList().size()));
    EXPECT_EQ(Find<QComboBox>(dialog, "cboSpecial")->count(), static_cast<int>(SpecialList().size()));

    VoiceContract voice;
    voice.VoiceMaxWords = 23;
    voice.VoiceMessageNumber = 13;
    voice.VoiceOldText = "A Call";
    dialog.Activate(voice);
    dialog.show();
    EXPECT_EQ(timer.started, 500);
    EXPECT_EQ(Text(dialog, "Label1"), "Word Construction For Message 13");
    auto* text1 = Find<QLineEdit>(dialog, "Text1");
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_EQ(text1->text(), "A Call");
    EXPECT_FALSE(cboVoice->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(dialog, "cmdBackSpace")->isEnabled());
    Find<QPushButton>(dialog, "cmdClear")->click();
    Find<QPushButton>(dialog, "cmdExit")->click();
    EXPECT_TRUE(dialog.isVisible()) << "nothing works before the ready delay";
    EXPECT_EQ(text1->text(), "A Call");

    timer.Fire();
    Find<QPushButton>(dialog, "cmdClear")->click();
    EXPECT_TRUE(cboVoice->isEnabled());
    const char* boxes[] = {"cboVoice", "cbocall", "cboSpecial"};
    const char* options[] = {"optAll", "optCall", "optSpecial"};
    for (int k : {1, 2, 0}) {
        Find<QRadioButton>(dialog, options[k])->click();
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(Find<QComboBox>(dialog, boxes[b])->isVisible(), b == k) << options[k] << boxes[b];
    }

    // Typing moves through the open list without picking; Enter picks.
    cboVoice->setFocus();
    QTest::keyClick(cboVoice, Qt::Key_L);
    ASSERT_TRUE(cboVoice->view()->isVisible());
    QTest::keyClicks(cboVoice->view(), "ess");
    EXPECT_EQ(dialog.Logic().Contract().VoiceWordCount, 0);
    QTest::keyClick(cboVoice->view(), Qt::Key_Return);
    const std::string lessThan = cboVoice->currentText().toStdString();
    EXPECT_EQ(lessThan.rfind("Less", 0), 0u) << lessThan;
    EXPECT_EQ(dialog.Logic().Contract().VoiceWords[0], "555");
    cboVoice->activated(cboVoice->findData(210));
    EXPECT_EQ(text1->text().toStdString(), lessThan + " A");

    Find<QPushButton>(dialog, "cmdBackSpace")->click();
    Find<QPushButton>(dialog, "cmdBackSpace")->click();
    EXPECT_EQ(text1->text(), "") << "a name with a blank goes whole";
    Find<QPushButton>(dialog, "cmdBackSpace")->click();
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(dialog.Logic().Contract().VoiceWordCount, 0);
    cboVoice->activated(cboVoice->findData(250));
    Find<QPushButton>(dialog, "cmdExit")->click();
    EXPECT_FALSE(dialog.isVisible());
    const VoiceContract& out = dialog.Logic().Contract();
    EXPECT_TRUE(out.VoiceRebuilt);
    EXPECT_EQ(out.VoiceWordCount, 1);
    EXPECT_EQ(out.VoiceWords[0], "250");
    EXPECT_EQ(out.VoiceNewText, Name(250));

    // The close box is Cancel.
    dialog.Activate(voice);
    dialog.show();
    dialog.reject();
    EXPECT_FALSE(dialog.Logic().Contract().VoiceRebuilt);
    EXPECT_EQ(dialog.Logic().Contract().VoiceNewText, "A Call");
}

// Rows of each dialog, what a click opens, and what lands in the image.
TEST(TelephoneDialogs, RowsAndEntries) {
    EditorState state;
    const int PT53 = kUserSpeedDial.at(53);
    state.image[PT53] = 2;
    state.image[PT53 + 1] = 0x25; // two pauses before the 5
    state.image[PT53 + 2] = 10;
    state.image[PT53 + 12] = 1;
    WritePackedWord(state.image, PT53 + 13, PackWordCode(731));
    const int em4 = kEmergencySpeedDial.at(4);
    state.image[em4] = 12;
    state.image[em4 + 12] = 1;
    WritePackedWord(state.image, em4 + 13, PackWordCode(340));
    AnyKeyPad keypad;
    ScriptedWords words;

    frmSpeed speed(state, keypad, words, nullptr, 800);
    speed.show();
    EXPECT_EQ(speed.windowTitle(), "Halden R8 User Speed Dial Numbers");
    EXPECT_EQ(Text(speed, "lblPos_9"), "9");
    Find<QRadioButton>(speed, "optGrp_5")->click();
    EXPECT_EQ(Find<QRadioButton>(speed, "optGrp_5")->text(), "50-59");
    EXPECT_EQ(Text(speed, "lblPos_0"), "50");
    EXPECT_EQ(Text(speed, "lblNum_3"), ",50");
    EXPECT_EQ(Text(speed, "Label2_3"), " " + Name(731));

    const ImageBytes before = state.image;
    keypad.reply = ",50"; // Cancel: the two pauses stay
    Click(speed, "lblNum_3");
    words.reply = VoiceContract{}; // Cancel
    Click(speed, "Label2_3");
    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(keypad.headings.back(), "Telephone Number 53");
    EXPECT_EQ(words.calls.back().VoiceOldText, Name(731));
    EXPECT_EQ(words.calls.back().VoiceMaxWords, 8);

    keypad.reply = "9,10*#";
    Click(speed, "lblNum_3");
    const std::uint8_t stored[] = {5, 0x09, 0x11, 0x0A, 0x0B, 0x0C};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(state.image[PT53 + k], stored[k]) << k;
    EXPECT_EQ(Text(speed, "lblNum_3"), "9,10*#");
    // An identification for a row without a number is stored and shown until the rows are shown again.
    words.reply = Rebuilt({286});
    Click(speed, "Label2_5");
    EXPECT_EQ(state.image[kUserSpeedDial.at(55) + 12], 1);
    EXPECT_EQ(Text(speed, "Label2_5"), " " + Name(286));
    speed.DisplaySD();
    EXPECT_EQ(Text(speed, "Label2_5"), "");

    frmEmer emer(state, keypad, words, nullptr, 801);
    emer.show();
    EXPECT_EQ(emer.windowTitle(), "Halden R8 Emergency Speed Dial Numbers");
    EXPECT_EQ(Text(emer, "lblNum_4"), "");
    EXPECT_EQ(Text(emer, "lblID_4"), " " + Name(340)) << "shown whatever the length byte";
    keypad.reply = "911";
    Click(emer, "lblNum_3");
    EXPECT_EQ(keypad.headings.back(), "Emergency Number 3");
    EXPECT_EQ(state.image[kEmergencySpeedDial.at(3)], 3);

    frmPreDial preDial(state, keypad, nullptr, 803);
    preDial.show();
    EXPECT_EQ(preDial.windowTitle(), "Halden R8 Telephone Pre-Dial Number");
    keypad.reply = "9,1";
    Click(preDial, "lblNum");
    EXPECT_EQ(keypad.headings.back(), "Tel Pre-Dial");
    EXPECT_EQ(state.image[kPreDialNumber.offset], 3);
    EXPECT_EQ(state.image[kPreDialNumber.offset + 2], 0) << "the comma is stored as code 0";
    EXPECT_EQ(Text(preDial, "lblNum"), "9D1");
}

TEST(VoiceDialogs, PagesNumbersAndSavedText) {
    EditorState state;
    ScriptedWords words;
    frmVoc base(state, words, nullptr, 400);
    base.show();
    EXPECT_EQ(base.windowTitle(), "Halden R8 Base Voice Synthesizer Messages");
    EXPECT_EQ(Find<QRadioButton>(base, "optGroup_0")->text(), "  1 - 10");
    EXPECT_EQ(Text(base, "Label1_0"), "1");
    Find<QRadioButton>(base, "optGroup_1")->click();
    EXPECT_EQ(Text(base, "Label1_9"), "20");
    words.reply = Rebuilt({555, 210});
    Click(base, "lblMsg_2");
    EXPECT_EQ(words.calls.back().VoiceMessageNumber, 13);
    EXPECT_EQ(state.image[800], 2);
    EXPECT_EQ(Text(base, "lblMsg_2"), Name(555) + " " + Name(210)) << "the row shows what the image holds";

    state.copies.MessagesCopy = 2;
    frmVocMem mem(state, words, nullptr, 401);
    mem.show();
    EXPECT_EQ(mem.windowTitle(), "Halden R8 Memory Save #2 Voice Synthesizer Messages");
    EXPECT_EQ(mem.findChild<QRadioButton*>("optGroup_0"), nullptr);
    EXPECT_EQ(Text(mem, "Label1_7"), "8");
    words.reply = Rebuilt({250});
    Click(mem, "lblMsg_7");
    EXPECT_EQ(words.calls.back().VoiceMessageNumber, 8);
    EXPECT_EQ(state.image[2008 + 7 * 48], 1);
    EXPECT_EQ(state.image[2008 + 7 * 48 + 1], 2);
    EXPECT_EQ(state.image[2008 + 7 * 48 + 2], 50);
}

} // namespace
} // namespace rc
