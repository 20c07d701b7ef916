#include "shell/menu_tree.h"
#include "shell/status_date.h"
#include "shell/system_info.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace rc::shell {
namespace {

namespace fs = std::filesystem;

TEST(MenuTree, NamesAreUniqueAndEveryParentIsAMenuBeforeItsItems) {
    std::set<std::string> names, menus;
    for (const MenuItem& item : MenuTree()) {
        EXPECT_TRUE(names.insert(item.name).second) << item.name;
        if (*item.parent) {
            EXPECT_TRUE(menus.count(item.parent)) << item.name;
        }
        if (item.kind == MenuKind::Menu)
            menus.insert(item.name);
    }
    EXPECT_EQ(menus.size(), 11u);
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
