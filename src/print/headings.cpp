#include "print/headings.h"

#include <clocale>
#include <cstdlib>
#include <ctime>

namespace rc::print {

std::string SubHeadingTitle(int code) {
    if (code == 0)
        return "Halden R8 Base Control Codes";
    if (code >= 1 && code <= 4)
        return "Halden R8 Memory Save " + std::to_string(code) + " Control Codes";
    if (code == 10)
        return "Halden R8 Base Timers";
    if (code >= 11 && code <= 14)
        return "Halden R8 Memory Save " + std::to_string(code - 10) + " Timers";
    switch (code) {
    case 30:
        return "Halden R8 Macro Commands";
    case 40:
        return "Halden R8 Schedular Operations";
    case 50:
        return "Halden R8 Speed Dial Numbers";
    case 55:
        return "Halden R8 Emergency Speed Dial Numbers";
    case 60:
        return "Halden R8 Base Control Zones";
    case 70:
        return "Halden R8 Courtesy Tones";
    case 80:
        return "Halden R8 CW Message";
    default:
        break;
    }
    if (code >= 61 && code <= 64)
        return "Halden R8 Memory Save " + std::to_string(code - 60) + " Control Zones";
    return "";
}

namespace {

void HeadingLines(DocumentBuilder& b, const ReportContext& ctx) {
    b.EmptyLine();
    b.Line({{8, ctx.fileText.empty() ? "File: No File Name Assigned" : "File: " + ctx.fileText}});
    b.Line({{8, "Print Date: " + ctx.printDate}});
    b.EmptyLine();
}

void BoldHeadings(DocumentBuilder& b, std::vector<Cell> cells) {
    b.SetBold(true);
    b.Line(std::move(cells));
    b.SetBold(false);
}

} // namespace

void PageHeading(DocumentBuilder& b, const ReportContext& ctx) {
    b.SetFontSize(ctx.fontSize);
    HeadingLines(b, ctx);
}

void SubHeading(DocumentBuilder& b, int code) {
    b.EmptyLine();
    if (code == 80)
        b.EmptyLine();
    b.SetFontSize(14);
    b.Centered(SubHeadingTitle(code));
    b.SetFontSize(10);
    b.EmptyLine();
    switch (code) {
    case 30:
        BoldHeadings(b, {{14, "Code"}, {28, "Commands"}});
        break;
    case 40:
        BoldHeadings(
            b, {{15, "Time"}, {25, "Day Of Week"}, {45, "Month"}, {55, "Day Of Month"}, {75, "Command"}});
        b.EmptyLine();
        break;
    case 70:
        BoldHeadings(
            b, {{15, "Tone #1"}, {35, "Delay"}, {45, "Tone #2 Hz-Ms"}, {65, "Delay"}, {75, "Tone #3 Hz-Ms"}});
        break;
    default:
        break;
    }
    b.EmptyLine();
}

void PageHeadingM(DocumentBuilder& b, const ReportContext& ctx, int copy) {
    b.SetFontSize(10);
    HeadingLines(b, ctx);
    b.SetFontSize(14);
    b.Centered(copy == 0 ? "Base Voice Messages" : "Memory Save " + std::to_string(copy) + " Voice Messages");
    b.SetFontSize(10);
    b.EmptyLine();
}

std::string ShortDateToday() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
        gmtime_r(&now, &tm);
    } else {
        localtime_r(&now, &tm);
    }
    std::setlocale(LC_TIME, "");
    char buf[64];
    std::size_t n = std::strftime(buf, sizeof buf, "%x", &tm);
    return std::string(buf, n);
}

} // namespace rc::print
