#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "editors/expanded_switches.h"
#include "editors/telephone_codes.h"
#include "editors/zones.h"
#include "image/regions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace rc {
namespace {

// Every byte different, so a write to the wrong place shows.
ImageBytes Patterned() {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return image;
}

// One edit and the bytes it must leave behind: `bytes` from `offset`, everything else untouched.
struct Edit {
    const char* what;
    std::function<void(ImageBytes&)> run;
    int offset;
    std::vector<int> bytes; // -1: this byte keeps its value
};

void ExpectEdit(const Edit& e) {
    ImageBytes image = Patterned();
    const ImageBytes before = image;
    e.run(image);
    for (int i = 0; i < kImageSize; ++i) {
        const int k = i - e.offset;
        const bool named = k >= 0 && k < static_cast<int>(e.bytes.size()) && e.bytes[k] >= 0;
        ASSERT_EQ(image[i], named ? e.bytes[k] : before[i]) << e.what << ": byte " << i;
    }
}

TEST(SettingsEdits, WriteOnlyTheirOwnBytes) {
    CwBuilder deAr;
    deAr.Clear();
    for (int code : {13, 14, 38, 37})
        deAr.Pick(code);
    const Edit edits[] = {
        {"tone 1 of row 3 to 700 Hz", [](ImageBytes& m) { SaveToneField(m, 2, 0, FreqOut("5")); }, 4608, {5}},
        {"gap 2 of row 1 to 450 ms", [](ImageBytes& m) { SaveToneField(m, 0, 5, DelayOut("9")); }, 4597, {9}},
        {"a text without an index stores 0", [](ImageBytes& m) { SaveToneField(m, 4, 3, ""); }, 4627, {0}},
        {"erasing row 8", [](ImageBytes& m) { EraseTone(m, 7); }, 4648, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"CW D E space (AR)", [&](ImageBytes& m) { SaveCwMessage(m, deAr); }, 1184, {4, 13, 14, 38, 37}},
        {"CW OK without Clear", [](ImageBytes& m) { SaveCwMessage(m, CwBuilder{}); }, 0, {}},
        {"memory save #3, zone 8 switch 8 only",
         [](ImageBytes& m) {
             ZoneChecks z{};
             z[7][7] = true;
             SaveGroup1(m, ZonesStart(3), z);
         },
         2400,
         {0, 0, 0, 0, 0, 0, 0, 0x80}},
        {"switch 10, bit 0",
         [](ImageBytes& m) { ToggleExpBit(m, 1, 1, 0); },
         4681,
         {(4681 * 37 + 11) % 256 ^ 1}},
        {"the same lamp twice",
         [](ImageBytes& m) { ToggleExpBit(m, 0, 4, 6), ToggleExpBit(m, 0, 4, 6); },
         0,
         {}},
        {"area code 1 = 345", [](ImageBytes& m) { SaveAreaCodes(m, 0, "345"); }, 3712, {3, 4, 5}},
        {"area code 20 = 010", [](ImageBytes& m) { SaveAreaCodes(m, 19, "010"); }, 3769, {10, 1, 10}},
        {"area code cleared", [](ImageBytes& m) { SaveAreaCodes(m, 4, ""); }, 3724, {0, 0, 0}},
        {"lockout entry 11, seven digits",
         [](ImageBytes& m) { SaveLockout(m, 1, 0, "5551234"); },
         3896,
         {7, 5, 5, 5, 1, 2, 3, 4, 0, 0, 0, 0}},
        {"lockout entry 10 with * and D",
         [](ImageBytes& m) { SaveLockout(m, 0, 9, "*D9"); },
         3884,
         {3, 11, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"unlock code", [](ImageBytes& m) { SaveUnlock(m, "12AB*#0"); }, 16, {7, 1, 2, 13, 14, 11, 12, 10}},
        {"cleared unlock code keeps the stored one", [](ImageBytes& m) { SaveUnlock(m, ""); }, 0, {}},
    };
    for (const Edit& e : edits)
        ExpectEdit(e);
}

TEST(CourtesyTones, ValueTables) {
    struct Case {
        int index;
        const char *freq, *time; // "" where the index has no text
    } cases[] = {{0, "0", "0"},  {1, "300", "50"}, {5, "700", "250"}, {8, "1000", "400"},
                 {9, "", "450"}, {12, "", ""},     {255, "", ""}};
    for (const Case& c : cases) {
        ImageBytes image;
        image[4600] = static_cast<std::uint8_t>(c.index);
        EXPECT_EQ(CFreq(image, 4600), c.freq) << c.index;
        EXPECT_EQ(CDly(image, 4600), c.time) << c.index;
        if (*c.freq) {
            EXPECT_EQ(FreqIn(c.freq), std::to_string(c.index));
            EXPECT_EQ(FreqOut(std::to_string(c.index)), c.freq);
            EXPECT_EQ(SaveTones(c.freq), c.index);
        }
        if (*c.time) {
            EXPECT_EQ(DelayIn(c.time), std::to_string(c.index));
            EXPECT_EQ(DelayOut(std::to_string(c.index)), c.time);
            EXPECT_EQ(SaveDelay(c.time), c.index);
        }
    }
    for (const char* foreign : {"", "9", "12", "x"}) {
        EXPECT_EQ(FreqOut(foreign), "") << foreign;
        EXPECT_EQ(SaveTones(foreign), 0) << foreign;
    }
    EXPECT_EQ(FreqIn("450"), "");
    EXPECT_EQ(DelayIn("1000"), "");
    EXPECT_EQ(SaveDelay("1000"), 0);
}

TEST(CourtesyTones, RowsShowEmptyWhileTone1IsOff) {
    ImageBytes image;
    const std::uint8_t row3[8] = {5, 2, 1, 8, 9, 12, 1, 4};
    for (int f = 0; f < 8; ++f) {
        image[4608 + f] = row3[f];
        image[4616 + f] = static_cast<std::uint8_t>(f == 0 ? 0 : 3); // row 4: tone 1 off
    }
    const auto rows = DisplayCTones(image);
    EXPECT_EQ(rows[2], (ToneRow{"700", "100", "50", "1000", "450", "", "300", "200"}));
    EXPECT_EQ(rows[3], ToneRow{});
    EXPECT_EQ(rows[0], ToneRow{});
    EXPECT_EQ(GetPT(7), 4648);
}

TEST(CwIdent, ShowsAtMostTheFieldAndBuildsAtMost31) {
    struct Case {
        int count;
        const char* shown;
    } cases[] = {
        {0, "(Empty)"},
        {3, "AB(SK)"},
        {40, "AB(SK)0123456789ABCDEFGHIJKLMNOPQR"}, // 31 characters, never memory save #1's bytes
    };
    for (const Case& c : cases) {
        ImageBytes image;
        image[1184] = static_cast<std::uint8_t>(c.count);
        const int codes[] = {10, 11, 46};
        for (int k = 0; k < 31; ++k)
            image[1185 + k] = static_cast<std::uint8_t>(k < 3 ? codes[k] : k - 3);
        image[1216] = 47; // no character
        EXPECT_EQ(LoadCWIdent(image, 1), c.shown) << c.count;
        EXPECT_EQ(LoadCWIdent(image, 2), "");
        CwBuilder b;
        b.Load(image);
        EXPECT_LE(b.count, 31);
    }
    CwBuilder b;
    EXPECT_FALSE(b.Pick(13)) << "picked before Clear";
    b.Clear();
    for (int k = 0; k < 31; ++k)
        EXPECT_TRUE(b.Pick(k % 47));
    EXPECT_FALSE(b.Pick(20));
    EXPECT_FALSE(b.Pick(47));
    EXPECT_EQ(b.count, 31);

    const auto list = FillCwList();
    ASSERT_EQ(list.size(), 47u);
    EXPECT_EQ(list[36].text, "/");
    EXPECT_EQ(list[37].text, "(AR)");
    EXPECT_EQ(list[38].text, " ");
    EXPECT_EQ(list[46].text, "(SK)");
    EXPECT_EQ(list[46].code, 46);
}

TEST(CwIdent, ShorterMessageLeavesTheOldTailUnshown) {
    ImageBytes image;
    CwBuilder b;
    b.Clear();
    for (int k = 0; k < 10; ++k)
        b.Pick(k);
    SaveCwMessage(image, b);
    b.Clear();
    for (int code : {13, 14, 38, 37})
        b.Pick(code);
    SaveCwMessage(image, b);
    EXPECT_EQ(LoadCWIdent(image, 1), "DE (AR)");
    EXPECT_EQ(image[1189], 4); // the old fifth character is still there, no longer counted
}

TEST(Zones, BitsCaptionsAndCopies) {
    ImageBytes image;
    image[24] = 0x07;
    const ZoneChecks z = DisplayGroup1(image, 24);
    EXPECT_EQ(z[0], (std::array<bool, 8>{true, true, true, false, false, false, false, false}));
    for (int k = 1; k < 8; ++k)
        EXPECT_EQ(z[k], (std::array<bool, 8>{})) << k;
    EXPECT_EQ(SetBitZ(z[0]), 0x07);
    EXPECT_EQ(GetBit(0x80, 7), 1);
    EXPECT_EQ(GetBit(0xFF, 8), 0);
    EXPECT_EQ(GetBit(0xFF, -1), 0);

    EXPECT_EQ(ZoneCaption(1, 0), "1.  Transmitter Enable");
    EXPECT_EQ(ZoneCaption(3, 4), "5.  Digital Recorder Enable ");
    EXPECT_EQ(ZoneCaption(6, 4), "4.  Remote Base Macro Enable");
    EXPECT_EQ(ZoneCaption(8, 7), "8.  Expanded DVR User Function Switch 8");
    EXPECT_EQ(ZoneCaption(9, 0), "");
    EXPECT_EQ(ZonesCaption(24), "Base Zones");
    EXPECT_EQ(ZonesCaption(1808), "Zone Channels For Memory #2");
    EXPECT_EQ(ZonesCaption(2992), "Zone Channels For Memory #4");
}

TEST(ExpandedSwitches, GroupsAndLamps) {
    ImageBytes image;
    image[4674] = 0x81; // switch 3
    const ExpGroup g0 = DisplayExp(image, 0), g1 = DisplayExp(image, 1);
    EXPECT_EQ(g0.firstOffset, 4672);
    EXPECT_EQ(g0.firstNumber, 1);
    EXPECT_EQ(g1.firstOffset, 4680);
    EXPECT_EQ(g1.firstNumber, 9);
    EXPECT_EQ(DisExpLine(g0.bytes[2]),
              (std::array<bool, 8>{true, false, false, false, false, false, false, true}));
    EXPECT_EQ(ToggleExpBit(image, 1, 1, 0), 0x01);
    EXPECT_EQ(DisplayExp(image, 1).bytes[1], 0x01);
}

TEST(TelephoneCodes, ShownTexts) {
    ImageBytes image;
    const std::uint8_t area[] = {10, 1, 10, 0, 5, 5, 3, 12, 0};
    for (int j = 0; j < 9; ++j)
        image[3712 + j] = area[j];
    const auto codes = DisplayAreaCodes(image);
    EXPECT_EQ(codes[0], "010");
    EXPECT_EQ(codes[1], ""); // first byte 0: no area code
    EXPECT_EQ(codes[2], "300");
    EXPECT_EQ(AreaCodeHeading(19), "Area Code 20");

    image[3896] = 14; // a length past the entry shows eleven characters
    for (int k = 1; k <= 11; ++k)
        image[3896 + k] = static_cast<std::uint8_t>(k % 12);
    const auto rows = DisplayLockout(image, 1);
    EXPECT_EQ(rows[0].lblNum, " 11");
    EXPECT_EQ(rows[0].text, "1234567890*");
    EXPECT_EQ(rows[9].lblNum, " 20");
    EXPECT_EQ(LockoutPT(1, 9), 3896 + 108);
    EXPECT_EQ(LockoutHeading(0, 2), "Lock Out Number 3");
    image[3776] = 2; // stored code 0 is a D
    EXPECT_EQ(DisplayLockout(image, 0)[0].text, "DD");

    EXPECT_EQ(DisplayUnlock(image), "");
    SaveUnlock(image, "1234567");
    EXPECT_EQ(DisplayUnlock(image), "1234567");
}

} // namespace
} // namespace rc
