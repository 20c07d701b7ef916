#include "image/image_bytes.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

TEST(ImageBytesDeathTest, IndexOutsideTheImageAborts) {
    ImageBytes image;
    EXPECT_DEATH(image[kImageSize] = 1, "internal error");
    EXPECT_DEATH((void)image[-1], "internal error");
    EXPECT_DEATH((void)image.Slice(8190, 3), "internal error");
}

} // namespace
} // namespace rc
