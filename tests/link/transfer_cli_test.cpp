#include "link/transfer_cli.h"
#include "link/unattended_call.h"
#include "test_files.h"

#include <map>

#include <gtest/gtest.h>

namespace rc::link {
namespace {

// The last line of a real download is in the run against sx; here the first, before any packet, and
// one whose every figure differs.
TEST(HeadlessProgress, Line) {
    EXPECT_EQ(ProgressLine(XferCounters{"Received Packet", "", "0", "", 0}, 8192),
              "packet 0  errors 0  bytes 0 of 8192");
    EXPECT_EQ(ProgressLine(XferCounters{"Sending Packet", "12", "3", "1408", 1408}, 7936),
              "packet 12  errors 3  bytes 1408 of 7936");
}

TEST(ChatFile, StepsAndRefusals) {
    std::string error;
    const auto steps =
        ParseChat("# login\n\n  expect Password: \r\nsend s\\\\c\\r\\n\npause 1.5\n", "c", &error);
    ASSERT_TRUE(steps.has_value()) << error;
    ASSERT_EQ(steps->size(), 3u);
    EXPECT_EQ((*steps)[0].text, "Password: ") << "what follows the word, as it stands";
    EXPECT_EQ((*steps)[0].line, 3);
    EXPECT_EQ((*steps)[1].text, "s\\c\r\n");
    EXPECT_EQ((*steps)[2].ms, 1500);
    for (const auto& [text, refusal] : std::map<std::string, std::string>{
             {"send a\n\nsend \\x", "c:3: unknown escape \\x (\\r, \\n and \\\\ are known)"},
             {"expect", "c:1: expect needs a text"},
             {"pause 61", "c:1: pause takes 0 to 60 seconds, not \"61\""},
             {"pause -1", "c:1: pause takes 0 to 60 seconds, not \"-1\""},
             {"wait 1", "c:1: unknown step \"wait\" (expect, send or pause)"},
             {"send a\\", "c:1: a lone \\ at the end of the line"},
             // What is quoted is cut short, its control bytes and stray bytes shown as escapes.
             {"wait\x01" + std::string(200, 'x'),
              "c:1: unknown step \"wait\\x01" + std::string(69, 'x') + "...\" (expect, send or pause)"},
             {"pause \x1b[2J\xC2\x9B\xFF \u00e9",
              "c:1: pause takes 0 to 60 seconds, not \"\\x1B[2J\\xC2\\x9B\\xFF \u00e9\""}}) {
        EXPECT_FALSE(ParseChat(text, "c", &error).has_value()) << text;
        EXPECT_EQ(error, refusal);
    }
    // Only a plain file of a few lines is read.
    const test::TempFolder folder;
    test::WriteFile(folder.Path("big"), std::string(kLongestChat + 1, '#'));
    test::WriteFile(folder.Path("c"), "send x");
    for (const auto& [path, refusal] : std::map<std::string, std::string>{
             {folder.Path(""), folder.Path("") + " is not a plain file; a chat script is one"},
             {folder.Path("big"),
              folder.Path("big") + " is larger than 64 KiB; a chat script is a few lines"},
             {folder.Path("none"), folder.Path("none") + " could not be read"},
             {folder.Path("c"), ""}}) {
        error.clear();
        EXPECT_EQ(LoadChat(path, &error).has_value(), refusal.empty()) << path;
        EXPECT_EQ(error, refusal);
    }
}

// A call against a modem that answers what it is sent from a table, on a clock that jumps to each
// wake: what went each way, and when the run ended. "> sent", "< heard", "! said", "DTR 0".
std::string CallTranscript(CallPlan plan, const std::map<std::string, std::string>& answers,
                           std::int64_t* ended) {
    UnattendedCall call(std::move(plan));
    call.SetDtrWorks(false);
    std::string transcript;
    std::int64_t now = 0;
    CallStep step = call.Start(now);
    for (int guard = 0; guard < 50; ++guard) {
        for (const std::string& m : step.messages)
            transcript += "! " + m + "\n";
        if (step.dtr)
            transcript += std::string("DTR ") + (*step.dtr ? "1" : "0") + "\n";
        if (!step.send.empty())
            transcript += "> " + step.send + "\n";
        if (step.done)
            break;
        if (const auto a = answers.find(step.send); a != answers.end() && !step.send.empty()) {
            transcript += "< " + a->second + "\n";
            const std::string& bytes = a->second;
            step =
                call.OnBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, now += 10);
        } else if (step.startTransfer) {
            step = call.TransferEnded(now += 5000);
        } else {
            EXPECT_TRUE(step.wake.has_value()) << transcript;
            step = call.OnTimer(now = step.wake.value_or(now));
        }
    }
    *ended = now;
    return transcript;
}

TEST(UnattendedCall, EveryWaitEnds) {
    const std::string ok = "\r\nOK\r\n";
    const std::string hungUp = "! hanging up\n> +++\n< " + ok + "\n> ATH\r\n< " + ok + "\n! line hung up\n";
    const std::string undone =
        "! hanging up\n> +++\n> ATH\r\nDTR 0\n! the modem did not confirm the hang-up and "
        "the device cannot drop DTR: the line may still be up\nDTR 1\n";
    struct Case {
        const char* name;
        CallPlan plan;
        std::map<std::string, std::string> answers;
        std::string transcript;
        std::int64_t endsAt;
    } cases[] = {
        {"no dial tone, as some modems spell it",
         {"", "1", {}, ""},
         {{"ATDT1\r", "\r\nNO DIAL TONE\r\n"}},
         "! dialling 1\n> ATDT1\r\n< \r\nNO DIAL TONE\r\n\n! call failed: NO DIAL TONE\n",
         10},
        {"a silent modem",
         {"ATZ", "1", {}, ""},
         {},
         "> ATZ\r\n! the modem did not answer OK to \"ATZ\" within 5 s\n",
         kInitWaitMs},
        {"no result for the dial",
         {"", "1", {}, ""},
         {},
         "! dialling 1\n> ATDT1\r\n! the modem gave no result for the call within 60 s\n" + undone,
         kDialWaitMs + 2 * kGuardMs + 2 * kHangUpWaitMs + kDtrDropMs},
        // Echo, a speed, and the controller's prompt in the same read as CONNECT.
        {"a chat after CONNECT",
         {"", "1", *ParseChat("expect login:\nsend x\\r", "c", nullptr), "c"},
         {{"ATDT1\r", "ATDT1\r\r\nCONNECT 2400/ARQ\r\nlogin: "}, {"+++", ok}, {"ATH\r", ok}},
         "! dialling 1\n> ATDT1\r\n< ATDT1\r\r\nCONNECT 2400/ARQ\r\nlogin: \n! CONNECT 2400/ARQ\n> x\r\n" +
             hungUp,
         10 + 5000 + kGuardMs + 20},
        {"a prompt that never comes",
         {"", "1", *ParseChat("\nexpect login:", "c", nullptr), "c"},
         {{"ATDT1\r", "\r\nCONNECT\r\n"}, {"+++", ok}, {"ATH\r", ok}},
         "! dialling 1\n> ATDT1\r\n< \r\nCONNECT\r\n\n! CONNECT\n! c:2: \"login:\" did not come within 30 "
         "s\n" +
             hungUp,
         10 + kExpectWaitMs + kGuardMs + 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::int64_t ended = 0;
        EXPECT_EQ(CallTranscript(c.plan, c.answers, &ended), c.transcript);
        EXPECT_EQ(ended, c.endsAt);
    }
}

} // namespace
} // namespace rc::link
