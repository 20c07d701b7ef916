#include "editors/cw_ident.h"

#include "image/regions.h"

#include <algorithm>

namespace rc {

namespace {

constexpr std::array<const char*, 11> kPunctuation = {"/", "(AR)", " ", ".", ";",   ",",
                                                      ":", "?",    "-", "(", "(SK)"};

// By code: the digits, the letters, then the punctuation in the order above. The prosigns are sent
// as one character, without the gap between letters.
constexpr std::array<const char*, kCwCharCount> kMorse = {
    "-----", ".----", "..---", "...--",  "....-",  ".....",  "-....",  "--...",  "---..",  "----.", // 0-9
    ".-",    "-...",  "-.-.",  "-..",    ".",      "..-.",   "--.",    "....",   "..",     ".---",  // A-J
    "-.-",   ".-..",  "--",    "-.",     "---",    ".--.",   "--.-",   ".-.",    "...",    "-",     // K-T
    "..-",   "...-",  ".--",   "-..-",   "-.--",   "--..",                                          // U-Z
    "-..-.", ".-.-.", " ",     ".-.-.-", "-.-.-.", "--..--", "---...", "..--..", "-....-", "-.--.", "...-.-"};

} // namespace

std::string CwCharMorse(int code) {
    return code >= 0 && code < kCwCharCount ? kMorse[static_cast<std::size_t>(code)] : "";
}

std::string CwCharText(int code) {
    if (code >= 0 && code <= 9)
        return std::string(1, static_cast<char>('0' + code));
    if (code >= 10 && code <= 35)
        return std::string(1, static_cast<char>('A' + code - 10));
    if (code >= 36 && code < kCwCharCount)
        return kPunctuation[static_cast<std::size_t>(code - 36)];
    return "";
}

std::string GetCwChar(const ImageBytes& image, int Index) {
    return CwCharText(image[Index]);
}

std::vector<CwListEntry> FillCwList() {
    std::vector<CwListEntry> list;
    for (int code = 0; code < kCwCharCount; ++code)
        list.push_back({CwCharText(code), code});
    return list;
}

int CwStoredCount(const ImageBytes& image) {
    return std::min<int>(image[kCwMessage.offset], kCwMaxChars);
}

std::string CwMessageText(const ImageBytes& image) {
    std::string text;
    for (int k = 1; k <= CwStoredCount(image); ++k)
        text += GetCwChar(image, kCwMessage.offset + k);
    return text;
}

std::string LoadCWIdent(const ImageBytes& image, int ID) {
    if (ID != 1)
        return "";
    return CwStoredCount(image) == 0 ? "(Empty)" : CwMessageText(image);
}

void CwBuilder::Load(const ImageBytes& image) {
    cleared = false;
    count = CwStoredCount(image);
    for (int k = 0; k < count; ++k)
        buffer[static_cast<std::size_t>(k)] = image[kCwMessage.offset + 1 + k];
}

void CwBuilder::Clear() {
    cleared = true;
    count = 0;
}

bool CwBuilder::Pick(int code) {
    if (!cleared || count >= kCwMaxChars || code < 0 || code >= kCwCharCount)
        return false;
    buffer[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(code);
    return true;
}

std::string CwBuilder::Text() const {
    std::string text;
    for (int k = 0; k < count; ++k)
        text += CwCharText(buffer[static_cast<std::size_t>(k)]);
    return text;
}

void SaveCwMessage(ImageBytes& image, const CwBuilder& builder) {
    if (!builder.cleared)
        return;
    const int count = std::clamp(builder.count, 0, kCwMaxChars);
    image[kCwMessage.offset] = static_cast<std::uint8_t>(count);
    for (int k = 0; k < count; ++k)
        image[kCwMessage.offset + 1 + k] = builder.buffer[static_cast<std::size_t>(k)];
}

} // namespace rc
