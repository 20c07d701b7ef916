#include "image/editor_state.h"
#include "image/image_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace rc {
namespace {

namespace fs = std::filesystem;

// Answers every question with `answer` and remembers what it was shown.
struct ScriptedMessages : IMessages {
    Answer answer = Answer::Yes;
    std::vector<MessageSpec> shown;
    Answer Show(const MessageSpec& m) override {
        shown.push_back(m);
        return m.buttons == MessageButtons::Ok ? Answer::Ok : answer;
    }
};

class EditorStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "rc-state-XXXXXX").string();
        dir = ::mkdtemp(tmpl.data());
        path = (dir / "site.HR8").string();
        std::string bytes(8192, '\0');
        bytes[24] = 1; // transmitter on: no save alert
        bytes[33] = 1;
        bytes[34] = 2;
        std::ofstream(path, std::ios::binary).write(bytes.data(), 8192);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    std::string path;
    EditorState state;
    ScriptedMessages messages;
};

TEST_F(EditorStateTest, OpenLoadsTheFileAndRecordsIt) {
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.image[33], 1);
    EXPECT_TRUE(state.FileOpen);
    EXPECT_EQ(state.SavePath, path);
    EXPECT_EQ(state.ImageFileName, path);
    EXPECT_EQ(state.SavedChecksum, 4);
    EXPECT_EQ(state.statusFileText, " " + path);
    EXPECT_FALSE(state.IsChanged());
}

TEST_F(EditorStateTest, RefusedOpensLeaveEverythingAsItWas) {
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    state.image[500] = 9; // an unsaved edit survives a failed open
    std::string shortFile = (dir / "short.HR8").string();
    std::ofstream(shortFile, std::ios::binary) << "abc";
    struct Case {
        std::string path;
        std::string title;
    } cases[] = {{shortFile, "Filename Error"}, {(dir / "missing.HR8").string(), "Halden R File Open"}};
    for (const Case& c : cases) {
        messages.shown.clear();
        EXPECT_FALSE(ProcessOpen(state, c.path, messages));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, c.title);
        EXPECT_EQ(state.image[500], 9);
        EXPECT_EQ(state.SavePath, path);
        EXPECT_EQ(state.ImageFileName, path);
        EXPECT_TRUE(state.IsChanged());
    }
}

TEST_F(EditorStateTest, ChangeTestSeesEditsThatKeepTheSum) {
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    // Swap the two digits of the first code: same bytes, same sum, different code.
    std::swap(state.image[33], state.image[34]);
    EXPECT_EQ(BufferChecksum(state.image), state.SavedChecksum);
    EXPECT_TRUE(state.IsChanged());
    // The exact reversal is no change at all.
    std::swap(state.image[33], state.image[34]);
    EXPECT_FALSE(state.IsChanged());
}

TEST_F(EditorStateTest, SaveWritesTheImageAndClearsTheChange) {
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::NotOpen);
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    state.image[40] = 3;
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::Saved);
    EXPECT_FALSE(state.IsChanged());
    EditorState reread;
    ASSERT_TRUE(ProcessOpen(reread, path, messages));
    EXPECT_EQ(reread.image, state.image);
}

TEST_F(EditorStateTest, SaveAlertNoWritesNothing) {
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    state.image[24] = 0; // transmitter disabled
    messages.answer = Answer::No;
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::Declined);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Repeater Transmitter Disabled\nSave Anyway?");
    EXPECT_TRUE(state.IsChanged());
    messages.answer = Answer::Yes;
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::Saved);
}

TEST_F(EditorStateTest, ReadOnlyFileOpensButSaveRefusesAndSaveAsWorks) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    EXPECT_EQ(state.statusFileText, " " + path + " (Read Only)");
    state.image[40] = 3;
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::ReadOnly);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error.. " + path + " .. is Read Only");
    EXPECT_TRUE(state.IsChanged());

    std::string copy = (dir / "copy.hr8").string();
    EXPECT_EQ(SaveFileAs(state, copy, messages), SaveOutcome::Saved);
    EXPECT_EQ(state.SavePath, copy);
    EXPECT_EQ(state.ImageFileName, path) << "Save As keeps the project file name";
    EXPECT_EQ(state.statusFileText, " " + copy);
    EXPECT_FALSE(state.IsChanged());
}

TEST_F(EditorStateTest, SaveAsRefusesANameWithoutTheExtension) {
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    std::string bad = (dir / "copy.bin").string();
    EXPECT_EQ(SaveFileAs(state, bad, messages), SaveOutcome::BadName);
    EXPECT_EQ(messages.shown.back().text, "Error, Filename must contain the extension .HR8.");
    EXPECT_FALSE(fs::exists(bad));
}

TEST_F(EditorStateTest, AFailedWriteIsReportedAndStaysUnsaved) {
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    state.image[40] = 3;
    EXPECT_EQ(SaveFileAs(state, (dir / "nowhere" / "x.HR8").string(), messages), SaveOutcome::WriteFailed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(state.IsChanged());
    EXPECT_EQ(state.SavePath, path);
}

} // namespace
} // namespace rc
