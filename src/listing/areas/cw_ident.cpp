// The CW identification message: the characters the CW dialog offers, word spaces included.

#include "editors/cw_ident.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

#include <algorithm>

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    out.push_back({"", "CW Message", CwMessageText(image)});
}

Refusal Enter(ImageBytes& image, int, int, const std::string& value) {
    // The longest character text first, so "(AR)" is one character and not "(" and three more.
    static const std::vector<CwListEntry> characters = [] {
        std::vector<CwListEntry> list = FillCwList();
        std::stable_sort(list.begin(), list.end(), [](const CwListEntry& a, const CwListEntry& b) {
            return a.text.size() > b.text.size();
        });
        return list;
    }();
    CwBuilder builder;
    builder.Load(image);
    builder.Clear();
    for (std::size_t at = 0; at < value.size();) {
        const auto c = std::find_if(characters.begin(), characters.end(), [&](const CwListEntry& e) {
            return value.compare(at, e.text.size(), e.text) == 0;
        });
        if (c == characters.end())
            return "Error! \"" + value.substr(at, 1) + "\" is not a CW character";
        if (!builder.Pick(c->code))
            return "Error! At most " + std::to_string(kCwMaxChars) + " characters";
        at += c->text.size();
    }
    SaveCwMessage(image, builder);
    return std::nullopt;
}

} // namespace

ListedArea CwArea() {
    return {"CW Message", {kCwMessage}, List, Enter};
}

} // namespace rc::listing
