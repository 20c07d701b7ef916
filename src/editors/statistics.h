#pragma once

// The repeater's ten usage counters and what the statistics dialog shows beside them.

#include "image/image_bytes.h"
#include "image/messages.h"

#include <array>
#include <string>

namespace rc {

inline constexpr int kStatCount = 10;

std::string StatLabel(int i); // "Manual Autopatch" .. "CRT Logins"; empty for another number
// The counter byte at PT as a number, 0..255.
int GetStatNumber(const ImageBytes& image, int PT);

// What the file system says about the statistics' file right now.
struct FileFacts {
    bool exists = false;
    bool readOnly = false;
    int year = 0, month = 0, day = 0; // last modified, local time
};
FileFacts StatFile(const std::string& path);

// "dddd, mmmm dd, yyyy": "Monday, December 07, 2026". Month 1..12.
std::string FileDateText(int year, int month, int day);

struct StatsView {
    std::string fileName;
    std::string fileDate;
    bool readOnlyShown = false; // the read-only note and its warning picture
    std::array<std::string, kStatCount> data;
};

// The dialog's texts for the file last opened (empty: none yet) as `file` describes it.
StatsView DisplayStats(const ImageBytes& image, const std::string& ImageFileName, const FileFacts& file);

MessageSpec ResetStatsQuestion();
// "Reset Stats": after a Yes the ten counters are zero. True when they were reset.
bool ResetStats(ImageBytes& image, IMessages& messages);

} // namespace rc
