#include "editors/scheduler.h"

#include "codecs/commands.h"
#include "editors/macros.h"
#include "image/regions.h"

#include <algorithm>
#include <cctype>

namespace rc {

namespace {

constexpr std::uint8_t kWeekdaysCode = 8;
constexpr std::uint8_t kWeekendsCode = 9;

std::uint8_t Bcd(int n) {
    return static_cast<std::uint8_t>((n / 10) * 16 + n % 10);
}

// The number the two decimal digits at `at` write, or -1 when they are not two digits.
int TwoDigitValue(const std::string& s, std::size_t at) {
    if (at + 2 > s.size() || !std::isdigit(static_cast<unsigned char>(s[at])) ||
        !std::isdigit(static_cast<unsigned char>(s[at + 1])))
        return -1;
    return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

std::string FirstTwo(const std::string& s) {
    return s.substr(0, 2);
}

std::string LastTwo(const std::string& s) {
    return s.size() <= 2 ? s : s.substr(s.size() - 2);
}

MessageSpec TimeError(const char* text) {
    return {text, "Scheduled Time", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

} // namespace

const CalendarTables& LoadCalendarTables() {
    static const CalendarTables tables = [] {
        CalendarTables t{{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
                         {"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"},
                         {},
                         {},
                         {}};
        for (int m = 0; m < 12; ++m)
            t.MonthCodes[m] = Bcd(m + 1);
        for (int d = 0; d < 31; ++d) {
            t.DayTexts[d] = std::to_string(d + 1);
            t.DayCodes[d] = Bcd(d + 1);
        }
        return t;
    }();
    return tables;
}

std::string WeekdayText(std::uint8_t weekday) {
    if (weekday == 0)
        return "Daily";
    if (weekday >= 1 && weekday <= 7)
        return LoadCalendarTables().DayNames[weekday - 1];
    if (weekday == kWeekdaysCode)
        return "Weekdays";
    if (weekday == kWeekendsCode)
        return "Weekends";
    return "Error";
}

namespace {
// The list position of a BCD code in `codes`, or -1.
template <std::size_t N> int CodeIndex(const std::array<std::uint8_t, N>& codes, std::uint8_t code) {
    auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : static_cast<int>(it - codes.begin());
}
} // namespace

std::string MonthText(std::uint8_t month) {
    if (month == kNoMonth)
        return "Skip";
    const int m = CodeIndex(LoadCalendarTables().MonthCodes, month);
    return m < 0 ? "Error" : LoadCalendarTables().MonthNames[m];
}

int SchedRecordOffset(int page, int row) {
    return kScheduler.at(kSchedPageSize * page + row);
}

int SchedEntryNumber(int page, int row) {
    return kSchedPageSize * page + row + 1;
}

SchedEntry ReadSchedEntry(const ImageBytes& image, int offset) {
    return {image[offset],     image[offset + 1], image[offset + 2], image[offset + 3],
            image[offset + 4], image[offset + 5], image[offset + 6]};
}

void WriteSchedEntry(ImageBytes& image, int offset, const SchedEntry& e) {
    const std::uint8_t bytes[7] = {e.Month, e.Day, e.Weekday, e.Hour, e.Minute, e.Function, e.Argument};
    for (int i = 0; i < 7; ++i)
        image[offset + i] = bytes[i];
}

std::string SchedEntryCaption(int page, int row) {
    return "Schedular Position " + std::to_string(SchedEntryNumber(page, row));
}

std::array<SchedRowText, kSchedPageSize> DisplaySched(const ImageBytes& image, int page) {
    std::array<SchedRowText, kSchedPageSize> rows;
    for (int i = 0; i < kSchedPageSize; ++i) {
        SchedRowText& row = rows[i];
        row.number = std::to_string(SchedEntryNumber(page, i));
        const SchedEntry e = ReadSchedEntry(image, SchedRecordOffset(page, i));
        if (e.Month == 0)
            continue;
        row.month = MonthText(e.Month);
        if (e.Month != kNoMonth) {
            row.dayOfMonth = ArgumentText(e.Day);
            row.dayOfWeek = "----";
        } else {
            row.dayOfWeek = WeekdayText(e.Weekday);
        }
        row.time = (e.Hour != kEveryHour ? HexByteText(e.Hour) + ":" : "----:") + HexByteText(e.Minute);
        row.command = CommandCellText(e.Function, e.Argument);
    }
    return rows;
}

SetSchedState::SetSchedState(const SchedEntry& entry) : original_(entry) {
    if (entry.Month == 0) {
        erase_ = true;
        option_ = None; // ticking "Erase(d) Location" deselects "Daily"
        return;
    }
    if (entry.Month != kNoMonth) {
        ApplyOption(SelectMonthDay);
        const int m = CodeIndex(LoadCalendarTables().MonthCodes, entry.Month);
        if (m >= 0)
            monthIndex_ = m;
        const int d = CodeIndex(LoadCalendarTables().DayCodes, entry.Day);
        if (d >= 0)
            dayIndex_ = d;
    } else {
        ApplyOption(SelectWeekday);
        if (entry.Weekday == 0) {
            ApplyOption(Daily);
        } else if (entry.Weekday >= 1 && entry.Weekday <= 7) {
            weekdayIndex_ = entry.Weekday - 1;
        } else if (entry.Weekday == kWeekdaysCode) {
            ApplyOption(WeekdaysOnly);
        } else if (entry.Weekday == kWeekendsCode) {
            ApplyOption(WeekendsOnly);
        }
    }
    everyHour_ = entry.Hour == kEveryHour;
    time_ = (everyHour_ ? "" : HexByteText(entry.Hour)) + HexByteText(entry.Minute);
    function_ = entry.Function;
    argument_ = entry.Argument;
    commandText_ = CommandCellText(function_, argument_);
    review_ = CommandText(function_, argument_);
}

void SetSchedState::ApplyOption(int option) {
    if (option == option_)
        return;
    option_ = option;
    weekdayList_ = option == SelectWeekday;
    monthLists_ = option == SelectMonthDay;
    if (weekdayList_)
        weekdayIndex_ = 0;
    if (monthLists_)
        monthIndex_ = dayIndex_ = 0;
}

bool SetSchedState::SetErase(bool ticked) {
    if (ticked == erase_)
        return false;
    erase_ = ticked;
    if (ticked) {
        if (option_ == Daily)
            option_ = None;
    } else {
        option_ = Daily;
        weekdayList_ = monthLists_ = false;
    }
    dateChanged_ = true;
    return true;
}

bool SetSchedState::SelectOption(int option) {
    if (option < Daily || option > SelectMonthDay || option == option_)
        return false;
    ApplyOption(option);
    dateChanged_ = true;
    return true;
}

namespace {
bool SetIndex(int& field, int index, int count) {
    if (index < 0 || index >= count || index == field)
        return false;
    field = index;
    return true;
}
} // namespace

bool SetSchedState::SelectWeekdayIndex(int index) {
    const bool changed = SetIndex(weekdayIndex_, index, 7);
    dateChanged_ |= changed;
    return changed;
}

bool SetSchedState::SelectMonthIndex(int index) {
    const bool changed = SetIndex(monthIndex_, index, 12);
    dateChanged_ |= changed;
    return changed;
}

bool SetSchedState::SelectDayIndex(int index) {
    const bool changed = SetIndex(dayIndex_, index, 31);
    dateChanged_ |= changed;
    return changed;
}

bool SetSchedState::SetEveryHour(bool ticked) {
    if (ticked == everyHour_)
        return false;
    everyHour_ = ticked;
    // What is shown is what "OK" writes: the minutes alone, or an hour of 00 before them.
    if (ticked)
        time_ = LastTwo(time_);
    else
        time_ = "00" + (time_.size() >= 2 ? LastTwo(time_) : std::string("00"));
    timeChanged_ = true;
    return true;
}

std::optional<MessageSpec> SetSchedState::EnterTime(const std::string& text) {
    if (text == time_)
        return std::nullopt;
    if (!text.empty()) {
        if (everyHour_) {
            const int minute = text.size() == 2 ? TwoDigitValue(text, 0) : -1;
            if (minute < 0 || minute > 59)
                return TimeError("Error! Minutes must be 00 to 59");
        } else {
            const int hour = text.size() == 4 ? TwoDigitValue(text, 0) : -1;
            const int minute = text.size() == 4 ? TwoDigitValue(text, 2) : -1;
            if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
                return TimeError("Error! Hours must be 00 to 23 and minutes 00 to 59");
        }
    }
    time_ = text;
    timeChanged_ = true;
    return std::nullopt;
}

void SetSchedState::EnterCommand(const std::string& text) {
    if (text == commandText_)
        return;
    commandText_ = text;
    const CommandCode command = CommandFromText(text);
    function_ = command.function;
    argument_ = command.argument;
    review_ = CommandText(function_, argument_);
    commandChanged_ = true;
}

SchedEntry SetSchedState::SaveSchedular() const {
    if (erase_)
        return {};
    SchedEntry e = original_;
    // An empty location has nothing worth keeping; otherwise only the parts the user changed are
    // written, so a stored value the dialog cannot show survives an edit of its neighbours.
    const bool fresh = original_.Month == 0;
    if (fresh || dateChanged_) {
        const CalendarTables& t = LoadCalendarTables();
        e.Month = kNoMonth;
        e.Day = 0;
        switch (option_) {
        case WeekdaysOnly:
            e.Weekday = kWeekdaysCode;
            break;
        case WeekendsOnly:
            e.Weekday = kWeekendsCode;
            break;
        case SelectWeekday:
        case SelectMonthDay:
            e.Weekday = static_cast<std::uint8_t>(weekdayIndex_ + 1);
            break;
        default:
            e.Weekday = 0;
            break;
        }
        if (option_ == SelectMonthDay) {
            e.Month = t.MonthCodes[static_cast<std::size_t>(std::max(monthIndex_, 0))];
            e.Day = t.DayCodes[static_cast<std::size_t>(std::max(dayIndex_, 0))];
        }
    }
    if (fresh || timeChanged_) {
        e.Hour = everyHour_ ? kEveryHour : TwoDigitsToByte(FirstTwo(time_));
        e.Minute = TwoDigitsToByte(LastTwo(time_));
    }
    if (fresh || commandChanged_) {
        e.Function = function_;
        e.Argument = argument_;
    }
    return e;
}

bool SaveSchedEntry(ImageBytes& image, int offset, const SetSchedState& state) {
    if (!state.Changed())
        return false;
    WriteSchedEntry(image, offset, state.SaveSchedular());
    return true;
}

} // namespace rc
