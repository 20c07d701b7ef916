#include "print/settings_list.h"

#include "editors/codes.h"
#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "editors/expanded_switches.h"
#include "editors/hardware_inputs.h"
#include "editors/macros.h"
#include "editors/option_flags.h"
#include "editors/scheduler.h"
#include "editors/speed_dial.h"
#include "editors/telephone_codes.h"
#include "editors/timers.h"
#include "editors/zones.h"
#include "image/image_file.h"
#include "image/statistics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace rc::print {
namespace {

ImageBytes Sample() {
    ImageBytes image;
    EXPECT_EQ(ReadImageFile(RC_SOURCE_DIR "/samples/Default.HR8", image).error, OpenError::None);
    return image;
}

TEST(SettingsList, OneEditGivesOneLineNamingItsSetting) {
    struct Case {
        std::string area;
        std::string item;
        std::function<void(ImageBytes&)> edit;
    } cases[] = {
        {"Memory Save #3 Codes", "Autopatch Access Number",
         [](ImageBytes& im) {
             auto codes = DisplayCodes(im, 3);
             codes[6] = codes[6] == "123" ? "456" : "123";
             SaveCodes(im, 3, codes);
         }},
        {"Base Timers", TimerRowLabel(1),
         [](ImageBytes& im) {
             const int pt = GetPT(0, 1);
             const std::string value = TimerValue(im, pt) == 90 ? "91" : "90";
             IsTenthsTimer(1) ? SaveTimerSec(im, pt, value) : SaveTimerMin(im, pt, value);
         }},
        {"Base Voice Messages", "Message 13",
         [](ImageBytes& im) {
             const int record = Messages(0).at(12);
             im.MutableBytes()[record] = 1;
             im.MutableBytes()[record + 2] = static_cast<std::uint8_t>(im[record + 2] ^ 1);
         }},
        {"Unlock Number", "Unlock Number",
         [](ImageBytes& im) { SaveUnlock(im, DisplayUnlock(im) == "1357" ? "2468" : "1357"); }},
        {"CW Message", "CW Message",
         [](ImageBytes& im) {
             CwBuilder cw;
             cw.Clear();
             cw.Pick(13);
             cw.Pick(CwMessageText(im) == "D" ? 14 : 13);
             SaveCwMessage(im, cw);
         }},
        {"Emergency Speed Dial", "Entry 3 Number",
         [](ImageBytes& im) {
             const int pt = kEmergencySpeedDial.at(3);
             SaveTelNum(im, pt, DisplayAPNum(im, pt) == "911" ? "912" : "911");
         }},
        {"Telephone Lockout Numbers", "Lockout Number 11",
         [](ImageBytes& im) {
             SaveLockout(im, 1, 0, DisplayLockout(im, 1)[0].text == "1900" ? "1976" : "1900");
         }},
        {"Repeater Stats", "Telephone Ring Detects",
         [](ImageBytes& im) { im.MutableBytes()[kStatistics.offset + 8] ^= 1; }},
        {"Memory Save #3 Zones", "Zone 8 8.  Expanded DVR User Function Switch 8",
         [](ImageBytes& im) {
             ZoneChecks z = DisplayGroup1(im, ZonesStart(3));
             z[7][7] = !z[7][7];
             SaveGroup1(im, ZonesStart(3), z);
         }},
        {"Area Code Numbers", AreaCodeHeading(4),
         [](ImageBytes& im) { SaveAreaCodes(im, 4, DisplayAreaCodes(im)[4] == "010" ? "011" : "010"); }},
        {"Expanded Switches", "Switch 10", [](ImageBytes& im) { ToggleExpBit(im, 1, 1, 2); }},
        {"Courtesy Tones", "Courtesy Tone 3",
         [](ImageBytes& im) { SaveToneField(im, 2, 0, CFreq(im, GetPT(2)) == "500" ? "600" : "500"); }},
        {"User Speed Dial", "Entry 42 Number",
         [](ImageBytes& im) {
             SpeedDialGroup page{4};
             const int pt = page.GetPT(2);
             SaveTelNum(im, pt, DisplayAPNum(im, pt) == "5551212" ? "5551213" : "5551212");
         }},
        {"Pre-Dial Number", "Pre-Dial Number",
         [](ImageBytes& im) { SavePreDial(im, PreDialText(im) == "9," ? "8," : "9,"); }},
        {"Macros", "Macro 12 Command 3",
         [](ImageBytes& im) {
             const std::string was = DisplayMacros(im, 1)[1].commands[2];
             SaveMacro(im, MacroOffset(1, 1), 3, was == "1110" ? "1111" : "1110");
         }},
        {"Scheduler", "Event 17",
         [](ImageBytes& im) {
             SchedEntry e = ReadSchedEntry(im, SchedRecordOffset(1, 6));
             e.Minute = e.Minute == 0x30 ? 0x15 : 0x30;
             e.Month = e.Month == 0 ? 0x12 : e.Month;
             WriteSchedEntry(im, SchedRecordOffset(1, 6), e);
         }},
        {"User Inputs", "Input #2 Falling Edge",
         [](ImageBytes& im) {
             const std::string was = DisHardware(im)[3].command;
             SaveHardware(im, 3, was, was == "0125" ? "0126" : "0125");
         }},
        {"Repeater Configuration", "Voice clock as 24 Hour Time",
         [](ImageBytes& im) {
             OptionFlags f = ReadOptionFlags(im);
             f.clock24 = !f.clock24;
             SaveOptionFlags(im, f);
         }},
    };
    const ImageBytes before = Sample();
    for (const Case& c : cases) {
        ImageBytes after = before;
        c.edit(after);
        const std::vector<SettingChange> changes = DiffSettings(before, after);
        ASSERT_EQ(changes.size(), 1u) << c.area << ChangesText(changes);
        EXPECT_EQ(changes[0].area, c.area);
        EXPECT_EQ(changes[0].item, c.item);
        EXPECT_NE(changes[0].oldValue, changes[0].newValue);
    }
}

TEST(SettingsList, BytesNoSettingShowsAreNeverInvisible) {
    ImageBytes before = Sample();
    before.MutableBytes()[5] = 0;
    ImageBytes after = before;
    after.MutableBytes()[5] = 0x7F;                   // named by no setting
    after.MutableBytes()[TimersStart(0) + 1] |= 0x80; // a timer bit the dialog ignores
    const std::vector<SettingLine> listing = ListSettings(after);
    EXPECT_NE(std::find(listing.begin(), listing.end(), SettingLine{kUnnamedArea, "0x0005", "7F"}),
              listing.end());

    const std::vector<SettingChange> changes = DiffSettings(before, after);
    ASSERT_EQ(changes.size(), 2u) << ChangesText(changes);
    EXPECT_EQ(changes[0].area, "Base Timers");
    EXPECT_EQ(changes[0].item, "bits no setting shows at 0x00B9");
    EXPECT_EQ(ChangesText({changes[1]}), "Unnamed bytes | 0x0005 | 00 -> 7F\n");
}

TEST(SettingsList, EveryAreaListsItsItemsWhateverTheBytes) {
    // The same items in the same order for any image, so two listings line up.
    ImageBytes ones;
    for (auto& b : ones.MutableBytes())
        b = 0xFF;
    const auto zero = ListSettings(ImageBytes{});
    auto full = ListSettings(ones);
    full.erase(
        std::remove_if(full.begin(), full.end(), [](const SettingLine& l) { return l.area == kUnnamedArea; }),
        full.end());
    ASSERT_EQ(zero.size(), full.size());
    for (std::size_t i = 0; i < zero.size(); ++i)
        EXPECT_EQ(zero[i].area + zero[i].item, full[i].area + full[i].item) << i;
}

TEST(SettingsListCommand, ExitStatusAndRefusedFiles) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("rc-list-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ImageBytes image = Sample();
    const std::string a = (dir / "a.HR8").string(), b = (dir / "b.HR8").string(),
                      bad = (dir / "c.txt").string();
    ASSERT_TRUE(WriteImageFile(a, image).ok);
    image.MutableBytes()[3] ^= 0x10; // unnamed: no setting differs, the files still do
    ASSERT_TRUE(WriteImageFile(b, image).ok);
    ASSERT_TRUE(WriteImageFile(bad, image).ok);
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"--diff", a, a}, 0},
        {{"--diff", a, b}, 1},
        {{"--diff", a, bad}, 2},
        {{"--diff", a}, 2},
        {{"--export", a}, 0},
        {{"--export", "--format", "xml", a}, 2},
        {{"--export", (dir / "none.HR8").string()}, 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"rcedit"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::ostringstream out, err;
        EXPECT_EQ(RunListingCommand(args, out, err), c.status) << c.args[0] << " " << c.args.back();
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace rc::print
