#pragma once

#include "codecs/keypad.h"
#include "desktop/help.h"
#include "image/messages.h"

#include <QPointer>

class QWidget;

namespace rc {

class frmKeyPad;
class IReadyTimer;

// The keypad service of the running program: one frmKeyPad, created on first use and only hidden
// between uses, shown modally by every ShowKeyPad call.
class QtKeyPad : public IKeyPad {
public:
    QtKeyPad(IMessages& messages, IHelp* help, QWidget* parent = nullptr);
    // The same with the ready delay under the caller's control.
    QtKeyPad(IMessages& messages, IHelp* help, IReadyTimer& readyTimer, QWidget* parent = nullptr);
    ~QtKeyPad() override;
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override;

    // The dialog, once the first call has created it.
    frmKeyPad* Dialog() const { return dialog_; }

private:
    IMessages& messages_;
    IHelp* help_;
    IReadyTimer* readyTimer_ = nullptr;
    QWidget* parent_;
    QPointer<frmKeyPad> dialog_;
};

} // namespace rc
