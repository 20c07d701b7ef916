#include "editors/telephone_codes.h"

#include "codecs/dtmf.h"
#include "image/regions.h"

namespace rc {

namespace {

constexpr int kAreaCodeDigits = 3;
constexpr int kUnlockDigits = 7;

std::uint8_t CodeAt(const std::string& text, std::size_t k) {
    return k < text.size() ? DigitCode(std::string_view(text).substr(k, 1)) : 0;
}

} // namespace

std::string AreaCodeText(const ImageBytes& image, int PT) {
    if (image[PT] == 0)
        return "";
    std::string text;
    for (int j = 0; j < kAreaCodeDigits; ++j) {
        int b = image[PT + j];
        text += b < 10 ? static_cast<char>('0' + b) : '0';
    }
    return text;
}

std::array<std::string, 20> DisplayAreaCodes(const ImageBytes& image) {
    std::array<std::string, 20> codes;
    for (int i = 0; i < kAreaCodes.count; ++i)
        codes[i] = AreaCodeText(image, kAreaCodes.at(i));
    return codes;
}

std::string AreaCodeHeading(int i) {
    return "Area Code " + std::to_string(i + 1);
}

void SaveAreaCodes(ImageBytes& image, int i, const std::string& label) {
    RC_ASSERT(i >= 0 && i < kAreaCodes.count);
    const int PT = kAreaCodes.at(i);
    for (int j = 0; j < kAreaCodeDigits; ++j)
        image[PT + j] = CodeAt(label, static_cast<std::size_t>(j));
}

int LockoutNumber(int group, int row) {
    return (group == 1 ? kLockoutRows : 0) + row + 1;
}

int LockoutPT(int group, int row) {
    RC_ASSERT(row >= 0 && row < kLockoutRows);
    return kLockoutNumbers.at(LockoutNumber(group, row) - 1);
}

std::array<LockoutRow, kLockoutRows> DisplayLockout(const ImageBytes& image, int group) {
    std::array<LockoutRow, kLockoutRows> rows;
    for (int i = 0; i < kLockoutRows; ++i) {
        std::string number(1, ' ');
        number += std::to_string(LockoutNumber(group, i));
        rows[i] = {std::move(number), CountedDigitsText(image, LockoutPT(group, i), kLockoutDigits)};
    }
    return rows;
}

std::string LockoutHeading(int group, int row) {
    return "Lock Out Number " + std::to_string(LockoutNumber(group, row));
}

void SaveLockout(ImageBytes& image, int group, int row, const std::string& label) {
    WriteCountedDigits(image, LockoutPT(group, row), kLockoutDigits, label);
}

std::string DisplayUnlock(const ImageBytes& image) {
    return CountedDigitsText(image, kUnlockCode.offset, kUnlockDigits);
}

void SaveUnlock(ImageBytes& image, const std::string& label) {
    if (label.empty())
        return;
    image[kUnlockCode.offset] = kUnlockDigits;
    for (int k = 1; k <= kUnlockDigits; ++k)
        image[kUnlockCode.offset + k] = CodeAt(label, static_cast<std::size_t>(k - 1));
}

KeyPadParams AreaCodeKeyPad(int i) {
    return {1, 3, AreaCodeHeading(i), "", 8};
}

KeyPadParams LockoutKeyPad(int group, int row) {
    return {5, kLockoutDigits, LockoutHeading(group, row), "", 0};
}

KeyPadParams UnlockKeyPad() {
    return {3, 7, "Unlock Number", "", 10};
}

MessageSpec NoUnlockEntryMessage() {
    return {"Error, No Unlock Entry.", "Unlock Code", MessageIcon::Exclamation, MessageButtons::OkCancel,
            Answer::Ok};
}

} // namespace rc
