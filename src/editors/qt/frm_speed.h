#pragma once

#include "codecs/keypad.h"
#include "codecs/word_dialog.h"
#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "editors/speed_dial.h"
#include "image/editor_state.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace rc {

class ValueLabel;

// The 100 user speed dial entries, ten at a time: a number from the keypad and a spoken
// identification from the word dialog per entry, each written into the image at once.
class frmSpeed : public EditorDialog {
    Q_OBJECT
public:
    frmSpeed(EditorState& state, IKeyPad& keypad, IWordDialog& words, IHelp* help, int helpContext,
             QWidget* parent = nullptr);
    void DisplaySD();

protected:
    void Activate() override;

private:
    void optGrp_Click(int g);
    void lblNum_Click(int i);
    void Label2_Click(int i);

    EditorState& state_;
    IKeyPad& keypad_;
    IWordDialog& words_;
    SpeedDialGroup page_;
    std::array<QRadioButton*, kSpeedDialGroups> optGrp_{};
    std::array<QLabel*, kSpeedDialRows> lblPos_{};
    std::array<ValueLabel*, kSpeedDialRows> lblNum_{};
    std::array<ValueLabel*, kSpeedDialRows> Label2_{};
    QPushButton* cmdOK_ = nullptr;
};

// The five emergency speed dial entries.
class frmEmer : public EditorDialog {
    Q_OBJECT
public:
    frmEmer(EditorState& state, IKeyPad& keypad, IWordDialog& words, IHelp* help, int helpContext,
            QWidget* parent = nullptr);
    void DisplayEMSD();

protected:
    void Activate() override;

private:
    void lblNum_Click(int i);
    void lblID_Click(int i);

    EditorState& state_;
    IKeyPad& keypad_;
    IWordDialog& words_;
    std::array<ValueLabel*, 5> lblNum_{};
    std::array<ValueLabel*, 5> lblID_{};
    QPushButton* cmdOK_ = nullptr;
};

// The number dialled before every autopatch call.
class frmPreDial : public EditorDialog {
    Q_OBJECT
public:
    frmPreDial(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent = nullptr);

protected:
    void Activate() override;

private:
    void lblNum_Click();

    EditorState& state_;
    IKeyPad& keypad_;
    ValueLabel* lblNum_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
