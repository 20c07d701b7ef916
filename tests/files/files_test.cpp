// Reading a user's file, and the backups folder.
#include "files/backups.h"
#include "files/read_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <vector>

namespace rc {
namespace {

using Status = FileRead::Status;
namespace fs = std::filesystem;

TEST(ReadRegularFile, ReadsOnlyAPlainFileNoLargerThanAsked) {
    test::TempFolder dir;
    test::WriteFile(dir.Path("four"), "abcd");
    test::WriteFile(dir.Path("empty"), "");
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::size_t most;
        Status status;
        const char* text;
    } cases[] = {
        {dir.Path("four"), 4, Status::Read, "abcd"},
        {dir.Path("four"), 3, Status::TooLarge, ""},
        {dir.Path("empty"), 0, Status::Read, ""},
        {dir.Path("gone"), 4, Status::Missing, ""},
        // Neither may be opened, let alone waited on: a FIFO with no writer would hold the read
        // for ever, and a device may act on being opened.
        {dir.Path("fifo"), 4, Status::NotPlain, ""},
        {"/dev/zero", 4, Status::NotPlain, ""},
        {dir.Path(""), 4, Status::NotPlain, ""},
    };
    for (const Case& c : cases) {
        const FileRead read = ReadRegularFile(c.path, c.most);
        EXPECT_EQ(read.status, c.status) << c.path << " " << c.most;
        EXPECT_EQ(read.Text(), c.text) << c.path;
    }
}

class Backups : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_DATA_HOME", dir.c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }
    test::TempFolder folder;
    const fs::path dir = folder.path();
};

TEST_F(Backups, ACopyPerNewContentNamedByTimeDirectionAndFile) {
    const std::vector<std::uint8_t> a(8192, 1), b(8192, 2);
    std::tm when{};
    when.tm_year = 126, when.tm_mon = 11, when.tm_mday = 7, when.tm_hour = 5, when.tm_min = 6,
    when.tm_sec = 7;
    const std::time_t t = std::mktime(&when);
    const KeptCopy first = KeepNewCopy(a, "download", "/far/away/site.HR8", t);
    ASSERT_TRUE(first.ok) << first.reason;
    EXPECT_EQ(fs::path(first.path).filename(), "2026-12-07_050607_download_site.HR8");
    EXPECT_EQ(fs::path(first.path).parent_path(), dir / "halden-r8-tools" / "backups");
    EXPECT_EQ(fs::status(BackupFolder()).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);
    // The same bytes again are not kept twice, whatever the direction; new bytes, or another file
    // (another folder's file of the same name too), are.
    EXPECT_TRUE(KeepNewCopy(a, "upload", "/far/away/../away/site.HR8", t).already);
    EXPECT_FALSE(KeepNewCopy(b, "upload", "/far/away/site.HR8", t).already);
    EXPECT_FALSE(KeepNewCopy(a, "upload", "/near/site.HR8", t).already);
    EXPECT_FALSE(KeepNewCopy(a, "download", "/far/away/site.HR8", t).already) << "the newest copy holds b";
    EXPECT_EQ(
        std::count_if(fs::directory_iterator(BackupFolder()), {},
                      [](const fs::directory_entry& e) { return e.path().filename().string()[0] != '.'; }),
        4);
}

// Copies are grouped by the whole path they were made from and ordered as they were made; only
// recorded copies named exactly as this program names them go, never the newest of a file (a later
// transfer of the same bytes counts on it), and never from a folder linked in from elsewhere.
TEST_F(Backups, OldCopiesGoButNotTheNewestOfEachFile) {
    const std::vector<std::uint8_t> bytes(10, 3);
    const std::time_t now = std::time(nullptr), day = 24 * 3600;
    const fs::path backups = BackupFolder();
    struct Copy {
        const char* source;
        std::time_t when; // as the clock said when it was made
        bool stays;
    } copies[] = {
        {"b.HR8", now - 900 * day, false},           //
        {"b.HR8", now - 800 * day, true},            // the newest
        {"d.HR8", now - 700 * day, true},            // changed by the user since: stays
        {"d.HR8", now - 690 * day, true},            // the newest
        {"north/site.HR8", now - 400 * day, true},   // older than south's, but the newest of its own
        {"south/site.HR8", now - 900 * day, false},  // (made after north's: as old as that)
        {"south/site.HR8", now - 900 * day, false},  // the same second: the next one is newer
        {"south/site.HR8", now + 1000 * day, false}, // a clock years ahead: as old as the next one
        {"south/site.HR8", now - 900 * day, true},   // the newest: made last
        {"a.HR8", now - 364 * day, true},            //
        {"a.HR8", now + 10 * day, true},             // the newest
        {"c.HR8", now - 9000 * day, true},           // a clock behind: as young as the copy before
        {"c.HR8", now - 5 * day, true},              // the newest
    };
    std::vector<std::string> paths;
    for (const Copy& c : copies)
        paths.push_back(KeepCopy(bytes, "download", (dir / c.source).string(), c.when).path);
    test::WriteFile(paths[2], "edited");
    std::vector<std::string> south;
    for (const CopyRecord& r : CopiesOf((dir / "x/../south/site.HR8").string()))
        south.push_back(r.path);
    EXPECT_EQ(south, std::vector<std::string>(paths.begin() + 5, paths.begin() + 9)) << "in the order made";
    test::WriteFile(paths[5] + ".changes.txt", "goes with its copy");
    test::WriteFile(paths[8] + ".changes.txt", "stays with its copy");
    const std::string foreign[] = {
        "2020-01-01_000000_holiday_photo.jpg", "+020-01-01_000000_a_b.HR8",
        "2020-01-01_000000_download_c.HR8",    "2020-13-01_000000_download_d.HR8",
        "2020-01-01_000000_sent_e.HR8",        "2020-01-01_000000_download_f.HR8.changes.txt"};
    for (const std::string& name : foreign)
        test::WriteFile((backups / name).string(), "the user's own");
    // A recorded name that is not one of ours stays too, and a line a crash left torn takes nothing
    // from the next one.
    std::ofstream(backups / ".copies", std::ios::app) << foreign[0] << "\tdownload\t0\t/x.HR8\n"
                                                      << foreign[3] << "\tdownload\t0\t/x.HR8\n"
                                                      << "2020-01-01_000000_down";
    ASSERT_TRUE(KeepCopy(bytes, "download", "/x.HR8", now - 900 * day).ok);

    EXPECT_EQ(PruneCopies(0, now), 0);
    EXPECT_EQ(PruneCopies(365, now), 4);
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(fs::exists(paths[i]), copies[i].stays) << i << " " << paths[i];
    EXPECT_FALSE(fs::exists(paths[5] + ".changes.txt"));
    EXPECT_TRUE(fs::exists(paths[8] + ".changes.txt"));
    EXPECT_TRUE(CopiesOf("/x.HR8").back().path.ends_with("_download_x.HR8")) << "after the torn line";
    for (const std::string& name : foreign)
        EXPECT_TRUE(fs::exists(backups / name)) << name;
    EXPECT_EQ(PruneCopies(365, now + 2000 * day), 2) << "a.HR8's and c.HR8's older copies, now really old";

    const fs::path elsewhere = dir / "elsewhere";
    ASSERT_TRUE(KeepCopy(bytes, "upload", "b.HR8", now).ok);
    fs::rename(backups, elsewhere);
    fs::create_directory_symlink(elsewhere, backups);
    EXPECT_EQ(PruneCopies(365, now + 2000 * day), 0);
    EXPECT_TRUE(fs::exists(elsewhere / fs::path(paths[1]).filename()));
}

} // namespace
} // namespace rc
