#pragma once

// The autopatch's telephone numbers: 100 user speed dial entries shown ten at a time, 5 emergency
// entries, each a number of up to 11 dialled digits with pauses and a spoken identification of up
// to 8 words, and the pre-dial number dialled before them.

#include "codecs/keypad_logic.h"
#include "codecs/word_dialog.h"
#include "image/image_bytes.h"

#include <array>
#include <string>
#include <string_view>

namespace rc {

inline constexpr int kSpeedDialDigits = 11;
inline constexpr int kTelIdMaxWords = 8;
inline constexpr int kSpeedDialGroups = 10;
inline constexpr int kSpeedDialRows = 10;
inline constexpr int kPreDialDigits = 7;

inline constexpr const char* kSpeedCaption = "Halden R8 User Speed Dial Numbers";
inline constexpr const char* kEmerCaption = "Halden R8 Emergency Speed Dial Numbers";
inline constexpr const char* kPreDialCaption = "Halden R8 Telephone Pre-Dial Number";

// The group of ten user entries a page shows.
struct SpeedDialGroup {
    int group = 0;      // 0..9
    int firstEntry = 0; // group * 10, set by GetPT
    // Image offset of row Loc (0..9) of the group; 0 for a group outside 0..9.
    int GetPT(int Loc);
};

// The number text of the entry at PT: digits, "*", "#", and one "," before a digit that follows a
// pause (however many). Empty when the length byte is 0 or 12 and more.
std::string DisplayAPNum(const ImageBytes& image, int PT);
// The characters of STR other than ",".
int CalcLength(std::string_view STR);
// Writes the number STR to the entry at PT: the length byte and digit bytes 1 to 10 rewritten, the
// pauses riding in the high nibble of the digit after them. A text with more than 11 digits keeps
// its first 11, so the identification after the digits is never reached.
void SaveTelNum(ImageBytes& image, int PT, std::string_view STR);

// The identification text of the entry at PT: " " + name for each word. A word count above 8
// cannot be an identification and shows as none.
std::string TelIdText(const ImageBytes& image, int PT);
// Writes the identification the word dialog built into the entry at PT (word count and the new
// words only); nothing when it built none or the one already stored.
void SaveTelIdAt(ImageBytes& image, int PT, const VoiceContract& voice);
void SaveTelID(ImageBytes& image, SpeedDialGroup& page, int Index, const VoiceContract& voice);
void SaveEMTelID(ImageBytes& image, int Index, const VoiceContract& voice);
// What the word dialog is opened with for an identification showing `text`; its heading keeps the
// message number it showed last.
VoiceContract VoiceForTelId(const std::string& text);

struct SpeedDialRow {
    std::string pos; // the entry number shown
    std::string number;
    std::string id;
};
// The ten rows of the group: a row whose length byte is 0 or 12 and more shows neither number nor
// identification.
std::array<SpeedDialRow, kSpeedDialRows> DisplaySD(const ImageBytes& image, SpeedDialGroup& page);
// The five emergency rows: the identification shows even when the number does not.
std::array<SpeedDialRow, 5> DisplayEMSD(const ImageBytes& image);

// "Telephone Number 42", "Emergency Number 3".
std::string SpeedNumberHeading(int entry);
std::string EmergencyNumberHeading(int entry);

// The keypads for a telephone number under `heading` and for the pre-dial number: digits, * and #,
// and the delay key for a pause.
KeyPadParams TelNumberKeyPad(const std::string& heading);
KeyPadParams PreDialKeyPad();

// The pre-dial number as shown, and its save: the character count (a "," counts, stored as 0) and
// seven digit bytes, zero past the text.
std::string PreDialText(const ImageBytes& image);
void SavePreDial(ImageBytes& image, std::string_view text);

} // namespace rc
