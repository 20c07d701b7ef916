#pragma once

#include "codecs/word_dialog.h"
#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"
#include "sound/sound_player.h"

#include <memory>

#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;

namespace rc {

class ValueLabel;

// The voice messages of one copy: the base messages in two groups of ten (frmVoc), or the eight of
// memory save 1 to 4 (frmVocMem). A click rebuilds a message in the word dialog
// and writes it into the image at once. Given somewhere to tell problems, each row also has a button
// that speaks the message.
class VoiceMessagesDialog : public EditorDialog {
    Q_OBJECT
public:
    // Shows the rows of the current page from the image.
    void DisVoice();

protected:
    VoiceMessagesDialog(EditorState& state, int copy, IWordDialog& words, IHelp* help, int helpContext,
                        QWidget* parent, sound::SoundOut sound);
    ~VoiceMessagesDialog() override;
    void Activate() override;
    void hideEvent(QHideEvent* event) override;

private:
    void lblMsg_Click(int Index);
    void optGroup_Click(int Index);
    void Speak(int Index);

    EditorState& state_;
    IWordDialog& words_;
    const int copy_;
    int group_ = 0;
    std::vector<QLabel*> Label1_;
    std::vector<ValueLabel*> lblMsg_;
    QRadioButton* optGroup_[2] = {};
    QPushButton* cmdOK_ = nullptr;
    std::unique_ptr<sound::PlayControl> play_;
};

class frmVoc : public VoiceMessagesDialog {
    Q_OBJECT
public:
    frmVoc(EditorState& state, IWordDialog& words, IHelp* help, int helpContext, QWidget* parent = nullptr,
           sound::SoundOut sound = {});
};

class frmVocMem : public VoiceMessagesDialog {
    Q_OBJECT
public:
    frmVocMem(EditorState& state, int copy, IWordDialog& words, IHelp* help, int helpContext,
              QWidget* parent = nullptr, sound::SoundOut sound = {});
};

} // namespace rc
