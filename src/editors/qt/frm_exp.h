#pragma once

#include "editors/expanded_switches.h"
#include "editors/qt/showing_dialog.h"
#include "image/editor_state.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace rc {

class SwitchLamp;

// The sixteen expanded switches, eight at a time: a click on a lamp flips that bit in the image.
class frmExp : public ShowingDialog {
    Q_OBJECT
public:
    frmExp(EditorState& state, IHelp* help, int helpContext, QWidget* parent = nullptr);

    void DisplayExp(int Group);

protected:
    void ShowFresh() override;

private:
    void DisExpLine(int row, std::uint8_t A);
    void Toggle(int row, int bit);
    void SelectGroup(int g);

    EditorState& state_;
    int group_ = 0;
    std::array<QRadioButton*, 2> opt1_{};
    std::array<QLabel*, kExpGroupSize> lblA_{};
    std::array<std::array<SwitchLamp*, 8>, kExpGroupSize> Img_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
