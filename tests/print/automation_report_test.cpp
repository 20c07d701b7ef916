#include "print/jobs.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

namespace rc::print {
namespace {

std::vector<Document> Build(const ImageBytes& image, std::string_view job) {
    ReportContext ctx{image, " /x/site.HR8", "12/06/26", 10};
    for (const PrintJob& j : PrintJobs())
        if (j.name == job)
            return BuildJob(j, ctx);
    return {};
}

// The cells of entry n's row on a page, "column:text" joined by "|".
std::string RowOf(const Page& page, int n) {
    for (const Line& line : page.lines) {
        if (line.cells.empty() || line.cells[0].column != 8 || line.cells[0].text != Number(n))
            continue;
        std::string row;
        for (const Cell& c : line.cells)
            row += (row.empty() ? "" : "|") + std::to_string(c.column) + ":" + c.text;
        return row;
    }
    return "";
}

void Put(ImageBytes& image, int at, std::vector<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[at + static_cast<int>(i)] = bytes[i];
}

// clang-format off
TEST(AutomationReports, MacroAndSchedulerRows) {
    ImageBytes image;
    Put(image, 4032, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: commands and a 1A
    Put(image, 4060, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});            // macro 2: no code
    Put(image, 4564, {7, 11, 12, 13, 14, 15, 10, 9});                  // macro 20: code only
    Put(image, 7888, {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10});         // event 1: December 25 at 08:30
    Put(image, 7895, {0xFF, 0, 9, 0x08, 0x30, 0, 0});                  // 2: weekends at 08:30
    Put(image, 7902, {0xFF, 0, 0, 0xFF, 0x15, 0x05, 0x00});            // 3: every hour at :15
    Put(image, 7909, {0x13, 0x05, 0, 0x1A, 0x3B, 0x2A, 0x00});         // 4: not BCD
    Put(image, 8042, {0xFF, 0, 12, 0x23, 0x59, 0, 0});                 // 23: unknown weekday
    const std::string zeros = "0000   0000   0000   0000   0000   0000   0000   0000";
    const auto macros = Build(image, "macros");
    const auto sched = Build(image, "scheduler");
    ASSERT_EQ(macros.size(), 1u);
    ASSERT_EQ(sched.size(), 1u);
    ASSERT_EQ(sched[0].pages.size(), 2u);
    struct Case {
        const Page& page;
        int n;
        std::string row;
    } cases[] = {
        {macros[0].pages[0], 1, "8: 1 |14:123|28:1110   1A05   " + zeros},
        {macros[0].pages[0], 2, "8: 2 "},
        {macros[0].pages[0], 20, "8: 20 |14:*#ABC09|28:0000   0000   " + zeros},
        {sched[0].pages[0], 1, "8: 1 |15:08:30|25:      ----|45:December|55:25|75:1110"},
        {sched[0].pages[0], 2, "8: 2 |15:08:30|25:Weekends|45:Skip|75:0000"},
        {sched[0].pages[0], 3, "8: 3 |15:---:15|25:Daily|45:Skip|75:0500"},
        {sched[0].pages[0], 4, "8: 4 |15:1A:3B|25:      ----|45:Error|55:5|75:2A00"},
        {sched[0].pages[0], 5, "8: 5 "},
        {sched[0].pages[0], 21, ""},
        {sched[0].pages[1], 21, "8: 21 "},
        {sched[0].pages[1], 23, "8: 23 |15:23:59|25:Error|45:Skip|75:0000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowOf(c.page, c.n), c.row) << c.n;
    // Each scheduler page starts with its own heading, title and column headings.
    const std::string text = RenderText(sched);
    for (const char* once : {"Print Date: 12/06/26", "Halden R8 Schedular Operations", "Day Of Month"})
        EXPECT_NE(text.find(once, text.find(once) + 1), std::string::npos) << once;
    EXPECT_NE(RenderText(macros).find("             Code          Commands"), std::string::npos);
}
// clang-format on

} // namespace
} // namespace rc::print
