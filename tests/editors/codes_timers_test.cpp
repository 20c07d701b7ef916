#include "editors/codes.h"
#include "editors/timers.h"
#include "image/regions.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

// Every byte outside [from, to) must be as before.
void ExpectOnlyChanged(const ImageBytes& before, const ImageBytes& after, int from, int to) {
    for (int i = 0; i < kImageSize; ++i) {
        if (i < from || i >= to) {
            ASSERT_EQ(before[i], after[i]) << "byte " << i << " changed outside " << from << ".." << to - 1;
        }
    }
}

TEST(Codes, EachCopyReadsAndWritesItsOwnSet) {
    struct Case {
        int copy;
        int start;
        const char* caption;
    } cases[] = {
        {0, 32, "Halden R8 Repeater Base Codes"},    {1, 1224, "Halden R8 Memory Save #1 Codes"},
        {2, 1816, "Halden R8 Memory Save #2 Codes"}, {3, 2408, "Halden R8 Memory Save #3 Codes"},
        {4, 3000, "Halden R8 Memory Save #4 Codes"},
    };
    for (const Case& c : cases) {
        ImageBytes image;
        for (int i = 0; i < kImageSize; ++i)
            image[i] = static_cast<std::uint8_t>(i * 7 % 5); // small counts everywhere
        ImageBytes before = image;
        auto codes = DisplayCodes(image, c.copy);
        codes[16] = "*#0";
        SaveCodes(image, c.copy, codes);
        EXPECT_EQ(CodesCaption(c.copy), c.caption);
        EXPECT_EQ(image[c.start + 128], 3);
        EXPECT_EQ(image[c.start + 129], 11);
        EXPECT_EQ(image[c.start + 131], 10);
        ExpectOnlyChanged(before, image, c.start, c.start + 136);
        EXPECT_EQ(DisplayCodes(image, c.copy)[16], "*#0");
    }
}

TEST(Codes, NamesAndLabels) {
    EXPECT_EQ(CodeName(0), "Control Op Prefix");
    EXPECT_EQ(CodeName(16), "Voice Demo Number");
    EXPECT_EQ(CodeName(17), "");
    EXPECT_EQ(CodeName(-1), "");
    EXPECT_EQ(CodeRowLabel(8), "User Speed Dial Prefix Number");
}

TEST(Timers, DecodeAndShow) {
    struct Case {
        int timer;
        std::uint8_t lo, hi;
        const char* shown;
    } cases[] = {
        {0, 0x08, 0x07, "30:00"}, {0, 0x08, 0xFF, "30:00"}, // upper five bits ignored
        {0, 90, 0, "01:30"},      {1, 0xFF, 0x07, "34:07"}, // 2047, shown though not enterable
        {2, 0, 0, "0.0"},         {2, 25, 0, "2.5"},        {9, 99, 0, "9.9"}, {13, 5, 0, "0.5"},
    };
    for (const Case& c : cases) {
        ImageBytes image;
        image[GetPT(0, c.timer)] = c.lo;
        image[GetPT(0, c.timer) + 1] = c.hi;
        EXPECT_EQ(DisplayTimers(image, 0)[c.timer], c.shown);
    }
}

TEST(Timers, EntryFromCaptionRoundTrips) {
    EXPECT_EQ(TimerEntryFromCaption(2, "2.5"), "25");
    EXPECT_EQ(TimerEntryFromCaption(2, "0.0"), "0");
    EXPECT_EQ(TimerEntryFromCaption(0, "01:30"), "90");
    EXPECT_EQ(TimerEntryFromCaption(0, "30:00"), "1800");
    EXPECT_EQ(TimerEntryFromCaption(0, "34:07"), "2047");
}

TEST(Timers, SaveWritesTwoBytesOfItsCopyOnly) {
    struct Case {
        int copy;
        int timer;
        const char* entry;
        int lo, hi; // -1: unchanged
    } cases[] = {
        {0, 0, "1800", 0x08, 0x07}, {0, 0, "90", 90, 0},    {0, 0, "", 0, 0},        {0, 2, "5", 5, 0},
        {0, 2, "", 0, 0},           {0, 2, "100", -1, -1},  {3, 15, "256", 0, 1},    {4, 13, "99", 99, 0},
        {1, 6, "2047", 0xFF, 0x07}, {1, 6, "2048", -1, -1}, {2, 1, "99999", -1, -1}, {0, 9, "0", 0, 0},
    };
    for (const Case& c : cases) {
        ImageBytes image;
        int pt = GetPT(c.copy, c.timer);
        image[pt] = 0x33;
        image[pt + 1] = 0xF8;
        ImageBytes before = image;
        if (IsTenthsTimer(c.timer))
            SaveTimerSec(image, pt, c.entry);
        else
            SaveTimerMin(image, pt, c.entry);
        EXPECT_EQ(image[pt], c.lo < 0 ? 0x33 : c.lo) << c.entry;
        EXPECT_EQ(image[pt + 1], c.hi < 0 ? 0xF8 : c.hi) << c.entry;
        ExpectOnlyChanged(before, image, pt, pt + 2);
    }
}

TEST(Timers, SetStartsAndCaptions) {
    EXPECT_EQ(GetPT(0, 0), 184);
    EXPECT_EQ(GetPT(1, 0), 1376);
    EXPECT_EQ(GetPT(4, 15), 3152 + 30);
    EXPECT_EQ(TimersCaption(0), "Halden R8 Repeater Base Timers");
    EXPECT_EQ(TimersCaption(2), "Halden R8 Memory Save #2 Timers");
    EXPECT_EQ(TimerName(9), "Voice Delay.");
    EXPECT_EQ(TimerName(16), "");
}

} // namespace
} // namespace rc
