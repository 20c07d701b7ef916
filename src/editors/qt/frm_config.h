#pragma once

#include "editors/option_flags.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"

#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace rc {

// The option flags byte: the clock announcement format and two option flags. "OK" writes them; the
// close box writes nothing.
class frmConfig : public EditorDialog {
    Q_OBJECT
public:
    frmConfig(EditorState& state, IHelp* help, int helpContext, QWidget* parent = nullptr);

protected:
    void Activate() override;

private:
    void cmdOK_Click();

    EditorState& state_;
    std::array<QRadioButton*, 2> optClock_{};
    std::array<QCheckBox*, 8> chkFlags_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
