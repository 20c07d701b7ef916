#include "listing/settings_list.h"

#include "image/image_file.h"
#include "image/regions.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace rc::listing {
namespace {

using test::SampleImage;

TEST(SettingsList, BytesNoSettingShowsAreNeverInvisible) {
    ImageBytes before = SampleImage();
    before.MutableBytes()[5] = 0;
    ImageBytes after = before;
    after.MutableBytes()[5] = 0x7F;                   // named by no setting
    after.MutableBytes()[TimersStart(0) + 1] |= 0x80; // a timer bit the dialog ignores
    const std::vector<SettingLine> listing = ListSettings(after);
    EXPECT_NE(std::find(listing.begin(), listing.end(), SettingLine{kUnnamedArea, "0x0005", "7F"}),
              listing.end());

    const std::vector<SettingChange> changes = DiffSettings(before, after);
    ASSERT_EQ(changes.size(), 2u) << ChangesText(changes);
    EXPECT_EQ(changes[0].area, "Base Timers");
    EXPECT_EQ(changes[0].item, "bits no setting shows at 0x00B9");
    EXPECT_EQ(ChangesText({changes[1]}), "Unnamed bytes | 0x0005 | 00 -> 7F\n");
}

TEST(SettingsList, EveryAreaListsItsItemsWhateverTheBytes) {
    // The same items in the same order for any image, so two listings line up.
    ImageBytes ones;
    std::fill(ones.MutableBytes().begin(), ones.MutableBytes().end(), 0xFF);
    auto settings = [](std::vector<SettingLine> lines) {
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [](const SettingLine& l) { return l.item.rfind("0x", 0) == 0; }),
                    lines.end());
        return lines;
    };
    const auto zero = settings(ListSettings(ImageBytes{}));
    const auto full = settings(ListSettings(ones));
    ASSERT_EQ(zero.size(), full.size());
    for (std::size_t i = 0; i < zero.size(); ++i)
        EXPECT_EQ(zero[i].area + zero[i].item, full[i].area + full[i].item) << i;
}

} // namespace
} // namespace rc::listing
