#pragma once

#include "codecs/keypad.h"
#include "image/message.h"

class QWidget;

namespace rc {

class frmKeyPad;

// The keypad service of the running program: one frmKeyPad, created on first use and only hidden
// between uses, shown modally by every ShowKeyPad call.
class QtKeyPad : public IKeyPad {
public:
    QtKeyPad(IMessages& messages, IHelp* help, QWidget* parent = nullptr);
    ~QtKeyPad() override;
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override;

private:
    IMessages& messages_;
    IHelp* help_;
    QWidget* parent_;
    frmKeyPad* dialog_ = nullptr;
};

} // namespace rc
