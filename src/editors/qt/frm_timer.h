#pragma once

#include "codecs/keypad.h"
#include "image/editor_state.h"
#include "image/message.h"

#include <QDialog>

namespace rc {

// The sixteen timers of the copy in state.copies.TimersCopy; each entry written into the image at once.
class frmTimer1 : public QDialog {
    Q_OBJECT
public:
    frmTimer1(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);
};

} // namespace rc
