#include "edit_expect.h"
#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "editors/telephone_codes.h"
#include "image/regions.h"

namespace rc {
namespace {

// The rows these values make are heard and measured by the sound tests.
TEST(CourtesyTones, ValueTables) {
    // index, frequency text, time text ("" where the index has none)
    const std::tuple<int, const char*, const char*> values[] = {
        {0, "0", "0"}, {1, "300", "50"}, {8, "1000", "400"}, {9, "", "450"}, {12, "", ""}};
    ImageBytes image;
    for (auto [index, freq, time] : values) {
        image[4600] = static_cast<std::uint8_t>(index);
        EXPECT_EQ(CFreq(image, 4600), freq) << index;
        EXPECT_EQ(CDly(image, 4600), time) << index;
        EXPECT_EQ(FreqIn(freq), *freq ? std::to_string(index) : "");
        EXPECT_EQ(DelayOut(DelayIn(time)), time);
        EXPECT_EQ(SaveTones(freq), *freq ? index : 0) << index;
        EXPECT_EQ(SaveDelay(time), *time ? index : 0) << index;
    }
    EXPECT_EQ(FreqOut("9"), "");
}

TEST(CwIdent, NeverMoreThanTheField) {
    ImageBytes image;
    testing::Put(image, 1185, {10, 37, 46});
    image[1216] = 12; // memory save #1's first byte: never a character of the message
    const std::pair<int, std::string> shown[] = {
        {0, "(Empty)"}, {3, "A(AR)(SK)"}, {200, "A(AR)(SK)" + std::string(28, '0')}};
    for (const auto& [count, text] : shown) {
        image[1184] = static_cast<std::uint8_t>(count);
        EXPECT_EQ(LoadCWIdent(image, 1), text) << count;
    }
    EXPECT_FALSE(CwBuilder{}.Pick(13)) << "a pick before Clear";
    const ImageBytes before = image;
    SaveCwMessage(image, CwBuilder{}); // OK without Clear
    EXPECT_TRUE(image == before);

    // A shorter message leaves the old tail behind, no longer counted.
    CwBuilder built;
    built.Clear();
    for (int code : {13, 14, 38})
        built.Pick(code);
    SaveCwMessage(image, built);
    EXPECT_EQ(LoadCWIdent(image, 1), "DE ");
    EXPECT_EQ(image[1188], 0);
}

TEST(TelephoneCodes, ShownTexts) {
    ImageBytes image;
    testing::Put(image, 3712, {10, 1, 10, 0, 5, 5, 3, 12, 0});
    const auto codes = DisplayAreaCodes(image);
    EXPECT_EQ(codes[0] + "|" + codes[1] + "|" + codes[2], "010||300");

    image[3896] = 14; // a length past the entry shows eleven characters
    for (int k = 1; k <= 11; ++k)
        image[3896 + k] = static_cast<std::uint8_t>(k % 12);
    const auto rows = DisplayLockout(image, 1);
    EXPECT_EQ(rows[0].lblNum + rows[0].text, " 111234567890*");
    EXPECT_EQ(rows[9].lblNum, " 20"); // a stored 0 shows as D: the lockout dialog's cases
}

} // namespace
} // namespace rc
