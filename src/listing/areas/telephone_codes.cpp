// The telephone numbers of the autopatch that are one keypad entry each: the unlock number, the
// pre-dial number, the area codes and the lockout numbers.

#include "editors/telephone_codes.h"
#include "editors/speed_dial.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

void ListUnlock(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    out.push_back({"", "Unlock Number", DisplayUnlock(image)});
}

Refusal EnterUnlock(ImageBytes& image, int, int, const std::string& value) {
    if (value.empty())
        return NoUnlockEntryMessage().text;
    if (auto refusal = KeyPad(UnlockKeyPad(), value))
        return refusal;
    SaveUnlock(image, value);
    return std::nullopt;
}

void ListPreDial(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    out.push_back({"", "Pre-Dial Number", PreDialText(image)});
}

Refusal EnterPreDial(ImageBytes& image, int, int, const std::string& value) {
    if (auto refusal = KeyPad(PreDialKeyPad(), value))
        return refusal;
    SavePreDial(image, value);
    return std::nullopt;
}

void ListAreaCodes(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    const auto codes = DisplayAreaCodes(image);
    for (std::size_t i = 0; i < codes.size(); ++i)
        out.push_back({"", AreaCodeHeading(static_cast<int>(i)), codes[i]});
}

Refusal EnterAreaCodes(ImageBytes& image, int, int index, const std::string& value) {
    if (auto refusal = KeyPad(AreaCodeKeyPad(index), value))
        return refusal;
    SaveAreaCodes(image, index, value);
    return std::nullopt;
}

void ListLockout(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < 2; ++group)
        for (const LockoutRow& row : DisplayLockout(image, group))
            out.push_back({"", Numbered("Lockout Number", std::stoi(row.lblNum)), row.text});
}

Refusal EnterLockout(ImageBytes& image, int, int index, const std::string& value) {
    const int group = index / kLockoutRows, row = index % kLockoutRows;
    if (auto refusal = KeyPad(LockoutKeyPad(group, row), value))
        return refusal;
    SaveLockout(image, group, row, value);
    return std::nullopt;
}

} // namespace

ListedArea UnlockArea() {
    return {"Unlock Number", {kUnlockCode}, ListUnlock, EnterUnlock};
}

ListedArea PreDialArea() {
    return {"Pre-Dial Number", {kPreDialNumber}, ListPreDial, EnterPreDial};
}

ListedArea AreaCodesArea() {
    return {"Area Code Numbers", {kAreaCodes.region()}, ListAreaCodes, EnterAreaCodes};
}

ListedArea LockoutArea() {
    return {"Telephone Lockout Numbers", {kLockoutNumbers.region()}, ListLockout, EnterLockout};
}

} // namespace rc::listing
