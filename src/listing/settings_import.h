#pragma once

// The way back from the listing: each line of an exported text sets its setting through the same
// entry rules as the dialog that shows it (the keypad's checks, the word dialog's vocabulary, the
// scheduler's times and dates, the tone tables, the CW characters, On/Off for ticks), with the
// editor's own save routines. A line whose value already shows writes nothing.

#include "listing/settings_list.h"

#include <optional>
#include <string>
#include <vector>

namespace rc::listing {

// One line of a settings text, with the line number it starts on.
struct ImportLine {
    int line = 0;
    std::string area, item, value;
};

// A line that cannot be taken, and why.
struct ImportRefusal {
    int line = 0;
    std::string area, item, message;
    bool operator==(const ImportRefusal&) const = default;
};

// The text or JSON form of the listing, told apart by the content. In the text form blanks around
// "|" do not matter and blank lines and lines starting with "#" are comments; in both, "(none)" is
// an empty value. A line that is not a setting line becomes a refusal.
std::vector<ImportLine> ParseSettings(const std::string& text, std::vector<ImportRefusal>& refusals);

// A refusal quotes at most this many characters of what it was given, and reads no line longer
// than kLongestLine.
inline constexpr std::size_t kLongestQuote = 80;
inline constexpr std::size_t kLongestLine = 64 * 1024;
std::string Clipped(const std::string& text);

// A value of the text form as written: a value with blanks of its own at either end (or one that
// would read as quoted, or as "(none)") is written between double quotes, which are taken off
// here; "(none)" unquoted is an empty value.
std::string UnquotedValue(const std::string& value);

// Sets every line in `image`, in order. When any line is refused (a setting given twice is), every
// refusal is returned and the image is left exactly as it was.
std::vector<ImportRefusal> ImportSettings(ImageBytes& image, const std::vector<ImportLine>& lines);

} // namespace rc::listing
