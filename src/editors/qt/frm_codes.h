#pragma once

#include "codecs/keypad.h"
#include "image/editor_state.h"
#include "image/message.h"

#include <QDialog>

class QLabel;

namespace rc {

// The control codes of the copy in state.copies.CodesCopy: seventeen clickable values, each
// entry written into the image at once.
class frmCodes_1 : public QDialog {
    Q_OBJECT
public:
    frmCodes_1(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);
};

} // namespace rc
