// The play buttons of the dialogs, offscreen with a recording player or with none at all.

#include "../edit_expect.h"
#include "codecs/qt/frm_voice.h"
#include "dialog_fakes.h"
#include "editors/qt/frm_ctones.h"
#include "editors/qt/frm_cw_edit.h"
#include "editors/qt/frm_voc.h"
#include "image/regions.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <memory>

namespace rc {
namespace {

using namespace rc::testing;

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
