#include "files/read_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace rc {
namespace {

using Status = FileRead::Status;

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

} // namespace
} // namespace rc
