#pragma once

#include "editors/qt/editor_dialog.h"

#include <QHideEvent>

namespace rc {

// An editor dialog that holds entries of its own until OK (ticks, a message being built, a chosen
// group). Its display runs once each time it is shown, not again when the user comes back to it
// from another window, which would throw those entries away.
class ShowingDialog : public EditorDialog {
    Q_OBJECT
public:
    using EditorDialog::EditorDialog;

protected:
    // Fills the dialog for a new showing and puts the focus on OK.
    virtual void ShowFresh() = 0;

    void Activate() final {
        if (fresh_)
            return;
        fresh_ = true;
        ShowFresh();
    }
    void hideEvent(QHideEvent* event) override {
        // Minimising the main window hides the dialog too; that is no new showing.
        if (!event->spontaneous())
            fresh_ = false;
        EditorDialog::hideEvent(event);
    }

private:
    bool fresh_ = false;
};

} // namespace rc
