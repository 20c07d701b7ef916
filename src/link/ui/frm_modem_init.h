#pragma once

#include "link/link_session.h"
#include "link/link_settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace rc::link {

// "Program Setup": the modem init string, the repeater's number, the model type of its files and the
// call-waiting prefix. OK hands back the values; the caller applies them.
class frmModemInit : public QDialog {
    Q_OBJECT
public:
    explicit frmModemInit(const LinkSettings& settings, QWidget* parent = nullptr);

    // The text boxes and the pending values as they stand now.
    ProgramSetup Setup() const;
    // How often the call-waiting entries were added (once per activation).
    int Activations() const { return activations_; }

protected:
    bool event(QEvent* e) override;

private:
    void ModelClicked(const std::string& index);
    void AppendClicked(bool checked);
    void CallWaitClicked(bool checked);
    void ShowCallWait();
    void Activated();

    ProgramSetup setup_;
    QLineEdit* txtModemInit_ = nullptr;
    QLineEdit* txtTelNumber_ = nullptr;
    QRadioButton* models_[4] = {};
    QCheckBox* chkAppend_ = nullptr;
    QCheckBox* chkCallWait_ = nullptr;
    QComboBox* cmbCallWait_ = nullptr;
    QLabel* label3_ = nullptr;
    int activations_ = 0;
    bool appInactive_ = false;
};

} // namespace rc::link
