// The WAV files rcedit --sound writes, read back and measured: nothing here asks the code what it
// meant to play.

#include "cli/run_commands.h"
#include "editors/cw_ident.h"
#include "image/regions.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <sstream>

namespace rc::sound {
namespace {

namespace fs = std::filesystem;

// A mono 16-bit WAV file.
struct Wav {
    int rate = 0;
    std::vector<std::int16_t> samples;
};

Wav ReadWav(const std::string& path) {
    const std::string bytes = test::ReadFile(path);
    auto le = [&](std::size_t at, int n) {
        std::uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = v << 8 | static_cast<std::uint8_t>(bytes.at(at + static_cast<std::size_t>(i)));
        return v;
    };
    Wav wav;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le(4, 4), bytes.size() - 8);
    EXPECT_EQ(le(22, 2), 1u) << "channels";
    wav.rate = static_cast<int>(le(24, 4));
    EXPECT_EQ(le(34, 2), 16u) << "bits";
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(le(40, 4), bytes.size() - 44);
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
        wav.samples.push_back(static_cast<std::int16_t>(le(at, 2)));
    return wav;
}

// A stretch of sound or of silence: its length and, for sound, the frequency its zero crossings give.
struct Segment {
    double hz; // 0: silence
    double ms;
};

std::vector<Segment> Segments(const Wav& wav) {
    const std::size_t quiet = static_cast<std::size_t>(wav.rate / 1000); // a millisecond of zeros is a gap
    std::vector<Segment> out;
    const auto& s = wav.samples;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t j = i;
        if (s[i] == 0) {
            while (j < s.size() && s[j] == 0)
                ++j;
            if (j - i >= quiet) {
                out.push_back({0, 1000.0 * static_cast<double>(j - i) / wav.rate});
                i = j;
                continue;
            }
        }
        // Sound runs until the next quiet millisecond.
        std::size_t zeros = 0;
        for (j = i; j < s.size() && zeros < quiet; ++j)
            zeros = s[j] == 0 ? zeros + 1 : 0;
        const std::size_t end = zeros >= quiet ? j - zeros : j;
        std::vector<double> crossings;
        for (std::size_t k = i + 1; k < end; ++k)
            if ((s[k - 1] < 0) != (s[k] < 0))
                crossings.push_back(static_cast<double>(k - 1) +
                                    s[k - 1] / static_cast<double>(s[k - 1] - s[k]));
        const double hz = crossings.size() < 3 ? -1
                                               : (static_cast<double>(crossings.size()) - 1) / 2 * wav.rate /
                                                     (crossings.back() - crossings.front());
        out.push_back({hz, 1000.0 * static_cast<double>(end - i) / wav.rate});
        i = end;
    }
    return out;
}

class SoundCli : public ::testing::Test {
protected:
    void Store(int offset, const std::vector<int>& values) {
        for (std::size_t k = 0; k < values.size(); ++k)
            bytes[static_cast<std::size_t>(offset) + k] = static_cast<char>(values[k]);
        test::WriteFile(image, bytes);
    }
    // Runs rcedit --sound and reads the WAV back.
    Wav Sound(std::vector<std::string> args) {
        const std::string out = folder.Path("out.wav");
        args.insert(args.begin(), {"rcedit", "--output", out});
        args.push_back(image);
        std::ostringstream o, e;
        const SpeechMoment moment{14, 5, 1, 7};
        const cli::EditorCommand command = cli::ParseEditorCommand(args);
        EXPECT_EQ(cli::RunSoundCommand(std::get<cli::SoundCommand>(command), o, e, moment), 0) << e.str();
        return ReadWav(out);
    }

    test::TempFolder folder;
    const std::string image = folder.Path("site.HR8");
    std::string bytes = std::string(8192, '\0');
};

TEST_F(SoundCli, CourtesyTonesMeasureAsTheirStoredFrequenciesAndLengths) {
    struct Case {
        std::vector<int> row; // the eight index bytes
        std::vector<Segment> heard;
    };
    const Case cases[] = {
        {{6, 2, 0, 0, 0, 0, 0, 0}, {{800, 100}}},
        {{8, 1, 1, 5, 1, 0, 0, 0}, {{1000, 50}, {0, 50}, {700, 50}}},
        {{3, 2, 1, 5, 2, 1, 7, 2}, {{500, 100}, {0, 50}, {700, 100}, {0, 50}, {900, 100}}},
        {{1, 9, 9, 8, 9, 0, 0, 0}, {{300, 450}, {0, 450}, {1000, 450}}},
        // A tone without a frequency keeps its time as silence; one without a time is not heard.
        {{2, 2, 1, 0, 3, 1, 5, 2}, {{400, 100}, {0, 250}, {700, 100}}},
        {{9, 4, 1, 4, 2, 0, 0, 0}, {{0, 250}, {600, 100}}},
        {{4, 12, 2, 6, 3, 0, 0, 0}, {{0, 100}, {800, 150}}},
        // Switched off: nothing at all, whatever the other bytes hold.
        {{0, 4, 4, 4, 4, 4, 4, 4}, {}},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(row + 1));
        Store(kCourtesyTones.at(row), c.row);
        const std::vector<Segment> heard = Segments(Sound({"--sound", "tone:" + std::to_string(row + 1)}));
        ASSERT_EQ(heard.size(), c.heard.size());
        for (std::size_t k = 0; k < heard.size(); ++k) {
            EXPECT_NEAR(heard[k].ms, c.heard[k].ms, 2) << "segment " << k;
            EXPECT_NEAR(heard[k].hz, c.heard[k].hz, c.heard[k].hz * 0.02) << "segment " << k;
        }
        ++row;
    }
}

// Reads the keying back as a listener would: the on and off times at the known speed, then the
// letters by the international code.
std::string DecodeMorse(const std::vector<Segment>& heard, double unitMs) {
    static const std::map<std::string, std::string> kCode = {
        {".-", "A"},       {"-...", "B"},   {"-.-.", "C"},     {"-..", "D"},    {".", "E"},
        {"..-.", "F"},     {"--.", "G"},    {"....", "H"},     {"..", "I"},     {".---", "J"},
        {"-.-", "K"},      {".-..", "L"},   {"--", "M"},       {"-.", "N"},     {"---", "O"},
        {".--.", "P"},     {"--.-", "Q"},   {".-.", "R"},      {"...", "S"},    {"-", "T"},
        {"..-", "U"},      {"...-", "V"},   {".--", "W"},      {"-..-", "X"},   {"-.--", "Y"},
        {"--..", "Z"},     {"-----", "0"},  {".----", "1"},    {"..---", "2"},  {"...--", "3"},
        {"....-", "4"},    {".....", "5"},  {"-....", "6"},    {"--...", "7"},  {"---..", "8"},
        {"----.", "9"},    {"-..-.", "/"},  {".-.-.", "(AR)"}, {".-.-.-", "."}, {"-.-.-.", ";"},
        {"--..--", ","},   {"---...", ":"}, {"..--..", "?"},   {"-....-", "-"}, {"-.--.", "("},
        {"...-.-", "(SK)"}};
    std::string text, letter;
    auto flush = [&] {
        if (letter.empty())
            return;
        auto it = kCode.find(letter);
        text += it == kCode.end() ? "#" : it->second;
        letter.clear();
    };
    for (const Segment& s : heard) {
        // Elements of one and three units, gaps of one, three or seven for each blank; anything
        // else is no Morse.
        const long units = std::lround(s.ms / unitMs);
        if (s.hz != 0) {
            letter += units == 1 ? "." : units == 3 ? "-" : "#";
        } else if (units == 3 || units % 7 == 0) {
            flush();
            text += std::string(static_cast<std::size_t>(units / 7), ' ');
        } else if (units != 1) {
            text += "#";
        }
    }
    flush();
    return text;
}

TEST_F(SoundCli, CwDecodesToTheStoredIdentificationAtEverySpeed) {
    struct Case {
        std::vector<std::string> characters; // as the dialog's list offers them
        int wpm, pitch;
    };
    const Case cases[] = {
        {{"D", "E", " ", "N", "0", "S", "M", "P"}, 20, 800},
        {{"C", "Q", " ", " ", "D", "E", " ", "W", "1", "A", "W", "(AR)"}, 5, 400},
        {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 35, 1500},
        {{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M"}, 60, 700},
        {{"N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"}, 13, 600},
        {{" ", "/", ".", ";", ",", ":", "?", "-", "(", "(SK)", " "}, 25, 1000},
    };
    std::map<std::string, int> codeOf;
    for (const CwListEntry& entry : FillCwList())
        codeOf[entry.text] = entry.code;
    for (const Case& c : cases) {
        std::vector<int> field = {static_cast<int>(c.characters.size())};
        std::string text;
        for (const std::string& ch : c.characters) {
            field.push_back(codeOf.at(ch));
            text += ch;
        }
        SCOPED_TRACE(text + " at " + std::to_string(c.wpm));
        Store(kCwMessage.offset, field);
        const std::vector<Segment> heard = Segments(
            Sound({"--sound", "cw", "--wpm", std::to_string(c.wpm), "--pitch=" + std::to_string(c.pitch)}));
        const double unit = 1200.0 / c.wpm;
        EXPECT_EQ(DecodeMorse(heard, unit), text);
        for (const Segment& s : heard) {
            if (s.hz != 0) {
                EXPECT_NEAR(s.hz, c.pitch, c.pitch * 0.02);
            }
            const double units = s.ms / unit;
            EXPECT_NEAR(units, std::round(units), 2 / unit) << "every on and off time is whole units";
        }
    }
}

TEST_F(SoundCli, VoiceMessageHoldsSpeechThatGrowsWithItsWords) {
    // Base message 3 and memory save #2 message 8, as packed words: Traffic, N, 0, [Time_of_day], S, Week.
    const std::vector<std::vector<int>> words = {{8, 45}, {6, 20}, {0, 0}, {1, 0}, {7, 70}, {8, 99}};
    double last = 0;
    for (std::size_t n = 1; n <= words.size(); ++n) {
        std::vector<int> record = {static_cast<int>(n)};
        for (std::size_t j = 0; j < n; ++j)
            record.insert(record.end(), words[j].begin(), words[j].end());
        Store(Messages(kBaseCopy).at(2), record);
        Store(Messages(2).at(7), record);
        const Wav base = Sound({"--sound", "voice:3"});
        const Wav memory = Sound({"--sound=voice:2:8"});
        // The synthesizer carries a little state from one message to the next: the same words, not
        // the same samples.
        EXPECT_NEAR(static_cast<double>(memory.samples.size()), static_cast<double>(base.samples.size()),
                    0.01 * static_cast<double>(base.samples.size()));
        const double seconds = static_cast<double>(base.samples.size()) / base.rate;
        EXPECT_GT(seconds, last + 0.05) << n << " words";
        last = seconds;
        // Speech, not silence: loud enough throughout.
        double energy = 0;
        for (std::int16_t s : base.samples)
            energy += static_cast<double>(s) * s;
        EXPECT_GT(std::sqrt(energy / static_cast<double>(base.samples.size())), 500);
    }
}

TEST(SpeechMarkup, SaysLettersAsLettersAndVariablesAsTheirValues) {
    struct Case {
        std::vector<int> keys;
        SpeechMoment moment;
        const char* said;
    };
    const Case cases[] = {
        {{0x20A, 20}, {}, "<speak><say-as interpret-as=\"characters\">A</say-as> 20</speak>"},
        {{0x100}, {14, 5, 1, 7}, "<speak>2 oh 5 P.M.</speak>"},
        {{0x100}, {0, 0, 1, 7}, "<speak>12 o'clock A.M.</speak>"},
        {{0x101, 0x102}, {9, 30, 1, 22}, "<speak>Monday the 22nd</speak>"},
        {{0x103, 0x952}, {19, 0, 0, 1}, "<speak>good evening good evening</speak>"},
        {{0x93D, 0x123}, {}, "<speak><break time=\"500ms\"/> <break time=\"500ms\"/></speak>"},
        // A key the vocabulary lacks is skipped; suffixes and joined words are said as words.
        {{0x953, 0x32B, 0x537, 0x81C}, {}, "<speak>Ed Less than Thank You</speak>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpeechMarkup(c.keys, c.moment), c.said);
}

} // namespace
} // namespace rc::sound
