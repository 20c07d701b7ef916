#pragma once

// A call to the controller with nobody at the keyboard: the modem's init string, the dial and its
// result, a chat script that answers the controller's prompts, then, once the transfer is over, a
// hang-up that does not take the modem's silence for an answer. A state machine fed by arriving
// bytes and by the clock; it says what to send, when to wake it and what to tell the user, and
// every wait it makes has its budget.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rc::link {

inline constexpr int kInitWaitMs = 5000;
inline constexpr int kDialWaitMs = 60000;
inline constexpr int kExpectWaitMs = 30000;
inline constexpr int kGuardMs = 1000;      // the quiet before and after "+++"
inline constexpr int kHangUpWaitMs = 3000; // for each OK of the hang-up
inline constexpr int kDtrDropMs = 1000;

struct ChatStep {
    enum class Kind { Expect, Send, Pause };
    Kind kind = Kind::Send;
    std::string text; // escapes resolved
    int ms = 0;       // a pause
    int line = 0;     // in the chat file
};

// The steps of a chat file, or nothing with `error` naming the line ("chat.txt:3: ...").
std::optional<std::vector<ChatStep>> ParseChat(std::string_view text, const std::string& fileName,
                                               std::string* error);

// The steps of the chat file at `path`: only a plain file of at most kLongestChat bytes is read.
inline constexpr std::size_t kLongestChat = 64 * 1024;
std::optional<std::vector<ChatStep>> LoadChat(const std::string& path, std::string* error);

struct CallPlan {
    std::string init; // sent before the dial when not empty
    std::string number;
    std::vector<ChatStep> chat;
    std::string chatName; // for messages
};

struct CallStep {
    std::string send;
    std::optional<bool> dtr;           // raise or drop the line
    std::vector<std::string> messages; // for the user, one line each
    std::optional<std::int64_t> wake;  // call OnTimer at this time; none: no wait
    bool startTransfer = false;
    bool done = false;
};

class UnattendedCall {
public:
    explicit UnattendedCall(CallPlan plan) : plan_(std::move(plan)) {}

    CallStep Start(std::int64_t now);
    CallStep OnBytes(std::span<const std::uint8_t> bytes, std::int64_t now);
    CallStep OnTimer(std::int64_t now);
    // The transfer is over: the hang-up begins.
    CallStep TransferEnded(std::int64_t now);
    // The user stopped the run: a call that may be up is hung up all the same.
    CallStep Cancel(std::int64_t now);
    // Told once the line has been dropped: whether the device could drive DTR at all.
    void SetDtrWorks(bool works) { dtrWorks_ = works; }

    // The run got to its transfer.
    bool Reached() const { return reached_; }
    // A call that was (or may have been) made is down by the modem's word.
    bool HungUp() const { return hungUp_; }

private:
    enum class Phase { Idle, Init, Dial, Chat, Transfer, QuietBefore, Escape, Hang, DropDtr, Done };

    CallStep Dial(std::int64_t now);
    CallStep NextChatStep(std::int64_t now);
    CallStep Wait(CallStep step, std::int64_t now, int ms);
    CallStep BeginHangUp(std::int64_t now, CallStep step = {});
    CallStep Finish(CallStep step, std::string message);
    // The next whole line of the modem's answers, or nothing.
    std::optional<std::string> NextLine();

    CallPlan plan_;
    Phase phase_ = Phase::Idle;
    std::string heard_; // what arrived in this phase and is not used up yet
    std::size_t chatIndex_ = 0;
    std::size_t armed_ = SIZE_MAX; // the chat step whose wait has its deadline
    std::int64_t deadline_ = 0;
    bool callMayBeUp_ = false;
    bool reached_ = false;
    bool hungUp_ = false;
    bool dtrWorks_ = true;
};

} // namespace rc::link
