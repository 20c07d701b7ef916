#include "editors/courtesy_tones.h"

#include "image/regions.h"

namespace rc {

namespace {

constexpr std::array<const char*, 9> kFrequencies = {"0",   "300", "400", "500", "600",
                                                     "700", "800", "900", "1000"};
constexpr std::array<const char*, 10> kTimes = {"0",   "50",  "100", "150", "200",
                                                "250", "300", "350", "400", "450"};

template <std::size_t N> std::string TextOf(const std::array<const char*, N>& table, int index) {
    return index >= 0 && index < static_cast<int>(N) ? table[static_cast<std::size_t>(index)] : "";
}

template <std::size_t N> int IndexOf(const std::array<const char*, N>& table, const std::string& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == table[i])
            return static_cast<int>(i);
    return -1;
}

// A single decimal digit, or -1.
int Digit(const std::string& s) {
    return s.size() == 1 && s[0] >= '0' && s[0] <= '9' ? s[0] - '0' : -1;
}

std::string IndexText(int index) {
    return index < 0 ? "" : std::to_string(index);
}

} // namespace

int GetPT(int Index) {
    return kCourtesyTones.at(Index);
}

std::string CFreq(const ImageBytes& image, int PT) {
    return TextOf(kFrequencies, image[PT]);
}

std::string CDly(const ImageBytes& image, int PT) {
    return TextOf(kTimes, image[PT]);
}

std::string FreqIn(const std::string& FQ) {
    return IndexText(IndexOf(kFrequencies, FQ));
}

std::string FreqOut(const std::string& FQ) {
    return TextOf(kFrequencies, Digit(FQ));
}

std::string DelayIn(const std::string& text) {
    return IndexText(IndexOf(kTimes, text));
}

std::string DelayOut(const std::string& digit) {
    return TextOf(kTimes, Digit(digit));
}

std::uint8_t SaveTones(const std::string& STR) {
    int i = IndexOf(kFrequencies, STR);
    return static_cast<std::uint8_t>(i < 0 ? 0 : i);
}

std::uint8_t SaveDelay(const std::string& STR) {
    int i = IndexOf(kTimes, STR);
    return static_cast<std::uint8_t>(i < 0 ? 0 : i);
}

bool IsFrequencyField(int field) {
    return field == 0 || field == 3 || field == 6;
}

std::array<ToneRow, kToneRowCount> DisplayCTones(const ImageBytes& image) {
    std::array<ToneRow, kToneRowCount> rows{};
    for (int i = 0; i < kToneRowCount; ++i) {
        const int PT = GetPT(i);
        if (image[PT] == 0)
            continue;
        for (int f = 0; f < kToneFieldCount; ++f)
            rows[i][f] = IsFrequencyField(f) ? CFreq(image, PT + f) : CDly(image, PT + f);
    }
    return rows;
}

KeyPadParams ToneFieldKeyPad(int field) {
    if (IsFrequencyField(field))
        return {7, 1, field == 0 ? "Enter Frequency 1..8" : "Enter Frequency", "", 6};
    return {8, 1, "Enter Time Delay 0..9", "", 7};
}

void SaveToneField(ImageBytes& image, int row, int field, const std::string& shown) {
    RC_ASSERT(field >= 0 && field < kToneFieldCount);
    image[GetPT(row) + field] = IsFrequencyField(field) ? SaveTones(shown) : SaveDelay(shown);
}

void EraseTone(ImageBytes& image, int row) {
    for (int f = 0; f < kToneFieldCount; ++f)
        image[GetPT(row) + f] = 0;
}

} // namespace rc
