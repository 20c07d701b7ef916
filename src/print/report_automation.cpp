#include "codecs/commands.h"
#include "codecs/dtmf.h"
#include "editors/scheduler.h"
#include "image/regions.h"
#include "print/reports.h"

namespace rc::print {

void PMacros(DocumentBuilder& b, const ImageBytes& image) {
    SubHeading(b, 30);
    for (int n = 1; n <= kMacros.count; ++n) {
        const int at = kMacros.at(n - 1);
        if (image[at] == 0) {
            b.Row({{8, Number(n)}});
            continue;
        }
        std::string commands;
        for (int k = 0; k < 10; ++k) {
            if (k > 0)
                commands += "   ";
            commands += Hex2(image[at + 8 + 2 * k]) + Hex2(image[at + 9 + 2 * k]);
        }
        b.Row({{8, Number(n)}, {14, CountedDigitsText(image, at, kMacroCodeDigits)}, {28, commands}});
    }
}

void PSchedular(DocumentBuilder& b, const ImageBytes& image, int page) {
    SubHeading(b, 40);
    const int first = page == 2 ? 21 : 1;
    for (int n = first; n < first + 20; ++n) {
        const SchedEntry e = ReadSchedEntry(image, kScheduler.at(n - 1));
        if (e.Month == 0) {
            b.Row({{8, Number(n)}});
            continue;
        }
        const bool dated = e.Month != kNoMonth;
        std::vector<Cell> row = {
            {8, Number(n)},
            {15, (e.Hour == kEveryHour ? "---:" : Hex2(e.Hour) + ":") + Hex2(e.Minute)},
            {25, dated ? "      ----" : WeekdayText(e.Weekday)},
            {45, MonthText(e.Month)},
        };
        if (dated)
            row.push_back({55, ArgumentText(e.Day)});
        row.push_back({75, Hex2(e.Function) + Hex2(e.Argument)});
        b.Row(std::move(row));
    }
}

} // namespace rc::print
