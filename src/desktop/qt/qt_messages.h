#pragma once

#include "image/messages.h"

#include <QMessageBox>

#include <memory>

namespace rc {

// The message box for `message`: its text as plain text, title, icon, buttons and default button.
std::unique_ptr<QMessageBox> BuildMessageBox(const MessageSpec& message, QWidget* parent);
Answer ToAnswer(int standardButton);

// Messages of the running program: modal message boxes over the window in front.
class QtMessages : public IMessages {
public:
    Answer Show(const MessageSpec& message) override;
    void Beep() override;
};

} // namespace rc
