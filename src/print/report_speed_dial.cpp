#include "editors/speed_dial.h"
#include "image/regions.h"
#include "print/reports.h"

namespace rc::print {

namespace {

constexpr int kEntriesPerPage = 20;

// The identification prints even without a number; a word count that cannot fit in the entry
// prints none rather than the next entry's bytes.
void SpeedDialRow(DocumentBuilder& b, const ImageBytes& image, int entry, int PT) {
    b.Row({{8, Number(entry)},
           {15, image[PT] != 0 ? DisplayAPNum(image, PT) : ""},
           {32, TelIdText(image, PT)}});
}

} // namespace

void PSpeedDial(DocumentBuilder& b, const ImageBytes& image, int page) {
    for (int i = 0; i < kEntriesPerPage; ++i) {
        const int entry = kEntriesPerPage * page + i;
        if (entry >= 0 && entry < kUserSpeedDial.count)
            SpeedDialRow(b, image, entry, kUserSpeedDial.at(entry));
    }
}

void PSpeedDialE(DocumentBuilder& b, const ImageBytes& image) {
    for (int i = 0; i < kEmergencySpeedDial.count; ++i)
        SpeedDialRow(b, image, i, kEmergencySpeedDial.at(i));
}

} // namespace rc::print
