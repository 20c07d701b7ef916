#include "shell/history.h"

#include "files/backups.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "listing/settings_list.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <tuple>

namespace rc::shell {

namespace fs = std::filesystem;

namespace {

// The listing's area for the counters: they are told apart from the settings.
const std::string& CountersArea() {
    static const std::string area = [] {
        for (const listing::ListedArea& a : listing::ListedAreas())
            for (const Region& r : a.bytes)
                if (r.offset == kStatistics.offset)
                    return a.area;
        return std::string();
    }();
    return area;
}

} // namespace

std::vector<HistoryCopy> HistoryCopies(const std::string& file) {
    std::vector<HistoryCopy> copies;
    for (const CopyRecord& r : CopiesOf(file))
        copies.push_back({r.path, r.direction, r.when});
    return copies;
}

std::vector<HistoryRow> ReadHistory(const std::vector<HistoryCopy>& copies) {
    std::vector<HistoryRow> rows;
    std::optional<std::size_t> previous;
    for (const HistoryCopy& copy : copies) {
        HistoryRow& row = rows.emplace_back();
        row.copy = copy;
        ImageBytes image;
        if (const ReadResult read = ReadImageFile(copy.path, image); read.error != OpenError::None) {
            row.unreadable = OpenErrorMessage(read).text;
            continue;
        }
        for (int i = 0; i < kStatCount; ++i)
            row.counters[static_cast<std::size_t>(i)] = GetStatNumber(image, kStatistics.offset + i);
        if (previous) {
            const HistoryRow& before = rows[*previous];
            row.first = false;
            for (const listing::SettingChange& c : listing::DiffSettings(*before.image, image))
                row.settingsChanged += c.area != CountersArea();
            for (std::size_t i = 0; i < kStatCount; ++i) {
                row.reset[i] = row.counters[i] < before.counters[i];
                row.rise[i] = row.reset[i] ? row.counters[i] : row.counters[i] - before.counters[i];
            }
        }
        row.image = image;
        previous = rows.size() - 1;
    }
    return rows;
}

std::string HistoryTime(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string SettingsChangedText(const HistoryRow& row) {
    if (!row.unreadable.empty())
        return "unreadable";
    if (row.first)
        return "first copy";
    return std::to_string(row.settingsChanged) + (row.settingsChanged == 1 ? " setting" : " settings") +
           " changed";
}

std::string CountersText(const HistoryRow& row) {
    std::string text;
    for (std::size_t i = 0; i < kStatCount; ++i)
        if (row.reset[i] || row.rise[i])
            text += (text.empty() ? "" : ", ") + StatLabel(static_cast<int>(i)) +
                    (row.reset[i] ? " reset" : " +" + std::to_string(row.rise[i]));
    return text.empty() ? "(none)" : text;
}

std::string HistoryText(const std::vector<HistoryRow>& rows) {
    std::string text;
    for (const HistoryRow& row : rows)
        text += HistoryTime(row.copy.when) + " | " + row.copy.direction + " | " + row.copy.path + " | " +
                SettingsChangedText(row) + " | " +
                (row.unreadable.empty() ? CountersText(row) : row.unreadable) + "\n";
    return text;
}

std::string HistoryJson(const std::vector<HistoryRow>& rows) {
    // One copy a line, as the other listings give their JSON.
    std::string text = "[";
    for (const HistoryRow& row : rows) {
        const std::string when = HistoryTime(row.copy.when);
        nlohmann::ordered_json o = {{"date", when.substr(0, 10)},
                                    {"time", when.substr(11)},
                                    {"direction", row.copy.direction},
                                    {"copy", row.copy.path}};
        if (!row.unreadable.empty()) {
            o["unreadable"] = row.unreadable;
        } else {
            o["settingsChanged"] =
                row.first ? nlohmann::ordered_json() : nlohmann::ordered_json(row.settingsChanged);
            nlohmann::ordered_json counters = nlohmann::ordered_json::object();
            for (std::size_t i = 0; i < kStatCount; ++i)
                if (row.reset[i])
                    counters[StatLabel(static_cast<int>(i))] = "reset";
                else if (row.rise[i])
                    counters[StatLabel(static_cast<int>(i))] = row.rise[i];
            o["counters"] = counters;
        }
        text += (text.size() > 1 ? ",\n " : "\n ") + o.dump();
    }
    return text + (text.size() > 1 ? "\n]\n" : "]\n");
}

int RunHistoryCommand(const cli::HistoryCommand& command, std::ostream& out, std::ostream& err) {
    const std::string& file = command.files.front();
    // A file that is gone is when its copies are wanted most; one that is there must be an image.
    std::error_code ec;
    std::string extension = fs::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const bool gone = !fs::exists(fs::symlink_status(file, ec)) && extension == ".HR8";
    ImageBytes image;
    if (const ReadResult read = ReadImageFile(file, image); !gone && read.error != OpenError::None) {
        err << file << ": " << OpenErrorMessage(read).text << "\n";
        return 2;
    }
    const std::vector<HistoryRow> rows = ReadHistory(HistoryCopies(file));
    if (command.json)
        out << HistoryJson(rows);
    else if (rows.empty())
        out << "No copies of " << fs::path(file).filename().string() << " are kept in " << BackupFolder()
            << "\n";
    else
        out << HistoryText(rows);
    out.flush();
    return out ? 0 : 2;
}

} // namespace rc::shell
