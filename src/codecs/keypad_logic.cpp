#include "codecs/keypad_logic.h"

#include <cctype>

namespace rc {

namespace {

constexpr char kKeyChars[kPadKeyCount] = {'0', '1', '2', '3', '4', '5', '6',  '7',  '8',  '9',
                                          '*', '#', 'A', 'B', 'C', 'D', '\0', '\0', '\0', '\0'};

constexpr std::array<const char*, kSelectionListSize> kFrequencies = {
    "0 = OFF",    "1 = 300 Hz", "2 = 400 Hz", "3 = 500 Hz",  "4 = 600 Hz",
    "5 = 700 Hz", "6 = 800 Hz", "7 = 900 Hz", "8 = 1000 Hz", nullptr,
};
constexpr std::array<const char*, kSelectionListSize> kDelays = {
    "0 = 0 mS",   "1 = 50 mS",  "2 = 100 mS", "3 = 150 mS", "4 = 200 mS",
    "5 = 250 mS", "6 = 300 mS", "7 = 350 mS", "8 = 400 mS", "9 = 450 mS",
};

MessageSpec Exclamation(const char* text, const char* title) {
    return {text, title, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

// The display as a 16-bit value; nothing when it is not a plain decimal number that fits.
std::optional<int> SixteenBitValue(const std::string& display) {
    if (display.empty())
        return std::nullopt;
    long v = 0;
    for (char ch : display) {
        if (!std::isdigit(static_cast<unsigned char>(ch)))
            return std::nullopt;
        v = v * 10 + (ch - '0');
        if (v > 32767)
            return std::nullopt;
    }
    return static_cast<int>(v);
}

KeyResult Closing() {
    KeyResult result;
    result.close = true;
    return result;
}

KeyResult Showing(MessageSpec message) {
    KeyResult result;
    result.message = std::move(message);
    return result;
}

bool InRange(const std::string& display, int low, int high) {
    auto v = SixteenBitValue(display);
    return v && *v >= low && *v <= high;
}

} // namespace

char PadKeyChar(PadKey key) {
    return kKeyChars[static_cast<int>(key)];
}

std::optional<PadKey> PadKeyFromChar(char c) {
    if (c == ',')
        return PadKey::Delay;
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int k = 0; k < kPadKeyCount; ++k)
        if (kKeyChars[k] != '\0' && kKeyChars[k] == upper)
            return static_cast<PadKey>(k);
    return std::nullopt;
}

std::optional<KeyPadModeInfo> KeyPadModeLayout(int mode) {
    KeyPadModeInfo m;
    switch (mode) {
    case 1:
        break;
    case 2:
        m.star = m.pound = true;
        break;
    case 3:
        m.a = m.b = m.c = m.star = m.pound = true;
        break;
    case 4:
        m.delay = true;
        break;
    case 5:
        m.star = true;
        break;
    case 6:
        m.star = m.pound = m.delay = true;
        break;
    case 7:
        m.widthTwips = kKeyPadWideTwips;
        m.listCount = 9;
        m.list = kFrequencies;
        break;
    case 8:
        m.widthTwips = kKeyPadWideTwips;
        m.listCount = 10;
        m.list = kDelays;
        break;
    default:
        return std::nullopt;
    }
    return m;
}

std::optional<MessageSpec> KeyPadCheckFailure(int check, const std::string& display) {
    if (display.empty())
        return std::nullopt;
    const std::size_t n = display.size();
    switch (check) {
    case 1:
        if (n != 4)
            return Exclamation("Error! Need 4 Digit Entry", "Macro Command");
        break;
    case 2:
        if (!InRange(display, 1, 1800))
            return Exclamation("Error! Entry must be between 1 and 1800", "Macro Command");
        break;
    case 3:
        if (!InRange(display, 10, 99))
            return Exclamation("Error! Entry must be between 10 and 99", "Macro Command");
        break;
    case 4:
        if (n > 15)
            return Exclamation("Error! Maximum 15 Digit Entry", "Macro Command");
        break;
    case 5:
        if (n != 2)
            return Exclamation("Error! Need 2 Digit Entry", "Macro Command");
        break;
    case 6:
        // Index 9 has no frequency: stored, it would silence the whole courtesy tone.
        if (n != 1 || display == "9")
            return Exclamation("Error! Frequency between 1 and 8", "Frequency Entry");
        break;
    case 8:
        if (n != 3)
            return Exclamation("Error! Need 3 Digit Entry", "Area Code Entry");
        break;
    case 9:
        if (n > 16)
            return Exclamation("Error! Maximum 16 Digit Entry", "Telephone Number");
        break;
    case 10:
        if (n != 7)
            return Exclamation("Error! Requires a 7 Digit Entry", "Unlock Number");
        break;
    default: // 0, 7 and anything else accept every entry
        break;
    }
    return std::nullopt;
}

std::optional<MessageSpec> KeyPadEntryRefusal(const KeyPadParams& params, const std::string& entry) {
    // The keys are pressed on a keypad of its own, so every rule of a real showing applies.
    KeyPadLogic pad;
    KeyPadParams opened = params;
    opened.value.clear();
    pad.Activate(opened);
    pad.TimerTick();
    for (const char c : entry) {
        const std::optional<PadKey> key = PadKeyFromChar(c);
        if (!key || !pad.KeyVisible(*key) || (c != ',' && PadKeyChar(*key) != c))
            return Exclamation("Error! The keypad has no such key", "Keypad Entry");
        if (KeyResult result = pad.Press(*key); result.message)
            return result.message;
    }
    // A key past the last place beeps, and a delay there is dropped: either way the entry is not
    // what the keypad would hand back.
    if (pad.Display() != entry)
        return MessageSpec{"Error! Maximum " + std::to_string(params.maxDigits) + " Digit Entry",
                           "Keypad Entry", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
    return pad.Press(PadKey::OK).message;
}

MessageSpec DelayErrorMessage() {
    return Exclamation("Error, One delay entry only.", "Autopatch Delay");
}

KeyPadLogic::KeyPadLogic() {
    visible_.fill(true);
}

void KeyPadLogic::Activate(const KeyPadParams& params) {
    params_ = params;
    ready_ = false;
    firstKey_ = true;
    delayUsed_ = false;
    if (auto m = KeyPadModeLayout(params.mode)) {
        auto set = [this](PadKey k, bool on) { visible_[static_cast<int>(k)] = on; };
        set(PadKey::Star, m->star);
        set(PadKey::Pound, m->pound);
        set(PadKey::A, m->a);
        set(PadKey::B, m->b);
        set(PadKey::C, m->c);
        set(PadKey::D, m->d);
        set(PadKey::Delay, m->delay);
        widthTwips_ = m->widthTwips;
        for (int i = 0; i < m->listCount; ++i)
            list_[i] = m->list[i];
    }
    display_ = params.value;
    entryOnOpen_ = params.value;
}

void KeyPadLogic::TimerTick() {
    ready_ = true;
}

KeyResult KeyPadLogic::Press(PadKey key) {
    // A hidden key cannot be pressed, whatever the keyboard sends.
    if (!ready_ || !KeyVisible(key))
        return {};
    switch (key) {
    case PadKey::Delay:
        return DelayKey();
    case PadKey::Clear:
        display_.clear();
        // An empty display holds no delay, so a delay may come next.
        delayUsed_ = false;
        return {};
    case PadKey::Cancel:
        return Dismiss();
    case PadKey::OK:
        return OkKey();
    default:
        return CharacterKey(PadKeyChar(key));
    }
}

KeyResult KeyPadLogic::BackSpace() {
    if (!ready_ || display_.empty())
        return {};
    display_.pop_back();
    firstKey_ = false;
    delayUsed_ = !display_.empty() && display_.back() == ',';
    return {};
}

KeyResult KeyPadLogic::Dismiss() {
    display_ = entryOnOpen_;
    return Closing();
}

KeyResult KeyPadLogic::CharacterKey(char ch) {
    KeyResult result;
    if (firstKey_) {
        display_ = std::string(1, ch);
        firstKey_ = false;
    } else if (static_cast<int>(display_.size()) < params_.maxDigits) {
        display_ += ch;
    } else {
        result.beep = true;
    }
    delayUsed_ = false;
    return result;
}

KeyResult KeyPadLogic::DelayKey() {
    if (firstKey_) {
        display_ = ",";
        firstKey_ = false;
        delayUsed_ = true;
    } else if (delayUsed_) {
        return Showing(DelayErrorMessage());
    } else if (static_cast<int>(display_.size()) < params_.maxDigits) {
        display_ += ',';
        delayUsed_ = true;
    }
    return {};
}

KeyResult KeyPadLogic::OkKey() {
    if (auto failure = KeyPadCheckFailure(params_.check, display_))
        return Showing(std::move(*failure));
    return Closing();
}

} // namespace rc
