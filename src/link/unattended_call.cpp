#include "link/unattended_call.h"

#include "files/read_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace rc::link {

namespace {

constexpr int kLongestPauseS = 60;
// What is kept of the line for a chat's expect: far more than any prompt.
constexpr std::size_t kHeardLimit = 64 * 1024;

// A text quoted in a message is cut after this many characters.
constexpr std::size_t kLongestQuote = 80;

// The modem's words for a call that did not connect; some modems spell the dial tone apart.
constexpr std::array<std::string_view, 6> kCallFailures = {"BUSY",        "NO CARRIER",   "NO ANSWER",
                                                           "NO DIALTONE", "NO DIAL TONE", "ERROR"};

CallStep Sending(std::string text, std::optional<std::int64_t> wake) {
    CallStep step;
    step.send = std::move(text);
    step.wake = wake;
    return step;
}

// The length of the UTF-8 character at the start of `text` that is safe to show as it is (not a
// control of its own), or 0.
std::size_t ShownCharacter(std::string_view text) {
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x20 && lead < 0x7F)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() < length || (lead == 0xC2 && byte(1) < 0xA0))
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    return length;
}

// A text of the chat file or of the line as the user may read it: line ends and backslashes in the
// chat file's own escapes, any other control byte or byte that is no character as \xHH, and at most
// kLongestQuote characters of it, so that a binary or endless line cannot flood the terminal.
std::string Escaped(std::string_view text) {
    std::string out;
    std::size_t cut = 0;
    while (!text.empty()) {
        if (out.size() <= kLongestQuote - 3)
            cut = out.size();
        const char c = text.front();
        std::size_t used = ShownCharacter(text);
        if (c == '\r' || c == '\n' || c == '\\') {
            out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\\\";
        } else if (used > 0) {
            out += text.substr(0, used);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            const auto b = static_cast<unsigned char>(c);
            out += {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
        }
        text.remove_prefix(std::max<std::size_t>(used, 1));
        if (out.size() > kLongestQuote)
            return out.substr(0, cut) + "...";
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text, std::string* error) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (next == 'r')
            out += '\r';
        else if (next == 'n')
            out += '\n';
        else if (next == '\\')
            out += '\\';
        else {
            const std::string_view after = text.substr(i + 1);
            *error = after.empty()
                         ? "a lone \\ at the end of the line"
                         : "unknown escape \\" +
                               Escaped(after.substr(0, std::max<std::size_t>(ShownCharacter(after), 1))) +
                               " (\\r, \\n and \\\\ are known)";
            return std::nullopt;
        }
        ++i;
    }
    return out;
}

std::string Seconds(int ms) {
    return std::to_string(ms / 1000) + " s";
}

} // namespace

std::optional<std::vector<ChatStep>> ParseChat(std::string_view text, const std::string& fileName,
                                               std::string* error) {
    std::vector<ChatStep> steps;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t blank = std::min(line.find_first_of(" \t"), line.size());
        const std::string_view word = line.substr(0, blank);
        std::string_view rest = line.substr(blank);
        rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
        auto fail = [&](const std::string& why) {
            *error = fileName + ":" + std::to_string(number) + ": " + why;
            return std::nullopt;
        };
        ChatStep step;
        step.line = number;
        if (word == "pause") {
            double seconds = -1;
            const auto [p, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), seconds);
            if (ec != std::errc() || p != rest.data() + rest.size() || !(seconds >= 0) ||
                seconds > kLongestPauseS)
                return fail("pause takes 0 to " + std::to_string(kLongestPauseS) + " seconds, not \"" +
                            Escaped(rest) + "\"");
            step.kind = ChatStep::Kind::Pause;
            step.ms = static_cast<int>(std::lround(seconds * 1000));
        } else if (word == "send" || word == "expect") {
            std::string why;
            const std::optional<std::string> value = Unescape(rest, &why);
            if (!value)
                return fail(why);
            if (word == "expect" && value->empty())
                return fail("expect needs a text");
            step.kind = word == "send" ? ChatStep::Kind::Send : ChatStep::Kind::Expect;
            step.text = *value;
        } else {
            return fail("unknown step \"" + Escaped(word) + "\" (expect, send or pause)");
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

std::optional<std::vector<ChatStep>> LoadChat(const std::string& path, std::string* error) {
    const FileRead read = ReadRegularFile(path, kLongestChat);
    if (read.status == FileRead::Status::NotPlain)
        *error = path + " is not a plain file; a chat script is one";
    else if (read.status == FileRead::Status::TooLarge)
        *error = path + " is larger than " + std::to_string(kLongestChat / 1024) +
                 " KiB; a chat script is a few lines";
    else if (!read.Read())
        *error = path + " could not be read";
    else
        return ParseChat(read.Text(), path, error);
    return std::nullopt;
}

CallStep UnattendedCall::Start(std::int64_t now) {
    if (plan_.init.empty())
        return Dial(now);
    phase_ = Phase::Init;
    heard_.clear();
    deadline_ = now + kInitWaitMs;
    CallStep step;
    step.send = plan_.init + "\r";
    step.wake = deadline_;
    return step;
}

CallStep UnattendedCall::Dial(std::int64_t now) {
    phase_ = Phase::Dial;
    heard_.clear();
    // From here the modem may be off-hook whatever it says later.
    callMayBeUp_ = true;
    deadline_ = now + kDialWaitMs;
    CallStep step;
    step.messages.push_back("dialling " + plan_.number);
    step.send = "ATDT" + plan_.number + "\r";
    step.wake = deadline_;
    return step;
}

std::optional<std::string> UnattendedCall::NextLine() {
    for (;;) {
        const std::size_t end = heard_.find_first_of("\r\n");
        if (end == std::string::npos)
            return std::nullopt;
        std::string line = heard_.substr(0, end);
        heard_.erase(0, end + 1);
        line.erase(0, line.find_first_not_of(' '));
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty())
            return line;
    }
}

CallStep UnattendedCall::OnBytes(std::span<const std::uint8_t> bytes, std::int64_t now) {
    if (phase_ == Phase::Idle || phase_ == Phase::Transfer || phase_ == Phase::QuietBefore ||
        phase_ == Phase::DropDtr || phase_ == Phase::Done)
        return Sending({}, phase_ == Phase::Done ? std::nullopt : std::optional(deadline_));
    heard_.append(bytes.begin(), bytes.end());
    if (heard_.size() > kHeardLimit)
        heard_.erase(0, heard_.size() - kHeardLimit);
    if (phase_ == Phase::Chat)
        return NextChatStep(now);
    while (const std::optional<std::string> line = NextLine()) {
        if (phase_ == Phase::Init && (*line == "OK" || *line == "ERROR")) {
            if (*line == "OK")
                return Dial(now);
            return Finish({}, "the modem answered ERROR to \"" + plan_.init + "\"");
        }
        if (phase_ == Phase::Dial) {
            if (line->rfind("CONNECT", 0) == 0 && (line->size() == 7 || (*line)[7] == ' ')) {
                phase_ = Phase::Chat;
                chatIndex_ = 0;
                CallStep step = NextChatStep(now);
                step.messages.insert(step.messages.begin(), *line);
                return step;
            }
            if (std::find(kCallFailures.begin(), kCallFailures.end(), *line) != kCallFailures.end()) {
                callMayBeUp_ = false;
                return Finish({}, "call failed: " + *line);
            }
        }
        if ((phase_ == Phase::Escape || phase_ == Phase::Hang) && *line == "OK") {
            if (phase_ == Phase::Hang) {
                hungUp_ = true;
                return Finish({}, "line hung up");
            }
            phase_ = Phase::Hang;
            deadline_ = now + kHangUpWaitMs;
            return Sending("ATH\r", deadline_);
        }
    }
    return Sending({}, deadline_);
}

CallStep UnattendedCall::NextChatStep(std::int64_t now) {
    CallStep step;
    while (chatIndex_ < plan_.chat.size()) {
        const ChatStep& c = plan_.chat[chatIndex_];
        if (c.kind == ChatStep::Kind::Send) {
            step.send += c.text;
        } else if (c.kind == ChatStep::Kind::Expect) {
            const std::size_t found = heard_.find(c.text);
            if (found == std::string::npos)
                return Wait(std::move(step), now, kExpectWaitMs);
            heard_.erase(0, found + c.text.size());
        } else if (armed_ != chatIndex_ || now < deadline_) {
            return Wait(std::move(step), now, c.ms);
        }
        ++chatIndex_;
    }
    phase_ = Phase::Transfer;
    reached_ = true;
    step.startTransfer = true;
    return step;
}

CallStep UnattendedCall::Wait(CallStep step, std::int64_t now, int ms) {
    // Each step's wait starts when the step does, not with each byte that arrives.
    if (armed_ != chatIndex_) {
        armed_ = chatIndex_;
        deadline_ = now + ms;
    }
    step.wake = deadline_;
    return step;
}

CallStep UnattendedCall::OnTimer(std::int64_t now) {
    if (phase_ == Phase::Idle || phase_ == Phase::Transfer || phase_ == Phase::Done)
        return {};
    if (now < deadline_)
        return Sending({}, deadline_);
    switch (phase_) {
    case Phase::Init:
        return Finish({},
                      "the modem did not answer OK to \"" + plan_.init + "\" within " + Seconds(kInitWaitMs));
    case Phase::Dial: {
        CallStep step;
        step.messages.push_back("the modem gave no result for the call within " + Seconds(kDialWaitMs));
        return BeginHangUp(now, std::move(step));
    }
    case Phase::Chat: {
        const ChatStep& c = plan_.chat[chatIndex_];
        if (c.kind == ChatStep::Kind::Pause)
            return NextChatStep(now);
        CallStep step;
        step.messages.push_back(plan_.chatName + ":" + std::to_string(c.line) + ": \"" + Escaped(c.text) +
                                "\" did not come within " + Seconds(kExpectWaitMs));
        return BeginHangUp(now, std::move(step));
    }
    case Phase::QuietBefore:
        phase_ = Phase::Escape;
        heard_.clear();
        deadline_ = now + kGuardMs + kHangUpWaitMs;
        return Sending("+++", deadline_);
    case Phase::Escape:
        // The modem may have left the call already and be waiting for commands: ATH is still right.
        phase_ = Phase::Hang;
        heard_.clear();
        deadline_ = now + kHangUpWaitMs;
        return Sending("ATH\r", deadline_);
    case Phase::Hang: {
        phase_ = Phase::DropDtr;
        deadline_ = now + kDtrDropMs;
        CallStep step = Sending({}, deadline_);
        step.dtr = false;
        return step;
    }
    case Phase::DropDtr: {
        CallStep step;
        step.dtr = true;
        return Finish(step, dtrWorks_
                                ? "the modem did not confirm the hang-up; DTR was dropped for a second, "
                                  "but the line may still be up"
                                : "the modem did not confirm the hang-up and the device cannot drop DTR: "
                                  "the line may still be up");
    }
    default:
        return {};
    }
}

CallStep UnattendedCall::TransferEnded(std::int64_t now) {
    return BeginHangUp(now);
}

CallStep UnattendedCall::Cancel(std::int64_t now) {
    switch (phase_) {
    case Phase::Idle:
    case Phase::Init:
        return Finish({}, "cancelled by the user");
    case Phase::Dial:
    case Phase::Chat: {
        // Any byte stops a modem that is still dialling; the hang-up that follows makes sure.
        CallStep step;
        step.messages.push_back("cancelled by the user");
        return BeginHangUp(now, std::move(step));
    }
    default: // a transfer is cancelled by its driver; a hang-up runs to its end
        return Sending({}, phase_ == Phase::Done ? std::nullopt : std::optional(deadline_));
    }
}

CallStep UnattendedCall::BeginHangUp(std::int64_t now, CallStep step) {
    if (!callMayBeUp_)
        return Finish(std::move(step), {});
    phase_ = Phase::QuietBefore;
    deadline_ = now + kGuardMs;
    step.messages.push_back("hanging up");
    step.wake = deadline_;
    return step;
}

CallStep UnattendedCall::Finish(CallStep step, std::string message) {
    phase_ = Phase::Done;
    if (!message.empty())
        step.messages.push_back(std::move(message));
    step.wake.reset();
    step.done = true;
    return step;
}

} // namespace rc::link
