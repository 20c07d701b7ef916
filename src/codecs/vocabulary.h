#pragma once

// The synthesizer's vocabulary. Every word has a code 000..999; the image stores a code as a packed
// word of two bytes (the hundreds digit, then code mod 100 as a plain number, not BCD), and the
// word key (hundreds digit * 256 + code mod 100) finds the word's display text in the word table.
//
// The table and the three pick lists of the word dialog are built once, on first use, by the
// start-up procedures below, and never change afterwards.

#include "image/image_bytes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rc {

inline constexpr int kWordCodeCount = 1000;

// A word code as the editor holds it in text: exactly three digits, "045".
std::string WordCodeText(int code);

struct PackedWord {
    std::uint8_t hundreds = 0; // only the low four bits are read back
    std::uint8_t rest = 0;     // 0..99
    bool operator==(const PackedWord&) const = default;
};

// The stored form of a code 0..999.
PackedWord PackWordCode(int code);
// The stored form of a three-digit code text: the first character's digit, then characters 2 and 3
// read as a decimal number. Anything that is not a digit reads as nothing, so the result stays
// within 0..9 and 0..99 whatever the text holds.
PackedWord PackWordCodeText(std::string_view s);

int WordKey(std::uint8_t byte0, std::uint8_t byte1);
inline int WordKey(PackedWord w) {
    return WordKey(w.hundreds, w.rest);
}
int ReadWordKey(const ImageBytes& image, int offset);
void WritePackedWord(ImageBytes& image, int offset, PackedWord w);

struct VoiceWordEntry {
    std::int16_t Key;
    std::string Text;
};

// The 526 entries, in the order the start-up procedures add them.
const std::vector<VoiceWordEntry>& VoiceWordTable();

// The text of the first table entry with this key, or "" when none has it.
std::string VoiceWordText(int key);

// One entry of a pick list: the text the combo box shows and its item value, the word code.
struct PickItem {
    std::string text;
    int value;
    bool operator==(const PickItem&) const = default;
};
using PickList = std::vector<PickItem>;

// The word dialog's lists: cboVoice ("All Words", 523), cbocall ("Call Letters", 36) and
// cboSpecial ("Special", 62), each in the order its items are added.
const PickList& VoiceWordList();
const PickList& CallLettersList();
const PickList& SpecialList();

// The start-up procedures, each appending its entries in order.
void LoadVoiceWordTable(std::vector<VoiceWordEntry>& table);    // numbers, words, 685, 960..982, 100..103
void LoadVoiceSpecialWords(std::vector<VoiceWordEntry>& table); // 111..125, 135, 140..155, 160..169, 998, 999
void FillVoiceNumbers(PickList& cboVoice);                      // "0".."20", "30".."90"
void FillVoiceWordsAtoM(PickList& cboVoice);                    // "A" (210) .. "Much" (612)
void FillVoiceWordsNtoZ(PickList& cboVoice);                    // "N" (620) .. "Zulu" (954)
void FillVoiceSounds(PickList& cboVoice);                       // the special list, tracks and tones with "#"
void FillCallLetters(PickList& cbocall);
void FillSpecialList(PickList& cboSpecial);

// `count` packed words from `offset`, each as one blank and its display text: " A Call". A word the
// table lacks adds only its blank. Callers that show a trimmed text trim it themselves.
std::string WordsText(const ImageBytes& image, int offset, int count);

// The text without leading and trailing blanks.
std::string TrimBlanks(std::string_view s);

} // namespace rc
