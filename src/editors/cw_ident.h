#pragma once

// The CW identification: a count byte and up to 31 Morse character codes. The message is never
// typed; it is rebuilt from the character list after the old one has been cleared.

#include "image/image_bytes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rc {

inline constexpr int kCwCharCount = 47; // codes 0..46
inline constexpr int kCwMaxChars = 31;  // the field ends where memory save #1 begins

// The text of a character code: "0".."9", "A".."Z", "/", "(AR)", " ", ... "(SK)"; empty above 46.
std::string CwCharText(int code);
// The Morse code of a character code as dots and dashes (".-" for "A", ".-.-." for "(AR)"), " " for
// the word space, empty above 46.
std::string CwCharMorse(int code);
// The text of the character code at an image offset.
std::string GetCwChar(const ImageBytes& image, int Index);

// The characters the controller can send, in code order, with their codes.
struct CwListEntry {
    std::string text;
    int code;
};
std::vector<CwListEntry> FillCwList();

// The stored count, limited to what the field holds.
int CwStoredCount(const ImageBytes& image);
// The stored message as shown: "(Empty)" when the count is 0. Only identification 1 exists; any
// other ID shows nothing.
std::string LoadCWIdent(const ImageBytes& image, int ID);
// The stored message as the report prints it: the characters joined, "" when there are none.
std::string CwMessageText(const ImageBytes& image);

// The message being built in the dialog: nothing is written unless the old one was cleared first.
struct CwBuilder {
    bool cleared = false;
    int count = 0;
    std::array<std::uint8_t, kCwMaxChars> buffer{};

    // A new showing: the stored message, not cleared.
    void Load(const ImageBytes& image);
    void Clear();
    // Appends a character; false (and no change) when the field is full or the code has no
    // character.
    bool Pick(int code);
    // The text of the characters picked so far.
    std::string Text() const;
};

// Writes the built message when it was cleared; otherwise leaves the image alone.
void SaveCwMessage(ImageBytes& image, const CwBuilder& builder);

} // namespace rc
