#include "shell/history.h"
#include "shell_doubles.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace rc::shell::testing {
namespace {

struct HistoryRun {
    int status;
    std::string out, err;
};

HistoryRun History(std::vector<std::string> args) {
    args.insert(args.begin(), {"rcedit", "--history"});
    std::ostringstream out, err;
    const int status =
        RunHistoryCommand(std::get<cli::HistoryCommand>(cli::ParseEditorCommand(args)), out, err);
    return {status, out.str(), err.str()};
}

// Both forms list the copies of the file oldest first (the two kept in one second in the order they
// were kept), each against the one before it, and nothing of another file.
TEST(History, TextAndJsonListEveryCopyAgainstThePreviousOne) {
    TempFolder folder;
    const std::string site = folder.WriteImage("site.HR8");
    KeptHistory kept(site);

    const HistoryRun text = History({site});
    EXPECT_EQ(text.status, 0) << text.err;
    std::string expected;
    for (std::size_t i = 0; i < std::size(KeptHistory::kCopies); ++i) {
        const KeptHistory::Copy& c = KeptHistory::kCopies[i];
        expected += "2026-03-0" + std::to_string(c.day) + " 02:00:00 | " + c.direction + " | " +
                    kept.paths[i] + " | " + c.settings + " | " + c.risen + "\n";
    }
    EXPECT_EQ(text.out, expected);
    std::filesystem::remove(site);
    EXPECT_EQ(History({site}).out, expected) << "the copies of a file that is gone";

    const HistoryRun json = History({"--format", "json", site});
    EXPECT_EQ(json.status, 0) << json.err;
    const auto rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), std::size(KeptHistory::kCopies));
    EXPECT_EQ(rows[0]["settingsChanged"], nullptr);
    EXPECT_EQ(rows[0]["counters"], nlohmann::json::object());
    EXPECT_EQ(rows[1]["counters"], (nlohmann::json{{"Manual Autopatch", 3}, {"Telephone Ring Detects", 10}}));
    EXPECT_EQ(rows[3]["counters"],
              (nlohmann::json{{"Manual Autopatch", "reset"}, {"Off Air Programming", 1}}));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const KeptHistory::Copy& c = KeptHistory::kCopies[i];
        EXPECT_EQ(rows[i]["date"], "2026-03-0" + std::to_string(c.day));
        EXPECT_EQ(rows[i]["time"], "02:00:00");
        EXPECT_EQ(rows[i]["direction"], c.direction);
        EXPECT_EQ(rows[i]["copy"], kept.paths[i]);
        EXPECT_EQ(rows[i]["settingsChanged"], std::string(c.settings).substr(0, 1) == "1" ? 1 : 0);
    }
}

} // namespace
} // namespace rc::shell::testing
