#include "codecs/keypad_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rc {
namespace {

// The optional keys a mode shows, in the order *, #, A, B, C, D, Delay (as ",").
std::string ExtraKeys(const KeyPadLogic& pad) {
    std::string shown;
    for (char ch : std::string("*#ABCD,"))
        if (pad.KeyVisible(*PadKeyFromChar(ch)))
            shown += ch;
    return shown;
}

TEST(KeyPadModes, KeysWidthAndSelectionList) {
    // The list's labels are pinned with every other text in tests/snapshot/texts.txt.
    const std::pair<int, const char*> cases[] = {{1, ""},  {2, "*#"},  {3, "*#ABC"}, {4, ","},
                                                 {5, "*"}, {6, "*#,"}, {7, ""},      {8, ""}};
    for (const auto& [mode, extras] : cases) {
        KeyPadLogic pad; // a fresh dialog: the list is empty until a list mode fills it
        pad.Activate({mode, 4, "h", "", 0});
        EXPECT_EQ(ExtraKeys(pad), extras) << "mode " << mode;
        for (PadKey key : {PadKey::Zero, PadKey::Nine, PadKey::Clear, PadKey::Cancel, PadKey::OK})
            EXPECT_TRUE(pad.KeyVisible(key)) << "mode " << mode;
        EXPECT_EQ(pad.WidthTwips(), mode >= 7 ? 4400 : 2700) << "mode " << mode;
        EXPECT_EQ(pad.ListShown(), mode >= 7) << "mode " << mode;
        EXPECT_EQ(pad.ListLabels()[0].empty(), mode < 7) << "mode " << mode;
    }
}

TEST(KeyPadModes, LaterShowingsKeepWhatTheirModeDoesNotSet) {
    KeyPadLogic pad;
    pad.Activate({8, 1, "", "", 7}); // the dialog test sees mode 7 keep mode 8's tenth label
    pad.Activate({7, 1, "", "", 6});
    pad.Activate({3, 7, "", "", 0});
    EXPECT_EQ(pad.ListLabels()[0], "0 = OFF"); // behind the narrow width, but still there
    for (int unknown : {0, 9, -1}) {
        pad.Activate({unknown, 7, "", "", 0});
        EXPECT_EQ(ExtraKeys(pad), "*#ABC") << unknown;
        EXPECT_EQ(pad.WidthTwips(), 2700) << unknown;
    }
}

TEST(KeyPadChecks, Boundaries) {
    struct Case {
        int check;
        std::vector<std::string> accepted, refused;
        const char *message, *title;
    };
    // clang-format off
    const Case cases[] = {
        {0, {"ABC*#12"}, {}, "", ""},
        {1, {"1234"}, {"123", "12345"}, "Error! Need 4 Digit Entry", "Macro Command"},
        {2, {"1", "1800", "0001"}, {"0", "1801", "99999", "12*"}, "Error! Entry must be between 1 and 1800", "Macro Command"}, // 99999: past 16 bits
        {3, {"10", "99"}, {"9", "100"}, "Error! Entry must be between 10 and 99", "Macro Command"},
        {4, {std::string(15, '7')}, {std::string(16, '7')}, "Error! Maximum 15 Digit Entry", "Macro Command"},
        {5, {"05"}, {"5"}, "Error! Need 2 Digit Entry", "Macro Command"},
        {6, {"0", "8"}, {"12", "9"}, "Error! Frequency between 1 and 8", "Frequency Entry"},
        {7, {"123456"}, {}, "", ""},
        {8, {"555"}, {"55"}, "Error! Need 3 Digit Entry", "Area Code Entry"},
        {9, {std::string(16, '1')}, {std::string(17, '1')}, "Error! Maximum 16 Digit Entry", "Telephone Number"},
        {10, {"1234567"}, {"123456"}, "Error! Requires a 7 Digit Entry", "Unlock Number"},
        {11, {"1"}, {}, "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const std::string& display : c.accepted)
            EXPECT_FALSE(KeyPadCheckFailure(c.check, display))
                << "check " << c.check << " refused " << display;
        for (const std::string& display : c.refused) {
            auto failure = KeyPadCheckFailure(c.check, display);
            ASSERT_TRUE(failure) << "check " << c.check << " accepted " << display;
            EXPECT_EQ(*failure, (MessageSpec{c.message, c.title, MessageIcon::Exclamation}))
                << "check " << c.check << " " << display;
        }
        EXPECT_FALSE(KeyPadCheckFailure(c.check, "")) << "empty refused by check " << c.check;
    }
}

// A sequence of events: '@' the ready delay running out, '~' Clear, '!' OK, '^' Cancel, '%' the
// close box, '<' the keyboard's Backspace; every other character is the key it types.
struct Outcome {
    std::string display;
    int beeps = 0;
    std::vector<std::string> messages;
    bool closed = false;
};

Outcome Play(const KeyPadParams& params, const std::string& events) {
    KeyPadLogic pad;
    pad.Activate(params);
    Outcome out;
    for (char ch : events) {
        if (ch == '@') {
            pad.TimerTick();
            continue;
        }
        KeyResult r = ch == '%'   ? pad.Dismiss()
                      : ch == '~' ? pad.Press(PadKey::Clear)
                      : ch == '!' ? pad.Press(PadKey::OK)
                      : ch == '^' ? pad.Press(PadKey::Cancel)
                      : ch == '<' ? pad.BackSpace()
                                  : pad.Press(*PadKeyFromChar(ch));
        out.beeps += r.beep ? 1 : 0;
        if (r.message)
            out.messages.push_back(r.message->text);
        if ((out.closed = r.close))
            break;
    }
    out.display = pad.Display();
    return out;
}

// The dialog tests play the rest through the window: the first key replacing, a full display beeping,
// a refused entry corrected, Cancel and the close box before and after typing, a second delay, the
// letters of mode 3.
TEST(KeyPadKeys, Sequences) {
    const std::string delayError = "Error, One delay entry only.";
    struct Case {
        const char* what;
        KeyPadParams params;
        std::string events;
        std::string display;
        int beeps;
        std::vector<std::string> messages;
        bool closed;
    } cases[] = {
        {"keys before ready do nothing", {6, 11, "", "555", 9}, "12,~!^@7", "7", 0, {}, false},
        {"delays between digits", {6, 11, "", "", 9}, "@1,2,", "1,2,", 0, {}, false},
        {"delay, digit, delay", {6, 11, "", "", 9}, "@1,,2", "1,2", 0, {delayError}, false},
        {"full display ignores delay", {4, 3, "", "", 0}, "@123,", "123", 0, {}, false},
        {"delay fills last place", {4, 3, "", "", 0}, "@12,", "12,", 0, {}, false},
        {"empty OK closes whatever the check", {3, 7, "", "1234567", 10}, "@~!", "", 0, {}, true},
        {"unchanged long value passes check 0", {1, 2, "", "2047", 0}, "@!", "2047", 0, {}, true},
        {"clear keeps first-key replace", {1, 4, "", "55", 0}, "@~1", "1", 0, {}, false},
        {"clear after typing appends", {1, 4, "", "55", 0}, "@12~3", "3", 0, {}, false},
        {"clear forgets the delay", {6, 11, "", "", 0}, "@1,~,", ",", 0, {}, false},
        {"hidden D cannot be typed", {3, 7, "", "12", 0}, "@D", "12", 0, {}, false},
        {"hidden delay cannot be typed", {1, 4, "", "12", 0}, "@,3", "3", 0, {}, false},
        {"backspace keeps the rest and appends", {1, 4, "", "1234", 0}, "@<5", "1235", 0, {}, false},
        {"backspace over a delay allows another", {6, 11, "", "", 0}, "@1,<,2", "1,2", 0, {}, false},
        {"backspace before ready or when empty", {1, 4, "", "12", 0}, "<@<<<<3", "3", 0, {}, false},
    };
    for (const Case& c : cases) {
        Outcome out = Play(c.params, c.events);
        EXPECT_EQ(out.display, c.display) << c.what;
        EXPECT_EQ(out.beeps, c.beeps) << c.what;
        EXPECT_EQ(out.messages, c.messages) << c.what;
        EXPECT_EQ(out.closed, c.closed) << c.what;
    }
}

} // namespace
} // namespace rc
