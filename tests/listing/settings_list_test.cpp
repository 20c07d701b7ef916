#include "listing/settings_list.h"

#include "image/image_file.h"
#include "image/regions.h"
#include "print/listing_cli.h"
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

TEST(SettingsListCommand, ExitStatusAndRefusedFiles) {
    test::TempFolder folder;
    const std::filesystem::path& dir = folder.path();
    ImageBytes image = SampleImage();
    const std::string a = (dir / "a.HR8").string(), b = (dir / "b.HR8").string(),
                      bad = (dir / "c.txt").string();
    ASSERT_TRUE(WriteImageFile(a, image).ok);
    image.MutableBytes()[3] ^= 0x10; // unnamed: no setting differs, the files still do
    ASSERT_TRUE(WriteImageFile(b, image).ok);
    ASSERT_TRUE(WriteImageFile(bad, image).ok);
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"--diff", a, a}, 0},
        {{"--diff", a, b}, 1},
        {{"--diff", a, bad}, 2},
        {{"--diff", a}, 2},
        {{"--export", a}, 0},
        {{"--export", "--format", "xml", a}, 2},
        {{"--export", (dir / "none.HR8").string()}, 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"rcedit"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::ostringstream out, err;
        EXPECT_EQ(print::RunListingCommand(args, out, err), c.status) << c.args[0] << " " << c.args.back();
    }
}

} // namespace
} // namespace rc::listing
