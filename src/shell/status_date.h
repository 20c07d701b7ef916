#pragma once

#include <string>

namespace rc::shell {

// A date as the status bar shows it: "Tuesday, April 2, 2002". Month 1..12.
std::string FormatStatusDate(int year, int month, int day);
// Today's date in the local time zone, formatted as above.
std::string TodayStatusDate();

} // namespace rc::shell
