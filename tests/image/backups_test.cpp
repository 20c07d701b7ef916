#include "image/backups.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace rc {
namespace {

namespace fs = std::filesystem;

class Backups : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_DATA_HOME", dir.c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }
    static std::size_t Count() {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(BackupFolder()), {}));
    }
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
    // The same bytes again are not kept twice, whatever the direction; new bytes, or another file, are.
    EXPECT_TRUE(KeepNewCopy(a, "upload", "site.HR8", t).already);
    EXPECT_FALSE(KeepNewCopy(b, "upload", "site.HR8", t).already);
    EXPECT_FALSE(KeepNewCopy(a, "upload", "other.HR8", t).already);
    EXPECT_FALSE(KeepNewCopy(a, "download", "site.HR8", t).already) << "the newest copy holds b";
    EXPECT_EQ(Count(), 4u);
}

// Only copies go, by the date in their names, never the newest copy of a file (a later transfer of the
// same bytes counts on it), and never from a folder linked in from elsewhere.
TEST_F(Backups, OldCopiesGoAfterTheirDaysButNotTheNewestOrAnotherFile) {
    const std::vector<std::uint8_t> bytes(10, 3);
    const std::time_t now = std::time(nullptr), day = 24 * 3600;
    const std::string oldest = KeepCopy(bytes, "download", "site.HR8", now - 400 * day).path;
    const std::string older = KeepCopy(bytes, "upload", "site.HR8", now - 366 * day).path;
    const std::string recent = KeepCopy(bytes, "download", "site.HR8", now - 364 * day).path;
    const std::string alone = KeepCopy(bytes, "download", "other.HR8", now - 900 * day).path;
    const std::string notes = (fs::path(BackupFolder()) / "notes.txt").string();
    test::WriteFile(notes, "the user's own");
    fs::last_write_time(notes, fs::file_time_type::clock::now() - std::chrono::hours(24 * 900));
    EXPECT_EQ(PruneCopies(0), 0);
    EXPECT_EQ(PruneCopies(365, now), 2);
    for (const auto& [path, stays] :
         {std::pair{oldest, false}, {older, false}, {recent, true}, {alone, true}, {notes, true}})
        EXPECT_EQ(fs::exists(path), stays) << path;
    EXPECT_EQ(PruneCopies(365, now + 2 * day), 0) << "the newest of its file";
    ASSERT_TRUE(KeepCopy(bytes, "upload", "other.HR8", now).ok);
    const fs::path elsewhere = dir / "elsewhere";
    fs::rename(BackupFolder(), elsewhere);
    fs::create_directory_symlink(elsewhere, BackupFolder());
    EXPECT_EQ(PruneCopies(365, now), 0);
    EXPECT_TRUE(fs::exists(elsewhere / fs::path(alone).filename()));
}

} // namespace
} // namespace rc
