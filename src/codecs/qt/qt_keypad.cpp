#include "codecs/qt/qt_keypad.h"

#include "codecs/qt/frm_keypad.h"

namespace rc {

QtKeyPad::QtKeyPad(IMessages& messages, IHelp* help, QWidget* parent)
    : messages_(messages), help_(help), parent_(parent) {}

QtKeyPad::QtKeyPad(IMessages& messages, IHelp* help, IReadyTimer& readyTimer, QWidget* parent)
    : messages_(messages), help_(help), readyTimer_(&readyTimer), parent_(parent) {}

QtKeyPad::~QtKeyPad() {
    delete dialog_.data();
}

std::string QtKeyPad::ShowKeyPad(int mode, int maxDigits, const std::string& heading,
                                 const std::string& value, int check) {
    if (dialog_.isNull())
        dialog_ = new frmKeyPad(messages_, help_, readyTimer_, parent_);
    return dialog_->Run({mode, maxDigits, heading, value, check});
}

} // namespace rc
