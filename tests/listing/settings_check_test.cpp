#include "listing/settings_check.h"

#include "editors/scheduler.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace rc::listing {
namespace {

using test::SampleImage;

std::vector<std::string> Named(const std::vector<SettingLine>& findings) {
    std::vector<std::string> names;
    for (const SettingLine& f : findings)
        names.push_back(f.area + " | " + f.item);
    return names;
}

void EditEvent1(ImageBytes& image, const std::function<void(SchedEntry&)>& edit) {
    const int at = SchedRecordOffset(0, 0);
    SchedEntry e = ReadSchedEntry(image, at);
    edit(e);
    WriteSchedEntry(image, at, e);
}

// A value at its limit is what a dialog can write; one step past it is not.
TEST(CheckSettings, NamesTheSettingsNoDialogCouldHaveWrittenAndNothingElse) {
    const int timeOut = Timers(kBaseCopy).at(0);
    struct Case {
        const char* what;
        std::function<void(ImageBytes&)> edit;
        std::vector<std::string> found;
    } cases[] = {
        {"the sample as shipped", [](ImageBytes&) {}, {}},
        {"time-out at 30:00", [&](ImageBytes& i) { i[timeOut] = 0x08, i[timeOut + 1] = 0x07; }, {}},
        {"time-out at 30:01",
         [&](ImageBytes& i) { i[timeOut] = 0x09, i[timeOut + 1] = 0x07; },
         {"Base Timers | Repeater Time-Out"}},
        {"event at 23:59 in December",
         [](ImageBytes& i) { EditEvent1(i, [](SchedEntry& e) { e.Hour = 0x23, e.Minute = 0x59; }); },
         {}},
        {"event at hour 24",
         [](ImageBytes& i) { EditEvent1(i, [](SchedEntry& e) { e.Hour = 0x24; }); },
         {"Scheduler | Event 01"}},
        {"event at minute 60",
         [](ImageBytes& i) { EditEvent1(i, [](SchedEntry& e) { e.Minute = 0x60; }); },
         {"Scheduler | Event 01"}},
        {"event hour not BCD",
         [](ImageBytes& i) { EditEvent1(i, [](SchedEntry& e) { e.Hour = 0x1A; }); },
         {"Scheduler | Event 01"}},
        {"message of 24 words",
         [](ImageBytes& i) { i[Messages(kBaseCopy).at(0)] = 24; },
         {"Base Voice Messages | Message 01"}},
        {"code digit that is no digit",
         [](ImageBytes& i) { i[Codes(kBaseCopy).at(0) + 1] = 0x75; },
         {"Base Codes | Control Operator Code"}},
    };
    for (const Case& c : cases) {
        ImageBytes image = SampleImage();
        c.edit(image);
        EXPECT_EQ(Named(CheckSettings(image)), c.found) << c.what;
    }
}

TEST(CheckSettings, ABlankImageIsOneFinding) {
    for (std::uint8_t fill : {0x00, 0xFF}) {
        ImageBytes image;
        std::fill(image.MutableBytes().begin(), image.MutableBytes().end(), fill);
        const std::vector<SettingLine> found = CheckSettings(image);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_NE(found[0].value.find("blank"), std::string::npos);
    }
}

// Any bytes at all: the check reads only the image (the sanitizer build watches) and whatever it
// finds, a random image is not mistaken for a sound one.
TEST(CheckSettings, RandomImages) {
    std::mt19937 rng(7);
    for (int n = 0; n < 50; ++n) {
        ImageBytes image;
        for (int i = 0; i < kImageSize; ++i)
            image[i] = static_cast<std::uint8_t>(rng() & (n % 2 ? 0xFF : 0x0F));
        EXPECT_FALSE(CheckSettings(image).empty()) << n;
    }
}

} // namespace
} // namespace rc::listing
