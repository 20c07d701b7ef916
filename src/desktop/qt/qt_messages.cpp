#include "desktop/qt/qt_messages.h"

#include <QApplication>

namespace rc {

namespace {

QMessageBox::Icon ToIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToButton(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer ToAnswer(int standardButton) {
    switch (standardButton) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

std::unique_ptr<QMessageBox> BuildMessageBox(const MessageSpec& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setObjectName("MessageBox");
    // Paths are shown as typed, whatever characters they hold.
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromStdString(message.text));
    box->setWindowTitle(QString::fromStdString(message.title));
    box->setIcon(ToIcon(message.icon));
    switch (message.buttons) {
    case MessageButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::OkCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box->setDefaultButton(ToButton(message.defaultButton));
    return box;
}

Answer QtMessages::Show(const MessageSpec& message) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    auto box = BuildMessageBox(message, parent);
    return ToAnswer(box->exec());
}

void QtMessages::Beep() {
    QApplication::beep();
}

} // namespace rc
