#pragma once

#include "desktop/help.h"
#include "editors/memory_blocks.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"
#include "image/messages.h"

#include <array>

class QLabel;
class QPushButton;

namespace rc {

// "Halden R8 Flush Memory Blocks": which large blocks hold data, and clearing one on request.
class frmErase : public EditorDialog {
    Q_OBJECT
public:
    frmErase(EditorState& state, IMessages& messages, NameStep nameStep, IHelp* help, int helpContext,
             QWidget* parent = nullptr);

    // Recolours the nine indicators from the image.
    void DisplayErase();

protected:
    void Activate() override;

private:
    EditorState& state_;
    IMessages& messages_;
    NameStep nameStep_;
    std::array<QLabel*, kFlushBlockCount> Shape1_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
