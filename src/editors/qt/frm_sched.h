#pragma once

#include "codecs/keypad.h"
#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "editors/scheduler.h"
#include "image/editor_state.h"
#include "image/messages.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rc {

class ValueLabel;

// One scheduler entry. "OK" accepts and the caller writes the entry; the close box writes nothing.
class frmSetSched : public EditorDialog {
    Q_OBJECT
public:
    frmSetSched(const SchedEntry& entry, IKeyPad& keypad, IMessages& messages, IHelp* help, int helpContext,
                QWidget* parent = nullptr);

    const SetSchedState& State() const { return state_; }

protected:
    void Activate() override;

private:
    // Shows the state in the controls.
    void DisplaySched();
    void lblTime_Click();
    void lblCmd_Click();

    SetSchedState state_;
    IKeyPad& keypad_;
    IMessages& messages_;
    QCheckBox* chkErase_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    std::array<QRadioButton*, 5> optWk_{};
    QComboBox* cmbWk_ = nullptr;
    QComboBox* cmbMonth_ = nullptr;
    QComboBox* cmbMoDay_ = nullptr;
    std::array<QLabel*, 3> lblA_{};
    ValueLabel* lblTime_ = nullptr;
    QCheckBox* chkHour_ = nullptr;
    ValueLabel* lblCmd_ = nullptr;
    QLabel* lblReview_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

// The scheduler page: ten entries of the page last shown, each opened by a click on its time. "OK"
// hides the dialog, so the next opening shows the same page.
class frmsched : public EditorDialog {
    Q_OBJECT
public:
    frmsched(EditorState& state, IKeyPad& keypad, IMessages& messages, IHelp* help, int helpContext,
             QWidget* parent = nullptr);

    void DisplaySched();
    int SchedPage() const { return page_; }

protected:
    void Activate() override;

private:
    void optGroup_Click(int index);
    void lblTime_Click(int row);

    EditorState& state_;
    IKeyPad& keypad_;
    IMessages& messages_;
    IHelp* entryHelp_;
    int entryHelpContext_;
    int page_ = 0;
    std::array<QRadioButton*, kSchedPages> optGroup_{};
    std::array<QLabel*, kSchedPageSize> lblNum_{}, lblDOW_{}, lblMOY_{}, lblDOM_{}, lblCmd_{};
    std::array<ValueLabel*, kSchedPageSize> lblTime_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
