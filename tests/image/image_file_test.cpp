#include "files/replace_file.h"
#include "image/image_bytes.h"
#include "image/image_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rc {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

// 0xF7: a byte with its top bit set, so a sum over signed bytes shows.
void WriteBytes(const std::string& path, std::size_t n, std::uint8_t value = 0xF7) {
    test::WriteFile(path, std::string(n, static_cast<char>(value)));
}

// Only a name ending in ".HR8" in any case, of exactly one image, that the user may read.
TEST(ReadImageFile, AcceptsOnlyExactlyOneReadableImageUnderTheRightName) {
    test::TempFolder dir;
    constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read;
    struct Case {
        const char* name;
        int size; // -1: no such file
        OpenError expected;
        fs::perms perms = fs::perms::owner_read | fs::perms::owner_write;
    } cases[] = {
        {"ok.HR8", 8192, OpenError::None},
        {"lower.hr8", 8192, OpenError::None},
        {".Hr8", 8192, OpenError::None}, // the name's last four characters, in any case
        {"a_HR8", 8192, OpenError::FilenameError},
        {"ro.HR8", 8192, OpenError::None, kReadOnly},
        {"short.HR8", 8191, OpenError::FilenameError},
        {"long.HR8", 8193, OpenError::FilenameError},
        {"empty.HR8", 0, OpenError::FilenameError},
        {"twice.HR8.bak", 8192, OpenError::FilenameError},
        {"other.bin", 8192, OpenError::FilenameError},
        {"gone.HR8", -1, OpenError::OpenFailure},
        {"gone.txt", -1, OpenError::OpenFailure},
        {"locked.HR8", 8192, OpenError::OpenFailure, fs::perms::none},
    };
    for (const Case& c : cases) {
        if (c.perms == fs::perms::none && ::geteuid() == 0)
            continue; // the superuser reads anything
        if (c.size >= 0) {
            WriteBytes(dir.Path(c.name), static_cast<std::size_t>(c.size));
            fs::permissions(dir.Path(c.name), c.perms);
        }
        ImageBytes image;
        image[100] = 42;
        ReadResult r = ReadImageFile(dir.Path(c.name), image);
        EXPECT_EQ(r.error, c.expected) << c.name;
        EXPECT_EQ(r.readOnly, c.perms == kReadOnly) << c.name;
        EXPECT_EQ(IsReadOnlyFile(dir.Path(c.name)),
                  c.size >= 0 && (c.perms & fs::perms::owner_write) == fs::perms{})
            << c.name;
        // A refused file must leave the (otherwise zero) image alone.
        EXPECT_EQ(BufferChecksum(image), c.expected == OpenError::None ? 0xF7 * 8192 : 42) << c.name;
    }
    EXPECT_FALSE(HasImageExtension("HR8") || HasImageExtension("")); // names shorter than the extension
    // The system's reason follows the editor's own words on a line of its own.
    ImageBytes image;
    EXPECT_EQ(OpenErrorMessage(ReadImageFile(dir.Path("gone.HR8"), image)).text,
              OpenFailureMessage().text + "\n" + std::strerror(ENOENT));
}

// The temporary file's name must not grow the user's: the longest name the folder allows works.
TEST(WriteImageFile, WritesExactlyTheImageUnderTheLongestNameAndKeepsPermissions) {
    test::TempFolder dir;
    std::string path = dir.Path(std::string(255 - 4, 'n') + ".HR8");
    WriteBytes(path, 100, 1); // an older, shorter file
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ImageBytes image;
    image[0] = 1;
    image[8191] = 0xFE;
    ASSERT_TRUE(WriteImageFile(path, image).ok);
    std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 8192u);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), 1);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[8191]), 0xFE);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Nothing is left behind beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(WriteImageFile, AWriteCutShortLeavesTheOldFileWhole) {
    test::TempFolder dir;
    std::string path = dir.Path("keep.HR8");
    WriteBytes(path, 8192, 9);
    ImageBytes image; // all zero: would replace every byte
    // A file size limit below one image stands in for a disk that fills up halfway, and stops the
    // superuser too.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteResult r = WriteImageFile(path, image);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(ReadFile(path), std::string(8192, '\x09'));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "the temporary file must be removed";
}

// Ctrl-C, a kill or a closed terminal while a write is under way: our scratch names go, and the
// program ends as the signal would have ended it. Each case runs in a child process it may end.
TEST(WriteImageFile, ASignalDuringAWriteRemovesTheScratchFilesAndEnds) {
    test::TempFolder dir;
    const fs::path folder = dir.path() / "pdf", temp = dir.path() / ".rc-save.abcdef";
    auto endedBy = [](const std::function<void()>& body) {
        const pid_t child = ::fork();
        if (child == 0) {
            body();
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
    };
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        fs::create_directory(folder);
        WriteBytes((folder / "report.pdf").string(), 10);
        WriteBytes(temp.string(), 10);
        EXPECT_EQ(endedBy([&] {
                      ScratchCleanup cleanup;
                      cleanup.Add(folder.string(), ScratchCleanup::Kind::Folder);
                      cleanup.Add((folder / "report.pdf").string(), ScratchCleanup::Kind::File);
                      cleanup.Add(temp.string(), ScratchCleanup::Kind::File);
                      ::raise(signal);
                  }),
                  signal);
        EXPECT_FALSE(fs::exists(folder)) << signal;
        EXPECT_FALSE(fs::exists(temp)) << signal;
    }
    // A program with a handler of its own keeps it (it finishes the write and ends in its own
    // time), and the default action is back once the write is over.
    WriteBytes(temp.string(), 10);
    EXPECT_EQ(endedBy([&] {
                  std::signal(SIGHUP, SIG_IGN);
                  {
                      ScratchCleanup cleanup;
                      cleanup.Add(temp.string(), ScratchCleanup::Kind::File);
                      ::raise(SIGHUP);
                  }
                  ::raise(SIGTERM);
              }),
              SIGTERM);
    EXPECT_TRUE(fs::exists(temp));
    fs::remove(temp);
    // A real write, ended by a timer's SIGTERM wherever it happens to be: no .rc-save file is left.
    const std::string target = dir.Path("big.pdf");
    EXPECT_EQ(endedBy([&] {
                  const std::vector<std::uint8_t> bytes(8 << 20, 0x25);
                  sigevent event{};
                  event.sigev_notify = SIGEV_SIGNAL;
                  event.sigev_signo = SIGTERM;
                  timer_t timer{};
                  itimerspec after{};
                  after.it_value.tv_nsec = 3'000'000;
                  if (::timer_create(CLOCK_MONOTONIC, &event, &timer) != 0 ||
                      ::timer_settime(timer, 0, &after, nullptr) != 0)
                      ::_exit(3);
                  for (int i = 0; i < 10000; ++i)
                      ReplaceFileContents(target, bytes);
              }),
              SIGTERM);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".rc-save.", 0), 0u) << entry.path();
}

// Runs `body` as an unprivileged user when we are the superuser (who may write anywhere), so that a
// folder's missing write permission means what it means for the user. True when `body` returned true.
bool AsOrdinaryUser(const std::function<bool()>& body) {
    if (::geteuid() != 0)
        return body();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && body() ? 0 : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(WriteImageFile, SavesIntoTheFileTheUserMeant) {
    test::TempFolder dir;
    ImageBytes image;
    image.MutableBytes()[100] = 0x42;
    auto holdsImage = [](const std::string& path) {
        const std::string bytes = ReadFile(path);
        return bytes.size() == 8192 && bytes[100] == 0x42;
    };

    // Through a chain of links, relative and absolute: the links stay links.
    fs::create_directory(dir.path() / "real");
    const std::string real = dir.Path("real/site.HR8");
    WriteBytes(real, 8192, 1);
    fs::create_symlink("real/site.HR8", dir.path() / "near.HR8");
    fs::create_symlink(dir.path() / "near.HR8", dir.path() / "far.HR8");
    ASSERT_TRUE(WriteImageFile(dir.Path("far.HR8"), image).ok);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "far.HR8"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "near.HR8"));
    EXPECT_TRUE(holdsImage(real));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "real"), {}), 1);

    // Owner and group stay (only a superuser can show it: nobody else may give a file away).
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(real.c_str(), 65534, 65534), 0);
        ASSERT_TRUE(WriteImageFile(real, image).ok);
        struct stat st {};
        ASSERT_EQ(::stat(real.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }

    // A writable file in a folder that takes no new files is written in place, once its old bytes
    // are safe in the user's backups folder.
    const fs::path data = dir.path() / "data";
    fs::create_directory(data);
    fs::permissions(data, fs::perms::all);
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    const fs::path locked = dir.path() / "locked";
    fs::create_directory(locked);
    const std::string inLocked = (locked / "site.HR8").string();
    WriteBytes(inLocked, 8192, 1);
    fs::permissions(inLocked, fs::perms::all & ~fs::perms::others_exec & ~fs::perms::group_exec &
                                  ~fs::perms::owner_exec);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir.path(), fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        const WriteResult r = WriteImageFile(inLocked, image);
        return r.ok && r.keptCopy.rfind(data.string(), 0) == 0 &&
               ReadFile(r.keptCopy) == std::string(8192, '\1');
    }));
    EXPECT_TRUE(holdsImage(inLocked));
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), {}), 1);
    // With nowhere to keep that copy, the file is not touched at all.
    if (::geteuid() == 0) {
        fs::permissions(data, fs::perms::owner_all, fs::perm_options::replace);
        EXPECT_TRUE(AsOrdinaryUser([&] { return !WriteImageFile(inLocked, ImageBytes{}).ok; }));
        EXPECT_TRUE(holdsImage(inLocked));
    }
    ::unsetenv("XDG_DATA_HOME");
    // ... but a new file there is still refused.
    EXPECT_TRUE(AsOrdinaryUser([&] { return !WriteImageFile((locked / "new.HR8").string(), image).ok; }));
}

// Only a regular file the user may change is replaced; the rows that need another user's link or file
// run only for the superuser, who alone can give one away.
TEST(WriteImageFile, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    const bool root = ::geteuid() == 0;
    test::TempFolder dir;
    const fs::path shared = dir.path() / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    for (const char* held : {"notes.txt", "mine.txt", "shared/theirs.HR8", "ro.HR8", "log.txt"})
        WriteBytes(dir.Path(held), 10, 'v');
    fs::create_symlink(dir.path() / "notes.txt", shared / "planted.HR8");
    fs::create_symlink(dir.path() / "mine.txt", shared / "mine.HR8");
    fs::create_symlink(dir.path(), shared / "evildir");
    ::chmod(dir.Path("ro.HR8").c_str(), 0444);
    ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0600), 0);
    const int log = ::open(dir.Path("log.txt").c_str(), O_WRONLY | O_APPEND); // as `>> log.txt` would
    struct Case {
        std::string path, held; // held: the file it leads to, whose 10 bytes stay unless `followed`
        std::string refusal;    // a word of the refusal
        std::string theirs;     // the link or file on the way that another user owns
        bool followed = false;
    } cases[] = {
        {"shared/planted.HR8", "notes.txt", "another user", "shared/planted.HR8"},
        {"shared/mine.HR8", "mine.txt", "", "", true},
        {"shared/evildir/notes.txt", "notes.txt", "another user", "shared/evildir"},
        {"shared/theirs.HR8", "shared/theirs.HR8", "another user", "shared/theirs.HR8"},
        {"pipe", "", "not a regular file", ""},
        {"ro.HR8", "ro.HR8", "read-only", ""},
        {"/dev/fd/" + std::to_string(log), "log.txt", "open stream", ""},
    };
    for (const Case& c : cases) {
        if (!c.theirs.empty() && !root)
            continue;
        ASSERT_TRUE(c.theirs.empty() || ::lchown(dir.Path(c.theirs).c_str(), 65534, 65534) == 0);
        const WriteResult r = WriteImageFile(c.path[0] == '/' ? c.path : dir.Path(c.path), ImageBytes{});
        EXPECT_EQ(r.ok, c.followed) << c.path;
        EXPECT_NE(r.reason.find(c.refusal), std::string::npos) << r.reason;
        EXPECT_TRUE(c.held.empty() || ReadFile(dir.Path(c.held)).size() == (c.followed ? 8192u : 10u))
            << c.path;
    }
    ::close(log);
}

TEST(CheckClosure, NamesEachUnusualSettingOfTheZoneByte) {
    // The zone byte and the alert it raises on saving (nullptr: none).
    const std::pair<std::uint8_t, const char*> cases[] = {
        {1, nullptr},
        {0xF9, nullptr}, // only the low three bits count
        {0, "Repeater Transmitter Disabled\nSave Anyway?"},
        {3, "\nRepeater CTCSS Enabled\nSave Anyway?"},
        {5, "\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {6,
         "Repeater Transmitter Disabled\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {7, "\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?"},
    };
    // Its buttons, default and icon are checked with the other messages' boxes.
    for (const auto& [byte, text] : cases) {
        ImageBytes image;
        image[24] = byte;
        auto alert = CheckClosure(image);
        EXPECT_EQ(alert ? alert->text : "", text ? text : "") << int(byte);
        EXPECT_EQ(alert ? alert->title : "File Save Alert", "File Save Alert");
    }
}

TEST(ImageBytesDeathTest, IndexOutsideTheImageAborts) {
    ImageBytes image;
    EXPECT_DEATH(image[kImageSize] = 1, "internal error");
    EXPECT_DEATH((void)image[-1], "internal error");
    EXPECT_DEATH((void)image.Slice(8190, 3), "internal error");
}

} // namespace
} // namespace rc
