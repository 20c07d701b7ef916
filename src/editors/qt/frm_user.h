#pragma once

#include "codecs/keypad.h"
#include "editors/hardware_inputs.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"

#include <array>

class QLabel;
class QPushButton;

namespace rc {

class ValueLabel;

// The commands of the four hardware inputs, one for each edge; each entry is written at once.
// "OK" hides the dialog.
class frmUser : public EditorDialog {
    Q_OBJECT
public:
    frmUser(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);

    void DisHardware();

protected:
    void Activate() override;

private:
    void Label1_Click(int entry);

    EditorState& state_;
    IKeyPad& keypad_;
    std::array<ValueLabel*, kHardwareEntries> Label1_{};
    std::array<QLabel*, kHardwareEntries> Label3_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
