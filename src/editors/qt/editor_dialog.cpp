#include "editors/qt/editor_dialog.h"

#include "desktop/qt/centre_on_screen.h"

#include <QAction>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace rc {

EditorDialog::EditorDialog(IHelp* help, int helpContext, QWidget* parent)
    : QDialog(parent), help_(help), helpContext_(helpContext) {}

bool EditorDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        returnFocus_ = focusWidget();
    } else if (event->type() == QEvent::WindowActivate) {
        Activate();
        if (returnFocus_ && returnFocus_->isVisible() && returnFocus_->isEnabled())
            returnFocus_->setFocus(Qt::OtherFocusReason);
        returnFocus_ = nullptr;
    }
    return QDialog::event(event);
}

void EditorDialog::hideEvent(QHideEvent* event) {
    // A new showing starts on OK.
    if (!event->spontaneous())
        returnFocus_ = nullptr;
    QDialog::hideEvent(event);
}

void EditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        adjustSize();
        CentreOnScreen(this);
        centred_ = true;
    }
    ShareHistoryKeys();
    Activate();
}

void EditorDialog::ShareHistoryKeys() {
    if (historyShared_ || parentWidget() == nullptr)
        return;
    historyShared_ = true;
    // The owner's actions, added here, answer their keys while this dialog is the active window; the
    // edit is redisplayed once the action has put the bytes back.
    for (const char* name : {"mnuUndo", "mnuRedo"})
        if (QAction* action = parentWidget()->window()->findChild<QAction*>(name)) {
            addAction(action);
            connect(action, &QAction::triggered, this, [this] {
                if (!isVisible())
                    return;
                QPointer<QWidget> focus = focusWidget();
                Activate();
                if (focus && focus->isVisible() && focus->isEnabled())
                    focus->setFocus(Qt::OtherFocusReason);
            });
        }
}

void EditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (help_ != nullptr)
            help_->ShowContext(helpContext_);
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton* MakeOkButton(QDialog* dialog, std::function<void()> onClick, const QString& caption) {
    auto* ok = new QPushButton(caption, dialog);
    ok->setObjectName("cmd" + caption);
    ok->setDefault(true);
    if (onClick)
        QObject::connect(ok, &QPushButton::clicked, dialog, std::move(onClick));
    else
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeHeading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace rc
