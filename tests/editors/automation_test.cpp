#include "editors/hardware_inputs.h"
#include "editors/macros.h"
#include "editors/option_flags.h"
#include "editors/scheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace rc {
namespace {

// Every byte different, so a write outside the field under test shows.
ImageBytes Patterned() {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return image;
}

// The image offsets where two images differ.
std::vector<int> Changed(const ImageBytes& a, const ImageBytes& b) {
    std::vector<int> out;
    for (int i = 0; i < kImageSize; ++i)
        if (a[i] != b[i])
            out.push_back(i);
    return out;
}

void Put(ImageBytes& image, int at, std::vector<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[at + static_cast<int>(i)] = bytes[i];
}

TEST(Macros, CellEditsWriteTheirOwnBytesOnly) {
    struct Case {
        const char* what;
        int group, row, cell;
        std::string opened, entered;
        int at;                          // first byte expected to change
        std::vector<std::uint8_t> bytes; // what is written there; empty: nothing written
    } cases[] = {
        {"code 123 for macro 12", 1, 1, 0, "", "123", 4340, {3, 1, 2, 3, 0, 0, 0, 0}},
        {"command 1110 as command 3 of macro 1", 0, 0, 3, "", "1110", 4044, {0x11, 0x10}},
        {"empty command entry", 0, 4, 10, "1234", "", 4032 + 4 * 28 + 26, {0, 0}},
        {"Cancel on a non-BCD command", 0, 0, 1, "1A10", "1A10", 0, {}},
        {"the same code again", 1, 9, 0, "55", "55", 0, {}},
    };
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        image[4032 + 8] = 0x1A; // a neighbour the keypad cannot type
        const ImageBytes before = image;
        EXPECT_EQ(EditMacroCell(image, c.group, c.row, c.cell, c.opened, c.entered), !c.bytes.empty())
            << c.what;
        ImageBytes expected = before;
        Put(expected, c.at, c.bytes);
        EXPECT_EQ(Changed(image, expected), std::vector<int>{}) << c.what;
    }
    EXPECT_EQ(MacroCellHeading(1, 1, 0), "Macro Command #12");
    EXPECT_EQ(MacroCellHeading(0, 3, 5), "Macro Command");
}

TEST(Macros, GridAndReview) {
    ImageBytes image;
    Put(image, 4032, {2, 1, 10, 0, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: "10", 1110, 1A05
    Put(image, 4032 + 28, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});         // macro 2: commands, no code
    Put(image, 4312 + 28, {3, 1, 2, 3});                                 // macro 12: "123", no commands
    const auto first = DisplayMacros(image, 0);
    EXPECT_EQ(first[0].number, "1");
    EXPECT_EQ(first[0].code, "10");
    EXPECT_EQ(first[0].commands[0], "1110");
    EXPECT_EQ(first[0].commands[1], "1A05");
    EXPECT_EQ(first[0].commands[9], "0000");
    EXPECT_EQ(first[1].code, "");
    EXPECT_EQ(first[1].commands[0], "");
    const auto second = DisplayMacros(image, 1);
    EXPECT_EQ(second[1].number, "12");
    EXPECT_EQ(second[1].code, "123");

    MacroReview review = ReviewMacro(image, 0, 0);
    EXPECT_EQ(review.commands[0], "Repeater Transmitter OFF");
    review = ReviewMacro(image, 1, 1);
    EXPECT_EQ(review.title, "Macro 12 Review");
    EXPECT_EQ(review.heading, "Macro 12 Assigned Code");
    EXPECT_EQ(review.code, "123");
    for (const std::string& text : review.commands)
        EXPECT_EQ(text, "No Command");
    EXPECT_EQ(ReviewMacro(image, 1, 9).code, "- NONE -");
}

TEST(Scheduler, CodeTexts) {
    const std::pair<int, const char*> weekdays[] = {{0, "Daily"},    {1, "Sunday"},   {7, "Saturday"},
                                                    {8, "Weekdays"}, {9, "Weekends"}, {10, "Error"}};
    for (auto [code, text] : weekdays)
        EXPECT_EQ(WeekdayText(static_cast<std::uint8_t>(code)), text) << code;
    const std::pair<int, const char*> months[] = {{0xFF, "Skip"},    {0x01, "January"},  {0x09, "September"},
                                                  {0x10, "October"}, {0x12, "December"}, {0x13, "Error"},
                                                  {0x0A, "Error"},   {0, "Error"}};
    for (auto [code, text] : months)
        EXPECT_EQ(MonthText(static_cast<std::uint8_t>(code)), text) << code;
    const CalendarTables& t = LoadCalendarTables();
    EXPECT_EQ(t.MonthCodes[9], 0x10);
    EXPECT_EQ(t.DayCodes[24], 0x25);
    EXPECT_EQ(t.DayTexts[30], "31");
}

TEST(Scheduler, PageRows) {
    struct Case {
        SchedEntry entry;
        SchedRowText shown; // number filled in below
    } cases[] = {
        {{0, 5, 5, 5, 5, 5, 5}, {"", "", "", "", "", ""}},
        {{0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10}, {"", "08:30", "----", "December", "25", "1110"}},
        {{0x05, 0x05, 0, 0x08, 0x30, 0, 0}, {"", "08:30", "----", "May", "5", "0000"}},
        {{0xFF, 0, 9, 0x08, 0x30, 0, 0}, {"", "08:30", "Weekends", "Skip", "", "0000"}},
        {{0xFF, 0, 0, 0xFF, 0x15, 0x1A, 0x05}, {"", "----:15", "Daily", "Skip", "", "1A05"}},
        {{0x13, 1, 0, 0, 0, 0, 0}, {"", "00:00", "----", "Error", "1", "0000"}},
        {{0xFF, 0, 10, 0, 0, 0, 0}, {"", "00:00", "Error", "Skip", "", "0000"}},
    };
    ImageBytes image;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        WriteSchedEntry(image, SchedRecordOffset(1, static_cast<int>(i)), cases[i].entry);
    const auto rows = DisplaySched(image, 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const SchedRowText& want = cases[i].shown;
        const SchedRowText& got = rows[i];
        EXPECT_EQ(got.number, std::to_string(11 + i));
        EXPECT_EQ(got.time, want.time) << i;
        EXPECT_EQ(got.dayOfWeek, want.dayOfWeek) << i;
        EXPECT_EQ(got.month, want.month) << i;
        EXPECT_EQ(got.dayOfMonth, want.dayOfMonth) << i;
        EXPECT_EQ(got.command, want.command) << i;
    }
    EXPECT_EQ(SchedRecordOffset(1, 6), 8000); // entry 17
    EXPECT_EQ(SchedEntryCaption(1, 6), "Schedular Position 17");
}

// The entry dialog from the stored record to what "OK" writes, through the user's steps.
TEST(Scheduler, EntryDialogSteps) {
    using S = SetSchedState;
    struct Step {
        enum Kind { Erase, Option, Weekday, Month, Day, EveryHour, Time, Command } kind;
        int value = 0;
        std::string text = {};
    };
    struct Case {
        const char* what;
        SchedEntry stored;
        std::vector<Step> steps;
        std::string timeShown;
        bool written;
        SchedEntry result;
    } cases[] = {
        {"new entry, erase cleared", {}, {{Step::Erase, 0}}, "", true, {0xFF, 0, 0, 0, 0, 0, 0}},
        {"erase a set entry", {0xFF, 0, 9, 8, 0x30, 1, 2}, {{Step::Erase, 1}}, "0830", true, {}},
        {"December 25 at 08:30",
         {},
         {{Step::Erase, 0},
          {Step::Option, S::SelectMonthDay},
          {Step::Month, 11},
          {Step::Day, 24},
          {Step::Time, 0, "0830"},
          {Step::Command, 0, "1110"}},
         "0830",
         true,
         {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10}},
        {"weekends at 08:30",
         {0xFF, 0, 1, 0, 0, 0, 0},
         {{Step::Option, S::WeekendsOnly}, {Step::Time, 0, "0830"}},
         "0830",
         true,
         {0xFF, 0, 9, 0x08, 0x30, 0, 0}},
        {"every hour at :15",
         {0xFF, 0, 0, 0x12, 0x40, 0, 0},
         {{Step::EveryHour, 1}, {Step::Time, 0, "15"}},
         "15",
         true,
         {0xFF, 0, 0, 0xFF, 0x15, 0, 0}},
        {"ticking every hour keeps the minutes",
         {0xFF, 0, 0, 0x12, 0x40, 0, 0},
         {{Step::EveryHour, 1}},
         "40",
         true,
         {0xFF, 0, 0, 0xFF, 0x40, 0, 0}},
        {"clearing every hour shows hour 00",
         {0xFF, 0, 3, 0xFF, 0x15, 0, 0},
         {{Step::EveryHour, 0}},
         "0015",
         true,
         {0xFF, 0, 3, 0x00, 0x15, 0, 0}},
        {"hour 24 refused, time kept",
         {0xFF, 0, 0, 0x07, 0x05, 0, 0},
         {{Step::Time, 0, "2400"}, {Step::Time, 0, "1260"}},
         "0705",
         false,
         {0xFF, 0, 0, 0x07, 0x05, 0, 0}},
        {"minute 60 refused every hour",
         {0xFF, 0, 0, 0xFF, 5, 0, 0},
         {{Step::Time, 0, "60"}},
         "05",
         false,
         {0xFF, 0, 0, 0xFF, 5, 0, 0}},
        {"nothing changed writes nothing",
         {0x13, 0x40, 7, 0x1A, 0x99, 0x1A, 0},
         {},
         "1A99",
         false,
         {0x13, 0x40, 7, 0x1A, 0x99, 0x1A, 0}},
        {"a command edit keeps the unshown month",
         {0x13, 0x40, 7, 0x1A, 0x99, 0, 0},
         {{Step::Command, 0, "0500"}},
         "1A99",
         true,
         {0x13, 0x40, 7, 0x1A, 0x99, 0x05, 0x00}},
        {"a stored 0x13 month re-chosen writes January",
         {0x13, 0x40, 7, 0x1A, 0x99, 0, 0},
         {{Step::Day, 3}},
         "1A99",
         true,
         {0x01, 0x04, 0, 0x1A, 0x99, 0, 0}},
        {"weekday list",
         {0xFF, 0, 0, 1, 2, 0, 0},
         {{Step::Option, S::SelectWeekday}, {Step::Weekday, 6}},
         "0102",
         true,
         {0xFF, 0, 7, 1, 2, 0, 0}},
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
            case Step::Erase:
                state.SetErase(s.value != 0);
                break;
            case Step::Option:
                state.SelectOption(s.value);
                break;
            case Step::Weekday:
                state.SelectWeekdayIndex(s.value);
                break;
            case Step::Month:
                state.SelectMonthIndex(s.value);
                break;
            case Step::Day:
                state.SelectDayIndex(s.value);
                break;
            case Step::EveryHour:
                state.SetEveryHour(s.value != 0);
                break;
            case Step::Time:
                refusals += state.EnterTime(s.text).has_value();
                break;
            case Step::Command:
                state.EnterCommand(s.text);
                break;
            }
        }
        EXPECT_EQ(state.TimeText(), c.timeShown) << c.what;
        EXPECT_EQ(SaveSchedEntry(image, at, state), c.written) << c.what;
        EXPECT_EQ(ReadSchedEntry(image, at), c.result) << c.what;
        for (int i : Changed(before, image))
            EXPECT_TRUE(i >= at && i < at + 7) << c.what << ": byte " << i;
        const bool refused = std::string(c.what).find("refused") != std::string::npos;
        EXPECT_EQ(refusals, refused ? int(c.steps.size()) : 0) << c.what;
    }
}

TEST(Scheduler, EntryDialogOpensFromTheRecord) {
    struct Case {
        SchedEntry stored;
        bool erase;
        int option;
        bool weekdayList, monthLists;
        int weekday, month, day;
        bool everyHour;
        const char *command, *review;
    } cases[] = {
        {{}, true, -1, false, false, -1, -1, -1, false, "", ""},
        {{0x12, 0x25, 0, 8, 0x30, 0x11, 0x10},
         false,
         4,
         false,
         true,
         -1,
         11,
         24,
         false,
         "1110",
         "Repeater Transmitter OFF"},
        {{0x13, 0x32, 0, 8, 0x30, 0, 0}, false, 4, false, true, -1, 0, 0, false, "0000", "No Command"},
        {{0xFF, 0, 0, 0xFF, 0x15, 0, 0}, false, 0, false, false, 0, -1, -1, true, "0000", "No Command"},
        {{0xFF, 0, 5, 1, 0, 0, 0}, false, 3, true, false, 4, -1, -1, false, "0000", "No Command"},
        {{0xFF, 0, 8, 1, 0, 0, 0}, false, 1, false, false, 0, -1, -1, false, "0000", "No Command"},
        {{0xFF, 0, 12, 1, 0, 0, 0}, false, 3, true, false, 0, -1, -1, false, "0000", "No Command"},
    };
    for (const Case& c : cases) {
        SetSchedState s(c.stored);
        const int month = c.stored.Month;
        EXPECT_EQ(s.Erase(), c.erase) << month;
        EXPECT_EQ(s.DetailsVisible(), !c.erase) << month;
        EXPECT_EQ(s.SelectedOption(), c.option) << month;
        EXPECT_EQ(s.WeekdayListVisible(), c.weekdayList) << month;
        EXPECT_EQ(s.MonthListsVisible(), c.monthLists) << month;
        EXPECT_EQ(s.WeekdayIndex(), c.weekday) << month;
        EXPECT_EQ(s.MonthIndex(), c.month) << month;
        EXPECT_EQ(s.DayIndex(), c.day) << month;
        EXPECT_EQ(s.EveryHour(), c.everyHour) << month;
        EXPECT_EQ(s.TimeHeading(), c.everyHour ? "Enter minutes" : "Enter Hours/Minutes");
        EXPECT_EQ(s.CommandCell(), c.command) << month;
        EXPECT_EQ(s.Review(), c.review) << month;
        EXPECT_FALSE(s.Changed());
    }
}

TEST(OptionFlags, BitsZeroToTwoOnly) {
    struct Case {
        std::uint8_t stored;
        OptionFlags shown, set;
        std::uint8_t after;
    } cases[] = {
        {0x05, {true, false, true}, {true, false, true}, 0x05},
        {0xF8, {false, false, false}, {true, true, true}, 0xFF},
        {0xFF, {true, true, true}, {false, true, false}, 0xFA},
    };
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        image[4029] = c.stored;
        ImageBytes expected = image;
        expected[4029] = c.after;
        EXPECT_EQ(ReadOptionFlags(image), c.shown) << int(c.stored);
        SaveOptionFlags(image, c.set);
        EXPECT_EQ(Changed(image, expected), std::vector<int>{}) << int(c.stored);
    }
}

TEST(HardwareInputs, ShowAndStoreOneEntry) {
    ImageBytes image = Patterned();
    Put(image, 4656, {0x11, 0x10, 0x1A, 0x05});
    auto rows = DisHardware(image);
    EXPECT_EQ(rows[0].command, "1110");
    EXPECT_EQ(rows[0].description, "Repeater Transmitter OFF");
    EXPECT_EQ(rows[1].command, "1A05");
    EXPECT_EQ(InputName(1) + " " + EdgeText(3), "Input #2 Falling Edge");

    struct Case {
        int entry;
        std::string opened, entered;
        std::vector<std::uint8_t> bytes;
    } cases[] = {{3, "", "0125", {0x01, 0x25}}, {5, "1234", "", {0, 0}}, {1, "1A05", "1A05", {}}};
    for (const Case& c : cases) {
        const ImageBytes before = image;
        EXPECT_EQ(SaveHardware(image, c.entry, c.opened, c.entered), !c.bytes.empty());
        ImageBytes expected = before;
        Put(expected, 4656 + 2 * c.entry, c.bytes);
        EXPECT_EQ(Changed(image, expected), std::vector<int>{}) << c.entry;
    }
    EXPECT_EQ(image[4662], 0x01);
    EXPECT_EQ(image[4663], 0x25);
}

} // namespace
} // namespace rc
