#include "shell_fakes.h"

#include "cli/run_commands.h"
#include "codecs/vocabulary.h"
#include "image/regions.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rc::shell::testing {
namespace {

VoiceContract Words(std::vector<int> codes) {
    VoiceContract v;
    v.VoiceRebuilt = true;
    v.VoiceWordCount = static_cast<int>(codes.size());
    for (std::size_t j = 0; j < codes.size(); ++j) {
        v.VoiceWords[j] = WordCodeText(codes[j]);
        v.VoiceNewText += (j ? " " : "") + VoiceWordText(WordKey(PackWordCode(codes[j])));
    }
    return v;
}

std::string Name(int code) {
    return VoiceWordText(WordKey(PackWordCode(code)));
}

// One visit to a dialog from the menu: `clicks` names the controls clicked in order, F1 asks for its
// help, OK closes it.
struct Visit {
    const char* menu;
    const char* dialog;
    std::vector<const char*> clicks;
    int helpContext;
};

// The messages and autopatch dialogs from their menus: every entry cancelled leaves the image as
// it was opened, byte for byte; entries made reach the file and its reports.
class VoiceAutopatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        rig.Start();
        ImageBytes image;
        image[kSaveAlertZoneByte] = 1;
        // What a cancelled entry must not rewrite: two pauses before a digit, a word count past
        // the identification's eight, words with high bits the controller ignores.
        Put(image, kUserSpeedDial.at(42), {3, 0x29, 0x05, 0x05, 0, 0, 0, 0, 0, 0, 0, 0, 9});
        Put(image, Messages(0).at(12), {1, 0x32, 10});
        image[kEmergencySpeedDial.at(3)] = 12;
        image[kPreDialNumber.offset] = 9;
        path = folder.Path("site.HR8");
        ASSERT_TRUE(WriteImageFile(path, image).ok);
        rig.window->show();
        ASSERT_TRUE(rig.window->OpenAtStart(path));
    }

    void Run(const Visit& v) {
        SCOPED_TRACE(v.menu);
        rig.help.calls.clear();
        auto act = [&](QWidget* modal) {
            for (const char* name : v.clicks)
                Click(*modal, name);
            Click(*modal, "cmdOK");
        };
        EXPECT_EQ(RunDialog(rig, v.menu, act), v.dialog);
        EXPECT_EQ(rig.help.calls, std::vector<std::string>{"context " + std::to_string(v.helpContext)});
    }

    // Base message 13, memory save #2 message 8, speed dial 42's number and words, emergency 3's
    // number and words, the pre-dial number.
    const std::vector<Visit> visits = {
        {"mnuVocBase", "frmVoc", {"optGroup_1", "lblMsg_2"}, 400},
        {"mnuMes_2", "frmVocMem", {"lblMsg_7"}, 401},
        {"mnuUSD", "frmSpeed", {"optGrp_4", "lblNum_2", "Label2_2"}, 800},
        {"mnuESD", "frmEmer", {"lblNum_3", "lblID_3"}, 801},
        {"mnuPreDial", "frmPreDial", {"lblNum"}, 803},
    };

    TempFolder folder;
    ShellRig rig;
    std::string path;
};

TEST_F(VoiceAutopatchTest, CancellingEveryEntryLeavesTheImageAsOpened) {
    for (const Visit& v : visits)
        Run(v);
    EXPECT_EQ(rig.words.calls.size(), 4u);
    EXPECT_EQ(rig.keypad.calls.size(), 3u);
    EXPECT_FALSE(rig.state.IsChanged()) << "a cancelled entry wrote into the image";
    rig.window->tmrMod_Timer();
    EXPECT_EQ(rig.window->Panel(2)->text(), "");
}

TEST_F(VoiceAutopatchTest, EntriesReachTheFileAndItsReports) {
    rig.words.replies = {Words({820, 834}), Words({730}), Words({731, 286}), Words({344})};
    rig.keypad.entries = {"9,5550123", "911", "*7,1"};
    for (const Visit& v : visits)
        Run(v);

    // What each dialog was opened with.
    std::string opened;
    for (const VoiceContract& v : rig.words.calls)
        opened += std::to_string(v.VoiceMaxWords) + " " + std::to_string(v.VoiceMessageNumber) + " [" +
                  v.VoiceOldText + "]\n";
    for (const auto& c : rig.keypad.calls)
        opened += c + "\n";
    EXPECT_EQ(opened, "23 13 [" + Name(210) +
                          "]\n23 8 []\n8 -1 []\n8 -1 []\n"
                          "6 11 Telephone Number 42 [,955] 9\n6 11 Emergency Number 3 [] 9\n"
                          "6 7 Tel Pre-Dial [DDDDDDD] 0\n");

    rig.Command("mnuSave")->trigger();
    EXPECT_FALSE(rig.state.IsChanged());
    std::ostringstream out, err;
    const cli::EditorCommand command =
        cli::ParseEditorCommand({"rcedit", "--report", "speed-dial,emergency,voice,mem-voice", path});
    ASSERT_EQ(cli::RunReportCommand(std::get<cli::ReportCommand>(command), out, err), 0) << err.str();
    const std::string report = out.str();
    // Rows as printed: the number at column 8, a message at 14; a telephone number at 15 and its
    // words, each after a blank, at 32.
    const std::string rows[] = {
        " 13   " + Name(820) + " " + Name(834),
        " 8    " + Name(730),
        " 42    9,5550123" + std::string(9, ' ') + Name(731) + " " + Name(286),
        " 3     911" + std::string(15, ' ') + Name(344),
    };
    for (const std::string& row : rows)
        EXPECT_NE(report.find("\n       " + row + "\n"), std::string::npos) << row;
    const std::uint8_t preDial[] = {4, 11, 7, 0, 1, 0, 0, 0}; // the comma counts and is stored as 0
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(rig.state.image[kPreDialNumber.offset + k], preDial[k]) << k;
}

} // namespace
} // namespace rc::shell::testing
