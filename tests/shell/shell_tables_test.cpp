#include "shell/help_topics.h"
#include "shell/menu_tree.h"
#include "shell/status_date.h"
#include "shell/system_info.h"

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

TEST(HelpTopics, EveryContextOfTheProgramHasItsOwnPage) {
    std::set<int> contexts = {kMainWindowContext, kKeyPadContext, kContentsContext, kAboutContext};
    for (const MenuItem& item : MenuTree())
        if (item.helpContext)
            contexts.insert(item.helpContext);
    EXPECT_EQ(contexts.size(), 29u);
    for (int c : contexts) {
        const HelpPage& page = PageForContext(c);
        if (c != kContentsContext) {
            EXPECT_NE(&page, &ContentsPage()) << c;
        }
    }
    struct Case {
        int context;
        const char* file;
    } cases[] = {{10, "main.html"},    {110, "keypad.html"},   {200, "codes.html"},
                 {201, "codes.html"},  {300, "timers.html"},   {301, "timers.html"},
                 {0, "contents.html"}, {999, "contents.html"}, {-5, "contents.html"}};
    for (const Case& c : cases)
        EXPECT_STREQ(PageForContext(c.context).file, c.file) << c.context;
}

TEST(HelpTopics, EveryPageIsShippedAndLinksOnlyToShippedPages) {
    fs::path folder = fs::path(RC_SOURCE_DIR) / "src/shell/help";
    for (const HelpPage& page : HelpPages()) {
        fs::path file = folder / page.file;
        ASSERT_TRUE(fs::exists(file)) << page.file;
        std::ifstream in(file);
        std::string html((std::istreambuf_iterator<char>(in)), {});
        for (std::size_t at = html.find("href=\""); at != std::string::npos;
             at = html.find("href=\"", at + 1)) {
            std::string target = html.substr(at + 6, html.find('"', at + 6) - at - 6);
            target = target.substr(0, target.find('#'));
            if (target.ends_with(".html")) {
                EXPECT_TRUE(FindHelpPage(target)) << page.file << " links to " << target;
            } else if (!target.empty()) {
                EXPECT_TRUE(fs::exists(folder / target)) << page.file << " links to " << target;
            }
        }
    }
}

TEST(HelpTopics, KeywordSearch) {
    std::vector<HelpIndexEntry> all = HelpIndex();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(MatchKeywords("").size(), all.size());

    std::vector<HelpIndexEntry> timers = MatchKeywords("TIME");
    ASSERT_FALSE(timers.empty());
    EXPECT_EQ(timers.front().keyword.substr(0, 4), "time"); // starts-with before contains
    bool foundTimersPage = false;
    for (const HelpIndexEntry& e : timers)
        foundTimersPage |= std::string(e.page->file) == "timers.html";
    EXPECT_TRUE(foundTimersPage);
    EXPECT_TRUE(MatchKeywords("no such words").empty());
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
    std::string tmpl = (fs::temp_directory_path() / "rc-sysinfo-XXXXXX").string();
    fs::path dir = ::mkdtemp(tmpl.data());
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
    fs::remove_all(dir);
}

} // namespace
} // namespace rc::shell
