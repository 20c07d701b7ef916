#pragma once

// The history of an image: every copy kept of it in the backups folder, oldest first, with what
// changed from one copy to the next and how far each usage counter rose in between. The command
// line and the History window both show these rows.

#include "cli/editor_command.h"
#include "editors/statistics.h"
#include "image/image_bytes.h"

#include <array>
#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rc::shell {

struct HistoryCopy {
    std::string path;
    std::string direction; // "download", "upload", "overwritten"...
    std::time_t when = 0;  // local date and time from the copy's name
};

// The copies kept of `file` (made from that very path), oldest first, as the clean-up groups them.
std::vector<HistoryCopy> HistoryCopies(const std::string& file);

struct HistoryRow {
    HistoryCopy copy;
    std::string unreadable; // why the copy is not an image; such a row is compared with nothing
    std::optional<ImageBytes> image;
    bool first = true;       // no earlier copy to compare with
    int settingsChanged = 0; // settings other than the counters, against the previous copy
    std::array<int, kStatCount> counters{};
    // Against the previous copy: how far each counter rose; for one that fell (the counters were
    // reset) what it counted since, as the controller starts again from zero.
    std::array<int, kStatCount> rise{};
    std::array<bool, kStatCount> reset{};
};

// Reads every copy and compares each readable one with the readable one before it.
std::vector<HistoryRow> ReadHistory(const std::vector<HistoryCopy>& copies);

// "2026-03-01 02:00:00"
std::string HistoryTime(std::time_t when);
// "first copy", "1 setting changed", "3 settings changed"
std::string SettingsChangedText(const HistoryRow& row);
// "Manual Autopatch +3, CRT Logins reset"; "(none)" when no counter moved.
std::string CountersText(const HistoryRow& row);

// One line a copy: "DATE TIME | direction | copy path | settings changed | counters".
std::string HistoryText(const std::vector<HistoryRow>& rows);
// A JSON array of {"date", "time", "direction", "copy", "settingsChanged" (null for the first copy),
// "counters" (name -> rise, or "reset")}, and "unreadable" for a copy that is not an image.
std::string HistoryJson(const std::vector<HistoryRow>& rows);

// rcedit --history [--format text|json] FILE: exit 0 (also without copies), 2 for a refused FILE.
int RunHistoryCommand(const cli::HistoryCommand& command, std::ostream& out, std::ostream& err);

} // namespace rc::shell
