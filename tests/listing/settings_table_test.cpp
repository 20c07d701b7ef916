#include "listing/settings_check.h"
#include "listing/settings_import.h"

#include "editors/scheduler.h"
#include "editors/timers.h"
#include "image/image_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace rc::listing {
namespace {

using test::RandomImage;
using test::SampleImage;

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

// --- The rules the settings table keeps, over seeded random inputs ---------------------------------

constexpr int kCases = 1000;

const ListedArea& AnyArea(std::mt19937& rng) {
    const auto& areas = ListedAreas();
    return areas[rng() % areas.size()];
}

bool SameBytes(const ImageBytes& a, const ImageBytes& b, const ListedArea& area) {
    for (const Region& r : area.bytes)
        for (int i = r.offset; i < r.end(); ++i)
            if (a[i] != b[i])
                return false;
    return true;
}

// A value a user might give a setting: one a random image shows there, nothing, or such a value
// with a word, a blank or a character more or less.
std::string AnyValue(std::mt19937& rng, const ListedArea& area, std::size_t index) {
    const std::vector<SettingLine> lines = ListArea(RandomImage(rng), area);
    std::string value = lines[index % lines.size()].value;
    switch (rng() % 6) {
    case 0:
        return "";
    case 1:
        return value + " and some words";
    case 2:
        return value.empty() ? value : value.substr(0, value.size() - 1);
    case 3:
        return value + " ";
    default:
        return value;
    }
}

// A random walk of entries through the dialogs' entry rules, from the sample.
ImageBytes Walk(std::mt19937& rng, const ListedArea& area) {
    ImageBytes image = SampleImage();
    const std::size_t count = ListArea(image, area).size();
    for (int step = 1 + static_cast<int>(rng() % 4); step > 0; --step) {
        const std::size_t index = rng() % count;
        ImageBytes trial = image;
        if (!area.set(trial, area.copy, static_cast<int>(index), AnyValue(rng, area, index)))
            image = trial;
    }
    return image;
}

std::vector<SettingLine> Findings(const ImageBytes& image, const ListedArea& area) {
    std::vector<SettingLine> findings;
    CheckArea(image, area, findings);
    return findings;
}

TEST(SettingsTable, WhatTheEditorWritesIsSound) {
    std::mt19937 rng(30);
    for (int n = 0; n < kCases; ++n) {
        const ListedArea& area = AnyArea(rng);
        const ImageBytes image = Walk(rng, area);
        ASSERT_EQ(ListingText(Findings(image, area)), "") << n;
    }
}

TEST(SettingsTable, ASoundImageIsItsListing) {
    std::mt19937 rng(31);
    for (int n = 0; n < kCases; ++n) {
        const ListedArea& area = AnyArea(rng);
        const ImageBytes image = Walk(rng, area);
        const std::vector<SettingLine> listing = ListWholeArea(image, area);
        for (const std::string& text : {ListingText(listing), ListingJson(listing)})
            for (ImageBytes onto : {ImageBytes{}, SampleImage()}) {
                ASSERT_EQ(Import(onto, text), std::vector<std::string>{}) << n << "\n" << text;
                ASSERT_TRUE(SameBytes(onto, image, area)) << n << "\n" << text;
            }
    }
}

TEST(SettingsTable, TheImportAppliesOrRefuses) {
    std::mt19937 rng(32);
    for (int n = 0; n < kCases; ++n) {
        const ListedArea& area = AnyArea(rng);
        ImageBytes image = rng() % 2 ? SampleImage() : Walk(rng, area);
        const ImageBytes was = image;
        const std::vector<SettingLine> before = ListArea(image, area);
        const std::size_t index = rng() % before.size();
        const std::string value = AnyValue(rng, area, index);
        const SettingLine line{area.area, before[index].item, value};
        if (!Import(image, ListingText({line})).empty())
            continue;
        // The one setting changes and nothing else: no other line of the area, no byte outside it.
        const std::vector<SettingLine> after = ListArea(image, area);
        for (std::size_t i = 0; i < after.size(); ++i)
            ASSERT_TRUE(i == index || after[i].value == before[i].value) << n << " " << after[i].item;
        ImageBytes outside = was;
        for (const Region& r : area.bytes)
            for (int i = r.offset; i < r.end(); ++i)
                outside[i] = image[i];
        ASSERT_TRUE(outside == image) << n << " " << area.area << " | " << line.item;
        const std::string& now = after[index].value;
        // A command is read by its four digits; the words after them are the listing's own.
        const std::size_t digits = value.find_first_of("0123456789ABCDEF");
        const bool command = digits != std::string::npos && value.size() >= digits + 4 &&
                             (value.size() == digits + 4 || value[digits + 4] == ' ');
        const std::size_t read = command ? digits + 4 : value.size();
        ASSERT_EQ(now.substr(0, read), value.substr(0, read)) << n << " " << area.area << " | " << line.item;
        ASSERT_TRUE(command || now == value) << n << " [" << value << "] [" << now << "]";
    }
}

// What the check passes the import takes, and what the import refuses the check reports: an area's
// listing, damaged in a few bytes, imported onto other sound images.
TEST(SettingsTable, OneJudge) {
    std::mt19937 rng(33);
    for (int n = 0; n < kCases; ++n) {
        const ListedArea& area = AnyArea(rng);
        ImageBytes image = SampleImage();
        for (int k = 0; k < 3; ++k) {
            const Region& r = area.bytes[rng() % area.bytes.size()];
            image[r.offset + static_cast<int>(rng() % static_cast<unsigned>(r.length))] =
                static_cast<std::uint8_t>(rng());
        }
        const std::vector<SettingLine> findings = Findings(image, area);
        const std::vector<SettingLine> listing = ListWholeArea(image, area);
        ImageBytes onto = rng() % 2 ? SampleImage() : ImageBytes{};
        std::vector<ImportLine> lines;
        for (std::size_t i = 0; i < listing.size(); ++i)
            lines.push_back({static_cast<int>(i + 1), listing[i].area, listing[i].item, listing[i].value});
        for (const ImportRefusal& r : ImportSettings(onto, lines)) {
            ASSERT_TRUE(std::any_of(findings.begin(), findings.end(),
                                    [&](const SettingLine& f) { return f.item == r.item; }))
                << n << " " << r.area << " | " << r.item << ": " << r.message;
        }
        if (findings.empty()) {
            ASSERT_TRUE(SameBytes(onto, image, area)) << n << " " << area.area;
        }
    }
}

TEST(SettingsImport, BadValuesAreRefusedByLineWithTheDialogsWordsAndNothingChanges) {
    const std::string text =
        "# refused, one per line\n"
        "Base Codes | Control Operator Code | 12345678\n"
        "Base Codes | Memory Recall Prefix | 12D\n"
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
        "Base Codes | Time Request Prefix | *9\n"
        "Base Voice Messages | 0x00EF-0x00F0 | 00 00\n"
        "Base Voice Messages | 0x00f0 | 00\n"; // the same byte, written otherwise
    ImageBytes image = SampleImage();
    const std::vector<std::string> expected = {
        "2: Error! Maximum 7 Digit Entry",
        "3: Error! The keypad has no such key",
        "4: Error! Requires a 7 Digit Entry",
        "5: Error! This setting is given twice, on lines 4 and 5",
        "6: Error! Need 3 Digit Entry",
        "7: Error! Entry must be between 1 and 1800",
        "8: Error! Maximum 2 Digit Entry",
        "9: Error! Need 4 Digit Entry",
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
        "23: Error! This setting is given twice, on lines 22 and 23",
    };
    std::vector<std::string> refusals = Import(image, text);
    std::sort(refusals.begin(), refusals.end(),
              [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    EXPECT_EQ(refusals, expected);
    EXPECT_TRUE(image == SampleImage());
}

// Images and lines the listing, the import and the check once disagreed on, and the edges of what
// each reads.
TEST(SettingsTable, ReadingsAgree) {
    const std::string tone = ", Delay 0 Ms, Tone #2 0 Hz-0 Ms, Delay 0 Ms, Tone #3 0 Hz-0 Ms";
    const int timeOut = Timers(kBaseCopy).at(0);
    auto fill = [](std::uint8_t byte) {
        return [byte](ImageBytes& i) { std::fill(i.MutableBytes().begin(), i.MutableBytes().end(), byte); };
    };
    auto eventAt = [](std::uint8_t hour, std::uint8_t minute) {
        return [hour, minute](ImageBytes& i) {
            SchedEntry e = ReadSchedEntry(i, SchedRecordOffset(0, 0));
            e.Hour = hour, e.Minute = minute;
            WriteSchedEntry(i, SchedRecordOffset(0, 0), e);
        };
    };
    const auto none = [](ImageBytes&) {};
    const struct Case {
        const char* what;
        std::function<void(ImageBytes&)> edit;
        std::string lines;             // imported onto the edited sample
        std::string refusal;           // the first refusal, or none
        std::string found;             // the first finding of the check on the result, or none
        const char* changes = nullptr; // the differences from the sample, where they are the point
    } cases[] = {
        {"a speed dial number cleared keeps its identification", none,
         "User Speed Dial | Entry 1 Number | (none)\nEmergency Speed Dial | Entry 0 Number | (none)", "", ""},
        {"a blank frequency", [](ImageBytes& i) { i[4600] = 0x2D; }, "", "",
         "Courtesy Tones | Courtesy Tone 2"},
        {"a blank frequency is read", none, "Courtesy Tones | Courtesy Tone 6 | Tone #1  Hz-0 Ms" + tone,
         "1: Error! A frequency", ""},
        {"a pause alone is no number", none, "User Speed Dial | Entry 91 Number | ,",
         "1: Error! This value cannot be stored", ""},
        {"a word space ends a CW message", none, "CW Message | CW Message | \"DE N0SMP \"", "", ""},
        {"an unused digit slot", [](ImageBytes& i) { i[0x27] = 0x5A; }, "", "", "",
         "Base Codes | bits no setting shows at 0x0027 | 00 -> 5A\n"},
        {"a timer bit the dialog ignores", [&](ImageBytes& i) { i[timeOut + 1] |= 0x80; }, "", "", "",
         "Base Timers | bits no setting shows at 0x00B9 | 00 -> 80\n"},
        {"bytes no setting names", none, "Unnamed bytes | 0x0005 | 7F", "", "",
         "Unnamed bytes | 0x0005 | 00 -> 7F\n"},
        {"blanks around the bars, comments and blank lines", none,
         "# one edit\n\n  Base Timers|Repeater Time-Out|04:30  \n", "", "",
         "Base Timers | Repeater Time-Out | 03:00 -> 04:30\n"},
        {"a command's own description, not the line's", none,
         "Macros | Macro 02 Command 1 | 5001 a stale description", "", "",
         "Macros | Macro 02 Command 1 | 1111 Repeater Transmitter ON -> 5001 Load Repeater Courtesy Tone "
         "1\n"},
        {"a line too long to read", none, std::string(70000, 'x'),
         "1: Error! A line longer than 64 KiB is no setting line", ""},
        {"escapes are read", none,
         "[{\"area\": \"Base Codes\", \"item\": \"Control Operator Code\", \"value\": \"\\u00343\\u0032\"}]",
         "", "", "Base Codes | Control Operator Code | 123 -> 432\n"},
        {"a JSON entry is refused by the line it starts on", none,
         "[\n {\"area\": \"Base Codes\", \"item\": \"Control Operator Code\", \"value\": \"432\"},\n\n  5\n]",
         "4: Error! A setting is an area, an item and a value", ""},
        {"broken JSON by the line it breaks on", none, "[\n {\"area\": \"x\",\n\n }]",
         "4: Error! Not the JSON of a listing: unexpected '}'; expected string literal", ""},
        {"a JSON field named twice", none,
         "[\n{\"area\": \"Base Codes\", \"item\": \"Control Operator Code\", \"value\": \"4\", \"value\": "
         "\"5\"}]",
         "2: Error! A setting is an area, an item and a value", ""},
        // A value at its limit is what a dialog can write; one step past it is not.
        {"time-out at 30:00", [&](ImageBytes& i) { i[timeOut] = 0x08, i[timeOut + 1] = 0x07; }, "", "", ""},
        {"time-out at 30:01", [&](ImageBytes& i) { i[timeOut] = 0x09, i[timeOut + 1] = 0x07; }, "", "",
         "Base Timers | Repeater Time-Out"},
        {"event at 23:59", eventAt(0x23, 0x59), "", "", ""},
        {"event at hour 24", eventAt(0x24, 0x00), "", "", "Scheduler | Event 01"},
        {"event at minute 60", eventAt(0x12, 0x60), "", "", "Scheduler | Event 01"},
        {"event hour not BCD", eventAt(0x1A, 0x00), "", "", "Scheduler | Event 01"},
        {"message of 24 words", [](ImageBytes& i) { i[Messages(kBaseCopy).at(0)] = 24; }, "", "",
         "Base Voice Messages | Message 01"},
        {"code digit that is no digit", [](ImageBytes& i) { i[Codes(kBaseCopy).at(0) + 1] = 0x75; }, "", "",
         "Base Codes | Control Operator Code"},
        {"an image of zeros is blank", fill(0x00), "", "", "Image | All Bytes"},
        {"an image of FF bytes is blank", fill(0xFF), "", "", "Image | All Bytes"},
    };
    for (const Case& c : cases) {
        ImageBytes image = SampleImage();
        c.edit(image);
        const std::vector<std::string> refusals = Import(image, c.lines);
        EXPECT_EQ(refusals.empty() ? "" : refusals[0].substr(0, c.refusal.size()), c.refusal) << c.what;
        ASSERT_LT(refusals.empty() ? 0 : refusals[0].size(), 100u) << c.what;
        const std::vector<SettingLine> findings = CheckSettings(image);
        EXPECT_EQ(findings.empty() ? "" : findings[0].area + " | " + findings[0].item, c.found) << c.what;
        if (c.changes) {
            EXPECT_EQ(ChangesText(DiffSettings(SampleImage(), image)), c.changes) << c.what;
        }
        // Whatever a sound image holds, its listing rebuilds it on a zero image.
        if (findings.empty()) {
            ImageBytes rebuilt;
            EXPECT_EQ(Import(rebuilt, ListingText(ListSettings(image))), std::vector<std::string>{})
                << c.what;
            EXPECT_TRUE(rebuilt == image) << c.what;
        }
    }
}

} // namespace
} // namespace rc::listing
