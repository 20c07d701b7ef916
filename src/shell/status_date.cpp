#include "shell/status_date.h"

#include <chrono>
#include <ctime>

namespace rc::shell {

std::string FormatStatusDate(int year, int month, int day) {
    static const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    using namespace std::chrono;
    year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                       std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok())
        return {};
    weekday wd{sys_days{ymd}};
    return std::string(kDays[wd.c_encoding()]) + ", " + kMonths[month - 1] + " " + std::to_string(day) +
           ", " + std::to_string(year);
}

std::string TodayStatusDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return FormatStatusDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace rc::shell
