// Writes the bundled sample image, samples/Default.HR8, from the project's own encoders.
// Usage: make_sample OUTPUT
#include "codecs/dtmf.h"
#include "editors/codes.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "image/regions.h"

#include <cstdio>

namespace {

using namespace rc;

void Codes(ImageBytes& image, int copy) {
    std::array<std::string, 17> codes = {"123", "*1", "*2", "*3", "*4", "*5", "*", "#", "*7",
                                         "*8", "*9", "*0", "9A", "9B", "9C", "99", "98"};
    if (copy > 0)
        codes[0] = "12" + std::to_string(copy);
    SaveCodes(image, copy, codes);
}

void Timers(ImageBytes& image, int copy) {
    // seconds timers in seconds, tenths timers in tenths
    const char* values[16] = {"180", "900", "5", "8", "10", "15", "600", "300",
                              "300", "20", "180", "60", "30", "50", "120", "30"};
    for (int i = 0; i < 16; ++i) {
        std::string v = values[i];
        if (copy > 0 && !IsTenthsTimer(i))
            v = std::to_string(std::stoi(v) + 60 * copy);
        if (IsTenthsTimer(i))
            SaveTimerSec(image, GetPT(copy, i), v);
        else
            SaveTimerMin(image, GetPT(copy, i), v);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUTPUT\n");
        return 2;
    }
    ImageBytes image;
    image[kBaseZones.offset] = 0x01; // transmitter on, no CTCSS or DTMF access: no save alert
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        Codes(image, copy);
        Timers(image, copy);
        image[ZonesStart(copy)] = 0x01;
    }
    WriteResult w = WriteImageFile(argv[1], image);
    if (!w.ok) {
        std::fprintf(stderr, "make_sample: %s: %s\n", argv[1], w.reason.c_str());
        return 1;
    }
    return 0;
}
