// The editors' display and save rules, each against the bytes it may change.
#include "codecs/vocabulary.h"
#include "codecs/word_dialog.h"
#include "edit_expect.h"
#include "editors/courtesy_tones.h"
#include "editors/cw_ident.h"
#include "editors/hardware_inputs.h"
#include "editors/macros.h"
#include "editors/memory_blocks.h"
#include "editors/scheduler.h"
#include "editors/speed_dial.h"
#include "editors/statistics.h"
#include "editors/telephone_codes.h"
#include "editors/voice.h"
#include "image/regions.h"
#include "scripted_messages.h"
#include "test_files.h"

#include <filesystem>
#include <optional>
#include <sstream>

namespace rc {
namespace {

using testing::Changed;
using testing::Patterned;
using testing::Put;
using testing::PutWords;

// The rows these values make are heard and measured by the sound tests.
TEST(CourtesyTones, ValueTables) {
    // index, frequency text, time text ("" where the index has none)
    const std::tuple<int, const char*, const char*> values[] = {
        {0, "0", "0"}, {1, "300", "50"}, {8, "1000", "400"}, {9, "", "450"}, {12, "", ""}};
    ImageBytes image;
    for (auto [index, freq, time] : values) {
        image[4600] = static_cast<std::uint8_t>(index);
        EXPECT_EQ(CFreq(image, 4600), freq) << index;
        EXPECT_EQ(CDly(image, 4600), time) << index;
        EXPECT_EQ(FreqIn(freq), *freq ? std::to_string(index) : "");
        EXPECT_EQ(DelayOut(DelayIn(time)), time);
        EXPECT_EQ(SaveTones(freq), *freq ? index : 0) << index;
        EXPECT_EQ(SaveDelay(time), *time ? index : 0) << index;
    }
    EXPECT_EQ(FreqOut("9"), "");
}

TEST(CwIdent, NeverMoreThanTheField) {
    ImageBytes image;
    testing::Put(image, 1185, {10, 37, 46});
    image[1216] = 12; // memory save #1's first byte: never a character of the message
    const std::pair<int, std::string> shown[] = {
        {0, "(Empty)"}, {3, "A(AR)(SK)"}, {200, "A(AR)(SK)" + std::string(28, '0')}};
    for (const auto& [count, text] : shown) {
        image[1184] = static_cast<std::uint8_t>(count);
        EXPECT_EQ(LoadCWIdent(image, 1), text) << count;
    }
    EXPECT_FALSE(CwBuilder{}.Pick(13)) << "a pick before Clear";
    const ImageBytes before = image;
    SaveCwMessage(image, CwBuilder{}); // OK without Clear
    EXPECT_TRUE(image == before);

    // A shorter message leaves the old tail behind, no longer counted.
    CwBuilder built;
    built.Clear();
    for (int code : {13, 14, 38})
        built.Pick(code);
    SaveCwMessage(image, built);
    EXPECT_EQ(LoadCWIdent(image, 1), "DE ");
    EXPECT_EQ(image[1188], 0);
}

TEST(TelephoneCodes, ShownTexts) {
    ImageBytes image;
    testing::Put(image, 3712, {10, 1, 10, 0, 5, 5, 3, 12, 0});
    const auto codes = DisplayAreaCodes(image);
    EXPECT_EQ(codes[0] + "|" + codes[1] + "|" + codes[2], "010||300");

    image[3896] = 14; // a length past the entry shows eleven characters
    for (int k = 1; k <= 11; ++k)
        image[3896 + k] = static_cast<std::uint8_t>(k % 12);
    const auto rows = DisplayLockout(image, 1);
    EXPECT_EQ(rows[0].lblNum + rows[0].text, " 111234567890*");
    EXPECT_EQ(rows[9].lblNum, " 20"); // a stored 0 shows as D: the lockout dialog's cases
}

// clang-format off
TEST(Macros, CellEditsWriteTheirOwnBytesOnly) {
    struct Case {
        const char* what;
        int group, row, cell;
        std::string opened, entered;
        int at;                          // where the entry lands
        std::vector<std::uint8_t> bytes; // what lands there; empty: nothing written
    } cases[] = {
        {"code 123 for macro 12", 1, 1, 0, "", "123", 4340, {3, 1, 2, 3, 0, 0, 0, 0}},
        {"empty command entry", 0, 4, 10, "1234", "", 4032 + 4 * 28 + 26, {0, 0}},
        {"Cancel on a non-BCD command", 0, 0, 1, "1A10", "1A10", 0, {}},
        {"the same code again", 1, 9, 0, "55", "55", 0, {}},
    };
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        image[4032 + 8] = 0x1A; // a neighbour the keypad cannot type
        ImageBytes expected = image;
        Put(expected, c.at, c.bytes);
        EXPECT_EQ(EditMacroCell(image, c.group, c.row, c.cell, c.opened, c.entered), !c.bytes.empty()) << c.what;
        EXPECT_EQ(Changed(image, expected), "") << c.what;
    }
}
// clang-format on

// The dialog test hides the commands of a macro without a code; the menu walk reviews a macro's
// commands.
TEST(Macros, GridAndReview) {
    ImageBytes image;
    Put(image, 4032, {2, 1, 10, 0, 0, 0, 0, 0, 0x11, 0x10, 0x1A, 0x05}); // macro 1: "10", 1110, 1A05
    Put(image, 4312 + 28, {3, 1, 2, 3});                                 // macro 12: "123", no commands
    const auto first = DisplayMacros(image, 0);
    EXPECT_EQ(first[0].code + " " + first[0].commands[0] + " " + first[0].commands[1] + " " +
                  first[0].commands[9],
              "10 1110 1A05 0000");
    EXPECT_EQ(DisplayMacros(image, 1)[1].number, "12");
    const MacroReview review = ReviewMacro(image, 1, 1);
    EXPECT_EQ(review.title + "|" + review.heading + "|" + review.code,
              "Macro 12 Review|Macro 12 Assigned Code|123");
    EXPECT_EQ(ReviewMacro(image, 1, 9).code, "- NONE -");
}

// clang-format off
TEST(Scheduler, PageRows) {
    struct Case {
        SchedEntry entry;
        const char* shown; // time|day of week|month|day of month|command
    } cases[] = {
        {{0, 5, 5, 5, 5, 5, 5}, "||||"},
        {{0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10}, "08:30|----|December|25|1110"},
        {{0xFF, 0, 9, 0x08, 0x30, 0, 0}, "08:30|Weekends|Skip||0000"},
        {{0xFF, 0, 0, 0xFF, 0x15, 0x1A, 0x05}, "----:15|Daily|Skip||1A05"},
        {{0x13, 1, 0, 0, 0, 0, 0}, "00:00|----|Error|1|0000"},
        {{0xFF, 0, 10, 0, 0, 0, 0}, "00:00|Error|Skip||0000"},
        {{0xFF, 0, 8, 0x23, 0x59, 0, 0}, "23:59|Weekdays|Skip||0000"},
    };
    ImageBytes image;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        WriteSchedEntry(image, SchedRecordOffset(1, static_cast<int>(i)), cases[i].entry);
    const auto rows = DisplaySched(image, 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const SchedRowText& r = rows[i];
        EXPECT_EQ(r.time + "|" + r.dayOfWeek + "|" + r.month + "|" + r.dayOfMonth + "|" + r.command, cases[i].shown);
    }
    EXPECT_EQ(SchedRecordOffset(1, 6), 8000); // entry 17
}

// What the entry dialog shows: erase, option, lists shown, list positions, every hour, time, command,
// review.
std::string Shown(const SetSchedState& s) {
    return std::to_string(s.Erase()) + " " + std::to_string(s.SelectedOption()) + " " +
           (s.WeekdayListVisible() ? "W" : "-") + (s.MonthListsVisible() ? "M" : "-") + " " +
           std::to_string(s.WeekdayIndex()) + "/" + std::to_string(s.MonthIndex()) + "/" +
           std::to_string(s.DayIndex()) + " " + (s.EveryHour() ? "every " : "") + s.TimeText() + " " +
           s.CommandCell() + " " + s.Review();
}

TEST(Scheduler, EntryDialogOpensFromTheRecord) {
    const std::pair<SchedEntry, const char*> cases[] = {
        {{}, "1 -1 -- -1/-1/-1   "},
        {{0x12, 0x25, 0, 8, 0x30, 0x11, 0x10}, "0 4 -M -1/11/24 0830 1110 Repeater Transmitter OFF"},
        {{0x13, 0x32, 0, 8, 0x30, 0, 0}, "0 4 -M -1/0/0 0830 0000 No Command"},
        {{0xFF, 0, 0, 0xFF, 0x15, 0, 0}, "0 0 -- 0/-1/-1 every 15 0000 No Command"},
        {{0xFF, 0, 5, 1, 0, 0, 0}, "0 3 W- 4/-1/-1 0100 0000 No Command"},
        {{0xFF, 0, 8, 1, 0, 0, 0}, "0 1 -- 0/-1/-1 0100 0000 No Command"},
        {{0xFF, 0, 12, 1, 0, 0, 0}, "0 3 W- 0/-1/-1 0100 0000 No Command"},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(Shown(SetSchedState(stored)), shown);
    }
}

// The entry dialog from the stored record to what "OK" writes, through the user's steps (the menu
// test picks a month and a day for a new entry).
TEST(Scheduler, EntryDialogSteps) {
    using S = SetSchedState;
    struct Step {
        enum Kind { Erase, Option, Weekday, Day, EveryHour, Time, Command } kind;
        int value = 0;
        std::string text = {};
    };
    struct Case {
        const char* what;
        SchedEntry stored;
        std::vector<Step> steps;
        std::string timeShown;
        int refusals;
        SchedEntry written; // equal to stored: nothing written
    } cases[] = {
        {"new entry, erase cleared", {}, {{Step::Erase, 0}}, "", 0, {0xFF, 0, 0, 0, 0, 0, 0}},
        {"erase a set entry", {0xFF, 0, 9, 8, 0x30, 1, 2}, {{Step::Erase, 1}}, "0830", 0, {}},
        {"weekends at 08:30", {0xFF, 0, 1, 0, 0, 0, 0}, {{Step::Option, S::WeekendsOnly}, {Step::Time, 0, "0830"}},
         "0830", 0, {0xFF, 0, 9, 0x08, 0x30, 0, 0}},
        {"every hour at :15", {0xFF, 0, 0, 0x12, 0x40, 0, 0}, {{Step::EveryHour, 1}, {Step::Time, 0, "15"}}, "15",
         0, {0xFF, 0, 0, 0xFF, 0x15, 0, 0}},
        {"ticking every hour keeps the minutes", {0xFF, 0, 0, 0x12, 0x40, 0, 0}, {{Step::EveryHour, 1}}, "40", 0,
         {0xFF, 0, 0, 0xFF, 0x40, 0, 0}},
        {"clearing every hour shows hour 00", {0xFF, 0, 3, 0xFF, 0x15, 0, 0}, {{Step::EveryHour, 0}}, "0015", 0,
         {0xFF, 0, 3, 0x00, 0x15, 0, 0}},
        {"hour 24 and minute 60 refused", {0xFF, 0, 0, 0x07, 0x05, 0, 0},
         {{Step::Time, 0, "2400"}, {Step::Time, 0, "1260"}}, "0705", 2, {0xFF, 0, 0, 0x07, 0x05, 0, 0}},
        {"minute 60 refused every hour", {0xFF, 0, 0, 0xFF, 5, 0, 0}, {{Step::Time, 0, "60"}}, "05", 1,
         {0xFF, 0, 0, 0xFF, 5, 0, 0}},
        {"nothing changed", {0x13, 0x40, 7, 0x1A, 0x99, 0x1A, 0}, {}, "1A99", 0, {0x13, 0x40, 7, 0x1A, 0x99, 0x1A, 0}},
        {"a command edit keeps the unshown month", {0x13, 0x40, 7, 0x1A, 0x99, 0, 0}, {{Step::Command, 0, "0500"}},
         "1A99", 0, {0x13, 0x40, 7, 0x1A, 0x99, 0x05, 0x00}},
        {"a stored 0x13 month re-chosen writes January", {0x13, 0x40, 7, 0x1A, 0x99, 0, 0}, {{Step::Day, 3}},
         "1A99", 0, {0x01, 0x04, 0, 0x1A, 0x99, 0, 0}},
        {"weekday list", {0xFF, 0, 0, 1, 2, 0, 0}, {{Step::Option, S::SelectWeekday}, {Step::Weekday, 6}}, "0102",
         0, {0xFF, 0, 7, 1, 2, 0, 0}},
    };
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        const int at = SchedRecordOffset(3, 9);
        WriteSchedEntry(image, at, c.stored);
        const ImageBytes before = image;
        S state(ReadSchedEntry(image, at));
        int refusals = 0;
        for (const Step& s : c.steps) {
            switch (s.kind) {
            case Step::Erase: state.SetErase(s.value != 0); break;
            case Step::Option: state.SelectOption(s.value); break;
            case Step::Weekday: state.SelectWeekdayIndex(s.value); break;
            case Step::Day: state.SelectDayIndex(s.value); break;
            case Step::EveryHour: state.SetEveryHour(s.value != 0); break;
            case Step::Time: refusals += state.EnterTime(s.text).has_value(); break;
            case Step::Command: state.EnterCommand(s.text); break;
            }
        }
        EXPECT_EQ(state.TimeText(), c.timeShown) << c.what;
        EXPECT_EQ(refusals, c.refusals) << c.what;
        EXPECT_EQ(SaveSchedEntry(image, at, state), !c.steps.empty() && !(c.written == c.stored)) << c.what;
        ImageBytes expected = before;
        WriteSchedEntry(expected, at, c.written);
        EXPECT_EQ(Changed(expected, image), "") << c.what;
    }
}
// clang-format on

TEST(HardwareInputs, ShowAndStoreOneEntry) {
    ImageBytes image = Patterned();
    Put(image, 4656, {0x11, 0x10, 0x1A, 0x05});
    const auto rows = DisHardware(image);
    EXPECT_EQ(rows[0].command + " " + rows[0].description + " " + rows[1].command,
              "1110 Repeater Transmitter OFF 1A05");
    struct Case {
        int entry;
        std::string opened, entered;
        std::vector<std::uint8_t> bytes;
    } cases[] = {{3, "", "0125", {0x01, 0x25}}, {5, "1234", "", {0, 0}}, {1, "1A05", "1A05", {}}};
    for (const Case& c : cases) {
        ImageBytes expected = image;
        Put(expected, 4656 + 2 * c.entry, c.bytes);
        EXPECT_EQ(SaveHardware(image, c.entry, c.opened, c.entered), !c.bytes.empty());
        EXPECT_EQ(Changed(image, expected), "") << c.entry;
    }
}

// Whatever a file holds, the review and the grid agree on whether a macro has a code, and an entry
// opened and left as it is writes nothing (the listing's fuzz test watches every display routine's
// reads under the sanitizers).
TEST(Automation, AnyBytesAreShownAndKeptInTheirRecords) {
    for (unsigned seed : {1u, 0xFFu, 12345u}) {
        ImageBytes image;
        for (int i = 0; i < kImageSize; ++i)
            image[i] = static_cast<std::uint8_t>((i * 2654435761u + seed) >> 13);
        const ImageBytes before = image;
        for (int group = 0; group < 2; ++group)
            for (int row = 0; row < kMacroGroupSize; ++row)
                EXPECT_EQ(ReviewMacro(image, group, row).code == "- NONE -",
                          DisplayMacros(image, group)[row].code.empty())
                    << group << " " << row;
        for (int page = 0; page < kSchedPages; ++page)
            for (int row = 0; row < kSchedPageSize; ++row) {
                SetSchedState state(ReadSchedEntry(image, SchedRecordOffset(page, row)));
                EXPECT_FALSE(SaveSchedEntry(image, SchedRecordOffset(page, row), state));
            }
        EXPECT_TRUE(image == before) << seed;
    }
}

// `image` with [from, from + length) zeroed, or copied from `source`: all a flush or a copy may change.
ImageBytes With(ImageBytes image, int from, int length, std::optional<int> source = {}) {
    for (int k = 0; k < length; ++k)
        image[from + k] = source ? image[*source + k] : 0;
    return image;
}

TEST(MemoryCopy, EachGroupLandsInItsSaveAndNothingElseMoves) {
    struct Case {
        int group, save, from, to, length;
    } cases[] = {{0, 3, 32, 2408, 144}, {1, 4, 184, 3152, 40}, {2, 2, 224, 2008, 384}, {3, 1, 24, 1216, 8}};
    for (const Case& c : cases) {
        ImageBytes image = Patterned();
        CopyToMemorySave(image, c.group, c.save);
        EXPECT_EQ(Changed(With(Patterned(), c.to, c.length, c.from), image), "") << c.group;
    }
}

TEST(Flush, IndicatorsFollowTheBlocksAndAFlushClearsExactlyItsBlock) {
    test::ScriptedMessages messages;
    ImageBytes zero;
    for (int i = 0; i < kFlushBlockCount; ++i)
        EXPECT_FALSE(FlushMemoryBlock(zero, i, messages)) << "an empty block cannot be flushed";
    EXPECT_TRUE(messages.shown.empty());

    // The one non-zero byte and the indicator it turns red (-1: none, it is a neighbour's byte).
    const std::pair<int, int> pokes[] = {{4704, 1},  {4853, 1}, {4854, -1}, {7863, 0}, {8167, 2},  {4591, 3},
                                         {4592, -1}, {1183, 4}, {1184, -1}, {1799, 5}, {1800, -1}, {3575, 8}};
    for (auto [poke, red] : pokes) {
        ImageBytes image;
        image[poke] = 7;
        const auto colours = DisplayErase(image);
        for (int i = 0; i < kFlushBlockCount; ++i)
            EXPECT_EQ(colours[i], i == red ? kIndicatorRed : kIndicatorWhite) << poke << " " << i;
    }

    for (int i = 0; i < kFlushBlockCount; ++i) {
        const ImageBytes before = Patterned();
        ImageBytes image = before;
        messages.fallback = Answer::No;
        EXPECT_FALSE(FlushMemoryBlock(image, i, messages));
        EXPECT_EQ(image, before);
        messages.fallback = Answer::Yes;
        EXPECT_TRUE(FlushMemoryBlock(image, i, messages));
        const Region block = FlushBlocks()[i].block;
        EXPECT_EQ(Changed(With(before, block.offset, block.length), image), "") << FlushBlocks()[i].label;
        EXPECT_EQ(DisplayErase(image)[i], kIndicatorWhite);
    }
}

TEST(Statistics, DialogTextsAndReset) {
    ImageBytes image = Patterned();
    image[4017] = 0;
    image[4026] = 255;
    struct Case {
        std::string name;
        FileFacts file;
        std::string shownName, shownDate;
        bool readOnly;
        std::string first, last;
    } cases[] = {
        {"", {}, " No File Assigned", "", false, "", ""},
        {"/r/a.HR8", {true, true, 2002, 4, 2}, " /r/a.HR8", "Tuesday, April 02, 2002", true, "0", "255"},
        {"/r/b.HR8", {true, false, 2026, 12, 7}, " /r/b.HR8", "Monday, December 07, 2026", false, "0", "255"},
        {"/r/gone.HR8", {}, " /r/gone.HR8", "File no longer found", false, "0", "255"},
    };
    for (const Case& c : cases) {
        StatsView view = DisplayStats(image, c.name, c.file);
        EXPECT_EQ(view.fileName, c.shownName);
        EXPECT_EQ(view.fileDate, c.shownDate);
        EXPECT_EQ(view.readOnlyShown, c.readOnly);
        EXPECT_EQ(view.data[0], c.first);
        EXPECT_EQ(view.data[9], c.last);
    }

    test::ScriptedMessages messages;
    image[4017] = 1;
    const ImageBytes before = image;
    messages.fallback = Answer::No;
    EXPECT_FALSE(ResetStats(image, messages));
    messages.fallback = Answer::Yes;
    EXPECT_TRUE(ResetStats(image, messages));
    EXPECT_EQ(Changed(With(before, 4017, 10), image), "");
    EXPECT_EQ(DisplayStats(image, "/r/b.HR8", cases[2].file).data[9], "0");

    test::TempFolder folder;
    test::WriteFile(folder.Path("a.HR8"), "x");
    const FileFacts facts = StatFile(folder.Path("a.HR8"));
    EXPECT_TRUE(facts.exists);
    EXPECT_NE(FileDateText(facts.year, facts.month, facts.day), "");
    EXPECT_FALSE(StatFile(folder.Path("b.HR8")).exists);
    // The read-only note, even for a superuser whom access() would let write.
    EXPECT_FALSE(facts.readOnly);
    std::filesystem::permissions(folder.Path("a.HR8"), std::filesystem::perms::owner_read);
    EXPECT_TRUE(StatFile(folder.Path("a.HR8")).readOnly);
}

std::string Range(int from, int to) {
    std::string out;
    for (int i = from; i <= to; ++i)
        out += " " + std::to_string(i);
    return out;
}

// What the dialog holds after a script: open or closed, Text1, the count and last code picked, and
// once closed what the caller reads.
std::string Outcome(const WordDialogLogic& logic, bool closed, int beeps) {
    const VoiceContract& v = logic.Contract();
    std::string s = std::string(closed ? "closed" : "open") + " [" + logic.Text1() + "] " +
                    std::to_string(v.VoiceWordCount);
    if (v.VoiceWordCount > 0)
        s += ":" + v.VoiceWords[static_cast<std::size_t>(v.VoiceWordCount - 1)];
    if (closed)
        s += std::string(v.VoiceRebuilt ? " rebuilt [" : " kept [") + v.VoiceNewText + "]";
    return beeps ? s + " beeps " + std::to_string(beeps) : s;
}

std::string Repeat(const std::string& word, int n) {
    std::string s;
    for (int k = 0; k < n; ++k)
        s += (k ? " " : "") + word;
    return s;
}

// Steps separated by ';': "tick" ends the ready delay, "pick CODE TEXT", "clear", "bs" (Back Space),
// "ok", "cancel", and "calls" or "special" to switch the list shown.
TEST(WordDialog, Sessions) {
    std::string many;
    for (int k = 0; k < 24; ++k)
        many += ";pick 250 B";
    const struct {
        std::string oldText;
        int maxWords;
        std::string script, outcome;
    } cases[] = {
        {"A Call", 23, "tick;pick 250 B;bs;ok", "closed [A Call] 0 kept [A Call]"}, // Clear first
        {"A", 23, "tick;clear;pick 250 B;cancel", "closed [B] 1:250 kept [A]"},
        {"", 23, "pick 210 A;pick 555 Less Than;tick;bs;ok", "closed [A] 1:210 rebuilt [A]"},
        {"", 23, "pick 3 3;calls;pick 210 A;special;tick;ok", "closed [3 A] 2:210 rebuilt [3 A]"},
        {"", 23, "tick" + many + ";ok",
         "closed [" + Repeat("B", 23) + "] 23:250 rebuilt [" + Repeat("B", 23) + "]"},
        {"", 8, "tick" + many + ";ok",
         "closed [" + Repeat("B", 8) + "] 8:250 rebuilt [" + Repeat("B", 8) + "]"},
        {"", 23, "tick;ok", "closed [] 0 kept []"}, // an empty item left alone: no new list
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        VoiceContract in;
        in.VoiceMaxWords = c.maxWords;
        in.VoiceMessageNumber = 13;
        in.VoiceOldText = c.oldText;
        WordDialogLogic logic;
        logic.Activate(in);
        in.VoiceMessageNumber = kKeepMessageNumber; // an identification next: the heading stays
        logic.Activate(in);
        EXPECT_EQ(logic.Heading(), "Word Construction For Message 13");
        EXPECT_EQ(logic.PickingEnabled(), c.oldText.empty());
        int beeps = 0;
        bool closed = false;
        std::istringstream script(c.script);
        for (std::string step; std::getline(script, step, ';');) {
            if (step == "tick")
                logic.TimerTick();
            else if (step == "clear")
                logic.Clear();
            else if (step == "bs")
                beeps += logic.BackSpace();
            else if (step == "ok" || step == "cancel")
                closed = (step == "ok" ? logic.OK() : logic.Cancel()) || closed;
            else if (step == "calls" || step == "special")
                logic.SelectList(step == "calls" ? WordList::CallLetters : WordList::Special);
            else if (step.rfind("pick ", 0) == 0) {
                const auto blank = step.find(' ', 5);
                logic.Pick({step.substr(blank + 1), std::stoi(step.substr(5, blank - 5))});
            }
        }
        EXPECT_EQ(Outcome(logic, closed, beeps), c.outcome);
    }
}

// A word dialog result: the list the user built, or none (Cancel, or OK without Clear).
VoiceContract Built(std::vector<std::string> codes, bool rebuilt = true) {
    VoiceContract v;
    v.VoiceRebuilt = rebuilt;
    v.VoiceWordCount = static_cast<int>(codes.size());
    v.VoiceNewText = codes.empty() ? "" : "words";
    for (std::size_t j = 0; j < codes.size(); ++j)
        v.VoiceWords[j] = codes[j];
    return v;
}

void SaveEmergencyAt(ImageBytes& image, int PT, const VoiceContract& v) {
    SaveEMTelID(image, (PT - kEmergencySpeedDial.offset) / kEmergencySpeedDial.recordSize, v);
}

// A message record or a speed dial entry holding the words 210 and 250 (with high bits the
// controller ignores) under `storedCount`, then the word dialog's result saved into it. `changed`
// lists every byte, counted from the record or entry, allowed to change; each holds the new list.
TEST(WordLists, SaveWritesOnlyTheNewList) {
    using Save = void (*)(ImageBytes&, int, const VoiceContract&);
    const std::vector<std::string> full(23, "312");
    const struct {
        std::string what;
        Save save;
        int where, countAt, storedCount;
        VoiceContract result;
        std::string changed;
    } cases[] = {
        {"message 13", SaveVoice, VoiceRecord(0, 1, 2), 0, 5, Built({"045", "312"}), " 0 1 2 3 4"},
        {"23 words fill bytes 0 to 46", SaveVoice, VoiceRecord(0, 0, 0), 0, 1, Built(full), Range(0, 46)},
        {"clear and OK writes a count of 0", SaveVoice, VoiceRecord(4, 0, 0), 0, 2, Built({}), " 0"},
        {"an invalid count goes once a list is built", SaveVoice, VoiceRecord(0, 0, 9), 0, 30, Built({}),
         " 0"},
        {"cancel writes nothing", SaveVoice, VoiceRecord(0, 0, 4), 0, 2, Built({"045"}, false), ""},
        {"the same words again write nothing", SaveVoice, VoiceRecord(1, 1, 0), 0, 2, Built({"210", "250"}),
         ""},
        {"identification", SaveTelIdAt, kUserSpeedDial.at(42), 12, 3, Built({"312", "045"}),
         " 12 13 14 15 16"},
        {"identification emptied", SaveTelIdAt, kUserSpeedDial.at(0), 12, 2, Built({}), " 12"},
        {"identification cancelled", SaveTelIdAt, kUserSpeedDial.at(99), 12, 2, Built({"045"}, false), ""},
        {"identification the same", SaveTelIdAt, kUserSpeedDial.at(5), 12, 2, Built({"210", "250"}), ""},
        {"a count past 8 goes once a list is built", SaveTelIdAt, kUserSpeedDial.at(6), 12, 9, Built({}),
         " 12"},
        {"emergency 3", SaveEmergencyAt, kEmergencySpeedDial.at(3), 12, 0, Built({"999"}), " 12 13 14"},
    };
    EXPECT_EQ(VoiceRecord(0, 1, 2), 800);
    EXPECT_EQ(VoiceRecord(2, 1, 7), 2008 + 7 * 48) << "a memory save has one page";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ImageBytes image = Patterned();
        PutWords(image, c.where + c.countAt, c.storedCount, {210, 250});
        image[c.where + c.countAt + 1] |= 0x30;
        const ImageBytes before = image;
        c.save(image, c.where, c.result);
        EXPECT_EQ(Changed(before, image, c.where), c.changed);
        if (c.changed.empty())
            continue;
        EXPECT_EQ(image[c.where + c.countAt], c.result.VoiceWordCount);
        // Word "312" is stored as the bytes 3 and 12.
        for (int j = 0; j < c.result.VoiceWordCount; ++j) {
            const int at = c.where + c.countAt + 1 + 2 * j;
            EXPECT_EQ(image[at] * 100 + image[at + 1], std::stoi(c.result.VoiceWords[std::size_t(j)])) << j;
        }
    }
    EXPECT_EQ(VoiceForTelId(" Radio Club").VoiceOldText, "Radio Club");
}

TEST(SpeedDial, NumbersStoredAndShown) {
    struct Case {
        std::string entered;
        std::vector<int> stored; // length byte, then digit bytes 1 to 11 (-1: unchanged; 11 is never cleared)
        std::string shown;
    } cases[] = {
        {"9,10*#", {5, 0x09, 0x11, 0x0A, 0x0B, 0x0C, 0, 0, 0, 0, 0, -1}, "9,10*#"},
        {"123,", {3, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, -1}, "123"},
        {"", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, ""},
        {",5", {1, 0x15, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, ",5"},
        {"1234567890123", {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}, "12345678901"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        ImageBytes image = Patterned();
        const int PT = kUserSpeedDial.at(7);
        const ImageBytes before = image;
        SaveTelNum(image, PT, c.entered);
        testing::ExpectBytes(before, image, PT, c.stored); // the identification stays
        EXPECT_EQ(DisplayAPNum(image, PT), c.shown);
    }
    EXPECT_EQ(CalcLength("9,1,0"), 3);

    ImageBytes image;
    const int PT = kEmergencySpeedDial.at(2);
    testing::Put(image, PT, {4, 0x25, 0xF0, 0x0D, 0x0C});
    EXPECT_EQ(DisplayAPNum(image, PT), ",5,0#") << "two pauses show as one; D shows 0, A to C nothing";
    image[PT] = 12;
    EXPECT_EQ(DisplayAPNum(image, PT), "");
}

TEST(SpeedDial, GroupsAndRowsReadOnlyTheirEntry) {
    SpeedDialGroup page{5};
    EXPECT_EQ(page.GetPT(0), 6364);
    EXPECT_EQ(SpeedDialGroup{10}.GetPT(0), 0);

    ImageBytes image = Patterned();
    for (int i = 0; i < 10; ++i) {
        SaveTelNum(image, page.GetPT(i), "5");
        PutWords(image, page.GetPT(i) + 12, i, std::vector<int>(std::min(i, 8), 340));
    }
    image[page.GetPT(3)] = 0;  // no number: no identification either
    image[page.GetPT(4)] = 12; // a length that cannot fit
    const auto rows = DisplaySD(image, page);
    EXPECT_EQ(rows[0].pos + rows[9].pos, "5059");
    EXPECT_EQ(rows[2].number + rows[2].id, "5 E E");
    EXPECT_EQ(rows[3].number + rows[3].id + rows[4].number + rows[4].id, "");
    EXPECT_EQ(rows[8].id, " E E E E E E E E");
    EXPECT_EQ(rows[9].id, "") << "nine words cannot fit in an entry";

    const int em = kEmergencySpeedDial.at(4);
    image[em] = 12;
    PutWords(image, em + 12, 1, {340});
    EXPECT_EQ(DisplayEMSD(image)[4].number + DisplayEMSD(image)[4].id, " E") << "shown whatever the length";
}

} // namespace
} // namespace rc
