#pragma once

// The messages interface every dialog and command shows its modal messages through.

#include <string>

namespace rc {

// A modal message as the user sees it: the Qt layer shows it, a test records it.
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageSpec {
    std::string text; // lines separated by '\n'
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;

    bool operator==(const MessageSpec&) const = default;
};

// Whatever shows messages to the user and returns the answer.
class IMessages {
public:
    virtual ~IMessages() = default;
    virtual Answer Show(const MessageSpec& message) = 0;
    virtual void Beep() {}
};

} // namespace rc
