#pragma once

#include "desktop/help.h"
#include "editors/cw_ident.h"
#include "editors/qt/showing_dialog.h"
#include "image/editor_state.h"
#include "image/messages.h"
#include "sound/cw_keying.h"
#include "sound/sound_player.h"

#include <memory>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;

namespace rc {

// The CW identification, rebuilt character by character from the list after "Clear". Created once
// and hidden between uses; each showing starts again from the stored message. "Play" keys the message
// shown as Morse at the speed and pitch set beside it.
class frmCwEdit : public ShowingDialog {
    Q_OBJECT
public:
    frmCwEdit(EditorState& state, IMessages& messages, IHelp* help, int helpContext,
              QWidget* parent = nullptr, sound::ISoundPlayer* player = nullptr);
    ~frmCwEdit() override;

    sound::CwKeying Keying() const;
    void SetKeying(sound::CwKeying keying);

    void LoadCWIdent(int ID);
    void SaveCwMessage();

protected:
    void ShowFresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillCwList();
    void Clear();
    void Pick(QListWidgetItem* item);
    void Play();

    EditorState& state_;
    IMessages& messages_;
    CwBuilder builder_;
    QLabel* Label1_ = nullptr;
    QListWidget* List1_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QSpinBox* spnWpm_ = nullptr;
    QSpinBox* spnPitch_ = nullptr;
    std::unique_ptr<sound::PlayControl> play_;
};

} // namespace rc
