// What the bundled sample must be beyond its values (those are pinned by the report and listing
// snapshots in tests/snapshot): saved without an alert, and zero wherever no dialog reaches.
#include "editors/codes.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "listing/settings_list.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

class SampleImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ReadResult r = ReadImageFile(RC_SOURCE_DIR "/samples/Default.HR8", image);
        ASSERT_EQ(r.error, OpenError::None) << r.reason;
    }
    static ImageBytes image;
};
ImageBytes SampleImage::image;

TEST_F(SampleImage, SavingRaisesNoAlert) {
    EXPECT_FALSE(CheckClosure(image).has_value());
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        EXPECT_EQ(image[ZonesStart(copy)] & 0x07, 0x01) << "memory save " << copy;
}

// Every byte outside the settings is zero (the sample's listing holds no unnamed bytes), and so is
// the last byte of each speed dial entry.
TEST_F(SampleImage, BytesNoDialogOwnsStayZero) {
    for (const listing::SettingLine& line : listing::ListSettings(image))
        EXPECT_NE(line.area, listing::kUnnamedArea) << line.item << " = " << line.value;
    for (const RecordTable& t : {kEmergencySpeedDial, kUserSpeedDial})
        for (int n = 0; n < t.count; ++n)
            EXPECT_EQ(image[t.at(n) + t.recordSize - 1], 0) << t.at(n);
}

} // namespace
} // namespace rc
