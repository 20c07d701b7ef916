#include "shell/recent_files.h"
#include "shell/status_date.h"
#include "shell/system_info.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace rc::shell {
namespace {

namespace fs = std::filesystem;

TEST(ProcessFileList, KeepsTheFourNewestAndNeverReordersAListedPath) {
    struct Step {
        const char* open;
        RecentFiles after;
        bool changed;
    } steps[] = {
        {"/a.HR8", {"/a.HR8", "", "", ""}, true},
        {"/b.HR8", {"/b.HR8", "/a.HR8", "", ""}, true},
        {"/a.HR8", {"/b.HR8", "/a.HR8", "", ""}, false}, // already listed: keeps its place
        {"/c.HR8", {"/c.HR8", "/b.HR8", "/a.HR8", ""}, true},
        {"/d.HR8", {"/d.HR8", "/c.HR8", "/b.HR8", "/a.HR8"}, true},
        {"/e.HR8", {"/e.HR8", "/d.HR8", "/c.HR8", "/b.HR8"}, true}, // the oldest falls off
        {"/E.HR8", {"/E.HR8", "/e.HR8", "/d.HR8", "/c.HR8"}, true}, // case matters
        {"/c.HR8", {"/E.HR8", "/e.HR8", "/d.HR8", "/c.HR8"}, false},
        {"", {"/E.HR8", "/e.HR8", "/d.HR8", "/c.HR8"}, false},
    };
    RecentFiles list;
    for (const Step& s : steps) {
        EXPECT_EQ(ProcessFileList(list, s.open), s.changed) << s.open;
        EXPECT_EQ(list, s.after) << s.open;
    }
}

TEST(DisplayFileList, NumbersTheEntriesAndShortensLongPaths) {
    const std::string p45 = "/" + std::string(40, 'x') + ".HR8"; // 45 characters
    const std::string p46 = "/" + std::string(41, 'y') + ".HR8"; // 46 characters
    const std::string accented = "/home/" + std::string(33, 'z') + "/r\xC3\xA9p\xC3\xA9ter.HR8"; // 51 chars
    struct Case {
        std::string path;
        std::string caption; // for entry 2
    } cases[] = {
        {"/r.HR8", "&2 /r.HR8"},
        {p45, "&2 " + p45},
        {p46, "&2 .." + p46.substr(1)},
        // 51 characters in 53 bytes: the tail is 45 characters, and the two-byte letters stay whole.
        {accented, "&2 .." + accented.substr(6)},
    };
    for (const Case& c : cases) {
        RecentMenu menu = DisplayFileList({"/first.HR8", c.path, "", ""});
        EXPECT_EQ(menu.items[1].Caption(), c.caption) << c.path;
    }
}

TEST(FormatStatusDate, WeekdayMonthDayYear) {
    struct Case {
        int y, m, d;
        const char* text;
    } cases[] = {{2002, 4, 2, "Tuesday, April 2, 2002"},
                 {2000, 2, 29, "Tuesday, February 29, 2000"},
                 {2024, 12, 31, "Tuesday, December 31, 2024"},
                 {2023, 1, 1, "Sunday, January 1, 2023"},
                 {2023, 2, 29, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatStatusDate(c.y, c.m, c.d), c.text);
    EXPECT_FALSE(TodayStatusDate().empty());
}

TEST(FindSystemInfoTool, FirstInstalledToolInPathOrder) {
    test::TempFolder folder;
    const fs::path& dir = folder.path();
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    auto makeTool = [&](const fs::path& p, bool executable) {
        std::ofstream(p) << "#!/bin/sh\n";
        fs::permissions(p, executable ? fs::perms::owner_all : fs::perms::owner_read);
    };
    makeTool(dir / "a" / "second", false); // not executable: skipped
    makeTool(dir / "b" / "second", true);
    fs::create_directories(dir / "a" / "first"); // a folder of that name is no program
    const char* tools[] = {"first", "second"};
    std::string path = ":" + (dir / "a").string() + ":" + (dir / "b").string() + "/";
    EXPECT_EQ(FindSystemInfoTool(path, tools), (dir / "b" / "second").string());
    makeTool(dir / "b" / "first", true);
    EXPECT_EQ(FindSystemInfoTool(path, tools), (dir / "b" / "first").string());
    EXPECT_EQ(FindSystemInfoTool("", tools), "");
}

} // namespace
} // namespace rc::shell
