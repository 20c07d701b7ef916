// What the bundled sample must be beyond its values (those are pinned by the report and listing
// snapshots in tests/snapshot): saved without an alert, and zero wherever no dialog reaches.
#include "editors/codes.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "image/regions.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST_F(SampleImage, BytesNoDialogOwnsStayZero) {
    std::vector<bool> owned(kImageSize, false);
    auto own = [&](int offset, int length) {
        for (int k = offset; k < offset + length; ++k)
            owned[static_cast<std::size_t>(k)] = true;
    };
    own(kUnlockCode.offset, kUnlockCode.length);
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        own(ZonesStart(copy), kZoneCount);
        own(CodesStart(copy), kCodeCount * kCodeRecordSize);
        own(TimersStart(copy), kTimerCount * kTimerSize);
        for (int m = 0; m < MessageCount(copy); ++m)
            own(Messages(copy).at(m), kMessageRecordSize - 1);
    }
    for (const Region& r :
         {kCwMessage, kAreaCodes.region(), kLockoutNumbers.region(), kStatistics, Region{kOptionFlags, 1},
          kMacros.region(), kCourtesyTones.region(), kHardwareInputs.region(), kExpandedSwitches.region(),
          kPreDialNumber, kScheduler.region()})
        own(r.offset, r.length);
    for (const RecordTable& t : {kEmergencySpeedDial, kUserSpeedDial})
        for (int n = 0; n < t.count; ++n)
            own(t.at(n), t.recordSize - 1);

    for (int k = 0; k < kImageSize; ++k)
        EXPECT_TRUE(owned[static_cast<std::size_t>(k)] || image[k] == 0)
            << "byte " << k << " is " << int(image[k]);
}

} // namespace
} // namespace rc
