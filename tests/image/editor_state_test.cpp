// The editor's open/save state. Refused opens, the save alert, read-only files and Save As names
// are driven through the shell's file commands (tests/shell/file_commands_test.cpp).
#include "image/editor_state.h"
#include "image/image_file.h"
#include "scripted_messages.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rc {
namespace {

namespace fs = std::filesystem;

class EditorStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        messages.fallback = Answer::Yes; // every question
        std::string bytes(8192, '\0');
        bytes[24] = 1; // transmitter on: no save alert
        bytes[33] = 1;
        bytes[34] = 2;
        test::WriteFile(path, bytes);
    }

    test::TempFolder folder;
    const fs::path dir = folder.path();
    const std::string path = folder.Path("site.HR8");
    EditorState state;
    test::ScriptedMessages messages;
};

TEST_F(EditorStateTest, OpenRecordsTheFileAndTheChangeTestSeesEditsThatKeepTheSum) {
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::NotOpen);
    ASSERT_TRUE(ProcessOpen(state, path, messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.image[33], 1);
    EXPECT_TRUE(state.FileOpen);
    EXPECT_EQ(state.ImageFileName, path);
    EXPECT_EQ(state.SavedChecksum, 4);
    EXPECT_FALSE(state.IsChanged());
    // Swap the two digits of the first code: same bytes, same sum, different code.
    std::swap(state.image[33], state.image[34]);
    EXPECT_EQ(BufferChecksum(state.image), state.SavedChecksum);
    EXPECT_TRUE(state.IsChanged());
    // The exact reversal is no change at all.
    std::swap(state.image[33], state.image[34]);
    EXPECT_FALSE(state.IsChanged());

    state.image[40] = 3;
    EXPECT_EQ(SaveFile(state, messages), SaveOutcome::Saved);
    EXPECT_FALSE(state.IsChanged());
    EditorState reread;
    ASSERT_TRUE(ProcessOpen(reread, path, messages));
    EXPECT_EQ(reread.image, state.image);
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
