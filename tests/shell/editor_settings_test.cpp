#include "shell/editor_settings.h"

#include "shell_doubles.h"

#include <gtest/gtest.h>

#include <map>

namespace rc::shell {
namespace {

using namespace rc::shell::testing;

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
