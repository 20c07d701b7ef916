#include "listing/settings_check.h"

#include "codecs/vocabulary.h"
#include "image/image_file.h"

#include <algorithm>
#include <cstdio>

namespace rc::listing {

namespace {

std::string Hex(int value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", value & 0xFF);
    return buf;
}

std::string Quoted(const std::string& value) {
    return "\"" + (value.empty() ? std::string("(none)") : value) + "\"";
}

// Either the image is one byte value throughout, or not.
std::optional<int> BlankByte(const ImageBytes& image) {
    const auto bytes = image.Bytes();
    const int first = bytes[0];
    if ((first != 0x00 && first != 0xFF) ||
        !std::all_of(bytes.begin(), bytes.end(), [&](std::uint8_t b) { return b == first; }))
        return std::nullopt;
    return first;
}

// The first byte from `from` on where two images differ, or kImageSize.
int NextDifference(const ImageBytes& a, const ImageBytes& b, int from) {
    const auto x = a.Bytes(), y = b.Bytes();
    return static_cast<int>(std::mismatch(x.begin() + from, x.end(), y.begin() + from).first - x.begin());
}

// The vocabulary names some sounds twice ("The" with a long and with a short E): a message stored
// with either shows the same, and the word dialog offers both. Such a word, stored as the other
// one, is no fault: it is put back as stored before the bytes are compared.
void KeepWordsOfTheSameName(const ImageBytes& image, ImageBytes& entered) {
    for (int p = 0; p + 1 < kImageSize; ++p) {
        // Only a pair with a byte that differs is looked at: the next such pair is found at once.
        p = std::max(p, NextDifference(image, entered, p) - 1);
        if (p + 1 >= kImageSize)
            break;
        if (image[p] == entered[p] && image[p + 1] == entered[p + 1])
            continue;
        const int key = WordKey(image[p], image[p + 1]), other = WordKey(entered[p], entered[p + 1]);
        const std::string was = VoiceWordText(key);
        if (key != other && !was.empty() && was == VoiceWordText(other)) {
            entered[p] = image[p];
            entered[p + 1] = image[p + 1];
        }
    }
}

} // namespace

std::vector<SettingLine> CheckSettings(const ImageBytes& image) {
    if (const auto blank = BlankByte(image))
        return {{"Image", "All Bytes", "every byte is 0x" + Hex(*blank) + ": the image is blank"}};
    std::vector<SettingLine> findings;
    for (const ListedArea& area : ListedAreas())
        CheckArea(image, area, findings);
    return findings;
}

void CheckArea(const ImageBytes& image, const ListedArea& area, std::vector<SettingLine>& findings) {
    {
        const std::vector<SettingLine> shown = ListArea(image, area);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const SettingLine& line = shown[i];
            // What the dialog does with the value it shows: refuse it, or store it. A dialog writes
            // nothing when a value is entered again unchanged, so the field is first given another
            // value the dialog takes, then the one it shows.
            ImageBytes cleared = image;
            for (const char* other : {"", "1", "2"}) {
                ImageBytes trial = image;
                if (line.value != other && !area.set(trial, area.copy, static_cast<int>(i), other)) {
                    cleared = trial;
                    break;
                }
            }
            ImageBytes entered = cleared;
            if (auto refusal = area.set(entered, area.copy, static_cast<int>(i), line.value)) {
                findings.push_back({line.area, line.item, Quoted(line.value) + " is refused: " + *refusal});
                continue;
            }
            KeepWordsOfTheSameName(image, entered);
            // Only the bytes the entry itself wrote are the field's; the other value may have left
            // bytes of its own that the entry had no need to touch.
            int at = -1;
            for (int p = NextDifference(entered, cleared, 0); p < kImageSize && at < 0;
                 p = NextDifference(entered, cleared, p + 1))
                if (entered[p] != image[p])
                    at = p;
            if (at < 0)
                continue;
            const int was = image[at], would = entered[at];
            char offset[16];
            std::snprintf(offset, sizeof offset, "0x%04X", at);
            findings.push_back({line.area, line.item,
                                "shows as " + Quoted(line.value) + ", but the dialog would store that as " +
                                    Hex(would) + " at " + offset + " where the image holds " + Hex(was)});
        }
    }
}

} // namespace rc::listing
