#pragma once

#include "codecs/keypad_logic.h"

#include <string>

namespace rc {

// The help topic of the keypad dialog (F1).
inline constexpr int kKeyPadHelpContext = 110;

// The one way a dialog takes a digit value from the user: shows the keypad in `mode` (which extra
// keys and which selection list), accepting at most `maxDigits` characters, under `heading`,
// starting from `value`, validating with `check` on OK. Returns the display when the keypad
// closes: the confirmed entry, or after Cancel the value it was opened with.
class IKeyPad {
public:
    virtual ~IKeyPad() = default;
    virtual std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading,
                                   const std::string& value, int check) = 0;
};

// A showing with the parameters the editor's core gives for a field.
inline std::string ShowKeyPad(IKeyPad& keypad, const KeyPadParams& params, const std::string& value) {
    return keypad.ShowKeyPad(params.mode, params.maxDigits, params.heading, value, params.check);
}

// A keypad result equal to the value the keypad was opened with (Cancel, or OK on an unchanged
// value) is no edit: the caller writes nothing, so a field the editor would store differently from
// how it reads it is never rewritten behind the user's back.
inline bool KeyPadEdited(const std::string& opened, const std::string& result) {
    return result != opened;
}

} // namespace rc
