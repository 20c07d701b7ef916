#pragma once

#include "codecs/keypad.h"
#include "editors/courtesy_tones.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"
#include "sound/sound_player.h"

#include <array>
#include <memory>

class QPushButton;

namespace rc {

class ValueLabel;

// The eight courtesy tones: per row three frequencies, their lengths and the two gaps, each picked
// on the keypad and written into the image at once. Given somewhere to tell problems, each row also
// has a button that plays the row as stored.
class frmCTones : public EditorDialog {
    Q_OBJECT
public:
    frmCTones(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr,
              sound::SoundOut sound = {});
    ~frmCTones() override;

    void DisplayCTones();

protected:
    void Activate() override;
    void hideEvent(QHideEvent* event) override;

private:
    void EditField(int row, int field);
    void Erase(int row);

    EditorState& state_;
    IKeyPad& keypad_;
    std::array<std::array<ValueLabel*, kToneFieldCount>, kToneRowCount> labels_{};
    QPushButton* cmdOK_ = nullptr;
    std::unique_ptr<sound::PlayControl> play_;
};

} // namespace rc
