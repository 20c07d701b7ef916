// The rcedit program as a user starts it: real processes, real time, a private runtime folder.
#include "pdf_rows.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

namespace fs = std::filesystem;

class RceditProcess : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        fs::create_directories(dir / "config");
    }
    void TearDown() override {
        if (!pidFile.empty() && fs::exists(pidFile)) {
            std::ifstream in(pidFile);
            pid_t pid = 0;
            if (in >> pid && pid > 0)
                ::kill(pid, SIGKILL);
        }
    }

    // The environment of a desktop session without a display, with our own folders.
    std::string Env(bool offscreen) const {
        return "env -u DISPLAY -u WAYLAND_DISPLAY " +
               std::string(offscreen ? "QT_QPA_PLATFORM=offscreen " : "-u QT_QPA_PLATFORM ") +
               "XDG_RUNTIME_DIR='" + (dir / "runtime").string() + "' XDG_CONFIG_HOME='" +
               (dir / "config").string() + "' ";
    }
    static int Status(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }
    int Run(const std::string& command) const { return Status(std::system(command.c_str())); }
    // Polls `done` until it holds or `seconds` have passed; says whether it held.
    static bool WaitFor(const std::function<bool()>& done, int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!done() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return done();
    }

    rc::test::TempFolder folder;
    const fs::path dir = folder.path();
    std::string pidFile;
    const std::string rcedit = RCEDIT_PATH;
};

// Without a display a window system would abort the program: each of these answers before one.
TEST_F(RceditProcess, CommandLineModesNeedNoDisplay) {
    const fs::path sample = fs::path(RC_SOURCE_DIR) / "samples/Default.HR8";
    struct Case {
        std::string args;
        int status;
        std::string says; // in what the program writes
    } cases[] = {
        {"--report all --format pdf --output '" + (dir / "all.pdf").string() + "' '" + sample.string() + "'",
         0, ""},
        {"--report all --output '" + (dir / "all.txt").string() + "' '" + sample.string() + "'", 0, ""},
        {"--format pdf x.HR8", 2, "--format does not apply to the editor window\nUsage: rcedit"},
        {"--sound voice:1 --output '" + (dir / "v.wav").string() + "' '" + sample.string() + "'", 0, ""},
        // The window forms say what they lack, and after "--" a word that looks like an option is a file.
        {"--no-splash", 2,
         "rcedit: no display could be opened (neither DISPLAY nor WAYLAND_DISPLAY is set).\nOnly the editor "
         "window needs one: --report, --export, --diff, --import, --check, --history, --sound, --help and "
         "--version run without (rcedit --help).\n"},
        {"--history --format json '" + sample.string() + "'", 0, "["},
    };
    for (const Case& c : cases) {
        const fs::path said = dir / "said";
        EXPECT_EQ(
            Run(Env(false) + "timeout 60 '" + rcedit + "' " + c.args + " >'" + said.string() + "' 2>&1"),
            c.status)
            << c.args;
        EXPECT_NE(rc::test::ReadFile(said).find(c.says), std::string::npos) << c.args;
    }
    rc::test::ExpectPdfReadsLikeText(rc::test::PdfText((dir / "all.pdf").string()),
                                     rc::test::ReadFile(dir / "all.txt"));
    // A display that is named but cannot be opened ends the same way, not with the window
    // system's abort.
    EXPECT_EQ(
        Run(Env(false) + "DISPLAY=:987 timeout 60 '" + rcedit + "' >'" + (dir / "said").string() + "' 2>&1"),
        2);
    EXPECT_NE(rc::test::ReadFile(dir / "said").find("rcedit: no display could be opened (DISPLAY=:987)"),
              std::string::npos);
}

// In a folder that takes no new files the image is rewritten in place, and the command says where
// the old bytes are kept, as the editor's save does.
TEST_F(RceditProcess, ImportInPlaceSaysWhereTheKeptCopyIs) {
    const fs::path locked = dir / "locked", data = dir / "data";
    fs::create_directories(locked);
    fs::create_directories(data);
    fs::copy_file(fs::path(RC_SOURCE_DIR) / "samples/Default.HR8", locked / "site.HR8");
    std::ofstream(dir / "set.txt") << "Base Timers | Repeater Time-Out | 04:00\n";
    fs::permissions(dir, fs::perms::all);
    fs::permissions(data, fs::perms::all);
    fs::permissions(locked / "site.HR8", fs::perms::all);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    // The superuser writes into any folder: the command runs as nobody.
    const std::string as = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const fs::path said = dir / "said";
    EXPECT_EQ(Run(Env(false) + "XDG_DATA_HOME='" + data.string() + "' " + as + "timeout 60 '" + rcedit +
                  "' --import '" + (dir / "set.txt").string() + "' '" + (locked / "site.HR8").string() +
                  "' 2>'" + said.string() + "'"),
              0);
    const std::string text = rc::test::ReadFile(said);
    EXPECT_NE(text.find("rcedit: The folder of " + (locked / "site.HR8").string() +
                        " takes no new files, so the file was rewritten in place.\nIts old contents are "
                        "kept in " +
                        data.string()),
              std::string::npos)
        << text;
    EXPECT_NE(rc::test::ReadFile(locked / "site.HR8"),
              rc::test::ReadFile(fs::path(RC_SOURCE_DIR) / "samples/Default.HR8"));
    fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
}

TEST_F(RceditProcess, ASecondStartHandsItsFileToTheRunningCopyAndEnds) {
    pidFile = (dir / "first.pid").string();
    fs::path socket = dir / "runtime" / "rcedit.socket";
    // Freed memory filled with junk: a handler that reads its socket after a dialog deleted it crashes.
    const std::string statusFile = (dir / "first.status").string();
    ASSERT_EQ(Run("(" + Env(true) + "MALLOC_PERTURB_=165 sh -c 'echo $$ > \"" + pidFile +
                  "\"; exec \"$0\" --no-splash' '" + rcedit + "'; echo $? > '" + statusFile +
                  "') >/dev/null 2>&1 &"),
              0);
    // Generous on a loaded machine: the first copy has to load Qt before it takes the lock.
    ASSERT_TRUE(WaitFor([&] { return fs::exists(socket) && fs::exists(pidFile); }, 60));
    EXPECT_EQ(fs::status(socket).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);
    std::ifstream in(pidFile);
    pid_t pid = 0;
    ASSERT_TRUE(in >> pid);

    // Without a file the second copy ends silently; with one, named from its own folder, it hands
    // the file over. Either way it ends at once with status 0 and the first copy runs on, also
    // when the file it was handed is refused and a message box stays open over the window.
    fs::copy_file(fs::path(RC_SOURCE_DIR) / "samples/Default.HR8", dir / "other site.HR8");
    std::ofstream(dir / "short.HR8") << "abc";
    for (const char* args : {"--no-splash", "--no-splash 'other site.HR8'", "--no-splash short.HR8"}) {
        auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(Run("cd '" + dir.string() + "' && " + Env(true) + "timeout 60 '" + rcedit + "' " + args +
                      " >/dev/null 2>&1"),
                  0)
            << args;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        EXPECT_EQ(::kill(pid, 0), 0) << args;
    }

    // Asked to end, the first copy closes its window and saves its settings: the file it opened
    // heads the recent list.
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    WaitFor([&] { return ::kill(pid, 0) != 0; }, 30);
    // It ended by itself: the message box's loop left, the code that had opened it returned safely.
    WaitFor([&] { return fs::exists(statusFile); }, 10);
    std::ifstream status(statusFile);
    int code = -1;
    EXPECT_TRUE(status >> code);
    EXPECT_EQ(code, 0);
    const std::string text = rc::test::ReadFile(dir / "config" / "H_R8.ini");
    EXPECT_NE(text.find("File1=" + (dir / "other site.HR8").string() + "\n"), std::string::npos) << text;
}

} // namespace
