#include "shell/editor_settings.h"
#include "shell/recent_files.h"
#include "shell/status_date.h"
#include "shell/system_info.h"
#include "shell_doubles.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace rc::shell {
namespace {

namespace fs = std::filesystem;
using namespace rc::shell::testing;

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

TEST(GetRegistry, MissingOrEmptyValuesTakeTheFirstRunDefaults) {
    MemoryStore empty, blanks;
    blanks.values = {{{"Printer", "FontName"}, ""},
                     {{"Printer", "FontSize"}, ""},
                     {{"Options", "Show Tips at Startup"}, ""},
                     {{"Projects", "File2"}, "/x.HR8"}};
    for (MemoryStore* store : {&empty, &blanks}) {
        EditorSettings s = GetRegistry(*store);
        EXPECT_EQ(s.PrintFontName, "Arial");
        EXPECT_EQ(s.PrintFontSize, "10");
        EXPECT_EQ(s.ShowTips, 1);
        EXPECT_EQ(s.Password, "");
        EXPECT_EQ(s.Files, (store == &empty ? RecentFiles{} : RecentFiles{"", "/x.HR8", "", ""}));
    }
}

TEST(SaveRegistry, WritesEveryKeyWithItsFixedValues) {
    MemoryStore store;
    store.values[{"Startup", "Password"}] = "something else";
    store.values[{"Configuration", "Memory_4"}] = "old";
    EditorSettings s = GetRegistry(store);
    EXPECT_EQ(s.Password, "something else");
    s.PrintFontName = "Courier New";
    s.PrintFontSize = "12";
    s.Files = {"/a.HR8", "/b.HR8", "", ""};
    s.ShowTips = 0;
    s.LastFolder = "/home/op/sites";
    SaveRegistry(store, s);
    std::map<std::pair<std::string, std::string>, std::string> expected = {
        {{"Startup", "Password"}, "Tern Haven"},
        {{"Configuration", "Memory_4"}, ""},
        {{"Printer", "FontName"}, "Courier New"},
        {{"Printer", "FontSize"}, "12"},
        {{"Projects", "File1"}, "/a.HR8"},
        {{"Projects", "File2"}, "/b.HR8"},
        {{"Projects", "File3"}, ""},
        {{"Projects", "File4"}, ""},
        {{"Projects", "Folder"}, "/home/op/sites"},
        {{"Options", "Show Tips at Startup"}, "0"},
    };
    EXPECT_EQ(store.values, expected);
    EXPECT_EQ(GetRegistry(store).LastFolder, "/home/op/sites");
}

TEST(CwKeying, KeptWithinTheirRanges) {
    MemoryStore store;
    EXPECT_EQ(GetCwKeying(store), (sound::CwKeying{20, 800}));
    SaveCwKeying(store, {25, 650});
    EXPECT_EQ(GetCwKeying(store), (sound::CwKeying{25, 650}));
    store.Save("Sound", "CW WPM", "fast");
    store.Save("Sound", "CW Pitch", "90000");
    EXPECT_EQ(GetCwKeying(store), (sound::CwKeying{20, 3000}));
}

TEST(ParseShowTips, ReadsIntegersAndFallsBackOnAnythingElse) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"1", 1},   {"0", 0},    {" 0 ", 0}, {"-1", -1}, {"+2", 2},    {"1.6", 2},
                 {"yes", 1}, {"0x10", 1}, {"", 1},    {"1e3", 1}, {"99999", 1}, {"32767", 32767}};
    for (const Case& c : cases)
        EXPECT_EQ(ParseShowTips(c.text), c.value) << '"' << c.text << '"';
}

TEST(FontSize, TextAndNumberBothWays) {
    struct Case {
        const char* text;
        double value;
    } toNumber[] = {{"10", 10}, {"12", 12}, {"10.5", 10.5}, {"", 10}, {"big", 10}, {"0", 10}, {"-3", 10}};
    for (const Case& c : toNumber)
        EXPECT_DOUBLE_EQ(FontSizeValue(c.text), c.value) << c.text;
    EXPECT_EQ(FontSizeText(10), "10");
    EXPECT_EQ(FontSizeText(10.5), "10.5");
    EXPECT_EQ(FontSizeText(7.25), "7.25");
}

TEST(SelectPrintFont, PresetsTheDialogAndStoresOnlyAChoice) {
    EditorSettings s;
    s.PrintFontName = "";
    s.PrintFontSize = "abc";
    ScriptedFonts picker;
    EXPECT_FALSE(SelectPrintFont(s, picker));
    EXPECT_EQ(picker.preset.name, "Arial");
    EXPECT_DOUBLE_EQ(picker.preset.size, 10);
    EXPECT_EQ(s.PrintFontName, ""); // cancel leaves the settings as they were
    EXPECT_EQ(s.PrintFontSize, "abc");

    picker.answer = FontChoice{"DejaVu Sans Mono", 11.5};
    EXPECT_TRUE(SelectPrintFont(s, picker));
    EXPECT_EQ(s.PrintFontName, "DejaVu Sans Mono");
    EXPECT_EQ(s.PrintFontSize, "11.5");
}

} // namespace
} // namespace rc::shell
