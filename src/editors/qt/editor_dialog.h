#pragma once

#include "desktop/help.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace rc {

// What every editor dialog does alike: centred on the screen the first time it shows, redisplayed
// from the image and focused on its OK button whenever it is shown or activated again, and F1 opening
// the help topic the menu command gave it. The main window's Undo and Redo keys work inside it too,
// and the dialog shows their result at once.
class EditorDialog : public QDialog {
    Q_OBJECT
public:
    EditorDialog(IHelp* help, int helpContext, QWidget* parent);

protected:
    // Fills the dialog from the image and puts the focus on OK.
    virtual void Activate() = 0;

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShareHistoryKeys();

    // The field that had the focus when another window (the keypad, the word dialog) took over:
    // it has it again when this dialog is active again.
    QPointer<QWidget> returnFocus_;
    IHelp* help_;
    int helpContext_;
    bool centred_ = false;
    bool historyShared_ = false;
};

// Called by a command that writes a whole block (a copy, a flush, a reset) once it has written it,
// with the name its change goes by in the edit history instead of the settings it touched.
using NameStep = std::function<void(const std::string&)>;

// The button that closes an editor dialog: "OK" (named cmdOK) unless `caption` says otherwise, the
// default button. A click runs `onClick`, or accepts the dialog when none is given.
QPushButton* MakeOkButton(QDialog* dialog, std::function<void()> onClick = {}, const QString& caption = "OK");

// A label named `name` showing `text` as plain text, as the dialogs' read-only fields are.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = {});
// A heading over a column of values, in bold.
QLabel* MakeHeading(QWidget* parent, const QString& text);

} // namespace rc
