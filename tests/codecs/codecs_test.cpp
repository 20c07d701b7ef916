// The codecs' rules: DTMF digits, commands, the keypad's logic and the vocabulary.
#include "codecs/commands.h"
#include "codecs/dtmf.h"
#include "codecs/keypad_logic.h"
#include "codecs/vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace rc {
namespace {

TEST(DigitCode, MapsEachKeyAndNothingElse) {
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"9", 9}, {"0", 10}, {"*", 11}, {"#", 12}, {"A", 13}, {"B", 14}, {"C", 15},
        {"D", 0}, {"", 0},  {"a", 0},  {",", 0},  {"12", 0}, {" ", 0},  {"d", 0},
    };
    for (const auto& [ch, code] : cases)
        EXPECT_EQ(DigitCode(ch), code) << '"' << ch << '"';
}

// Every field sits at the very end of the image, so a read past its capacity would leave it.
TEST(DigitsToText, ReadsCountedFields) {
    struct Case {
        std::vector<std::uint8_t> bytes; // count byte, then digits
        int maxLen;
        std::string text;
        int maxLenAfter;
    } cases[] = {
        {{0, 1, 2, 3}, 7, "", 0},                      // count 0 hides whatever the digits hold
        {{3, 0, 0, 0}, 7, "DDD", 3},                   // zero bytes are D
        {{3, 0x3A, 0xFB, 0xFF}, 7, "0*C", 3},          // high bits ignored
        {{200, 2, 3, 4, 5, 6, 7, 8}, 7, "2345678", 7}, // a wild count stops at the capacity
        {{7, 13, 14, 15, 12, 11, 10, 9}, 7, "ABC#*09", 7},
        {{5, 1, 2, 3, 4, 5}, 3, "123", 3},
    };
    for (const Case& c : cases) {
        ImageBytes image;
        for (std::size_t i = 0; i < c.bytes.size(); ++i)
            image[8184 + static_cast<int>(i)] = c.bytes[i];
        int maxLen = c.maxLen;
        EXPECT_EQ(DigitsToText(image, 8184, maxLen), c.text);
        EXPECT_EQ(maxLen, c.maxLenAfter);
    }
}

TEST(WriteCountedDigits, RewritesEveryPosition) {
    const std::pair<std::string, std::vector<std::uint8_t>> cases[] = {
        {"12", {2, 1, 2, 0, 0, 0, 0, 0}},        {"D", {1, 0, 0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0, 0, 0}},          {"*#ABC09", {7, 11, 12, 13, 14, 15, 10, 9}},
        {"123456789", {7, 1, 2, 3, 4, 5, 6, 7}}, // never a count beyond the field
    };
    for (const auto& [text, bytes] : cases) {
        ImageBytes image;
        for (int i = 0; i < 10; ++i)
            image[200 + i] = 0xEE; // a longer old entry, and a neighbour at 208
        WriteCountedDigits(image, 200, 7, text);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            EXPECT_EQ(image[200 + static_cast<int>(i)], bytes[i]) << text << " byte " << i;
        EXPECT_EQ(image[208], 0xEE) << "the next field is not touched";
        if (text.size() <= 7) {
            EXPECT_EQ(CountedDigitsText(image, 200, 7), text);
        }
    }
}

TEST(TwoDigitsToByte, FirstAndLastKeyAsBcdDigits) {
    const std::pair<const char*, int> cases[] = {
        {"17", 0x17}, {"07", 0x07}, {"99", 0x99}, {"0", 0x00}, {"5", 0x55}, {"*5", 0x05}, {"#A", 0x00},
        {"D9", 0x09}, {"9D", 0x90}, {"B3", 0x03}, {"", 0x00},  {"C", 0x00}, {"a1", 0x01}, {"123", 0x13}};
    for (const auto& [text, byte] : cases)
        EXPECT_EQ(TwoDigitsToByte(text), byte) << '"' << text << '"';
}

TEST(CommandFromText, FunctionFromTheFirstTwoArgumentFromTheLastTwo) {
    const std::pair<const char*, CommandCode> cases[] = {
        {"1110", {0x11, 0x10}}, {"9210", {0x92, 0x10}}, {"0000", {0x00, 0x00}}, {"123", {0x12, 0x23}},
        {"1", {0x11, 0x11}},    {"", {0x00, 0x00}},     {"*1#2", {0x01, 0x02}}, {"123456", {0x12, 0x56}}};
    for (const auto& [text, code] : cases)
        EXPECT_EQ(CommandFromText(text), code) << '"' << text << '"';
}

struct Described {
    std::uint8_t function, argument;
    const char* text;
};

constexpr const char* kInvalid = "Invalid Entry";

// clang-format off
const Described kDescriptions[] = {
    // no command, and functions the controller does not know
    {0x00, 0x00, "No Command"}, {0x00, 0xFF, "No Command"}, {0x10, 0x10, kInvalid}, {0x19, 0x10, kInvalid},
    {0x52, 0x01, kInvalid}, {0x9A, 0x10, kInvalid},
    // switch groups: items 1 to 8 (high digit), OFF or ON (low digit)
    {0x11, 0x10, "Repeater Transmitter OFF"}, {0x11, 0x61, "Reserved"}, {0x11, 0x81, "Control Operator CTCSS ON"},
    {0x12, 0x50, "CTCSS OR Logic OFF"}, {0x13, 0x11, "ID #1 (At Rest)ON"}, {0x14, 0x80, "Autopatch Pre-Dial OFF"},
    {0x15, 0x31, "Autopatch Area Code Lookup ON"}, {0x16, 0x60, "Remote Base Macro Enable OFF"},
    {0x11, 0x01, kInvalid}, {0x11, 0x90, kInvalid}, {0x11, 0x12, kInvalid}, {0x16, 0xF1, kInvalid},
    // user switches: inputs OFF/ON, outputs also momentary; recorder switches
    {0x17, 0x41, "User Function Switch In #4 ON"}, {0x17, 0x50, "User Switch Out #1 OFF"},
    {0x17, 0x82, "User Switch Out #4 Momentary"}, {0x17, 0x12, kInvalid}, {0x17, 0x53, kInvalid},
    {0x17, 0x90, kInvalid}, {0x18, 0x10, "DVR Switch #1 OFF"}, {0x18, 0x81, "DVR Switch #8 ON"},
    {0x18, 0x12, kInvalid}, {0x18, 0x91, kInvalid},
    // announcements take no argument
    {0x20, 0x00, "PTT#1 Up - Send Time Of Day - PTT#1 Dn"}, {0x25, 0x00, "Send Day and Month"},
    {0x27, 0x00, "Send Salutations"}, {0x21, 0x01, kInvalid}, {0x27, 0x10, kInvalid},
    // the argument in the description, in hexadecimal without a leading zero; CW commands ignore theirs
    {0x30, 0x00, "PTT#1 Up - Play Voice Message 0 - PTT#1 Dn"}, {0x31, 0x20, "Play Voice Message 20"},
    {0x33, 0x1A, "Play DVR Track 1A"}, {0x33, 0xFF, "Play DVR Track FF"}, {0x51, 0x00, "Load Remote Base Courtesy Tone 0"},
    {0x57, 0x15, "Set DVR Expanded Switch with Location 15"}, {0x58, 0x20, "Execute Macro 20"},
    {0x59, 0x04, "Load Memory File 4"}, {0x60, 0x30, "Time Delay For 30 Seconds"},
    {0x34, 0x00, "PTT#1 Up - Send CW Buffer - PTT#1 Dn"}, {0x37, 0x42, "Send CW Character"},
    // transmitter and remote base control
    {0x61, 0x01, "PTT#1 ON"}, {0x63, 0x00, "PTT#1 and #2 OFF"}, {0x66, 0x01, "PTT#1 and #2 ON with Voice Delay"},
    {0x70, 0x02, "Remote Base Receive Only"}, {0x61, 0x02, kInvalid}, {0x66, 0x10, kInvalid},
    {0x70, 0x03, kInvalid},
    // speak one word: 9 and the word code's three digits
    {0x92, 0x10, "A"}, {0x90, 0x00, "0"}, {0x90, 0x45, ""}, {0x91, 0x00, "[Time_of_day]"},
    {0x99, 0x54, "Zulu"}, {0x99, 0x99, "[Model_8]"},
    // a non-decimal digit names no word (read as a number, 0x1A would speak "20")
    {0x90, 0x1A, kInvalid}, {0x92, 0xA0, kInvalid}, {0x99, 0xFF, kInvalid},
};
// clang-format on

TEST(CommandText, EveryFunctionGroupWithValidAndInvalidArguments) {
    for (const Described& c : kDescriptions)
        EXPECT_EQ(CommandText(c.function, c.argument), c.text)
            << std::hex << int(c.function) << " " << int(c.argument);
}

TEST(CommandText, EveryByteCombinationHasADescription) {
    // The functions the controller knows; every other function byte is invalid whatever follows.
    std::set<int> known;
    for (int f = 0; f < 256; ++f)
        for (int a = 0; a < 256; ++a) {
            std::string text = CommandText(static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(a));
            bool speakWord = f >= 0x90 && f <= 0x99;
            if (!speakWord) {
                ASSERT_FALSE(text.empty()) << f << " " << a;
            }
            if (text != kInvalid)
                known.insert(f);
        }
    EXPECT_EQ(known.size(), 48u);
    EXPECT_EQ(known.count(0x38), 0u);
    EXPECT_EQ(known.count(0x9A), 0u);
}

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

const PickItem* Find(const PickList& list, const std::string& text) {
    auto it = std::find_if(list.begin(), list.end(), [&](const PickItem& p) { return p.text == text; });
    return it == list.end() ? nullptr : &*it;
}

std::string TextOfCode(int code) {
    return VoiceWordText(WordKey(PackWordCode(code)));
}

// The codes where counting restarts, the words after them counting on, and the ends of blocks.
TEST(PickLists, CodesAndEveryCodeOnce) {
    // clang-format off
    const std::pair<const char*, int> counted[] = {
        {"Average", 247}, {"Hundred", 456}, {"Much", 612}, {"Use (verb)", 877}, {"Zulu", 954}, {"Calm", 299},
        {"Calling", 273}, {"Halden", 275}, {"Fahrenheit", 373}, {"Fail", 371}, {"Fall", 393}, {"Fast", 374},
        {"Heat", 457}, {"Heavy", 447}, {"Index", 486}, {"India", 477}, {"Percent", 703}, {"Phone", 686},
        {"Pressure", 704}, {"Program", 699}, {"S (plural)", 802}, {"Safe", 771}, {"The (long E)", 831},
        {"The (short E)", 830}, {"Then", 832}, {"Today's", 852}, {"Tomorrow", 841}, {"Wind-Chill", 910},
        {"Windows", 907}, {"A.M.", 211}, {"Ed (suffix)", 343}, {"O'clock", 651}, {"Less Than", 555},
    };
    // clang-format on
    for (const auto& [text, code] : counted) {
        const PickItem* item = Find(VoiceWordList(), text);
        ASSERT_NE(item, nullptr) << text;
        EXPECT_EQ(item->value, code) << text;
    }
    std::set<int> codes;
    for (const PickItem& item : VoiceWordList()) {
        EXPECT_TRUE(codes.insert(item.value).second) << item.text << " repeats " << item.value;
        EXPECT_LT(item.value, 983) << item.text;
    }
    EXPECT_EQ(codes.count(685), 0u);
}

// Both lists' texts are the snapshot's; here the codes behind them. The word list ends with the
// special list's sounds.
TEST(PickLists, SpecialCodesAndTheWordListsSounds) {
    const std::pair<std::size_t, int> codes[] = {{0, 960},  {13, 980}, {16, 100}, {34, 125},
                                                 {36, 140}, {51, 155}, {61, 169}};
    for (auto [index, code] : codes)
        EXPECT_EQ(SpecialList()[index].value, code) << index;
    ASSERT_EQ(VoiceWordList().size(), 461 + SpecialList().size());
    for (std::size_t i = 0; i < SpecialList().size(); ++i)
        EXPECT_EQ(VoiceWordList()[461 + i].value, SpecialList()[i].value) << i;
}

// Digits speak themselves; each letter is the word of that name in the word list.
TEST(PickLists, CallLettersOpenTheWordBlocks) {
    const PickList& call = CallLettersList();
    ASSERT_EQ(call.size(), 36u);
    for (std::size_t i = 0; i < call.size(); ++i) {
        const std::string text = i < 10 ? std::to_string(i) : std::string(1, static_cast<char>('A' + i - 10));
        const PickItem* word = Find(VoiceWordList(), text);
        ASSERT_NE(word, nullptr) << text;
        EXPECT_EQ(call[i], (PickItem{text, i < 10 ? static_cast<int>(i) : word->value})) << i;
        EXPECT_EQ(TextOfCode(call[i].value), text);
    }
}

// The stored names of the sounds and of the words whose stored form differs from the list's.
TEST(WordTable, TextsThatDifferFromTheLists) {
    const std::pair<int, const char*> cases[] = {
        {100, "[Time_of_day]"}, {103, "[Salutations]"}, {111, "[UF_1_OFF]"},  {125, "[UF_5_MON]"},
        {135, "[500ms_Delay]"}, {140, "[DVR_1]"},       {169, "[Tone_9]"},    {343, "Ed_Sufffix"},
        {479, "Ing_Suffix"},    {555, "Less_than"},     {610, "More_than"},   {651, "O'Clock"},
        {685, "Per"},           {802, "S_plural"},      {830, "The"},         {831, "The"},
        {876, "Use_noun"},      {877, "Use_verb"},      {910, "Windchill"},   {960, "[Pause 1]"},
        {964, "[Chime 1]"},     {967, "[Gunshot]"},     {980, "[F Morning]"}, {999, "[Model_8]"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(TextOfCode(code), text) << code;
    // Every other number and word shows as it is listed, but for eleven stored spellings.
    int differing = 0;
    for (const PickItem& item : VoiceWordList())
        if (item.value < 960 && (item.value < 100 || item.value >= 210))
            differing += TextOfCode(item.value) != item.text;
    EXPECT_EQ(differing, 11);
}

// Every entry is found by its key: no key may hide another.
TEST(WordTable, KeysAreUnique) {
    std::set<int> keys;
    for (const VoiceWordEntry& e : VoiceWordTable())
        EXPECT_TRUE(keys.insert(e.Key).second) << e.Key;
    EXPECT_EQ(keys.size(), 526u);
}

TEST(WordTable, PackedBytesToText) {
    struct Case {
        std::uint8_t byte0, byte1;
        const char* text;
    } cases[] = {
        {0x00, 0x00, "0"},
        {0x01, 0x00, "[Time_of_day]"},
        {0x02, 0x0A, "A"},
        {0x32, 0x0A, "A"},
        {0xF2, 0x0A, "A"},
        {0x09, 0x36, "Zulu"},
        {0x06, 0x55, "Per"},
        // keys no entry holds: a second byte above 99, codes without a word, a hundreds nibble above 9
        {0x02, 0x64, ""},
        {0x00, 0xFF, ""},
        {0x09, 0x53, ""},
        {0x01, 0x04, ""},
        {0x00, 0x15, ""},
        {0x0A, 0x00, ""},
        {0x0F, 0xFF, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoiceWordText(WordKey(c.byte0, c.byte1)), c.text) << int(c.byte0) << " " << int(c.byte1);
    EXPECT_EQ(WordKey(0x02, 0x0A), 522);
    for (int key : {-1, -256, 2560, 40000})
        EXPECT_EQ(VoiceWordText(key), "") << key;
}

TEST(WordCodes, TextAndPackedForms) {
    // Malformed texts never give a byte out of range.
    const std::pair<const char*, PackedWord> cases[] = {
        {"210", {2, 10}}, {"045", {0, 45}}, {"999", {9, 99}},  {"000", {0, 0}},
        {"100", {1, 0}},  {"", {0, 0}},     {"7", {7, 0}},     {"12", {1, 2}},
        {"A10", {0, 10}}, {"2x5", {2, 0}},  {"9999", {9, 99}},
    };
    for (const auto& [text, packed] : cases)
        EXPECT_EQ(PackWordCodeText(text), packed) << '"' << text << '"';
    EXPECT_EQ(WordCodeText(45), "045");

    // Every pickable word survives the trip through its three-digit text into the image and back.
    for (const PickList* list : {&VoiceWordList(), &CallLettersList(), &SpecialList()})
        for (const PickItem& item : *list) {
            ImageBytes image;
            WritePackedWord(image, 500, PackWordCodeText(WordCodeText(item.value)));
            ASSERT_EQ(ReadWordKey(image, 500), WordKey(PackWordCode(item.value))) << item.text;
            EXPECT_NE(VoiceWordText(ReadWordKey(image, 500)), "") << item.text;
        }
}

} // namespace
} // namespace rc
