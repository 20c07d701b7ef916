#include "editors/macros.h"

#include "codecs/commands.h"
#include "codecs/dtmf.h"
#include "image/regions.h"

#include <cstdio>

namespace rc {

namespace {
constexpr int kCommandsStart = 8; // function and argument bytes of command k at 8 + 2(k - 1)
} // namespace

int CommandByte(int cell) {
    return kCommandsStart + 2 * (cell - 1);
}

namespace {} // namespace

std::string HexByteText(std::uint8_t byte) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(byte));
    return buf;
}

std::string CommandCellText(std::uint8_t function, std::uint8_t argument) {
    return HexByteText(function) + HexByteText(argument);
}

int MacroPageStart(int group) {
    return kMacros.at(group == 1 ? kMacroGroupSize : 0);
}

int MacroOffset(int group, int row) {
    return MacroPageStart(group) + kMacros.recordSize * row;
}

int MacroNumber(int group, int row) {
    return (group == 1 ? kMacroGroupSize : 0) + row + 1;
}

std::array<MacroRowText, kMacroGroupSize> DisplayMacros(const ImageBytes& image, int group) {
    std::array<MacroRowText, kMacroGroupSize> rows;
    for (int i = 0; i < kMacroGroupSize; ++i) {
        MacroRowText& row = rows[i];
        row.number = std::to_string(MacroNumber(group, i));
        const int at = MacroOffset(group, i);
        if (image[at] == 0)
            continue;
        row.code = CountedDigitsText(image, at, kMacroCodeDigits);
        for (int k = 1; k <= kMacroCommands; ++k)
            row.commands[k - 1] = CommandCellText(image[at + CommandByte(k)], image[at + CommandByte(k) + 1]);
    }
    return rows;
}

void SaveMacro(ImageBytes& image, int offset, int cell, const std::string& text) {
    if (cell == kMacroCodeCell) {
        WriteCountedDigits(image, offset, kMacroCodeDigits, text);
        return;
    }
    if (cell < 1 || cell > kMacroCommands)
        return;
    const CommandCode command = CommandFromText(text);
    image[offset + CommandByte(cell)] = command.function;
    image[offset + CommandByte(cell) + 1] = command.argument;
}

bool EditMacroCell(ImageBytes& image, int group, int row, int cell, const std::string& opened,
                   const std::string& entered) {
    if (entered == opened || row < 0 || row >= kMacroGroupSize)
        return false;
    SaveMacro(image, MacroOffset(group, row), cell, entered);
    return true;
}

std::string MacroCellHeading(int group, int row, int cell) {
    if (cell == kMacroCodeCell)
        return "Macro Command #" + std::to_string(MacroNumber(group, row));
    return "Macro Command";
}

KeyPadParams MacroCellKeyPad(int group, int row, int cell) {
    if (cell == kMacroCodeCell)
        return {3, kMacroCodeDigits, MacroCellHeading(group, row, cell), "", 4};
    return {1, 4, MacroCellHeading(group, row, cell), "", 1};
}

MacroReview ReviewMacro(const ImageBytes& image, int group, int row) {
    const std::string number = std::to_string(MacroNumber(group, row));
    const int at = MacroOffset(group, row);
    MacroReview review;
    review.title = "Macro " + number + " Review";
    review.heading = "Macro " + number + " Assigned Code";
    review.code = CountedDigitsText(image, at, kMacroCodeDigits);
    if (review.code.empty())
        review.code = "- NONE -";
    for (int k = 1; k <= kMacroCommands; ++k)
        review.commands[k - 1] = CommandText(image[at + CommandByte(k)], image[at + CommandByte(k) + 1]);
    return review;
}

} // namespace rc
