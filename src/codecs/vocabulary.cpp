#include "codecs/vocabulary.h"

#include "codecs/voice_words.h"

#include <array>
#include <utility>

namespace rc {

namespace {

// A sound or special word: its code, its text in the special list, in the word list (where tracks
// and tones carry a "#") and in the word table, which is what a stored word shows.
struct Sound {
    int code;
    std::string special;
    std::string listed;
    std::string table;
};

std::vector<Sound> MakeSounds() {
    std::vector<Sound> s;
    auto add = [&](int code, std::string text, std::string table) { s.push_back({code, text, text, table}); };
    for (int n = 1; n <= 4; ++n)
        add(959 + n, "[Pause_" + std::to_string(n) + "]", "[Pause " + std::to_string(n) + "]");
    for (int n = 1; n <= 3; ++n)
        add(963 + n, "[Chime_" + std::to_string(n) + "]", "[Chime " + std::to_string(n) + "]");
    int code = 967;
    for (const char* effect : {"[Gunshot]", "[Laser]", "[Phaser]", "[Tic]", "[Toc]", "[Laughter]"})
        add(code++, effect, effect);
    code = 980;
    for (const std::string part : {"Morning", "Afternoon", "Evening"})
        add(code++, "[G_" + part + "]", "[F " + part + "]");
    add(100, "[Time_Of_Day]", "[Time_of_day]");
    add(101, "[Day_of_Week]", "[Day_of_week]");
    add(102, "[Day_of_Month]", "[Day_of_month]");
    add(103, "[Salutations]", "[Salutations]");
    for (int n = 1; n <= 5; ++n) {
        code = 108 + 3 * n;
        for (const std::string state : {"OFF", "ON", "MON"}) {
            std::string number = std::to_string(n);
            add(code++, "[UF_#" + number + "_" + state + "]", "[UF_" + number + "_" + state + "]");
        }
    }
    add(135, "[500_Ms_Delay]", "[500ms_Delay]");
    for (int t = 1; t <= 16; ++t) {
        std::string track = std::to_string(t);
        s.push_back(
            {139 + t, "[DVR_Track_" + track + "]", "[DVR_Track_#" + track + "]", "[DVR_" + track + "]"});
    }
    for (int t = 0; t <= 9; ++t) {
        std::string tone = std::to_string(t);
        s.push_back({160 + t, "[Courtesy_Tone_" + tone + "]", "[Courtesy_Tone_#" + tone + "]",
                     "[Tone_" + tone + "]"});
    }
    return s;
}

const std::vector<Sound>& Sounds() {
    static const std::vector<Sound> sounds = MakeSounds();
    return sounds;
}

// Sounds that the word table gets from LoadVoiceWordTable; LoadVoiceSpecialWords adds the rest.
bool IsEarlySound(int code) {
    return code >= 960 || code <= 103;
}

// Words whose stored form shows differently from their entry in the word list.
constexpr std::array<std::pair<int, const char*>, 11> kTableTexts = {{
    {343, "Ed_Sufffix"},
    {479, "Ing_Suffix"},
    {555, "Less_than"},
    {610, "More_than"},
    {651, "O'Clock"},
    {802, "S_plural"},
    {830, "The"},
    {831, "The"},
    {876, "Use_noun"},
    {877, "Use_verb"},
    {910, "Windchill"},
}};

// A word that no list offers but the controller speaks; it stands right after "Patch".
constexpr int kPerCode = 685;
constexpr int kPatchCode = 684;

// The two words of the controller's model designation, suffix then number.
constexpr std::array<std::pair<int, const char*>, 2> kModelWords = {{{998, "[Model_R]"}, {999, "[Model_8]"}}};

void AddWords(PickList& list, std::span<const voice::WordSpec> words) {
    int code = 0;
    for (const voice::WordSpec& w : words) {
        code = w.code == voice::kCountOn ? code + 1 : w.code;
        list.push_back({w.text, code});
    }
}

void AddEntry(std::vector<VoiceWordEntry>& table, int code, std::string text) {
    table.push_back({static_cast<std::int16_t>(WordKey(PackWordCode(code))), std::move(text)});
}

std::string TableText(const PickItem& word) {
    for (const auto& [code, text] : kTableTexts)
        if (code == word.value)
            return text;
    return word.text;
}

// The leading decimal digits of s as a number; none gives 0.
int LeadingNumber(std::string_view s) {
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n;
}

PickList BuildList(std::initializer_list<void (*)(PickList&)> fills) {
    PickList list;
    for (auto fill : fills)
        fill(list);
    return list;
}

} // namespace

std::string WordCodeText(int code) {
    RC_ASSERT(code >= 0 && code < kWordCodeCount);
    std::string text = std::to_string(code);
    return std::string(3 - text.size(), '0') + text;
}

PackedWord PackWordCode(int code) {
    RC_ASSERT(code >= 0 && code < kWordCodeCount);
    return {static_cast<std::uint8_t>(code / 100), static_cast<std::uint8_t>(code % 100)};
}

PackedWord PackWordCodeText(std::string_view s) {
    return {static_cast<std::uint8_t>(LeadingNumber(s.substr(0, 1))),
            static_cast<std::uint8_t>(LeadingNumber(s.substr(s.empty() ? 0 : 1, 2)))};
}

int WordKey(std::uint8_t byte0, std::uint8_t byte1) {
    return (byte0 & 15) * 256 + byte1;
}

int ReadWordKey(const ImageBytes& image, int offset) {
    return WordKey(image[offset], image[offset + 1]);
}

void WritePackedWord(ImageBytes& image, int offset, PackedWord w) {
    image[offset] = w.hundreds;
    image[offset + 1] = w.rest;
}

const std::vector<VoiceWordEntry>& VoiceWordTable() {
    static const std::vector<VoiceWordEntry> table = [] {
        std::vector<VoiceWordEntry> t;
        LoadVoiceWordTable(t);
        LoadVoiceSpecialWords(t);
        return t;
    }();
    return table;
}

std::string VoiceWordText(int key) {
    for (const VoiceWordEntry& entry : VoiceWordTable())
        if (entry.Key == key)
            return entry.Text;
    return "";
}

const PickList& VoiceWordList() {
    static const PickList list =
        BuildList({FillVoiceNumbers, FillVoiceWordsAtoM, FillVoiceWordsNtoZ, FillVoiceSounds});
    return list;
}

const PickList& CallLettersList() {
    static const PickList list = BuildList({FillCallLetters});
    return list;
}

const PickList& SpecialList() {
    static const PickList list = BuildList({FillSpecialList});
    return list;
}

void LoadVoiceWordTable(std::vector<VoiceWordEntry>& table) {
    PickList words;
    FillVoiceNumbers(words);
    FillVoiceWordsAtoM(words);
    FillVoiceWordsNtoZ(words);
    for (const PickItem& word : words) {
        AddEntry(table, word.value, TableText(word));
        if (word.value == kPatchCode)
            AddEntry(table, kPerCode, "Per");
    }
    for (const Sound& sound : Sounds())
        if (IsEarlySound(sound.code))
            AddEntry(table, sound.code, sound.table);
}

void LoadVoiceSpecialWords(std::vector<VoiceWordEntry>& table) {
    for (const Sound& sound : Sounds())
        if (!IsEarlySound(sound.code))
            AddEntry(table, sound.code, sound.table);
    for (const auto& [code, text] : kModelWords)
        AddEntry(table, code, text);
}

void FillVoiceNumbers(PickList& cboVoice) {
    for (int n = 0; n <= 20; ++n)
        cboVoice.push_back({std::to_string(n), n});
    for (int n = 30; n <= 90; n += 10)
        cboVoice.push_back({std::to_string(n), n});
}

void FillVoiceWordsAtoM(PickList& cboVoice) {
    AddWords(cboVoice, voice::WordsAtoM());
}

void FillVoiceWordsNtoZ(PickList& cboVoice) {
    AddWords(cboVoice, voice::WordsNtoZ());
}

void FillVoiceSounds(PickList& cboVoice) {
    for (const Sound& sound : Sounds())
        cboVoice.push_back({sound.listed, sound.code});
}

void FillCallLetters(PickList& cbocall) {
    for (int n = 0; n <= 9; ++n)
        cbocall.push_back({std::to_string(n), n});
    // Each letter speaks as the single-letter word that opens its block of the word list.
    PickList words;
    FillVoiceWordsAtoM(words);
    FillVoiceWordsNtoZ(words);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        for (const PickItem& word : words)
            if (word.text == std::string(1, letter)) {
                cbocall.push_back(word);
                break;
            }
}

void FillSpecialList(PickList& cboSpecial) {
    for (const Sound& sound : Sounds())
        cboSpecial.push_back({sound.special, sound.code});
}

std::string WordsText(const ImageBytes& image, int offset, int count) {
    std::string text;
    for (int j = 0; j < count; ++j)
        text += " " + VoiceWordText(ReadWordKey(image, offset + 2 * j));
    return text;
}

std::string TrimBlanks(std::string_view s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return "";
    std::size_t last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

} // namespace rc
