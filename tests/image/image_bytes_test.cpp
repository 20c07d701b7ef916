#include "image/image_bytes.h"
#include "image/regions.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

TEST(ImageBytesDeathTest, IndexOutsideTheImageAborts) {
    ImageBytes image;
    EXPECT_DEATH(image[kImageSize] = 1, "internal error");
    EXPECT_DEATH((void)image[-1], "internal error");
    EXPECT_DEATH((void)image.Slice(8190, 3), "internal error");
}

TEST(Regions, MemorySaveBlocksDoNotOverlapAndKeepTheirGaps) {
    for (int n = 1; n < kMemorySaveCount; ++n)
        EXPECT_EQ(MemorySave(n).end() + 8, MemorySave(n + 1).offset);
    // Each copy's areas sit inside its block.
    for (int copy = 1; copy <= kMemorySaveCount; ++copy) {
        Region block = MemorySave(copy);
        EXPECT_TRUE(block.contains(ZonesStart(copy)));
        EXPECT_TRUE(block.contains(Codes(copy).region().end() - 1));
        EXPECT_TRUE(block.contains(Timers(copy).region().end() - 1));
        EXPECT_EQ(Messages(copy).region().end(), block.end());
    }
}

} // namespace
} // namespace rc
