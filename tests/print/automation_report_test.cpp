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

// The cells of the row of entry n on a page: the line whose first cell is the number at column 8.
std::vector<Cell> RowOf(const Page& page, int n) {
    for (const Line& line : page.lines)
        if (!line.cells.empty() && line.cells[0].column == 8 && line.cells[0].text == Number(n))
            return line.cells;
    return {};
}

void Put(ImageBytes& image, int at, std::vector<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[at + static_cast<int>(i)] = bytes[i];
}

TEST(AutomationReports, MacroRows) {
    ImageBytes image;
    Put(image, 4032, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: commands and a 1A
    Put(image, 4032 + 28, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});        // macro 2: no code
    Put(image, 4032 + 19 * 28, {7, 11, 12, 13, 14, 15, 10, 9});         // macro 20: code only
    const auto docs = Build(image, "macros");
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].pages.size(), 1u);
    const Page& page = docs[0].pages[0];
    const std::string zeros = "0000   0000   0000   0000   0000   0000   0000   0000";
    EXPECT_EQ(RowOf(page, 1), (std::vector<Cell>{{8, " 1 "}, {14, "123"}, {28, "1110   1A05   " + zeros}}));
    EXPECT_EQ(RowOf(page, 2), (std::vector<Cell>{{8, " 2 "}}));
    EXPECT_EQ(RowOf(page, 20),
              (std::vector<Cell>{{8, " 20 "}, {14, "*#ABC09"}, {28, "0000   0000   " + zeros}}));
    const std::string text = RenderText(docs);
    EXPECT_NE(text.find("Halden R8 Macro Commands"), std::string::npos);
    EXPECT_NE(text.find("             Code          Commands"), std::string::npos);
}

TEST(AutomationReports, SchedulerRowsOnTwoPages) {
    ImageBytes image;
    Put(image, 7888, {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10});      // 1: December 25 at 08:30
    Put(image, 7888 + 7, {0xFF, 0, 9, 0x08, 0x30, 0, 0});           // 2: weekends at 08:30
    Put(image, 7888 + 14, {0xFF, 0, 0, 0xFF, 0x15, 0x05, 0x00});    // 3: every hour at :15
    Put(image, 7888 + 21, {0x13, 0x05, 0, 0x1A, 0x3B, 0x2A, 0x00}); // 4: not BCD
    Put(image, 7888 + 22 * 7, {0xFF, 0, 12, 0x23, 0x59, 0, 0});     // 23: unknown weekday
    const auto docs = Build(image, "scheduler");
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].pages.size(), 2u);
    const Page& first = docs[0].pages[0];
    const Page& second = docs[0].pages[1];
    struct Case {
        const Page* page;
        int n;
        std::vector<Cell> cells;
    } cases[] = {
        {&first,
         1,
         {{8, " 1 "}, {15, "08:30"}, {25, "      ----"}, {45, "December"}, {55, "25"}, {75, "1110"}}},
        {&first, 2, {{8, " 2 "}, {15, "08:30"}, {25, "Weekends"}, {45, "Skip"}, {75, "0000"}}},
        {&first, 3, {{8, " 3 "}, {15, "---:15"}, {25, "Daily"}, {45, "Skip"}, {75, "0500"}}},
        {&first, 4, {{8, " 4 "}, {15, "1A:3B"}, {25, "      ----"}, {45, "Error"}, {55, "5"}, {75, "2A00"}}},
        {&first, 5, {{8, " 5 "}}},
        {&first, 21, {}},
        {&second, 21, {{8, " 21 "}}},
        {&second, 23, {{8, " 23 "}, {15, "23:59"}, {25, "Error"}, {45, "Skip"}, {75, "0000"}}},
        {&second, 40, {{8, " 40 "}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowOf(*c.page, c.n), c.cells) << c.n;
    // Each page starts with its own heading and title.
    const std::string text = RenderText(docs);
    auto count = [&](const std::string& what) {
        int k = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++k;
        return k;
    };
    EXPECT_EQ(count("Print Date: 12/06/26"), 2);
    EXPECT_EQ(count("Halden R8 Schedular Operations"), 2);
    EXPECT_EQ(count("Day Of Month"), 2);
}

} // namespace
} // namespace rc::print
