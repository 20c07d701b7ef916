#pragma once

#include "image/message.h"

class QWidget;

namespace rc::link {

// Message boxes of the link program, over the window that asks.
class QtMessages : public IMessages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    Answer Show(const MessageSpec& message) override;
    void Beep() override;

private:
    QWidget* parent_;
};

} // namespace rc::link
