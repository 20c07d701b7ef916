#pragma once

#include "codecs/keypad.h"
#include "desktop/help.h"
#include "editors/macros.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace rc {

class ValueLabel;

// The review of one macro: its access code and, for each command, what the controller will do.
// Kept between uses; "OK" hides it.
class MacHelp : public EditorDialog {
    Q_OBJECT
public:
    MacHelp(const ImageBytes& image, IHelp* help, int helpContext, QWidget* parent = nullptr);

    // Shows the review of row `row` of group `group` modally.
    void MacSummary(int row, int group);

protected:
    void Activate() override;

private:
    const ImageBytes& image_;
    int MacroRow_ = 0;
    int MacroGroup_ = 0;
    QLabel* lblMacLbl_ = nullptr;
    QLabel* macCode_ = nullptr;
    std::array<QLabel*, kMacroCommands> Label2_{};
    QPushButton* cmdOK_ = nullptr;
};

// The macro grid: ten macros of the selected group, the access code and ten commands each; every
// cell entry is written into the image at once. A click on a macro number opens its review.
class frmMacro : public EditorDialog {
    Q_OBJECT
public:
    frmMacro(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);

    void DisplayMacros();
    MacHelp* Review() const { return review_; }

protected:
    void Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void optGroup_Click(int index);
    void EditCell(int row, int cell);

    EditorState& state_;
    IKeyPad& keypad_;
    int group_ = 0;
    std::array<QRadioButton*, 2> optGroup_{};
    std::array<ValueLabel*, kMacroGroupSize> Label1_{};
    // Column 0 is the access code (Label2), 1 to 10 the commands (Label3 to Label12).
    std::array<std::array<ValueLabel*, kMacroCommands + 1>, kMacroGroupSize> cells_{};
    QPushButton* cmdOK_ = nullptr;
    MacHelp* review_ = nullptr;
};

} // namespace rc
