// The editors' dialogs offscreen over scripted collaborators: what a field passes to the keypad, shows
// and writes, the dialogs' own rules, and the play buttons with a recording player or with none.
#include "../edit_expect.h"
#include "codecs/qt/frm_voice.h"
#include "codecs/qt/qt_keypad.h"
#include "dialog_fakes.h"
#include "editors/codes.h"
#include "editors/qt/frm_codes.h"
#include "editors/qt/frm_config.h"
#include "editors/qt/frm_ctones.h"
#include "editors/qt/frm_cw_edit.h"
#include "editors/qt/frm_exp.h"
#include "editors/qt/frm_macro.h"
#include "editors/qt/frm_sched.h"
#include "editors/qt/frm_telephone_codes.h"
#include "editors/qt/frm_timer.h"
#include "editors/qt/frm_user.h"
#include "editors/qt/frm_voc.h"
#include "editors/qt/frm_zones1.h"
#include "editors/qt/switch_lamp.h"
#include "editors/timers.h"
#include "image/regions.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace rc {
namespace {

using namespace rc::testing;

// Every byte different, so a write to the wrong place shows; most code fields hold counts and
// digits the keypad could never type, so a rewrite of a neighbour shows too.
EditorState PatternedState() {
    EditorState state;
    state.image = Patterned();
    return state;
}

// The menu command's road: the dialog shown modally, a value clicked, the real keypad typed on and
// its check refusing the first entry.
TEST(EditorDialogs, ModalDialogsWithTheRealKeyPad) {
    EditorState state = PatternedState();
    RecordingMessages messages;
    ManualTimer timer;
    QtKeyPad keypad(messages, nullptr, timer);

    frmTimer1 timers(state, 3, keypad, nullptr, 301);
    WhenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, &timers);
        // The keypad's exec() starts inside the click, so its driver is queued first.
        QTimer::singleShot(0, [&] {
            QWidget* pad = QApplication::activeModalWidget();
            ASSERT_EQ(pad->objectName(), "frmKeyPad");
            timer.Fire();
            QTest::keyClicks(Keyboard(pad), "1801");
            QTest::keyClick(Keyboard(pad), Qt::Key_Return); // refused: over 1800
            Click(*pad, "cmdClear");
            QTest::keyClicks(Keyboard(pad), "75");
            QTest::keyClick(Keyboard(pad), Qt::Key_Return);
        });
        Click(timers, "lblTime_10");
        EXPECT_EQ(TextOf(timers, "lblTime_10"), "01:15");
        Click(timers, "cmdDone");
    });
    EXPECT_EQ(timers.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error! Entry must be between 1 and 1800");
    EXPECT_EQ(state.image[2560 + 20], 75);
    EXPECT_EQ(state.image[2560 + 21], 0);
}

// A click on a value: what the keypad is given, what lands in the image, what the label shows. An
// entry equal to the value the keypad was opened with writes nothing.
TEST(KeyPadDialogs, ClickPassesShowsAndWritesOnlyItsField) {
    struct Case {
        char dialog; // Codes, tiMers, Tones, Area codes, Lockout, Unlock
        int at;
        std::vector<std::uint8_t> stored; // bytes from `at` before the dialog opens
        const char *group, *label, *reply, *call;
        std::vector<int> after; // bytes from `at` afterwards; empty: nothing written
        const char* shownAfter;
    };
    // Code 9 holds a count beyond its seven places, D first and stray high bits.
    const std::vector<std::uint8_t> malformed = {12, 0, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7};
    const int code5 = Codes(2).at(5), code9 = Codes(2).at(9);
    // clang-format off
    const Case cases[] = {
        {'C', code5, {}, "", "lblCode_5", "123456789", "3 7 User Function Switch [D50C49B] 0", {7, 1, 2, 3, 4, 5, 6, 7}, "1234567"}, // cut to the field
        {'C', code9, malformed, "", "lblCode_9", "D234567", "3 7 Emergency Speed Dial [D234567] 0", {}, "D234567"},
        {'C', code9, malformed, "", "lblCode_9", "D2", "3 7 Emergency Speed Dial [D234567] 0", {2, 0, 2, 0, 0, 0, 0, 0}, "D2"}, // normalised
        {'M', 184, {0x08, 0x07}, "", "lblTime_0", "1800", "1 4 Repeater Time-Out [1800] 2", {}, "30:00"},
        {'M', 184, {0x08, 0xFF}, "", "lblTime_0", "1800", "1 4 Repeater Time-Out [1800] 2", {}, "30:00"}, // unchanged: upper bits kept
        {'M', 184, {0x08, 0xFF}, "", "lblTime_0", "900", "1 4 Repeater Time-Out [1800] 2", {0x84, 0x03}, "15:00"}, // a new value clears them
        {'M', 196, {0xFF, 0x07}, "", "lblTime_6", "2047", "1 4 Repeater ID [2047] 2", {}, "34:07"}, // Cancel on a value past 1800
        {'M', 186, {90, 0}, "", "lblTime_1", "", "1 4 Repeater Sleep [90] 2", {0, 0}, "00:00"},
        {'M', 198, {0, 0}, "", "lblTime_7", "256", "1 4 Squelch Tail Message [0] 2", {0, 1}, "04:16"},
        {'M', 188, {0, 0}, "", "lblTime_2", "5", "1 2 Turn-On Delay [0] 0", {5, 0}, "0.5"},
        {'M', 202, {25, 0xF8}, "", "lblTime_9", "99", "1 2 Voice Delay. [25] 0", {99, 0}, "9.9"},
        {'M', 202, {25, 0xF8}, "", "lblTime_9", "25", "1 2 Voice Delay. [25] 0", {}, "2.5"},
        {'M', 208, {7, 0}, "", "lblTime_12", "", "1 2 DTMF Pre-window [7] 0", {0, 0}, "0.0"},
        {'M', 210, {0xFF, 0x07}, "", "lblTime_13", "2047", "1 2 DTMF Window [2047] 0", {}, "204.7"}, // too large to store: kept
        {'M', 188, {5, 0}, "", "lblTime_2", "100", "1 2 Turn-On Delay [5] 0", {}, "0.5"}, // more than 9.9: refused
        {'M', 196, {0, 0}, "", "lblTime_6", "2047", "1 4 Repeater ID [0] 2", {0xFF, 0x07}, "34:07"}, // the largest the field holds
        {'M', 196, {5, 0}, "", "lblTime_6", "2048", "1 4 Repeater ID [5] 2", {}, "00:05"}, // past 11 bits: refused
        {'M', 186, {5, 0}, "", "lblTime_1", "99999", "1 4 Repeater Sleep [5] 2", {}, "00:05"},
        {'T', 4608, {1, 2}, "", "lblT1_2", "5", "7 1 Enter Frequency 1..8 [1] 6", {5}, "700"},
        {'T', 4611, {8}, "", "lblT2_2", "3", "7 1 Enter Frequency [8] 6", {3}, "500"},
        {'T', 4608, {1, 2, 0}, "", "lblD1_2", "9", "8 1 Enter Time Delay 0..9 [0] 7", {-1, -1, 9}, "450"},
        {'T', 4600, {4, 4}, "", "lblTD1_1", "4", "8 1 Enter Time Delay 0..9 [4] 7", {}, "200"},
        {'T', 4592, {1, 12}, "", "lblTD1_0", "", "8 1 Enter Time Delay 0..9 [] 7", {}, ""},
        {'A', 3712, {0}, "", "lblAC_0", "010", "1 3 Area Code 1 [] 8", {10, 1, 10}, "010"},
        {'A', 3715, {10, 1, 12}, "", "lblAC_1", "010", "1 3 Area Code 2 [010] 8", {}, "010"},
        {'A', 3724, {10, 1, 10}, "", "lblAC_4", "", "1 3 Area Code 5 [010] 8", {0, 0, 0}, ""},
        {'L', 3896, {0}, "optSel_1", "Label1_0", "55", "5 11 Lock Out Number 11 [] 0", {2, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "55"},
        {'L', 3800, {2, 0, 11}, "", "Label1_2", "D*", "5 11 Lock Out Number 3 [D*] 0", {}, "D*"},
        {'U', 16, {0}, "", "lblNum", "12AB*#0", "3 7 Unlock Number [] 10", {7, 1, 2, 13, 14, 11, 12, 10}, "12AB*#0"},
        {'U', 16, {7, 1, 0, 0, 0, 0, 0, 0}, "", "lblNum", "", "3 7 Unlock Number [1DDDDDD] 10", {}, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label + std::string(" <- ") + c.reply);
        EditorState state = PatternedState();
        Put(state.image, c.at, c.stored);
        ScriptedKeyPad keypad;
        keypad.entries = {c.reply};
        RecordingMessages messages;
        messages.fallback = Answer::Cancel;
        std::unique_ptr<QDialog> dialog;
        if (c.dialog == 'C')
            dialog = std::make_unique<frmCodes_1>(state, 2, keypad, nullptr, 201);
        else if (c.dialog == 'M')
            dialog = std::make_unique<frmTimer1>(state, kBaseCopy, keypad, nullptr, 300);
        else if (c.dialog == 'T')
            dialog = std::make_unique<frmCTones>(state, keypad, nullptr, 900);
        else if (c.dialog == 'A')
            dialog = std::make_unique<frmAreaCodes>(state, keypad, nullptr, 804);
        else if (c.dialog == 'L')
            dialog = std::make_unique<frmLockout>(state, keypad, nullptr, 802);
        else
            dialog = std::make_unique<frmUnlock>(state, keypad, messages, nullptr, 302);
        dialog->show();
        if (*c.group)
            Click(*dialog, c.group);
        const ImageBytes before = state.image;
        Click(*dialog, c.label);
        EXPECT_EQ(keypad.calls, std::vector<std::string>{c.call});
        ExpectBytes(before, state.image, c.at, c.after);
        EXPECT_EQ(TextOf(*dialog, c.label), c.shownAfter);
    }
}

// The menu test saves a message picked after Clear; here what shows while picking, Cancel, and the
// full field.
TEST(CwEditDialog, PicksShowCancelKeepsAndTheFieldEndsAtThirtyOne) {
    EditorState state = PatternedState();
    Put(state.image, 1184, {1, 13}); // "D"
    RecordingMessages messages;
    frmCwEdit dialog(state, messages, nullptr, 402);
    auto* list = Child<QListWidget>(dialog, "List1");
    auto pick = [&](int code) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(code)).center());
    };
    const ImageBytes before = state.image;
    dialog.show();
    EXPECT_FALSE(list->isEnabled());
    Click(dialog, "cmdClear");
    for (int code : {13, 14, 38, 37})
        pick(code);
    EXPECT_EQ(TextOf(dialog, "Label1"), "DE (AR)");
    Click(dialog, "cmdCancel");
    dialog.show();
    EXPECT_TRUE(state.image == before);
    Click(dialog, "cmdOK"); // without Clear: nothing to write
    dialog.show();
    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(TextOf(dialog, "Label1"), "D");
    EXPECT_FALSE(list->isEnabled());

    // The 32nd character beeps and changes nothing; the field ends before memory save #1.
    Click(dialog, "cmdClear");
    for (int k = 0; k < 32; ++k)
        pick(k % 36);
    EXPECT_EQ(messages.beeps, 1);
    Click(dialog, "cmdOK");
    EXPECT_EQ(state.image[1184], 31);
    EXPECT_EQ(state.image[1216], before[1216]);
}

TEST(ZonesDialog, FirstTabMoveWritesNothingLaterOnesWriteTheTable) {
    EditorState state;
    state.image[1808] = 0x07;
    int shown = 0;
    frmZones1 dialog(state, 2, nullptr, 701, [&] { ++shown; });
    dialog.show();
    EXPECT_EQ(shown, 1);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Child<QCheckBox>(dialog, QString("chkZ1_%1").arg(i))->isChecked(), i < 3) << i;
    const ImageBytes before = state.image;
    auto* tabs = Child<QTabWidget>(dialog, "SSTab1");
    Click(dialog, "chkZ1_3");
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(state.image == before);
    Click(dialog, "chkZ8_7");
    tabs->setCurrentIndex(7);
    ExpectBytes(before, state.image, 1808, {0x0F, 0, 0, 0, 0, 0, 0, 0x80}); // OK: the menu test
}

TEST(ExpandedSwitchesDialog, LampsGroupsAndToggles) {
    EditorState state;
    state.image[4674] = 0x81;
    frmExp dialog(state, nullptr, 902);
    dialog.show();
    auto lamp = [&](int row, int bit) {
        return Child<SwitchLamp>(dialog, QString("Img%1_%2").arg(row).arg(bit));
    };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lamp(3, i)->IsOn(), i == 0 || i == 7) << i;
    // On and off differ in shape, not only in colour: the pixels they ink differ.
    auto ink = [](SwitchLamp* l) {
        const QImage image = l->grab().toImage();
        std::vector<bool> inked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked.push_back(image.pixel(x, y) != image.pixel(0, 0));
        return inked;
    };
    EXPECT_NE(ink(lamp(3, 0)), ink(lamp(3, 1)));

    Click(dialog, "opt1_1");
    EXPECT_EQ(TextOf(dialog, "lblA_1"), "10");
    QTest::mouseClick(lamp(2, 0), Qt::LeftButton);
    EXPECT_EQ(state.image[4681], 1);
    EXPECT_TRUE(lamp(2, 0)->IsOn());
    state.image[4672] = 0xFF;
    Click(dialog, "opt1_0");
    EXPECT_EQ(TextOf(dialog, "lblA_0"), "1");
    EXPECT_TRUE(lamp(1, 5)->IsOn());
}

TEST(UnlockDialog, WillNotCloseQuietlyWithoutACode) {
    for (Answer answer : {Answer::Ok, Answer::Cancel}) {
        EditorState state;
        ScriptedKeyPad keypad;
        RecordingMessages messages;
        messages.fallback = answer;
        frmUnlock dialog(state, keypad, messages, nullptr, 302);
        dialog.show();
        dialog.close();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0],
                  (MessageSpec{"Error, No Unlock Entry.", "Unlock Code", MessageIcon::Exclamation,
                               MessageButtons::OkCancel, Answer::Ok}));
        EXPECT_EQ(dialog.isVisible(), answer == Answer::Ok);
        if (answer == Answer::Ok) { // back in the dialog: a code, and it closes without a word
            keypad.entries = {"7654321"};
            Click(dialog, "lblNum");
            dialog.close();
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(messages.shown.size(), 1u);
        }
    }
}

// Cancel on a value the keypad cannot type keeps it, and OK writes nothing: the commands of a macro
// without a code stay in the image though the grid hides them. A double click opens the review.
TEST(AutomationDialogs, MacroGridKeepsWhatItCannotShow) {
    EditorState state;
    Put(state.image, 4032, {1, 1, 0, 0, 0, 0, 0, 0, 0x1A, 0x10});
    state.image[4060 + 8] = 0x11; // macro 2: a command but no code
    const ImageBytes before = state.image;
    ScriptedKeyPad keypad;
    frmMacro dialog(state, keypad, nullptr, 500);
    dialog.show();
    EXPECT_EQ(TextOf(dialog, "Label3_0") + "|" + TextOf(dialog, "Label3_1"), "1A10|");
    Click(dialog, "Label3_0");
    EXPECT_EQ(keypad.calls, std::vector<std::string>{"1 4 Macro Command [1A10] 1"});
    std::string title;
    WhenModal([&](QWidget* review) {
        title = review->windowTitle().toStdString() + " " + TextOf(*review, "Label2_0");
        Click(*review, "cmdOK");
    });
    QTest::mouseDClick(dialog.findChild<QWidget*>("Label1_0"), Qt::LeftButton);
    EXPECT_EQ(title, "Macro 1 Review Invalid Entry");
    Click(dialog, "cmdOK");
    EXPECT_TRUE(state.image == before);
}

// A refused time shows its message; the close box writes nothing; OK on the page hides it and the
// next showing is on the same page.
TEST(AutomationDialogs, SchedulerRefusesClosesAndKeepsItsPage) {
    EditorState state;
    state.image[7888 + 70 * 2 + 7] = 0xFF; // entry 22: daily at 00:00
    const ImageBytes before = state.image;
    ScriptedKeyPad keypad;
    keypad.entries = {"2500"};
    RecordingMessages messages;
    frmsched page(state, keypad, messages, nullptr, 501);
    page.show();
    Click(page, "optGroup_2");
    EXPECT_EQ(TextOf(page, "lblNum_1") + " " + TextOf(page, "lblDOW_1") + " " + TextOf(page, "lblTime_1"),
              "22 Daily 00:00");
    WhenModal([&](QWidget* entry) {
        EXPECT_EQ(entry->windowTitle(), "Schedular Position 22");
        Click(*entry, "lblTime");
        Click(*entry, "chkHour");
        EXPECT_EQ(TextOf(*entry, "lblTime"), "00");
        entry->close();
    });
    Click(page, "lblTime_1");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error! Hours must be 00 to 23 and minutes 00 to 59");
    EXPECT_TRUE(state.image == before);
    Click(page, "cmdOK");
    EXPECT_FALSE(page.isVisible());
    page.show();
    EXPECT_EQ(TextOf(page, "lblNum_0"), "21");
}

// An input command takes its new description at once; the configuration's close box writes nothing
// and its OK keeps bits 3 to 7.
TEST(AutomationDialogs, InputsAndConfiguration) {
    EditorState state;
    ScriptedKeyPad keypad;
    keypad.entries = {"1110"};
    frmUser inputs(state, keypad, nullptr, 502);
    inputs.show();
    EXPECT_EQ(TextOf(inputs, "Label3_3"), "No Command");
    Click(inputs, "Label1_3");
    EXPECT_EQ(TextOf(inputs, "Label3_3"), "Repeater Transmitter OFF");
    Click(inputs, "cmdOK");
    EXPECT_FALSE(inputs.isVisible());

    // 0x05 reads as the 24-hour clock with the D key flag; the close box keeps it. 0xF8 keeps its
    // upper bits through OK.
    for (std::uint8_t stored : {0x05, 0xF8}) {
        const bool ok = stored == 0xF8;
        state.image[4029] = stored;
        frmConfig config(state, nullptr, 907);
        config.show();
        std::string shown;
        for (const char* name : {"optClock_0", "optClock_1", "chkFlags_0", "chkFlags_1", "chkFlags_2"})
            shown += config.findChild<QAbstractButton*>(name)->isChecked() ? "1" : "0";
        EXPECT_EQ(shown, ok ? "10000" : "01010");
        Click(config, ok ? "optClock_1" : "optClock_0");
        Click(config, "chkFlags_1");
        ok ? Click(config, "cmdOK") : (void)config.close();
        EXPECT_EQ(state.image[4029], ok ? 0xFD : 0x05);
    }
}

// A sound output that records what it was given and plays until told to stop.
struct RecordingPlayer : sound::ISoundPlayer {
    sound::PlayResult answer = sound::PlayResult::Playing;
    std::vector<double> playedMs;
    const void* owner = nullptr;
    sound::PlayResult Play(const void* who, const sound::Pcm& pcm) override {
        owner = answer == sound::PlayResult::Playing ? who : nullptr;
        if (owner)
            playedMs.push_back(pcm.Seconds() * 1000);
        return answer;
    }
    void Stop(const void* who) override {
        if (owner == who)
            owner = nullptr;
    }
    bool Playing(const void* who) const override { return owner != nullptr && owner == who; }
};

struct NoWords : IWordDialog {
    void ShowWordDialog(VoiceContract&) override {}
};

class PlayButtons : public ::testing::Test {
protected:
    void SetUp() override {
        // Courtesy tone 2: 800 Hz 100 ms, 50 ms, 700 Hz 100 ms. The identification: "EE".
        Put(state.image, kCourtesyTones.at(1), {6, 2, 1, 5, 2, 0, 0, 0});
        Put(state.image, kCwMessage.offset, {2, 14, 14});
        Put(state.image, Messages(kBaseCopy).at(0), {2, 2, 10, 2, 72}); // base message 1: "A Call"
    }
    EditorState state;
    RecordingMessages messages;
    RecordingPlayer player;
    NoWords words;
    ScriptedKeyPad keys;
};

TEST_F(PlayButtons, PlayWhatIsShownStopOnASecondPressAndWhenTheDialogCloses) {
    frmCTones tones(state, keys, nullptr, 0, nullptr, {&player, &messages});
    tones.show();
    // Enter on a play button plays it, and the dialog stays.
    QTest::keyClick(Child<QPushButton>(tones, "cmdPlay_1"), Qt::Key_Return);
    EXPECT_TRUE(tones.isVisible());
    ASSERT_EQ(player.playedMs.size(), 1u);
    EXPECT_NEAR(player.playedMs[0], 250, 0.1);
    EXPECT_TRUE(player.owner);
    Click(tones, "cmdPlay_1");
    EXPECT_FALSE(player.owner) << "a second press stops";
    Click(tones, "cmdPlay_0");
    EXPECT_EQ(player.playedMs.size(), 1u) << "an empty row plays nothing";
    Click(tones, "cmdPlay_1");
    tones.hide();
    EXPECT_FALSE(player.owner) << "closing stops";

    // The CW dialog keys what its label shows, at the speed and pitch beside the button.
    frmCwEdit cw(state, messages, nullptr, 0, nullptr, &player);
    cw.show();
    cw.SetKeying({12, 600});
    EXPECT_EQ(cw.findChild<QSpinBox*>("spnWpm")->value(), 12);
    Click(cw, "cmdPlay");
    EXPECT_NEAR(player.playedMs.back(), 5 * 100, 0.1) << "E, three units, E at 100 ms a unit";
    Click(cw, "cmdClear");
    auto* list = cw.findChild<QListWidget*>("List1");
    emit list->itemClicked(list->item(29)); // T
    cw.findChild<QSpinBox*>("spnWpm")->setValue(20);
    Click(cw, "cmdPlay");
    Click(cw, "cmdPlay");
    EXPECT_NEAR(player.playedMs.back(), 3 * 60, 0.1)
        << "the first press stopped EE, the next keys the picked T at the new speed";
    EXPECT_EQ(cw.Keying(), (sound::CwKeying{20, 600}));
    cw.hide();
    EXPECT_FALSE(player.owner);

    // The voice rows and the word dialog speak, and say what they are.
    frmVoc voc(state, words, nullptr, 0, nullptr, {&player, &messages});
    voc.show();
    EXPECT_NE(Child<QPushButton>(voc, "cmdPlay_0")->toolTip().indexOf("approximation"), -1);
    Click(voc, "cmdPlay_0");
    EXPECT_GT(player.playedMs.back(), 300) << "A Call";
    voc.hide();
    EXPECT_FALSE(player.owner);

    ManualTimer timer;
    frmVoice voice(messages, nullptr, &timer, nullptr, &player);
    voice.Activate(VoiceContract{});
    voice.show();
    QPushButton* play = Child<QPushButton>(voice, "cmdPlay");
    EXPECT_FALSE(play->isEnabled()) << "no word picked yet";
    auto* cboVoice = voice.findChild<QComboBox*>("cboVoice");
    emit cboVoice->activated(cboVoice->findData(250));
    ASSERT_TRUE(play->isEnabled());
    QTest::keyClick(play, Qt::Key_Enter);
    EXPECT_GT(player.playedMs.back(), 200) << "B";
    EXPECT_TRUE(voice.isVisible());
    voice.hide();
    EXPECT_FALSE(player.owner);
    EXPECT_TRUE(messages.shown.empty());
}

// Without a sound output every play button says so, once, and the dialog carries on.
TEST_F(PlayButtons, WithoutASoundDeviceEachButtonSaysSo) {
    player.answer = sound::PlayResult::NoDevice;
    ManualTimer timer;
    const std::vector<std::function<void()>> presses = {
        [&] {
            frmCTones d(state, keys, nullptr, 0, nullptr, {nullptr, &messages});
            Click(d, "cmdPlay_1");
        },
        [&] {
            frmCwEdit d(state, messages, nullptr, 0, nullptr, nullptr);
            Click(d, "cmdPlay");
        },
        [&] {
            frmVoc d(state, words, nullptr, 0, nullptr, {&player, &messages});
            Click(d, "cmdPlay_0");
        },
        [&] {
            frmVoice d(messages, nullptr, &timer, nullptr, nullptr);
            d.Activate(VoiceContract{});
            auto* box = d.findChild<QComboBox*>("cbocall");
            emit box->activated(3);
            Click(d, "cmdPlay");
        },
    };
    for (std::size_t k = 0; k < presses.size(); ++k) {
        messages.shown.clear();
        presses[k]();
        ASSERT_EQ(messages.shown.size(), 1u) << "press " << k;
        EXPECT_EQ(messages.shown[0].text, "No sound output device was found, so the sound cannot be played.");
    }
    EXPECT_TRUE(player.playedMs.empty());
}

} // namespace
} // namespace rc
