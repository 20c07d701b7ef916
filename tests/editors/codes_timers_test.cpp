// The dialog tests click every copy's codes and timers; here the entries the keypad cannot refuse
// but the field cannot hold.
#include "edit_expect.h"
#include "editors/timers.h"

namespace rc {
namespace {

TEST(Timers, SaveRefusesWhatTheFieldCannotHold) {
    struct Case {
        int copy;
        int timer;
        const char* entry;
        std::vector<int> bytes; // -1: unchanged
    } cases[] = {
        {0, 0, "", {0, 0}},       {0, 2, "", {0, 0}},        {0, 2, "100", {-1, -1}},
        {3, 15, "256", {0, 1}},   {4, 13, "99", {99, 0}},    {1, 6, "2047", {0xFF, 7}},
        {1, 6, "2048", {-1, -1}}, {2, 1, "99999", {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        ImageBytes image = testing::Patterned();
        const ImageBytes before = image;
        const int pt = GetPT(c.copy, c.timer);
        if (IsTenthsTimer(c.timer))
            SaveTimerSec(image, pt, c.entry);
        else
            SaveTimerMin(image, pt, c.entry);
        testing::ExpectBytes(before, image, pt, c.bytes);
    }
    EXPECT_EQ(GetPT(4, 15), 3152 + 30);
}

} // namespace
} // namespace rc
