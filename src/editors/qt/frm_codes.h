#pragma once

#include "codecs/keypad.h"
#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"

#include <array>

class QPushButton;

namespace rc {

class ValueLabel;

// The control codes of one copy (0 base, 1 to 4 a memory save): seventeen clickable values, each
// entry written into the image at once.
class frmCodes_1 : public EditorDialog {
    Q_OBJECT
public:
    frmCodes_1(EditorState& state, int copy, IKeyPad& keypad, IHelp* help, int helpContext,
               QWidget* parent = nullptr);

    // Fills the values and the caption from the image.
    void DisplayCodes();

protected:
    void Activate() override;

private:
    void EditCode(int i);

    EditorState& state_;
    const int copy_;
    IKeyPad& keypad_;
    std::array<ValueLabel*, 17> lblCode_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
