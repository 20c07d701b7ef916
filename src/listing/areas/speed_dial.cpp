// The user and emergency speed dials: each entry's number and its spoken identification.

#include "editors/speed_dial.h"
#include "codecs/vocabulary.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

namespace rc::listing {

namespace {

// Entries by the number their dialog shows beside them. The identification is listed as stored: the
// dialog hides it while the number is empty, yet clearing the number keeps it.
template <std::size_t N, typename RecordAt>
void ListRows(const ImageBytes& image, const std::array<SpeedDialRow, N>& rows, RecordAt at,
              std::vector<SettingLine>& out) {
    for (std::size_t i = 0; i < N; ++i) {
        out.push_back({"", "Entry " + rows[i].pos + " Number", rows[i].number});
        out.push_back({"", "Entry " + rows[i].pos + " Identification",
                       TrimBlanks(TelIdText(image, at(static_cast<int>(i))))});
    }
}

// Even lines are an entry's number, odd ones its identification.
Refusal EnterRow(ImageBytes& image, int PT, int index, const std::string& heading, const std::string& value) {
    if (index % 2 == 0) {
        if (auto refusal = KeyPad(TelNumberKeyPad(heading), value))
            return refusal;
        SaveTelNum(image, PT, value);
        return std::nullopt;
    }
    VoiceContract voice;
    if (auto refusal = BuildWords(VoiceForTelId(TelIdText(image, PT)), value, voice))
        return refusal;
    SaveTelIdAt(image, PT, voice);
    return std::nullopt;
}

void ListUser(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int group = 0; group < kSpeedDialGroups; ++group) {
        SpeedDialGroup page{group};
        ListRows(
            image, DisplaySD(image, page), [&](int row) { return page.GetPT(row); }, out);
    }
}

Refusal EnterUser(ImageBytes& image, int, int index, const std::string& value) {
    const int entry = index / 2;
    SpeedDialGroup page{entry / kSpeedDialRows};
    return EnterRow(image, page.GetPT(entry % kSpeedDialRows), index, SpeedNumberHeading(entry), value);
}

void ListEmergency(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    ListRows(
        image, DisplayEMSD(image), [](int row) { return kEmergencySpeedDial.at(row); }, out);
}

Refusal EnterEmergency(ImageBytes& image, int, int index, const std::string& value) {
    const int entry = index / 2;
    return EnterRow(image, kEmergencySpeedDial.at(entry), index, EmergencyNumberHeading(entry), value);
}

} // namespace

ListedArea UserSpeedDialArea() {
    return {"User Speed Dial", {kUserSpeedDial.region()}, ListUser, EnterUser};
}

ListedArea EmergencySpeedDialArea() {
    return {"Emergency Speed Dial", {kEmergencySpeedDial.region()}, ListEmergency, EnterEmergency};
}

} // namespace rc::listing
