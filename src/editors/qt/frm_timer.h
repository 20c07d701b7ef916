#pragma once

#include "codecs/keypad.h"
#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"

#include <array>

class QPushButton;

namespace rc {

class ValueLabel;

// The sixteen timers of one copy (0 base, 1 to 4 a memory save); each entry written into the image at
// once.
class frmTimer1 : public EditorDialog {
    Q_OBJECT
public:
    frmTimer1(EditorState& state, int copy, IKeyPad& keypad, IHelp* help, int helpContext,
              QWidget* parent = nullptr);

    // Fills the values and the caption from the image.
    void DisplayTimers();

protected:
    void Activate() override;

private:
    void EditTimer(int i);

    EditorState& state_;
    const int copy_;
    IKeyPad& keypad_;
    std::array<ValueLabel*, 16> lblTime_{};
    QPushButton* cmdDone_ = nullptr;
};

} // namespace rc
