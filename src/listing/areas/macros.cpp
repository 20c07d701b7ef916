// The macros: each one's code and its commands, by the number the grid shows beside them.

#include "editors/macros.h"
#include "codecs/commands.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < 2; ++group) {
        const auto rows = DisplayMacros(image, group);
        for (int row = 0; row < kMacroGroupSize; ++row) {
            const MacroReview review = ReviewMacro(image, group, row);
            const std::string macro = Numbered("Macro", MacroNumber(group, row));
            out.push_back({"", macro + " Code", rows[static_cast<std::size_t>(row)].code});
            // The grid hides the commands of a macro without a code, yet they stay stored and a
            // code given later shows them again: they are listed with their digits all the same.
            const int at = MacroOffset(group, row);
            for (int k = 0; k < kMacroCommands; ++k)
                out.push_back({"", macro + " Command " + std::to_string(k + 1),
                               CommandWords(CommandCellText(image[at + CommandByte(k + 1)],
                                                            image[at + CommandByte(k + 1) + 1]),
                                            review.commands[static_cast<std::size_t>(k)])});
        }
    }
}

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
    const int macro = index / (1 + kMacroCommands), cell = index % (1 + kMacroCommands);
    const int group = macro / kMacroGroupSize, row = macro % kMacroGroupSize;
    const MacroRowText shown = DisplayMacros(image, group)[static_cast<std::size_t>(row)];
    const std::string opened =
        cell == kMacroCodeCell ? shown.code : shown.commands[static_cast<std::size_t>(cell - 1)];
    const std::string entry = cell == kMacroCodeCell ? value : CommandEntry(value);
    if (auto refusal = KeyPad(MacroCellKeyPad(group, row, cell), entry))
        return refusal;
    EditMacroCell(image, group, row, cell, opened, entry);
    return std::nullopt;
}

} // namespace

ListedArea MacrosArea() {
    return {"Macros", {kMacros.region()}, List, Enter, kBaseCopy, true};
}

} // namespace rc::listing
