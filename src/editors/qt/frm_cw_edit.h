#pragma once

#include "editors/cw_ident.h"
#include "editors/qt/showing_dialog.h"
#include "image/editor_state.h"
#include "image/message.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace rc {

// The CW identification, rebuilt character by character from the list after "Clear". Created once
// and hidden between uses; each showing starts again from the stored message.
class frmCwEdit : public ShowingDialog {
    Q_OBJECT
public:
    frmCwEdit(EditorState& state, IMessages& messages, IHelp* help, int helpContext,
              QWidget* parent = nullptr);

    void LoadCWIdent(int ID);
    void SaveCwMessage();

protected:
    void ShowFresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCwList();
    void Clear();
    void Pick(QListWidgetItem* item);

    EditorState& state_;
    IMessages& messages_;
    CwBuilder builder_;
    QLabel* Label1_ = nullptr;
    QListWidget* List1_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace rc
