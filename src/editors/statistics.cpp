#include "editors/statistics.h"

#include "image/image_file.h"
#include "image/regions.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace rc {

namespace {

constexpr std::array<const char*, kStatCount> kLabels = {
    "Manual Autopatch",       "Users Speed Dials", "Emergency Speed Dials", "Reverse Autopatch",
    "Off Air Control",        "Telephone Control", "Off Air Programming",   "Telephone Programming",
    "Telephone Ring Detects", "CRT Logins",
};

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

} // namespace

std::string StatLabel(int i) {
    return i >= 0 && i < kStatCount ? kLabels[static_cast<std::size_t>(i)] : "";
}

int GetStatNumber(const ImageBytes& image, int PT) {
    return image[PT];
}

FileFacts StatFile(const std::string& path) {
    FileFacts facts;
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return facts;
    facts.exists = true;
    // The same test as Save's, so the note shows exactly when Save would refuse the file.
    facts.readOnly = IsReadOnlyFile(path);
    std::tm local{};
    if (::localtime_r(&st.st_mtime, &local)) {
        facts.year = local.tm_year + 1900;
        facts.month = local.tm_mon + 1;
        facts.day = local.tm_mday;
    }
    return facts;
}

std::string FileDateText(int year, int month, int day) {
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok())
        return "";
    const unsigned wd = weekday{sys_days{ymd}}.c_encoding();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %s %02d, %04d", kWeekdays[wd],
                  kMonths[static_cast<std::size_t>(month - 1)], day, year);
    return buf;
}

StatsView DisplayStats(const ImageBytes& image, const std::string& ImageFileName, const FileFacts& file) {
    StatsView view;
    if (ImageFileName.empty()) {
        view.fileName = " No File Assigned";
        return view;
    }
    view.fileName = " " + ImageFileName;
    // The file may have been moved or deleted since it was opened; its date would then be a guess.
    view.fileDate = file.exists ? FileDateText(file.year, file.month, file.day) : "File no longer found";
    view.readOnlyShown = file.exists && file.readOnly;
    for (int i = 0; i < kStatCount; ++i)
        view.data[static_cast<std::size_t>(i)] = std::to_string(GetStatNumber(image, kStatistics.offset + i));
    return view;
}

MessageSpec ResetStatsQuestion() {
    return {"Do you want to clear all repeater stats?", "Clear Stats", MessageIcon::Question,
            MessageButtons::YesNo, Answer::No};
}

bool ResetStats(ImageBytes& image, IMessages& messages) {
    if (messages.Show(ResetStatsQuestion()) != Answer::Yes)
        return false;
    for (int k = 0; k < kStatistics.length; ++k)
        image[kStatistics.offset + k] = 0;
    return true;
}

} // namespace rc
