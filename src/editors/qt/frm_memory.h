#pragma once

#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"
#include "image/messages.h"

class QPushButton;

namespace rc {

// "Halden R8 Memory Files Configuration": copies groups of base settings into the memory saves.
// The main window keeps one and hides it on OK, so it is armed again by every showing.
class frmMemory : public EditorDialog {
    Q_OBJECT
public:
    frmMemory(EditorState& state, IMessages& messages, NameStep nameStep, IHelp* help, int helpContext,
              QWidget* parent = nullptr);

protected:
    void Activate() override;

private:
    void Copy(int group, int index);
    // The beep and the confirmation after a copy.
    void AnimateArrow();

    EditorState& state_;
    IMessages& messages_;
    NameStep nameStep_;
    QPushButton* cmdOK_ = nullptr;
    bool armed_ = false;
};

} // namespace rc
