#include "shell/recent_files.h"

#include <gtest/gtest.h>

namespace rc::shell {
namespace {

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

} // namespace
} // namespace rc::shell
