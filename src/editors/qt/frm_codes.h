#pragma once

#include "codecs/keypad.h"
#include "image/editor_state.h"
#include "image/message.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace rc {

class ValueLabel;

// The control codes of the copy in state.copies.CodesCopy: seventeen clickable values, each
// entry written into the image at once.
class frmCodes_1 : public QDialog {
    Q_OBJECT
public:
    frmCodes_1(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);

    // Fills the values and the caption from the image.
    void DisplayCodes();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EditCode(int i);
    void Activate();

    EditorState& state_;
    IKeyPad& keypad_;
    IHelp* help_;
    int helpContext_;
    std::array<ValueLabel*, 17> lblCode_{};
    QPushButton* cmdOK_ = nullptr;
    bool centred_ = false;
};

} // namespace rc
