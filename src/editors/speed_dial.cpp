#include "editors/speed_dial.h"

#include "codecs/dtmf.h"
#include "image/regions.h"

#include <algorithm>

namespace rc {

namespace {

constexpr int kLengthByte = 0;
constexpr int kIdCountByte = 12;
constexpr int kIdFirstWord = 13;
constexpr int kPause = 16;
constexpr int kMostPauses = 0xF0; // the high nibble holds at most fifteen

static_assert(kIdFirstWord + 2 * kTelIdMaxWords <= 29, "the words stay inside the entry");

bool NumberShown(const ImageBytes& image, int PT) {
    const int n = image[PT + kLengthByte];
    return n >= 1 && n <= kSpeedDialDigits;
}

} // namespace

int SpeedDialGroup::GetPT(int Loc) {
    firstEntry = group * kSpeedDialRows;
    if (group < 0 || group >= kSpeedDialGroups)
        return 0;
    return kUserSpeedDial.at(group * kSpeedDialRows + Loc);
}

std::string DisplayAPNum(const ImageBytes& image, int PT) {
    const int n = image[PT + kLengthByte];
    std::string text;
    if (n > kSpeedDialDigits)
        return text;
    for (int k = 1; k <= n; ++k) {
        const int b = image[PT + k];
        if (b > 15)
            text += ',';
        const int d = b & 15;
        if (d <= 9)
            text += static_cast<char>('0' + d);
        else if (d == 10)
            text += '0';
        else if (d == 11)
            text += '*';
        else if (d == 12)
            text += '#';
    }
    return text;
}

int CalcLength(std::string_view STR) {
    return static_cast<int>(std::count_if(STR.begin(), STR.end(), [](char c) { return c != ','; }));
}

void SaveTelNum(ImageBytes& image, int PT, std::string_view STR) {
    for (int k = 0; k <= 10; ++k)
        image[PT + k] = 0;
    int k = 1, p = 0;
    for (char c : STR) {
        if (c == ',') {
            p = std::min(p + kPause, kMostPauses);
            continue;
        }
        if (k > kSpeedDialDigits)
            break;
        image[PT + k] = static_cast<std::uint8_t>(DigitCode(std::string_view(&c, 1)) | p);
        p = 0;
        ++k;
    }
    image[PT + kLengthByte] = static_cast<std::uint8_t>(k - 1);
}

std::string TelIdText(const ImageBytes& image, int PT) {
    const int count = image[PT + kIdCountByte];
    if (count > kTelIdMaxWords)
        return "";
    return WordsText(image, PT + kIdFirstWord, count);
}

void SaveTelIdAt(ImageBytes& image, int PT, const VoiceContract& voice) {
    const NewWordList list = NewWords(voice, kTelIdMaxWords);
    if (!list.rebuilt || SameWords(image, PT + kIdFirstWord, image[PT + kIdCountByte], list.words))
        return;
    image[PT + kIdCountByte] = static_cast<std::uint8_t>(list.words.size());
    for (std::size_t j = 0; j < list.words.size(); ++j)
        WritePackedWord(image, PT + kIdFirstWord + 2 * static_cast<int>(j), list.words[j]);
}

void SaveTelID(ImageBytes& image, SpeedDialGroup& page, int Index, const VoiceContract& voice) {
    const int PT = page.GetPT(Index);
    if (PT != 0)
        SaveTelIdAt(image, PT, voice);
}

void SaveEMTelID(ImageBytes& image, int Index, const VoiceContract& voice) {
    if (Index >= 0 && Index < kEmergencySpeedDial.count)
        SaveTelIdAt(image, kEmergencySpeedDial.at(Index), voice);
}

VoiceContract VoiceForTelId(const std::string& text) {
    VoiceContract voice;
    voice.VoiceMaxWords = kTelIdMaxWords;
    voice.VoiceMessageNumber = kKeepMessageNumber;
    voice.VoiceOldText = TrimBlanks(text);
    return voice;
}

std::array<SpeedDialRow, kSpeedDialRows> DisplaySD(const ImageBytes& image, SpeedDialGroup& page) {
    std::array<SpeedDialRow, kSpeedDialRows> rows;
    const int first = page.GetPT(0);
    for (int i = 0; i < kSpeedDialRows; ++i) {
        rows[i].pos = std::to_string(page.firstEntry + i);
        if (first == 0)
            continue;
        const int PT = first + kUserSpeedDial.recordSize * i;
        if (!NumberShown(image, PT))
            continue;
        rows[i].number = DisplayAPNum(image, PT);
        rows[i].id = TelIdText(image, PT);
    }
    return rows;
}

std::array<SpeedDialRow, 5> DisplayEMSD(const ImageBytes& image) {
    std::array<SpeedDialRow, 5> rows;
    for (int i = 0; i < kEmergencySpeedDial.count; ++i) {
        const int PT = kEmergencySpeedDial.at(i);
        rows[i].pos = std::to_string(i);
        if (image[PT + kLengthByte] == 0)
            continue;
        rows[i].number = DisplayAPNum(image, PT);
        rows[i].id = TelIdText(image, PT);
    }
    return rows;
}

std::string SpeedNumberHeading(int entry) {
    return "Telephone Number " + std::to_string(entry);
}

std::string EmergencyNumberHeading(int entry) {
    return "Emergency Number " + std::to_string(entry);
}

std::string PreDialText(const ImageBytes& image) {
    return CountedDigitsText(image, kPreDialNumber.offset, kPreDialDigits);
}

void SavePreDial(ImageBytes& image, std::string_view text) {
    WriteCountedDigits(image, kPreDialNumber.offset, kPreDialDigits, text);
}

KeyPadParams TelNumberKeyPad(const std::string& heading) {
    return {6, kSpeedDialDigits, heading, "", 9};
}

KeyPadParams PreDialKeyPad() {
    return {6, kPreDialDigits, "Tel Pre-Dial", "", 0};
}

} // namespace rc
