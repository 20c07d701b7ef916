// The editor shell's Qt-free rules: the file commands, the recent files, the settings and the small tables.
#include "image/image_file.h"
#include "shell/editor_settings.h"
#include "shell/file_commands.h"
#include "shell/recent_files.h"
#include "shell/status_date.h"
#include "shell/system_info.h"
#include "shell_doubles.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace rc::shell {
namespace {

namespace fs = std::filesystem;
using namespace rc::shell::testing;

struct RecordingView : IShellView {
    std::string status;
    RecentFiles shownRecent;
    int busyDepth = 0;
    void SetImageCommandsEnabled(bool) override {} // the main window test sees the menu
    void SetStatusFile(const std::string& t) override { status = t; }
    void ShowRecentFiles(const RecentFiles& f) override { shownRecent = f; }
    void SetBusy(bool b) override { busyDepth += b ? 1 : -1; }
};

class FileCommandsTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string first = folder.WriteImage("first.HR8", 1), second = folder.WriteImage("second.hr8", 2);
    EditorState state;
    RecentFiles recent;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingView view;
    FileCommands commands{state, recent, messages, dialogs, view};
};

TEST_F(FileCommandsTest, OpenLoadsTheChosenFileAndEnablesTheImageCommands) {
    dialogs.opens = {first};
    ASSERT_TRUE(commands.Open());
    EXPECT_EQ(dialogs.openSpecs.at(0).filter, "Halden R8 File(s) *.HR8)|*.HR8");
    EXPECT_EQ(dialogs.openSpecs.at(0).filterIndex, 1);
    EXPECT_EQ(state.image[100], 1);
    EXPECT_EQ(view.shownRecent[0], first);
    EXPECT_EQ(view.busyDepth, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FileCommandsTest, CancelledOrRefusedOpensChangeNothing) {
    ASSERT_TRUE(commands.OpenPath(first));
    std::string shortFile = folder.WriteImage("short.HR8", 0, 8191);
    const std::pair<std::optional<std::string>, std::vector<std::string>> cases[] = {
        {std::nullopt, {}},
        {shortFile, {"Filename Error"}},
        {folder.Path("gone.HR8"), {"Halden R File Open"}},
    };
    for (const auto& [chosen, titles] : cases) {
        messages.shown.clear();
        dialogs.opens = {chosen};
        EXPECT_FALSE(commands.Open());
        EXPECT_EQ(messages.Titles(), titles);
        EXPECT_EQ(state.image[100], 1);
        EXPECT_EQ(state.SavePath, first);
        EXPECT_EQ(view.status, " " + first);
        EXPECT_EQ(recent, (RecentFiles{first, "", "", ""}));
        EXPECT_EQ(view.busyDepth, 0);
    }
}

TEST_F(FileCommandsTest, ReadOnlyFileOpensButOnlySaveAsWritesIt) {
    fs::permissions(first, fs::perms::owner_read | fs::perms::group_read);
    ASSERT_TRUE(commands.OpenPath(first));
    EXPECT_EQ(view.status, " " + first + " (Read Only)");
    state.image[200] = 7;
    EXPECT_FALSE(commands.Save());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error.. " + first + " .. is Read Only");
    EXPECT_EQ(rc::test::ReadFile(first)[200], 0);

    std::string copy = folder.Path("copy.HR8");
    dialogs.saves = {copy};
    ASSERT_TRUE(commands.SaveAs());
    EXPECT_EQ(rc::test::ReadFile(copy)[200], 7);
    EXPECT_EQ(view.status, " " + copy);
    EXPECT_EQ(recent, (RecentFiles{copy, first, "", ""}));
    EXPECT_EQ(state.ImageFileName, first); // Save As keeps the project's file name
    EXPECT_FALSE(state.IsChanged());
}

TEST_F(FileCommandsTest, SaveAsRefusals) {
    ASSERT_TRUE(commands.OpenPath(first));
    std::string locked = folder.WriteImage("locked.HR8", 5);
    fs::permissions(locked, fs::perms::owner_read);
    state.image[300] = 3;
    // The name chosen and what is said about it (its title and icon).
    const std::pair<std::string, MessageSpec> cases[] = {
        {folder.Path("noext"), {"", "File Save Error", MessageIcon::Critical}},
        {locked, {"", "Halden R8 Editor", MessageIcon::Exclamation}},
        {folder.Path("nowhere/x.HR8"), {"", "Halden R8 Editor", MessageIcon::Critical}}, // the write fails
    };
    for (const auto& [chosen, said] : cases) {
        messages.shown.clear();
        dialogs.saves = {chosen};
        EXPECT_FALSE(commands.SaveAs()) << chosen;
        ASSERT_EQ(messages.shown.size(), 1u) << chosen;
        EXPECT_EQ(messages.shown[0].title, said.title);
        EXPECT_EQ(messages.shown[0].icon, said.icon);
        EXPECT_TRUE(state.IsChanged());
        EXPECT_EQ(state.SavePath, first);
    }
    EXPECT_EQ(rc::test::ReadFile(locked)[100], 5);
    EXPECT_FALSE(fs::exists(folder.Path("noext")));
}

// An edit that keeps the sum of the bytes is still a change, its exact reversal none.
TEST_F(FileCommandsTest, ChangesSeenWhateverTheSum) {
    ASSERT_TRUE(commands.OpenPath(first));
    std::swap(state.image[100], state.image[101]);
    EXPECT_EQ(BufferChecksum(state.image), state.SavedChecksum);
    EXPECT_TRUE(state.IsChanged());
    std::swap(state.image[100], state.image[101]);
    EXPECT_FALSE(state.IsChanged());
}

// The dialogs start in the folder of the file in use, else in the folder a file was last chosen from,
// also when that choice was then refused.
TEST_F(FileCommandsTest, DialogsStartInTheFolderInUseElseTheLastOne) {
    std::string last = "/home/op/kept";
    FileCommands remembering{state, recent, messages, dialogs, view, &last};
    fs::create_directory(folder.Path("sub"));
    const std::string other = folder.WriteImage("sub/other.HR8", 3);
    const std::string here = fs::path(first).parent_path().string(), sub = folder.Path("sub");
    dialogs.opens = {std::nullopt, folder.Path("sub/missing.HR8"), other};
    EXPECT_FALSE(remembering.Open());
    EXPECT_FALSE(remembering.Open());
    EXPECT_EQ(last, sub);
    ASSERT_TRUE(remembering.OpenPath(first));
    ASSERT_TRUE(remembering.Open());
    dialogs.saves = {std::nullopt};
    EXPECT_FALSE(remembering.SaveAs());
    std::vector<std::string> started;
    for (const FileDialogSpec& s : dialogs.openSpecs)
        started.push_back(s.folder);
    started.push_back(dialogs.saveSpecs.at(0).folder);
    EXPECT_EQ(started, (std::vector<std::string>{"/home/op/kept", "/home/op/kept", here, sub}));
}

TEST_F(FileCommandsTest, SaveAlertAnsweredNoWritesNothing) {
    ASSERT_TRUE(commands.OpenPath(first));
    state.image[24] = 7;
    messages.answers = {Answer::No};
    EXPECT_FALSE(commands.Save());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?");
    EXPECT_EQ(rc::test::ReadFile(first)[24], 1);
    messages.answers = {Answer::Yes};
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(rc::test::ReadFile(first)[24], 7);
    EXPECT_FALSE(state.IsChanged());
}

// Another program (a download, a second editor) wrote the open file.
TEST_F(FileCommandsTest, AFileChangedOnDiskIsNeitherLostNorOverwrittenUnasked) {
    ASSERT_TRUE(commands.OpenPath(first));
    folder.WriteImage("first.HR8", 9);
    // Without edits of its own the editor offers the new bytes, once for each new content.
    messages.answers = {Answer::No};
    EXPECT_FALSE(commands.OnChangedOnDisk());
    EXPECT_FALSE(commands.OnChangedOnDisk());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(first), std::string::npos);
    messages.answers = {Answer::Yes};
    folder.WriteImage("first.HR8", 8);
    EXPECT_TRUE(commands.OnChangedOnDisk());
    EXPECT_EQ(state.image[100], 8);
    EXPECT_FALSE(state.IsChanged());
    // With edits, nothing is offered, and Save asks before writing over the new bytes: No keeps them.
    state.image[200] = 7;
    folder.WriteImage("first.HR8", 6);
    messages.shown.clear();
    EXPECT_FALSE(commands.OnChangedOnDisk());
    EXPECT_TRUE(messages.shown.empty());
    messages.answers = {Answer::No};
    EXPECT_FALSE(commands.Save());
    EXPECT_EQ(rc::test::ReadFile(first)[100], 6);
    EXPECT_TRUE(state.IsChanged());
    messages.answers = {Answer::Yes};
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(rc::test::ReadFile(first)[200], 7);
    // Our own save is no change from outside: the next save asks nothing.
    messages.shown.clear();
    state.image[201] = 1;
    EXPECT_TRUE(commands.Save());
    EXPECT_TRUE(messages.shown.empty());
}

// The question asked before unsaved edits are lost, for closing, Open, a recent file and a file
// handed over by a later start alike.
TEST_F(FileCommandsTest, ChangeQuestionGuardsEveryWayOfLosingEdits) {
    // Closing, Open, the recent file (second is entry 2 once first was opened), a handed-over file.
    const std::function<bool()> ways[] = {
        [&] { return commands.QueryUnload(); }, [&] { return commands.Open(); },
        [&] { return commands.OpenRecent(1); }, [&] { return commands.OpenHandedOver(second); }};
    struct Case {
        int way;
        Answer answer;
        std::optional<std::string> saveAsName; // what the Save As dialog returns after Yes
        bool goesOn;                           // closes, or opens the second file
        bool savedCopy;                        // the edit reached copy.HR8
    };
    const std::string copy = folder.Path("copy.HR8");
    std::vector<Case> cases = {{0, Answer::Yes, folder.Path("bad"), false, false}}; // Save As refused
    for (int way = 0; way < 4; ++way) {
        cases.push_back({way, Answer::Cancel, std::nullopt, false, false});
        cases.push_back({way, Answer::No, std::nullopt, true, false});
        cases.push_back({way, Answer::Yes, copy, true, true});
        cases.push_back({way, Answer::Yes, std::nullopt, false, false}); // Save As cancelled
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.way << " answer " << int(c.answer) << " " << c.saveAsName.value_or("(cancel)"));
        fs::remove(copy);
        state = EditorState{};
        recent = {second, "", "", ""};
        ASSERT_TRUE(commands.OpenPath(first));
        state.image[400] = 4;
        messages.shown.clear();
        messages.beeps = 0;
        messages.answers = {c.answer};
        dialogs.saves = {c.saveAsName};
        dialogs.opens = {second};
        const bool wentOn = ways[c.way]();
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0], ChangedQuestion());
        EXPECT_EQ(messages.beeps, 1);
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(fs::exists(copy) && rc::test::ReadFile(copy)[400] == 4, c.savedCopy);
        if (c.way != 0 && c.goesOn) {
            EXPECT_EQ(state.image[100], 2); // the second file replaced the image
        }
        if (!c.goesOn) {
            EXPECT_EQ(state.image[400], 4); // the edit is still there
            EXPECT_EQ(state.image[100], 1);
        }
    }
}

TEST_F(FileCommandsTest, NothingIsAskedWithoutChanges) {
    EXPECT_FALSE(commands.Save()); // before any open: no dialog, no message
    EXPECT_TRUE(dialogs.saveSpecs.empty());
    ASSERT_TRUE(commands.OpenPath(first));
    state.image[400] = 4;
    state.image[400] = 0; // an edit and its reversal
    EXPECT_TRUE(commands.QueryUnload());
    dialogs.opens = {second};
    EXPECT_TRUE(commands.Open());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.beeps, 0);
}

// Reopening a listed file is driven from the main window's menu.
TEST_F(FileCommandsTest, RecentFileThatCannotOpen) {
    ASSERT_TRUE(commands.OpenPath(second));
    recent = {first, second, "", ""};
    fs::remove(second);
    EXPECT_FALSE(commands.OpenRecent(1));
    EXPECT_EQ(messages.Titles(), std::vector<std::string>{"Halden R File Open"}); // not the Filename Error
    EXPECT_EQ(state.image[100], 2);

    EXPECT_FALSE(commands.OpenRecent(2)); // an empty entry
    EXPECT_FALSE(commands.OpenRecent(7));
    recent = {"", second, "", ""};
    EXPECT_FALSE(commands.OpenRecent(1)); // nothing happens while entry 1 is empty
    EXPECT_EQ(messages.shown.size(), 1u);
}

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
    // A path in entry 2 and the caption it gets there.
    const std::pair<std::string, std::string> cases[] = {
        {"/r.HR8", "&2 /r.HR8"},
        {p45, "&2 " + p45},
        {p46, "&2 .." + p46.substr(1)},
        // 51 characters in 53 bytes: the tail is 45 characters, and the two-byte letters stay whole.
        {accented, "&2 .." + accented.substr(6)},
    };
    for (const auto& [path, caption] : cases) {
        RecentMenu menu = DisplayFileList({"/first.HR8", path, "", ""});
        EXPECT_EQ(menu.items[1].Caption(), caption) << path;
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
    const std::pair<const char*, int> cases[] = {
        {"1", 1},    {"0", 0}, {" 0 ", 0}, {"-1", -1},   {"+2", 2},        {"1.6", 2},   {"yes", 1},
        {"0x10", 1}, {"", 1},  {"1e3", 1}, {"99999", 1}, {"32767", 32767}, {"32768", 1}, {"-32768", -32768}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseShowTips(text), value) << '"' << text << '"';
}

TEST(FontSize, TextAndNumberBothWays) {
    const std::pair<const char*, double> toNumber[] = {{"10", 10},  {"12", 12}, {"10.5", 10.5}, {"", 10},
                                                       {"big", 10}, {"0", 10},  {"-3", 10}};
    for (const auto& [text, value] : toNumber)
        EXPECT_DOUBLE_EQ(FontSizeValue(text), value) << text;
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
