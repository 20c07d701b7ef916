#include "shell/file_commands.h"

#include "image/image_file.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace rc::shell {
namespace {

namespace fs = std::filesystem;

// Answers questions from a queue (Cancel when it runs dry) and records every message.
struct ScriptedMessages : IMessages {
    std::deque<Answer> answers;
    std::vector<MessageSpec> shown;
    int beeps = 0;
    Answer Show(const MessageSpec& m) override {
        shown.push_back(m);
        if (m.buttons == MessageButtons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return Answer::Cancel;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
    std::vector<std::string> Titles() const {
        std::vector<std::string> t;
        for (const MessageSpec& m : shown)
            t.push_back(m.title);
        return t;
    }
};

// Returns the queued names; an empty queue (or an empty optional) is Cancel.
struct ScriptedDialogs : IFileDialogs {
    std::deque<std::optional<std::string>> opens, saves;
    std::vector<FileDialogSpec> openSpecs, saveSpecs;
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& q) {
        if (q.empty())
            return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
    std::optional<std::string> ShowOpen(const FileDialogSpec& s) override {
        openSpecs.push_back(s);
        return Next(opens);
    }
    std::optional<std::string> ShowSave(const FileDialogSpec& s) override {
        saveSpecs.push_back(s);
        return Next(saves);
    }
};

struct RecordingView : IShellView {
    bool imageCommands = false;
    std::string status;
    RecentFiles shownRecent;
    int busyDepth = 0;
    bool busyDuringMessage = false;
    void SetImageCommandsEnabled(bool e) override { imageCommands = e; }
    void SetStatusFile(const std::string& t) override { status = t; }
    void ShowRecentFiles(const RecentFiles& f) override { shownRecent = f; }
    void SetBusy(bool b) override { busyDepth += b ? 1 : -1; }
};

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "rc-shell-XXXXXX").string();
        dir = ::mkdtemp(tmpl.data());
        first = Write("first.HR8", 1);
        second = Write("second.hr8", 2);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    // An image whose zone byte is 1 (no save alert) and whose byte 100 is `marker`.
    std::string Write(const std::string& name, char marker, std::size_t size = 8192) {
        std::string bytes(size, '\0');
        if (size > 100) {
            bytes[24] = 1;
            bytes[100] = marker;
        }
        std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir;
    std::string first, second;
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
    EXPECT_TRUE(view.imageCommands);
    EXPECT_EQ(view.status, " " + first);
    EXPECT_EQ(view.shownRecent[0], first);
    EXPECT_EQ(view.busyDepth, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FileCommandsTest, CancelledOrRefusedOpensChangeNothing) {
    ASSERT_TRUE(commands.OpenPath(first));
    std::string shortFile = Write("short.HR8", 0, 8191);
    std::string longFile = Write("long.HR8", 0, 8193);
    std::string textFile = Write("first.HR8.txt", 0);
    struct Case {
        std::optional<std::string> chosen;
        const char* title; // nullptr: no message
    } cases[] = {
        {std::nullopt, nullptr},
        {shortFile, "Filename Error"},
        {longFile, "Filename Error"},
        {textFile, "Filename Error"},
        {(dir / "gone.HR8").string(), "Halden R File Open"},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        dialogs.opens = {c.chosen};
        EXPECT_FALSE(commands.Open());
        EXPECT_EQ(messages.shown.size(), c.title ? 1u : 0u);
        if (c.title && !messages.shown.empty()) {
            EXPECT_EQ(messages.shown[0].title, c.title);
        }
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
    EXPECT_EQ(Read(first)[200], 0);

    std::string copy = (dir / "copy.HR8").string();
    dialogs.saves = {copy};
    ASSERT_TRUE(commands.SaveAs());
    EXPECT_EQ(Read(copy)[200], 7);
    EXPECT_EQ(view.status, " " + copy);
    EXPECT_EQ(recent, (RecentFiles{copy, first, "", ""}));
    EXPECT_EQ(state.ImageFileName, first); // Save As keeps the project's file name
    EXPECT_FALSE(state.IsChanged());
}

TEST_F(FileCommandsTest, SaveAsRefusals) {
    ASSERT_TRUE(commands.OpenPath(first));
    std::string locked = Write("locked.HR8", 5);
    fs::permissions(locked, fs::perms::owner_read);
    state.image[300] = 3;
    struct Case {
        std::string chosen;
        std::deque<Answer> answers;
        std::vector<std::string> titles;
    } cases[] = {
        {(dir / "noext").string(), {}, {"File Save Error"}},
        {(dir / "new.HR8.bak").string(), {}, {"File Save Error"}},
        {locked, {}, {"Halden R8 Editor"}},
    };
    for (Case& c : cases) {
        messages.shown.clear();
        messages.answers = c.answers;
        dialogs.saves = {c.chosen};
        EXPECT_FALSE(commands.SaveAs()) << c.chosen;
        EXPECT_EQ(messages.Titles(), c.titles) << c.chosen;
        EXPECT_TRUE(state.IsChanged());
        EXPECT_EQ(state.SavePath, first);
    }
    EXPECT_EQ(Read(locked)[100], 5);
    EXPECT_FALSE(fs::exists(dir / "noext"));
}

TEST_F(FileCommandsTest, SaveAlertAnsweredNoWritesNothing) {
    ASSERT_TRUE(commands.OpenPath(first));
    state.image[24] = 7;
    messages.answers = {Answer::No};
    EXPECT_FALSE(commands.Save());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?");
    EXPECT_EQ(Read(first)[24], 1);
    messages.answers = {Answer::Yes};
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(Read(first)[24], 7);
    EXPECT_FALSE(state.IsChanged());
}

TEST_F(FileCommandsTest, SaveBeforeAnyOpenDoesNothing) {
    EXPECT_FALSE(commands.Save());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(dialogs.saveSpecs.empty());
}

// The question asked before unsaved edits are lost, for closing, Open and a recent file alike.
TEST_F(FileCommandsTest, ChangeQuestionGuardsEveryWayOfLosingEdits) {
    enum class Way { Close, Open, Recent };
    struct Case {
        Way way;
        Answer answer;
        std::optional<std::string> saveAsName; // what the Save As dialog returns after Yes
        bool goesOn;                           // closes, or opens the second file
        bool savedCopy;                        // the edit reached copy.HR8
    };
    const std::string copy = (dir / "copy.HR8").string();
    const Case cases[] = {
        {Way::Close, Answer::Cancel, std::nullopt, false, false},
        {Way::Close, Answer::No, std::nullopt, true, false},
        {Way::Close, Answer::Yes, copy, true, true},
        {Way::Close, Answer::Yes, std::nullopt, false, false},           // Save As cancelled
        {Way::Close, Answer::Yes, (dir / "bad").string(), false, false}, // Save As refused
        {Way::Open, Answer::Cancel, std::nullopt, false, false},
        {Way::Open, Answer::No, std::nullopt, true, false},
        {Way::Open, Answer::Yes, copy, true, true},
        {Way::Open, Answer::Yes, std::nullopt, false, false},
        {Way::Recent, Answer::Cancel, std::nullopt, false, false},
        {Way::Recent, Answer::No, std::nullopt, true, false},
        {Way::Recent, Answer::Yes, copy, true, true},
        {Way::Recent, Answer::Yes, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.way) << " answer " << int(c.answer) << " "
                                          << c.saveAsName.value_or("(cancel)"));
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
        bool wentOn = false;
        switch (c.way) {
        case Way::Close:
            wentOn = commands.QueryUnload();
            break;
        case Way::Open:
            wentOn = commands.Open();
            break;
        case Way::Recent:
            wentOn = commands.OpenRecent(1); // second is entry 2 once first was opened
            break;
        }
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0], ChangedQuestion());
        EXPECT_EQ(messages.beeps, 1);
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(fs::exists(copy) && Read(copy)[400] == 4, c.savedCopy);
        if (c.way != Way::Close && c.goesOn) {
            EXPECT_EQ(state.image[100], 2); // the second file replaced the image
        }
        if (!c.goesOn) {
            EXPECT_EQ(state.image[400], 4); // the edit is still there
            EXPECT_EQ(state.image[100], 1);
        }
    }
}

TEST_F(FileCommandsTest, NothingIsAskedWithoutChanges) {
    ASSERT_TRUE(commands.OpenPath(first));
    state.image[400] = 4;
    state.image[400] = 0; // an edit and its reversal
    EXPECT_TRUE(commands.QueryUnload());
    dialogs.opens = {second};
    EXPECT_TRUE(commands.Open());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.beeps, 0);
}

TEST_F(FileCommandsTest, RecentFileReopens) {
    recent = {first, second, "", ""};
    ASSERT_TRUE(commands.OpenRecent(1));
    EXPECT_EQ(state.image[100], 2);
    EXPECT_EQ(recent, (RecentFiles{first, second, "", ""})); // already listed: no reorder

    fs::remove(second);
    EXPECT_FALSE(commands.OpenRecent(1));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Halden R File Open"); // not the Filename Error
    EXPECT_EQ(state.image[100], 2);

    EXPECT_FALSE(commands.OpenRecent(2)); // an empty entry
    EXPECT_FALSE(commands.OpenRecent(7));
    recent = {"", second, "", ""};
    EXPECT_FALSE(commands.OpenRecent(1)); // nothing happens while entry 1 is empty
    EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
} // namespace rc::shell
