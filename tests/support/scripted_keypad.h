#pragma once

#include "codecs/keypad.h"

#include <deque>
#include <string>
#include <vector>

namespace rc::test {

// Types the queued entries in turn; once they run out it cancels, returning the value it was opened
// with. Records every call.
struct ScriptedKeyPad : IKeyPad {
    struct Call {
        int mode, maxDigits;
        std::string heading, value;
        int check;
        // "mode maxDigits heading [value] check"
        std::string Text() const {
            return std::to_string(mode) + " " + std::to_string(maxDigits) + " " + heading + " [" + value +
                   "] " + std::to_string(check);
        }
    };
    std::deque<std::string> entries;
    std::vector<Call> calls;
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override {
        calls.push_back({mode, maxDigits, heading, value, check});
        if (entries.empty())
            return value;
        std::string e = entries.front();
        entries.pop_front();
        return e;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Call& c : calls)
            texts.push_back(c.Text());
        return texts;
    }
};

} // namespace rc::test
