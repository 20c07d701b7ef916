#include "codecs/vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace rc {
namespace {

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
    struct Case {
        const char* text;
        PackedWord packed;
    } cases[] = {
        {"210", {2, 10}}, {"045", {0, 45}}, {"999", {9, 99}},  {"000", {0, 0}},
        {"100", {1, 0}},  {"", {0, 0}},     {"7", {7, 0}},     {"12", {1, 2}},
        {"A10", {0, 10}}, {"2x5", {2, 0}},  {"9999", {9, 99}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PackWordCodeText(c.text), c.packed) << '"' << c.text << '"';
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
