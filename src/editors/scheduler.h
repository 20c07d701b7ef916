#pragma once

// The forty scheduler events: a month and day, or a weekday code, an hour (or every hour), a minute
// and a controller command, all in BCD. The page shows ten events; the entry dialog edits one.

#include "codecs/keypad_logic.h"
#include "image/image_bytes.h"
#include "image/messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace rc {

inline constexpr int kSchedPageSize = 10;
inline constexpr int kSchedPages = 4;
inline constexpr std::uint8_t kNoMonth = 0xFF;   // the event is selected by its weekday code
inline constexpr std::uint8_t kEveryHour = 0xFF; // in the hour byte

// The names and BCD codes the entry dialog's lists hold, built once.
struct CalendarTables {
    std::array<std::string, 7> DayNames;
    std::array<std::string, 12> MonthNames;
    std::array<std::uint8_t, 12> MonthCodes;
    std::array<std::string, 31> DayTexts;
    std::array<std::uint8_t, 31> DayCodes;
};
const CalendarTables& LoadCalendarTables();

// "Daily", "Sunday".."Saturday", "Weekdays", "Weekends"; "Error" for any other code.
std::string WeekdayText(std::uint8_t weekday);
// "Skip" for no month, "January".."December" for the BCD months; "Error" otherwise.
std::string MonthText(std::uint8_t month);

struct SchedEntry {
    std::uint8_t Month = 0, Day = 0, Weekday = 0, Hour = 0, Minute = 0, Function = 0, Argument = 0;
    bool operator==(const SchedEntry&) const = default;
};

// Image offset of entry `row` of page `page`, and its number counted from 1.
int SchedRecordOffset(int page, int row);
int SchedEntryNumber(int page, int row);
SchedEntry ReadSchedEntry(const ImageBytes& image, int offset);
void WriteSchedEntry(ImageBytes& image, int offset, const SchedEntry& entry);
// "Schedular Position 17".
std::string SchedEntryCaption(int page, int row);

struct SchedRowText {
    std::string number, time, dayOfWeek, month, dayOfMonth, command;
};
// The ten rows of a page; an empty entry shows its number only.
std::array<SchedRowText, kSchedPageSize> DisplaySched(const ImageBytes& image, int page);

// The entry dialog as a value: what it shows and what its controls do, so that "OK" writes exactly
// what the dialog showed.
class SetSchedState {
public:
    enum Option { None = -1, Daily = 0, WeekdaysOnly, WeekendsOnly, SelectWeekday, SelectMonthDay };

    explicit SetSchedState(const SchedEntry& entry);

    // Control events. Each returns whether it changed the dialog.
    bool SetErase(bool ticked);
    bool SelectOption(int option);
    bool SelectWeekdayIndex(int index); // cmbWk, 0 = Sunday
    bool SelectMonthIndex(int index);   // cmbMonth, 0 = January
    bool SelectDayIndex(int index);     // cmbMoDay, 0 = "1"
    bool SetEveryHour(bool ticked);
    // A keypad result for the time (four digits, or two while "Every Hour" is ticked). A time that is
    // not a time of day is refused: the previous one stays and the message says why.
    std::optional<MessageSpec> EnterTime(const std::string& text);
    // A keypad result for the command (four digits or empty).
    void EnterCommand(const std::string& text);

    // The keypad's parameters for the time as it stands.
    int TimeDigits() const { return everyHour_ ? 2 : 4; }
    int TimeCheck() const { return everyHour_ ? 5 : 1; }
    std::string TimeHeading() const { return everyHour_ ? "Enter minutes" : "Enter Hours/Minutes"; }
    KeyPadParams TimeKeyPad() const { return {1, TimeDigits(), TimeHeading(), "", TimeCheck()}; }
    // The keypad for the command: four digits or none.
    static KeyPadParams CommandKeyPad() { return {1, 4, "Schedular Command", "", 1}; }

    bool Erase() const { return erase_; }
    bool DetailsVisible() const { return !erase_; }
    int SelectedOption() const { return option_; }
    bool WeekdayListVisible() const { return weekdayList_; }
    bool MonthListsVisible() const { return monthLists_; }
    int WeekdayIndex() const { return weekdayIndex_; }
    int MonthIndex() const { return monthIndex_; }
    int DayIndex() const { return dayIndex_; }
    bool EveryHour() const { return everyHour_; }
    const std::string& TimeText() const { return time_; }
    const std::string& CommandCell() const { return commandText_; }
    const std::string& Review() const { return review_; }
    // Whether the user changed anything since the dialog opened.
    bool Changed() const { return dateChanged_ || timeChanged_ || commandChanged_; }

    // The record "OK" writes.
    SchedEntry SaveSchedular() const;

private:
    void ApplyOption(int option);

    SchedEntry original_;

    bool erase_ = false;
    int option_ = Daily;
    bool weekdayList_ = false, monthLists_ = false;
    int weekdayIndex_ = -1, monthIndex_ = -1, dayIndex_ = -1;
    bool everyHour_ = false;
    std::string time_;
    std::uint8_t function_ = 0, argument_ = 0;
    std::string commandText_, review_;
    // Which parts of the record the user changed: the day (bytes 0 to 2), the time, the command.
    bool dateChanged_ = false, timeChanged_ = false, commandChanged_ = false;
};

// "OK" of the entry dialog: the record at `offset` is written when the user changed something.
bool SaveSchedEntry(ImageBytes& image, int offset, const SetSchedState& state);

} // namespace rc
