#pragma once

#include "codecs/keypad.h"

#include <deque>
#include <string>
#include <vector>

namespace rc::test {

// Types the queued entries in turn; once they run out it cancels, returning the value it was opened
// with. Records every call as "mode maxDigits heading [value] check".
struct ScriptedKeyPad : IKeyPad {
    std::deque<std::string> entries;
    std::vector<std::string> calls;
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override {
        calls.push_back(std::to_string(mode) + " " + std::to_string(maxDigits) + " " + heading + " [" +
                        value + "] " + std::to_string(check));
        if (entries.empty())
            return value;
        std::string e = entries.front();
        entries.pop_front();
        return e;
    }
};

} // namespace rc::test
