#pragma once

#include "desktop/help.h"
#include "image/messages.h"

#include <deque>
#include <string>
#include <vector>

namespace rc::test {

// Answers an OK-only message with Ok and each question with the next queued answer (`fallback` once
// the queue is empty); records what it was shown and the beeps.
struct ScriptedMessages : IMessages {
    std::deque<Answer> answers;
    Answer fallback = Answer::Cancel;
    std::vector<MessageSpec> shown;
    int beeps = 0;
    Answer Show(const MessageSpec& m) override {
        shown.push_back(m);
        if (m.buttons == MessageButtons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return fallback;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
    std::vector<std::string> Titles() const {
        std::vector<std::string> t;
        for (const MessageSpec& m : shown)
            t.push_back(m.title);
        return t;
    }
};

// Records each request for help: "context N", "contents" or "search".
struct RecordingHelp : IHelp {
    std::vector<std::string> calls;
    void ShowContext(int c) override { calls.push_back("context " + std::to_string(c)); }
    void ShowContents() override { calls.push_back("contents"); }
    void ShowSearch() override { calls.push_back("search"); }
};

} // namespace rc::test
