#include "link/transfer_file.h"
#include "link/transfer_models.h"

#include "link_fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace rc::link {
namespace {

namespace fs = std::filesystem;

TEST(TransferModels, ModelFromTheExtensionWithoutRegardToCase) {
    struct Case {
        const char* path;
        const char* index;
        int size;
    } cases[] = {
        {"/op/site.HR6", "1", 8192},     {"/op/site.hr8", "2", 8192},  {"C:\\op\\site.hm4", "3", 7936},
        {"/op/site.HKX", "4", 4096},     {"/op/siteHR8", "4", 4096},   {"/op/a.HR8/site", "4", 4096},
        {"/op/site.HR8.bak", "4", 4096}, {"/op/site.HR88", "4", 4096}, {"", "4", 4096},
    };
    for (const Case& c : cases) {
        const TransferModel& m = ModelForPath(c.path);
        EXPECT_STREQ(m.index, c.index) << c.path;
        EXPECT_EQ(m.transferSize, c.size) << c.path;
    }
}

class TransferFiles : public ::testing::Test {
protected:
    rc::test::TempFolder folder;
    const fs::path dir = folder.path();
};

std::vector<std::uint8_t> Block(std::uint8_t fill) {
    return std::vector<std::uint8_t>(128, fill);
}

// Written through a link to it, the file keeps its link and permissions and is replaced only on commit.
// That nothing is left beside the file is counted in the window's download test.
TEST_F(TransferFiles, ExistingFileIsReplacedOnlyOnCommit) {
    const fs::path target = dir / "site.HR8", link = dir / "link.HR8";
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    test::WriteBytes(target, std::vector<std::uint8_t>(8192, 0xEE));
    fs::permissions(target, perms);
    fs::create_symlink(target, link);
    {
        DownloadFile file(link.string());
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.StoreBlock(Block(1)) && file.StoreBlock(Block(2)));
        EXPECT_EQ(test::ReadBytes(target), std::vector<std::uint8_t>(8192, 0xEE));
        ASSERT_TRUE(file.Commit());
    }
    auto expected = Block(1);
    expected.resize(256, 2);
    EXPECT_EQ(test::ReadBytes(target), expected); // exactly the bytes received: no tail of the old file
    EXPECT_EQ(fs::status(target).permissions(), perms);
    EXPECT_TRUE(fs::is_symlink(link));
}

// A folder that is not there, and an upload file that is not there, are in the window's refusals.
TEST_F(TransferFiles, PlacesThatCannotBeWritten) {
    const fs::path readOnly = dir / "locked.HR8";
    test::WriteBytes(readOnly, Block(3));
    fs::permissions(readOnly, fs::perms::owner_read);
    const fs::path folder = dir / "folder.HR8";
    fs::create_directory(folder);
    // Even root, who could write it, leaves a read-only file alone.
    struct Case {
        fs::path path;
        const char* why;
    } cases[] = {
        {readOnly, " is read-only"},
        {folder, " is not a regular file"},
    };
    for (const Case& c : cases) {
        DownloadFile file(c.path.string());
        EXPECT_FALSE(file.Open()) << c.path;
        EXPECT_FALSE(file.StoreBlock(Block(1))) << c.path;
        EXPECT_FALSE(file.Commit()) << c.path;
        EXPECT_EQ(file.FailureMessage(),
                  "File " + c.path.string() +
                      " could not be written. Transfer Aborted\n refused: " + c.path.string() + c.why);
    }
    EXPECT_EQ(test::ReadBytes(readOnly), Block(3));
}

TEST_F(TransferFiles, WholeDownloadTheFileRefusesIsKept) {
    ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
    fs::create_directory(dir / "gone");
    DownloadFile file((dir / "gone/site.HR8").string());
    // Its folder gone, the write fails as on a full disk.
    ASSERT_TRUE(file.Open() && file.StoreBlock(Block(5)) && fs::remove(dir / "gone"));
    EXPECT_FALSE(file.Commit());
    ::unsetenv("XDG_DATA_HOME");
    const std::string message = file.FailureMessage(), kept = "\n The image received is kept in ";
    EXPECT_EQ(test::ReadBytes(message.substr(message.find(kept) + kept.size())), Block(5)) << message;
}

TEST_F(TransferFiles, UploadFileMustHoldItsModelsSize) {
    struct Case {
        const char* name;
        std::size_t size;
        bool accepted;
    } cases[] = {
        {"a.HR8", 8192, true},  {"c.HR8", 7936, false}, {"d.HM4", 7936, true},
        {"h.HR6", 8193, false}, {"i.HR6", 0, false},    {"j.HK1", 8192, false},
    };
    for (const Case& c : cases) {
        const fs::path p = dir / c.name;
        const std::vector<std::uint8_t> bytes = test::Pattern(c.size);
        test::WriteBytes(p, bytes);
        const UploadFile f = LoadUploadFile(p.string());
        EXPECT_EQ(f.refusal, c.accepted ? "" : "File " + p.string() + " is Corrupted. Transfer Aborted")
            << c.name;
        EXPECT_EQ(f.bytes, c.accepted ? bytes : std::vector<std::uint8_t>()) << c.name;
    }
    EXPECT_EQ(LoadUploadFile(dir.string()).refusal,
              "File " + dir.string() + " could not be read. Transfer Aborted");
}

} // namespace
} // namespace rc::link
