#pragma once

#include "codecs/keypad.h"
#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "editors/qt/showing_dialog.h"
#include "editors/telephone_codes.h"
#include "image/editor_state.h"
#include "image/messages.h"

#include <array>

class QPushButton;
class QRadioButton;
class QLabel;

namespace rc {

class ValueLabel;

// The twenty area codes of the lookup table; an entry writes only its own three bytes.
class frmAreaCodes : public EditorDialog {
    Q_OBJECT
public:
    frmAreaCodes(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext,
                 QWidget* parent = nullptr);

    void DisplayAreaCodes();

protected:
    void Activate() override;

private:
    void Edit(int i);

    EditorState& state_;
    IKeyPad& keypad_;
    std::array<ValueLabel*, 20> lblAC_{};
    QPushButton* cmdOK_ = nullptr;
};

// The twenty telephone lockout numbers, ten at a time.
class frmLockout : public EditorDialog {
    Q_OBJECT
public:
    frmLockout(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);

    void DisplayLockout();

protected:
    void Activate() override;

private:
    void Edit(int row);
    void SelectGroup(int g);

    EditorState& state_;
    IKeyPad& keypad_;
    int group_ = 0;
    std::array<QRadioButton*, 2> optSel_{};
    std::array<QLabel*, kLockoutRows> lblNum_{};
    std::array<ValueLabel*, kLockoutRows> Label1_{};
    QPushButton* cmdOK_ = nullptr;
};

// The repeater's seven-digit unlock code. The dialog will not close quietly while it shows none.
class frmUnlock : public ShowingDialog {
    Q_OBJECT
public:
    frmUnlock(EditorState& state, IKeyPad& keypad, IMessages& messages, IHelp* help, int helpContext,
              QWidget* parent = nullptr);

    void DisplayUnlock();
    void done(int result) override;

protected:
    void ShowFresh() override;

private:
    void Edit();

    EditorState& state_;
    IKeyPad& keypad_;
    IMessages& messages_;
    ValueLabel* lblNum_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
