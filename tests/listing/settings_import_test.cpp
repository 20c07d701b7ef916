#include "listing/settings_import.h"

#include "codecs/commands.h"
#include "image/image_file.h"
#include "print/listing_cli.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace rc::listing {
namespace {

namespace fs = std::filesystem;

using test::SampleImage;

using test::RandomImage;

// The refusals of importing `text` into `image`, as "line: message".
std::vector<std::string> Import(ImageBytes& image, const std::string& text) {
    std::vector<ImportRefusal> refusals;
    const std::vector<ImportLine> lines = ParseSettings(text, refusals);
    for (const ImportRefusal& r : ImportSettings(image, lines))
        refusals.push_back(r);
    std::vector<std::string> shown;
    for (const ImportRefusal& r : refusals)
        shown.push_back(std::to_string(r.line) + ": " + r.message);
    return shown;
}

TEST(SettingsImport, AnImagesOwnListingChangesNoByteInEitherForm) {
    std::mt19937 rng(23);
    for (const ImageBytes& original :
         {SampleImage(), RandomImage(rng), RandomImage(rng), RandomImage(rng), RandomImage(rng)}) {
        const std::vector<SettingLine> listing = ListSettings(original);
        for (const std::string& text : {ListingText(listing), ListingJson(listing)}) {
            ImageBytes image = original;
            EXPECT_TRUE(Import(image, text).empty());
            EXPECT_TRUE(image == original);
        }
    }
}

// Random images made of what the dialogs can write: each line of a random image's listing, in order,
// that the import takes. Every line taken lists back as given, and the listing of what was built
// builds the same settings again on an empty image.
TEST(SettingsImport, RandomWritableImagesListBackWhatWasImported) {
    std::mt19937 rng(8);
    for (int n = 0; n < 3; ++n) {
        ImageBytes built;
        std::vector<SettingLine> taken;
        for (const SettingLine& line : ListSettings(RandomImage(rng)))
            if (ImportSettings(built, {{1, line.area, line.item, line.value}}).empty())
                taken.push_back(line);
        EXPECT_GT(taken.size(), 600u);
        const std::vector<SettingLine> listing = ListSettings(built);
        for (const SettingLine& line : taken)
            EXPECT_NE(std::find(listing.begin(), listing.end(), line), listing.end())
                << line.area << " | " << line.item << " | " << line.value;
        for (const std::string& text : {ListingText(listing), ListingJson(listing)}) {
            ImageBytes again;
            EXPECT_TRUE(Import(again, text).empty());
            EXPECT_EQ(ListingText(ListSettings(again)), ListingText(listing));
        }
    }
}

TEST(SettingsImport, OneEditedLineIsTheOneDifference) {
    const std::string tone1 =
        "Tone #1 800 Hz-100 Ms, Delay 50 Ms, Tone #2 0 Hz-0 Ms, Delay 0 Ms, Tone #3 0 Hz-0 Ms";
    const struct Case {
        std::string line;     // as a user types it
        std::string newValue; // as the listing then shows it
    } cases[] = {
        {"Memory Save #3 Codes | Autopatch Access Number | *6", "*6"},
        {"Base Timers|Repeater Time-Out|04:30", "04:30"},
        {"Base Timers | Turn On Delay | 2.5", "2.5"},
        {"Base Voice Messages | Message 01 | Power Failure", "Power Failure"},
        {"CW Message | CW Message | DE N0SMP(AR)", "DE N0SMP(AR)"},
        {"Macros | Macro 02 Command 1 | 5001 a stale description", "5001 Load Repeater Courtesy Tone 1"},
        {"Scheduler | Event 02 | ----:15, Weekdays, Skip, 2600",
         "----:15, Weekdays, Skip, 2600 " + CommandText(0x26, 0x00)},
        {"Scheduler | Event 03 | 12:00, ----, March, 7, 3009",
         "12:00, ----, March, 7, 3009 " + CommandText(0x30, 0x09)},
        {"Scheduler | Event 04 | (none)", ""},
        {"Base Zones | Zone 1 2.  CTCSS Enable | On", "On"},
        {"User Speed Dial | Entry 1 Identification | Police Department", "Police Department"},
        {"User Speed Dial | Entry 0 Number | 555,0123", "555,0123"},
        {"Courtesy Tones | Courtesy Tone 1 | " + tone1, tone1},
        {"Expanded Switches | Switch 2 | On: 1, 4", "On: 1, 4"},
        {"Repeater Configuration | Voice clock as 24 Hour Time | Off", "Off"},
        {"Unnamed bytes | 0x0003 | 5A", "5A"},
        {"Unlock Number | Unlock Number | 1357913", "1357913"},
        {"Emergency Speed Dial | Entry 3 Number | 911", "911"},
        {"Telephone Lockout Numbers | Lockout Number 11 | 1900", "1900"},
        {"Repeater Stats | Telephone Ring Detects | 7", "7"},
        {"Memory Save #3 Zones | Zone 8 8.  Expanded DVR User Function Switch 8 | On", "On"},
        {"Area Code Numbers | Area Code 5 | 010", "010"},
        {"Pre-Dial Number | Pre-Dial Number | 9#", "9#"},
        {"User Inputs | Input #2 Falling Edge | 0125", "0125 " + CommandText(0x01, 0x25)},
        {"Expanded Switches | Switch 10 | On: 3", "On: 3"},
    };
    for (const Case& c : cases) {
        const ImageBytes sample = SampleImage();
        ImageBytes image = sample;
        EXPECT_EQ(Import(image, "# one edit\n\n" + c.line + "\n"), std::vector<std::string>{}) << c.line;
        const std::vector<SettingChange> changes = DiffSettings(sample, image);
        ASSERT_EQ(changes.size(), 1u) << c.line << "\n" << ChangesText(changes);
        // The one line names the setting the edit wrote, through the editors' own save routines.
        EXPECT_EQ(c.line.rfind(changes[0].area, 0), 0u) << c.line;
        EXPECT_NE(c.line.find(changes[0].item), std::string::npos) << c.line;
        EXPECT_EQ(changes[0].newValue, c.newValue) << c.line;
    }
}

TEST(SettingsImport, BadValuesAreRefusedByLineWithTheDialogsWordsAndNothingChanges) {
    const std::string text =
        "# refused, one per line\n"
        "Base Codes | Control Operator Code | 12345678\n"
        "Base Codes | Control Operator Code | 12D\n"
        "Unlock Number | Unlock Number | 123\n"
        "Unlock Number | Unlock Number | (none)\n"
        "Area Code Numbers | Area Code 1 | 12\n"
        "Base Timers | Repeater Time-Out | 45:00\n"
        "Base Timers | Turn On Delay | 99999999999999999999.5\n"
        "Macros | Macro 01 Command 1 | 123\n"
        "Macros | Macro 14 Command 1 | 3101 Play Voice Message 1\n"
        "Scheduler | Event 01 | 25:00, Daily, Skip, 2000\n"
        "Base Voice Messages | Message 01 | Power Wurld\n"
        "CW Message | CW Message | DE N0SMP!\n"
        "Base Zones | Zone 1 2.  CTCSS Enable | Yes\n"
        "Courtesy Tones | Courtesy Tone 1 | Tone #1 850 Hz-100 Ms, Delay 0 Ms, Tone #2 0 Hz-0 "
        "Ms, Delay 0 Ms, Tone #3 0 Hz-0 Ms\n"
        "Nowhere | Control Operator Code | 1\n"
        "Base Codes | Nothing | 1\n"
        "User Speed Dial | Entry 0 Number | 555,,0123\n"
        "Unnamed bytes | 0x0020 | 00\n"
        "a line without its parts\n"
        "Base Codes | Time Request Prefix | *9\n";
    ImageBytes image = SampleImage();
    const std::vector<std::string> expected = {
        "2: Error! Maximum 7 Digit Entry",
        "3: Error! The keypad has no such key",
        "4: Error! Requires a 7 Digit Entry",
        "5: Error, No Unlock Entry.",
        "6: Error! Need 3 Digit Entry",
        "7: Error! Entry must be between 1 and 1800",
        "8: Error! Maximum 2 Digit Entry",
        "9: Error! Need 4 Digit Entry",
        "10: Error! This value cannot be stored as given; it would read back as \"Play Voice Message 1\"",
        "11: Error! Hours must be 00 to 23 and minutes 00 to 59",
        "12: Error! \"Wurld\" is not a word of the vocabulary",
        "13: Error! \"!\" is not a CW character",
        "14: Error! A tick is On or Off",
        "15: Error! A frequency is 0 or 300 to 1000 Hz in steps of 100",
        "16: Error! No settings area is called \"Nowhere\"",
        "17: Error! Base Codes has no setting \"Nothing\"",
        "18: Error, One delay entry only.",
        "19: Error! Byte 0x0020 belongs to a setting",
        "20: Error! A setting line is: area | item | value",
    };
    std::vector<std::string> refusals = Import(image, text);
    std::sort(refusals.begin(), refusals.end(),
              [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    EXPECT_EQ(refusals, expected);
    EXPECT_TRUE(image == SampleImage());
}

TEST(SettingsImport, CommandWritesOnlyWhatItMayAndNeverOverAnInput) {
    test::TempFolder folder;
    const fs::path& dir = folder.path();
    const std::string a = (dir / "a.HR8").string(), b = (dir / "b.HR8").string(),
                      good = (dir / "good.txt").string(), link = (dir / "link.HR8").string();
    ASSERT_TRUE(WriteImageFile(a, SampleImage()).ok);
    fs::create_symlink(a, link);
    fs::permissions(a, fs::perms::owner_read); // read, and never written in place
    std::ofstream(good) << "Base Codes | Control Operator Code | 4321\n";
    const std::string fifo = (dir / "fifo.txt").string(); // would keep a reader waiting for ever
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct Case {
        std::vector<std::string> args;
        int status;
        bool newFile; // b.HR8 exists afterwards
    } cases[] = {
        {{"--import", good, "--output", link, a}, 2, false},
        {{"--import", good, "--output", good, a}, 2, false},
        {{"--import", good, "--output", b, (dir / "none.HR8").string()}, 2, false},
        {{"--import", good, a, b}, 2, false},
        {{"--import", fifo, "--output", b, a}, 2, false},
        {{"--import", good, a}, 2, false},
        {{"--import", good, "--output", b, a}, 0, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"rcedit"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::ostringstream out, err;
        EXPECT_EQ(print::RunListingCommand(args, out, err), c.status)
            << c.args[1] << " " << c.args.back() << err.str();
        EXPECT_EQ(fs::exists(b), c.newFile) << c.args[1];
    }
    ImageBytes original, changed;
    ASSERT_EQ(ReadImageFile(a, original).error, OpenError::None);
    ASSERT_EQ(ReadImageFile(b, changed).error, OpenError::None);
    EXPECT_TRUE(original == SampleImage());
    EXPECT_EQ(ChangesText(DiffSettings(original, changed)),
              "Base Codes | Control Operator Code | 123 -> 4321\n");
}

} // namespace
} // namespace rc::listing
