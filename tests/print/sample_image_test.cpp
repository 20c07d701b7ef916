// The bundled sample, read back field by field, so that a layout slip in its generator shows up as a
// wrong value here rather than as a strange row in a report.
#include "codecs/dtmf.h"
#include "editors/codes.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "image/regions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
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

int WordCode(const ImageBytes& image, int at) {
    return (image[at] & 15) * 100 + image[at + 1];
}

std::vector<int> Words(const ImageBytes& image, int countAt) {
    std::vector<int> words;
    for (int j = 0; j < image[countAt]; ++j)
        words.push_back(WordCode(image, countAt + 1 + 2 * j));
    return words;
}

std::vector<int> Bytes(const ImageBytes& image, int at, int n) {
    std::vector<int> bytes;
    for (int k = 0; k < n; ++k)
        bytes.push_back(image[at + k]);
    return bytes;
}

// A speed dial number as the dialog shows it: one "," for any pauses before a digit.
std::string DialText(const ImageBytes& image, int entry) {
    std::string text;
    for (int k = 1; k <= image[entry] && k <= 11; ++k) {
        if (image[entry + k] > 15)
            text += ',';
        text += DigitChar(image[entry + k]);
    }
    return text;
}

TEST_F(SampleImage, CountedDigitFields) {
    struct Case {
        const char* what;
        int offset, capacity;
        const char* text;
    } cases[] = {
        {"unlock code", kUnlockCode.offset, 7, "2468135"},
        {"pre-dial", kPreDialNumber.offset, 7, "*70"},
        {"macro 1 code", kMacros.at(0), kMacroCodeDigits, "7001"},
        {"macro 14 is not defined", kMacros.at(13), kMacroCodeDigits, ""},
        {"lockout 1", kLockoutNumbers.at(0), kLockoutDigits, "900"},
        {"lockout 11", 3896, kLockoutDigits, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountedDigitsText(image, c.offset, c.capacity), c.text) << c.what;
}

TEST_F(SampleImage, CodesAndTimersOfEveryCopy) {
    const char* operatorPrefix[] = {"123", "121", "122", "123", "124"};
    const char* timeOut[] = {"03:00", "04:00", "05:00", "06:00", "07:00"};
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        EXPECT_EQ(DisplayCodes(image, copy)[0], operatorPrefix[copy]) << copy;
        EXPECT_EQ(DisplayCodes(image, copy)[7], "#") << copy;
        auto timers = DisplayTimers(image, copy);
        EXPECT_EQ(timers[0], timeOut[copy]) << copy;
        EXPECT_EQ(timers[2], "0.5") << copy;
    }
}

TEST_F(SampleImage, VoiceMessagesSpeakTheCallSign) {
    const std::vector<int> id = {834, 620, 0, 770, 580, 680, 746}; // This-is N 0 S M P Repeater
    struct Case {
        const char* what;
        int record;
        std::vector<int> words;
    } cases[] = {
        {"base 1", 224, id},
        {"base 19", 224 + 48 * 18, {964, 830, 838, 482, 100}},
        {"base 20 is empty", 224 + 48 * 19, {}},
        {"memory save 1, 1", 1416, {834, 620, 0, 770, 580, 680, 746, 623}},
        {"memory save 3, 8", 2600 + 48 * 7, {620, 0, 770, 580, 680}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Words(image, c.record), c.words) << c.what;
}

TEST_F(SampleImage, CommandsAndSchedulerEvents) {
    struct Case {
        const char* what;
        int offset;
        std::vector<int> bytes;
    } cases[] = {
        {"macro 1 commands", kMacros.at(0) + 8, {0x59, 0x01, 0x31, 0x01, 0x00, 0x00}},
        {"macro 10 speaks N 0", kMacros.at(9) + 8, {0x96, 0x20, 0x90, 0x00}},
        {"event 1 daily 08:00", kScheduler.at(0), {0xFF, 0, 0, 0x08, 0x00, 0x58, 0x03}},
        {"event 6 every hour", kScheduler.at(5), {0xFF, 0, 0, 0xFF, 0x00, 0x20, 0x00}},
        {"event 7 December 25", kScheduler.at(6), {0x12, 0x25, 0, 0x09, 0x00, 0x26, 0x00}},
        {"event 10 is empty", kScheduler.at(9), {0, 0, 0, 0, 0, 0, 0}},
        {"input 1 edges", kHardwareInputs.at(0), {0x30, 0x18, 0x58, 0x02}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Bytes(image, c.offset, static_cast<int>(c.bytes.size())), c.bytes) << c.what;

    // Every command byte and scheduler time is two decimal digits (0xFF only as "every hour").
    auto bcd = [](int b) { return (b >> 4) <= 9 && (b & 15) <= 9; };
    for (int m = 0; m < kMacros.count; ++m)
        for (int k = 8; k < 28; ++k)
            EXPECT_TRUE(bcd(image[kMacros.at(m) + k])) << "macro " << m + 1 << " byte " << k;
    for (int n = 0; n < kScheduler.count; ++n)
        for (int k : {1, 3, 4, 5, 6})
            EXPECT_TRUE(bcd(image[kScheduler.at(n) + k]) || (k == 3 && image[kScheduler.at(n) + k] == 0xFF))
                << "event " << n + 1 << " byte " << k;
}

TEST_F(SampleImage, SpeedDialsWithIdentifications) {
    struct Case {
        const char* what;
        int entry;
        const char* number;
        int length;
        std::vector<int> id;
    } cases[] = {
        {"user 0", kUserSpeedDial.at(0), "5550123", 7, {731, 286}},
        {"user 3", kUserSpeedDial.at(3), "18005550199", 11, {228, 731, 781}},
        {"user 4 pauses", kUserSpeedDial.at(4), "9,5550110", 8, {826}},
        {"user 5 is empty", kUserSpeedDial.at(5), "", 0, {}},
        {"emergency 0", 4704, "911", 3, {344}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialText(image, c.entry), c.number) << c.what;
        EXPECT_EQ(image[c.entry], c.length) << c.what;
        EXPECT_EQ(Words(image, c.entry + 12), c.id) << c.what;
    }
    EXPECT_EQ(image[kUserSpeedDial.at(4) + 2], 0x15) << "the pause rides on the digit after it";
}

TEST_F(SampleImage, SmallTables) {
    struct Case {
        const char* what;
        int offset;
        std::vector<int> bytes;
    } cases[] = {
        {"CW identification: DE and the call sign", kCwMessage.offset, {8, 13, 14, 38, 23, 0, 28, 22, 25, 0}},
        {"area code 1 is 402", kAreaCodes.at(0), {4, 10, 2}},
        {"courtesy tone 3", kCourtesyTones.at(2), {3, 2, 1, 5, 2, 1, 7, 2}},
        {"expanded switches 1 and 2", kExpandedSwitches.at(0), {0x81, 0x0F, 0}},
        {"option flags", kOptionFlags, {0x01}},
        {"statistics", kStatistics.offset, {37, 12, 1, 4, 9, 3, 15, 2, 21, 0}},
        {"base zones", kBaseZones.offset, {0x51, 0x47, 0x47, 0x33, 0x85, 0x00, 0x11, 0x00}},
        {"memory save 3 zones", 2400, {0x51, 0x47, 0x47, 0x33, 0x85, 0x1D, 0x11, 0x00}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Bytes(image, c.offset, static_cast<int>(c.bytes.size())), c.bytes) << c.what;
}

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
    for (auto [offset, length] :
         std::initializer_list<std::pair<int, int>>{{kCwMessage.offset, kCwMessage.length},
                                                    {kAreaCodes.offset, kAreaCodes.length()},
                                                    {kLockoutNumbers.offset, kLockoutNumbers.length()},
                                                    {kStatistics.offset, kStatistics.length},
                                                    {kOptionFlags, 1},
                                                    {kMacros.offset, kMacros.length()},
                                                    {kCourtesyTones.offset, kCourtesyTones.length()},
                                                    {kHardwareInputs.offset, kHardwareInputs.length()},
                                                    {kExpandedSwitches.offset, kExpandedSwitches.length()},
                                                    {kPreDialNumber.offset, kPreDialNumber.length},
                                                    {kScheduler.offset, kScheduler.length()}})
        own(offset, length);
    for (const RecordTable& t : {kEmergencySpeedDial, kUserSpeedDial})
        for (int n = 0; n < t.count; ++n)
            own(t.at(n), t.recordSize - 1);

    for (int k = 0; k < kImageSize; ++k) {
        if (!owned[static_cast<std::size_t>(k)]) {
            EXPECT_EQ(image[k], 0) << "byte " << k;
        }
    }
}

} // namespace
} // namespace rc
