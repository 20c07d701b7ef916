#include "codecs/vocabulary.h"
#include "codecs/word_dialog.h"
#include "edit_expect.h"
#include "editors/speed_dial.h"
#include "editors/voice.h"
#include "image/regions.h"

#include <sstream>

namespace rc {
namespace {

using testing::Changed;
using testing::Patterned;

std::string Range(int from, int to) {
    std::string out;
    for (int i = from; i <= to; ++i)
        out += " " + std::to_string(i);
    return out;
}

void PutWords(ImageBytes& image, int countAt, int count, const std::vector<int>& codes) {
    image[countAt] = static_cast<std::uint8_t>(count);
    for (std::size_t j = 0; j < codes.size(); ++j) {
        image[countAt + 1 + 2 * static_cast<int>(j)] = static_cast<std::uint8_t>(codes[j] / 100);
        image[countAt + 2 + 2 * static_cast<int>(j)] = static_cast<std::uint8_t>(codes[j] % 100);
    }
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
