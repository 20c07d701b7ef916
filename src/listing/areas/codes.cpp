// The codes of the base settings and of each memory save: one keypad entry per code.

#include "editors/codes.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int copy, std::vector<SettingLine>& out) {
    const auto codes = DisplayCodes(image, copy);
    for (int i = 0; i < kCodeCount; ++i)
        out.push_back({"", CodeRowLabel(i), codes[static_cast<std::size_t>(i)]});
}

Refusal Enter(ImageBytes& image, int copy, int index, const std::string& value) {
    if (auto refusal = KeyPad(CodeKeyPad(index), value))
        return refusal;
    SaveCode(image, copy, index, value);
    return std::nullopt;
}

} // namespace

std::vector<ListedArea> CodesAreas() {
    return EveryCopy(
        "Codes", [](int copy) { return std::vector{Codes(copy).region()}; }, List, Enter);
}

} // namespace rc::listing
