#pragma once

// The twenty macros: an access code of up to seven DTMF digits and ten command slots each, shown ten
// at a time (group 0: macros 1 to 10, group 1: macros 11 to 20).

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"

#include <array>
#include <cstdint>
#include <string>

namespace rc {

inline constexpr int kMacroGroupSize = 10;
inline constexpr int kMacroCommands = 10;
// The cells of a row: 0 is the access code, 1 to 10 the commands.
inline constexpr int kMacroCodeCell = 0;

// A stored byte as two hexadecimal digits: 0x08 gives "08", a byte that is not BCD such as 0x1A "1A".
std::string HexByteText(std::uint8_t byte);
// Where the function byte of command cell 1..10 lies within a macro's record.
int CommandByte(int cell);
// A stored command as the grid shows it: function then argument byte, "0000" when empty.
std::string CommandCellText(std::uint8_t function, std::uint8_t argument);

// Image offset of the first record of a group, and the record and number of a row of it.
int MacroPageStart(int group);
int MacroOffset(int group, int row);
int MacroNumber(int group, int row);

struct MacroRowText {
    std::string number;
    std::string code;                                 // empty: the macro is not defined
    std::array<std::string, kMacroCommands> commands; // all empty when the code is empty
};

// The ten rows of a group as the grid shows them.
std::array<MacroRowText, kMacroGroupSize> DisplayMacros(const ImageBytes& image, int group);

// Writes one cell of the record at `offset` from its text: the access code's count byte and seven
// digits, or the two bytes of one command. The rest of the record keeps its bytes.
void SaveMacro(ImageBytes& image, int offset, int cell, const std::string& text);

// A keypad result for a cell that was opened showing `opened`: nothing is written when it comes back
// unchanged (Cancel, or the same entry), so a stored byte the grid cannot show faithfully survives.
// Returns whether the image was written.
bool EditMacroCell(ImageBytes& image, int group, int row, int cell, const std::string& opened,
                   const std::string& entered);

// The keypad heading of a cell: "Macro Command #12" for the access code of macro 12.
std::string MacroCellHeading(int group, int row, int cell);

// The keypad for a cell: the access code takes the digits, A to C, * and # (at most 15 characters,
// seven stored); a command four digits or none.
KeyPadParams MacroCellKeyPad(int group, int row, int cell);

// The review of one macro: its access code and what each command does.
struct MacroReview {
    std::string title;   // "Macro 12 Review"
    std::string heading; // "Macro 12 Assigned Code"
    std::string code;    // "- NONE -" when the macro has no access code
    std::array<std::string, kMacroCommands> commands;
};
MacroReview ReviewMacro(const ImageBytes& image, int group, int row);

} // namespace rc
