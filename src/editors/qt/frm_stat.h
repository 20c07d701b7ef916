#pragma once

#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "editors/statistics.h"
#include "image/editor_state.h"
#include "image/messages.h"

#include <array>

class QLabel;
class QPushButton;

namespace rc {

// "Halden R8 Repeater Stats": the file last opened, its date and read-only state, and the ten
// usage counters, which can be reset.
class frmStat : public EditorDialog {
    Q_OBJECT
public:
    frmStat(EditorState& state, IMessages& messages, NameStep nameStep, IHelp* help, int helpContext,
            QWidget* parent = nullptr);

    void DisplayStats();

protected:
    void Activate() override;

private:
    EditorState& state_;
    IMessages& messages_;
    NameStep nameStep_;
    QLabel* lblFileName_ = nullptr;
    QLabel* lblFileDate_ = nullptr;
    QLabel* lblReadOnly_ = nullptr;
    QLabel* imgWarn_ = nullptr;
    std::array<QLabel*, kStatCount> lblData_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
