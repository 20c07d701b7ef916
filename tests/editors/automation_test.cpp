#include "edit_expect.h"
#include "editors/hardware_inputs.h"
#include "editors/macros.h"
#include "editors/scheduler.h"

namespace rc {
namespace {

using testing::Changed;
using testing::Patterned;
using testing::Put;

// clang-format off
TEST(Macros, CellEditsWriteTheirOwnBytesOnly) {
    struct Case {
        const char* what;
        int group, row, cell;
        std::string opened, entered;
        int at;                          // where the entry lands
        std::vector<std::uint8_t> bytes; // what lands there; empty: nothing written
    } cases[] = {
        {"code 123 for macro 12", 1, 1, 0, "", "123", 4340, {3, 1, 2, 3, 0, 0, 0, 0}},
        {"empty command entry", 0, 4, 10, "1234", "", 4032 + 4 * 28 + 26, {0, 0}},
        {"Cancel on a non-BCD command", 0, 0, 1, "1A10", "1A10", 0, {}},
        {"the same code again", 1, 9, 0, "55", "55", 0, {}},
    };
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        image[4032 + 8] = 0x1A; // a neighbour the keypad cannot type
        ImageBytes expected = image;
        Put(expected, c.at, c.bytes);
        EXPECT_EQ(EditMacroCell(image, c.group, c.row, c.cell, c.opened, c.entered), !c.bytes.empty()) << c.what;
        EXPECT_EQ(Changed(image, expected), "") << c.what;
    }
}
// clang-format on

// The dialog test hides the commands of a macro without a code; the menu walk reviews a macro's
// commands.
TEST(Macros, GridAndReview) {
    ImageBytes image;
    Put(image, 4032, {2, 1, 10, 0, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: "10", 1110, 1A05
    Put(image, 4312 + 28, {3, 1, 2, 3});                                 // macro 12: "123", no commands
    const auto first = DisplayMacros(image, 0);
    EXPECT_EQ(first[0].code + " " + first[0].commands[0] + " " + first[0].commands[1] + " " +
                  first[0].commands[9],
              "10 1110 1A05 0000");
    EXPECT_EQ(DisplayMacros(image, 1)[1].number, "12");
    const MacroReview review = ReviewMacro(image, 1, 1);
    EXPECT_EQ(review.title + "|" + review.heading + "|" + review.code,
              "Macro 12 Review|Macro 12 Assigned Code|123");
    EXPECT_EQ(ReviewMacro(image, 1, 9).code, "- NONE -");
}

// clang-format off
TEST(Scheduler, PageRows) {
    struct Case {
        SchedEntry entry;
        const char* shown; // time|day of week|month|day of month|command
    } cases[] = {
        {{0, 5, 5, 5, 5, 5, 5}, "||||"},
        {{0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10}, "08:30|----|December|25|1110"},
        {{0xFF, 0, 9, 0x08, 0x30, 0, 0}, "08:30|Weekends|Skip||0000"},
        {{0xFF, 0, 0, 0xFF, 0x15, 0x1A, 0x05}, "----:15|Daily|Skip||1A05"},
        {{0x13, 1, 0, 0, 0, 0, 0}, "00:00|----|Error|1|0000"},
        {{0xFF, 0, 10, 0, 0, 0, 0}, "00:00|Error|Skip||0000"},
        {{0xFF, 0, 8, 0x23, 0x59, 0, 0}, "23:59|Weekdays|Skip||0000"},
    };
    ImageBytes image;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        WriteSchedEntry(image, SchedRecordOffset(1, static_cast<int>(i)), cases[i].entry);
    const auto rows = DisplaySched(image, 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const SchedRowText& r = rows[i];
        EXPECT_EQ(r.time + "|" + r.dayOfWeek + "|" + r.month + "|" + r.dayOfMonth + "|" + r.command, cases[i].shown);
    }
    EXPECT_EQ(SchedRecordOffset(1, 6), 8000); // entry 17
}

// What the entry dialog shows: erase, option, lists shown, list positions, every hour, time, command,
// review.
std::string Shown(const SetSchedState& s) {
    return std::to_string(s.Erase()) + " " + std::to_string(s.SelectedOption()) + " " +
           (s.WeekdayListVisible() ? "W" : "-") + (s.MonthListsVisible() ? "M" : "-") + " " +
           std::to_string(s.WeekdayIndex()) + "/" + std::to_string(s.MonthIndex()) + "/" +
           std::to_string(s.DayIndex()) + " " + (s.EveryHour() ? "every " : "") + s.TimeText() + " " +
           s.CommandCell() + " " + s.Review();
}

TEST(Scheduler, EntryDialogOpensFromTheRecord) {
    const std::pair<SchedEntry, const char*> cases[] = {
        {{}, "1 -1 -- -1/-1/-1   "},
        {{0x12, 0x25, 0, 8, 0x30, 0x11, 0x10}, "0 4 -M -1/11/24 0830 1110 Repeater Transmitter OFF"},
        {{0x13, 0x32, 0, 8, 0x30, 0, 0}, "0 4 -M -1/0/0 0830 0000 No Command"},
        {{0xFF, 0, 0, 0xFF, 0x15, 0, 0}, "0 0 -- 0/-1/-1 every 15 0000 No Command"},
        {{0xFF, 0, 5, 1, 0, 0, 0}, "0 3 W- 4/-1/-1 0100 0000 No Command"},
        {{0xFF, 0, 8, 1, 0, 0, 0}, "0 1 -- 0/-1/-1 0100 0000 No Command"},
        {{0xFF, 0, 12, 1, 0, 0, 0}, "0 3 W- 0/-1/-1 0100 0000 No Command"},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(Shown(SetSchedState(stored)), shown);
    }
}

// The entry dialog from the stored record to what "OK" writes, through the user's steps (the menu
// test picks a month and a day for a new entry).
TEST(Scheduler, EntryDialogSteps) {
    using S = SetSchedState;
    struct Step {
        enum Kind { Erase, Option, Weekday, Day, EveryHour, Time, Command } kind;
        int value = 0;
        std::string text = {};
    };
    struct Case {
        const char* what;
        SchedEntry stored;
        std::vector<Step> steps;
        std::string timeShown;
        int refusals;
        SchedEntry written; // equal to stored: nothing written
    } cases[] = {
        {"new entry, erase cleared", {}, {{Step::Erase, 0}}, "", 0, {0xFF, 0, 0, 0, 0, 0, 0}},
        {"erase a set entry", {0xFF, 0, 9, 8, 0x30, 1, 2}, {{Step::Erase, 1}}, "0830", 0, {}},
        {"weekends at 08:30", {0xFF, 0, 1, 0, 0, 0, 0}, {{Step::Option, S::WeekendsOnly}, {Step::Time, 0, "0830"}},
         "0830", 0, {0xFF, 0, 9, 0x08, 0x30, 0, 0}},
        {"every hour at :15", {0xFF, 0, 0, 0x12, 0x40, 0, 0}, {{Step::EveryHour, 1}, {Step::Time, 0, "15"}}, "15",
         0, {0xFF, 0, 0, 0xFF, 0x15, 0, 0}},
        {"ticking every hour keeps the minutes", {0xFF, 0, 0, 0x12, 0x40, 0, 0}, {{Step::EveryHour, 1}}, "40", 0,
         {0xFF, 0, 0, 0xFF, 0x40, 0, 0}},
        {"clearing every hour shows hour 00", {0xFF, 0, 3, 0xFF, 0x15, 0, 0}, {{Step::EveryHour, 0}}, "0015", 0,
         {0xFF, 0, 3, 0x00, 0x15, 0, 0}},
        {"hour 24 and minute 60 refused", {0xFF, 0, 0, 0x07, 0x05, 0, 0},
         {{Step::Time, 0, "2400"}, {Step::Time, 0, "1260"}}, "0705", 2, {0xFF, 0, 0, 0x07, 0x05, 0, 0}},
        {"minute 60 refused every hour", {0xFF, 0, 0, 0xFF, 5, 0, 0}, {{Step::Time, 0, "60"}}, "05", 1,
         {0xFF, 0, 0, 0xFF, 5, 0, 0}},
        {"nothing changed", {0x13, 0x40, 7, 0x1A, 0x99, 0x1A, 0}, {}, "1A99", 0, {0x13, 0x40, 7, 0x1A, 0x99, 0x1A, 0}},
        {"a command edit keeps the unshown month", {0x13, 0x40, 7, 0x1A, 0x99, 0, 0}, {{Step::Command, 0, "0500"}},
         "1A99", 0, {0x13, 0x40, 7, 0x1A, 0x99, 0x05, 0x00}},
        {"a stored 0x13 month re-chosen writes January", {0x13, 0x40, 7, 0x1A, 0x99, 0, 0}, {{Step::Day, 3}},
         "1A99", 0, {0x01, 0x04, 0, 0x1A, 0x99, 0, 0}},
        {"weekday list", {0xFF, 0, 0, 1, 2, 0, 0}, {{Step::Option, S::SelectWeekday}, {Step::Weekday, 6}}, "0102",
         0, {0xFF, 0, 7, 1, 2, 0, 0}},
    };
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        const int at = SchedRecordOffset(3, 9);
        WriteSchedEntry(image, at, c.stored);
        const ImageBytes before = image;
        S state(ReadSchedEntry(image, at));
        int refusals = 0;
        for (const Step& s : c.steps) {
            switch (s.kind) {
            case Step::Erase: state.SetErase(s.value != 0); break;
            case Step::Option: state.SelectOption(s.value); break;
            case Step::Weekday: state.SelectWeekdayIndex(s.value); break;
            case Step::Day: state.SelectDayIndex(s.value); break;
            case Step::EveryHour: state.SetEveryHour(s.value != 0); break;
            case Step::Time: refusals += state.EnterTime(s.text).has_value(); break;
            case Step::Command: state.EnterCommand(s.text); break;
            }
        }
        EXPECT_EQ(state.TimeText(), c.timeShown) << c.what;
        EXPECT_EQ(refusals, c.refusals) << c.what;
        EXPECT_EQ(SaveSchedEntry(image, at, state), !c.steps.empty() && !(c.written == c.stored)) << c.what;
        ImageBytes expected = before;
        WriteSchedEntry(expected, at, c.written);
        EXPECT_EQ(Changed(expected, image), "") << c.what;
    }
}
// clang-format on

TEST(HardwareInputs, ShowAndStoreOneEntry) {
    ImageBytes image = Patterned();
    Put(image, 4656, {0x11, 0x10, 0x1A, 0x05});
    const auto rows = DisHardware(image);
    EXPECT_EQ(rows[0].command + " " + rows[0].description + " " + rows[1].command,
              "1110 Repeater Transmitter OFF 1A05");
    struct Case {
        int entry;
        std::string opened, entered;
        std::vector<std::uint8_t> bytes;
    } cases[] = {{3, "", "0125", {0x01, 0x25}}, {5, "1234", "", {0, 0}}, {1, "1A05", "1A05", {}}};
    for (const Case& c : cases) {
        ImageBytes expected = image;
        Put(expected, 4656 + 2 * c.entry, c.bytes);
        EXPECT_EQ(SaveHardware(image, c.entry, c.opened, c.entered), !c.bytes.empty());
        EXPECT_EQ(Changed(image, expected), "") << c.entry;
    }
}

// Whatever a file holds, the review and the grid agree on whether a macro has a code, and an entry
// opened and left as it is writes nothing (the listing's fuzz test watches every display routine's
// reads under the sanitizers).
TEST(Automation, AnyBytesAreShownAndKeptInTheirRecords) {
    for (unsigned seed : {1u, 0xFFu, 12345u}) {
        ImageBytes image;
        for (int i = 0; i < kImageSize; ++i)
            image[i] = static_cast<std::uint8_t>((i * 2654435761u + seed) >> 13);
        const ImageBytes before = image;
        for (int group = 0; group < 2; ++group)
            for (int row = 0; row < kMacroGroupSize; ++row)
                EXPECT_EQ(ReviewMacro(image, group, row).code == "- NONE -",
                          DisplayMacros(image, group)[row].code.empty())
                    << group << " " << row;
        for (int page = 0; page < kSchedPages; ++page)
            for (int row = 0; row < kSchedPageSize; ++row) {
                SetSchedState state(ReadSchedEntry(image, SchedRecordOffset(page, row)));
                EXPECT_FALSE(SaveSchedEntry(image, SchedRecordOffset(page, row), state));
            }
        EXPECT_TRUE(image == before) << seed;
    }
}

} // namespace
} // namespace rc
