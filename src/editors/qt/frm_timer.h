#pragma once

#include "codecs/keypad.h"
#include "image/editor_state.h"
#include "image/message.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace rc {

class ValueLabel;

// The sixteen timers of the copy in state.copies.TimersCopy; each entry written into the image at once.
class frmTimer1 : public QDialog {
    Q_OBJECT
public:
    frmTimer1(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);

    // Fills the values and the caption from the image.
    void DisplayTimers();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EditTimer(int i);
    void Activate();

    EditorState& state_;
    IKeyPad& keypad_;
    IHelp* help_;
    int helpContext_;
    std::array<ValueLabel*, 16> lblTime_{};
    QPushButton* cmdDone_ = nullptr;
    bool centred_ = false;
};

} // namespace rc
