// The scheduler: each event's time, day, month and date, and the command it runs.

#include "editors/scheduler.h"
#include "codecs/commands.h"
#include "listing/areas/area_rules.h"
#include "listing/areas/areas.h"

#include <algorithm>

namespace rc::listing {

namespace {

void List(const ImageBytes& image, int, std::vector<SettingLine>& out) {
    for (int page = 0; page < kSchedPages; ++page) {
        const auto rows = DisplaySched(image, page);
        for (int row = 0; row < kSchedPageSize; ++row) {
            const SchedRowText& r = rows[static_cast<std::size_t>(row)];
            const SchedEntry e = ReadSchedEntry(image, SchedRecordOffset(page, row));
            const std::string command =
                r.command.empty() ? "" : CommandWords(r.command, CommandText(e.Function, e.Argument));
            out.push_back({"", Numbered("Event", SchedEntryNumber(page, row)),
                           Joined({r.time, r.dayOfWeek, r.month, r.dayOfMonth, command})});
        }
    }
}

Refusal Enter(ImageBytes& image, int, int index, const std::string& value) {
    const int page = index / kSchedPageSize, row = index % kSchedPageSize;
    const int offset = SchedRecordOffset(page, row);
    const SchedRowText shown = DisplaySched(image, page)[static_cast<std::size_t>(row)];
    SetSchedState state(ReadSchedEntry(image, offset));
    if (value.empty()) {
        state.SetErase(true);
        SaveSchedEntry(image, offset, state);
        return std::nullopt;
    }
    // time, weekday, "Skip", command or time, "----", month, day, command
    const std::vector<std::string> parts = Split(value, ", ");
    const bool monthDay = parts.size() >= 5 && parts[1] == "----";
    if (parts.size() < 4)
        return "Error! An event is: time, day of week, month, day of month, command";
    const std::string& time = parts[0];
    const std::string& weekday = parts[1];
    const std::string& month = parts[2];
    const std::string day = monthDay ? parts[3] : "";
    std::string command = parts[monthDay ? 4 : 3];
    state.SetErase(false);

    if (weekday != shown.dayOfWeek || month != shown.month || day != shown.dayOfMonth) {
        const CalendarTables& t = LoadCalendarTables();
        auto indexOf = [](const auto& names, const std::string& name) {
            const auto it = std::find(names.begin(), names.end(), name);
            return it == names.end() ? -1 : static_cast<int>(it - names.begin());
        };
        int option = SetSchedState::None, listIndex = -1, dayIndex = -1;
        if (monthDay) {
            option = SetSchedState::SelectMonthDay;
            listIndex = indexOf(t.MonthNames, month);
            dayIndex = indexOf(t.DayTexts, day);
            if (listIndex < 0 || dayIndex < 0)
                return "Error! A date is a month \"January\" to \"December\" and a day 1 to 31";
        } else if (month != "Skip") {
            return "Error! A weekday event has \"Skip\" for its month";
        } else if (weekday == "Daily") {
            option = SetSchedState::Daily;
        } else if (weekday == "Weekdays") {
            option = SetSchedState::WeekdaysOnly;
        } else if (weekday == "Weekends") {
            option = SetSchedState::WeekendsOnly;
        } else if ((listIndex = indexOf(t.DayNames, weekday)) >= 0) {
            option = SetSchedState::SelectWeekday;
        } else {
            return "Error! A day of week is Daily, Weekdays, Weekends or \"Sunday\" to \"Saturday\"";
        }
        // As the user clicks: another option first, so choosing the one already selected counts.
        state.SelectOption(option == SetSchedState::Daily ? SetSchedState::WeekdaysOnly
                                                          : SetSchedState::Daily);
        state.SelectOption(option);
        if (option == SetSchedState::SelectWeekday)
            state.SelectWeekdayIndex(listIndex);
        if (option == SetSchedState::SelectMonthDay) {
            state.SelectMonthIndex(listIndex);
            state.SelectDayIndex(dayIndex);
        }
    }

    if (time != shown.time) {
        const bool everyHour = time.rfind("----:", 0) == 0;
        const std::size_t colon = time.find(':');
        if (colon == std::string::npos)
            return "Error! A time is HH:MM, or ----:MM for every hour";
        state.SetEveryHour(everyHour);
        const std::string entry =
            everyHour ? time.substr(colon + 1) : time.substr(0, colon) + time.substr(colon + 1);
        if (auto refusal = KeyPad(state.TimeKeyPad(), entry))
            return refusal;
        if (auto refusal = state.EnterTime(entry))
            return refusal->text;
    }

    for (std::size_t k = (monthDay ? 5 : 4); k < parts.size(); ++k)
        command += ", " + parts[k];
    const std::string entry = CommandEntry(command);
    if (auto refusal = KeyPad(SetSchedState::CommandKeyPad(), entry))
        return refusal;
    if (entry != state.CommandCell())
        state.EnterCommand(entry);
    SaveSchedEntry(image, offset, state);
    return std::nullopt;
}

} // namespace

ListedArea SchedulerArea() {
    return {"Scheduler", {kScheduler.region()}, List, Enter, kBaseCopy, true};
}

} // namespace rc::listing
