#pragma once

// The rules of the on-screen keypad, without widgets: which keys and selection list each mode
// shows, the checks applied on OK, and what every key does to the display.

#include "image/messages.h"

#include <array>
#include <optional>
#include <string>

namespace rc {

enum class PadKey {
    Zero,
    One,
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Star,
    Pound,
    A,
    B,
    C,
    D,
    Delay,
    Clear,
    Cancel,
    OK,
};
inline constexpr int kPadKeyCount = 20;

// The character a character key enters (0-9, *, #, A-D); '\0' for Delay, Clear, Cancel and OK.
char PadKeyChar(PadKey key);
// The key a typed character stands for: digits, *, #, A to D in either case, and ',' for Delay.
std::optional<PadKey> PadKeyFromChar(char c);

inline constexpr int kKeyPadNarrowTwips = 2700;
inline constexpr int kKeyPadWideTwips = 4400;
inline constexpr int kSelectionListSize = 10;
inline constexpr int kKeyPadReadyMs = 500;
inline constexpr int kKeyPadFirstMode = 1;
inline constexpr int kKeyPadLastMode = 8;

// What a mode shows. The digits, Clear, Cancel and OK are always there.
struct KeyPadModeInfo {
    bool star = false, pound = false, a = false, b = false, c = false, d = false, delay = false;
    int widthTwips = kKeyPadNarrowTwips;
    int listCount = 0; // how many selection labels, from the first, the mode writes
    std::array<const char*, kSelectionListSize> list{};
};

// The mode's layout, or nothing for a mode outside 1..8 (the keys then stay as they were).
std::optional<KeyPadModeInfo> KeyPadModeLayout(int mode);

// Applies `check` to a non-empty display: nothing when accepted, else the message to show.
// An empty display is accepted by every check.
std::optional<MessageSpec> KeyPadCheckFailure(int check, const std::string& display);
// A second delay in a row.
MessageSpec DelayErrorMessage();

// The shared parameters a ShowKeyPad call hands to the dialog.
struct KeyPadParams {
    int mode = 1;
    int maxDigits = 0;
    std::string heading;
    std::string value;
    int check = 0;
};

// What the dialog must do after a key.
struct KeyResult {
    bool beep = false;
    std::optional<MessageSpec> message;
    bool close = false;
};

// An entry typed rather than keyed in, judged as the keypad would take it with `params`: a character
// the mode has no key for, more than maxDigits characters, a second delay in a row or a failed
// check is refused with the keypad's own message where it has one. Nothing when it is accepted.
std::optional<MessageSpec> KeyPadEntryRefusal(const KeyPadParams& params, const std::string& entry);

// One keypad dialog's state. It lives as long as the dialog, which is hidden between uses, so the
// key visibility and selection labels of the last mode persist; Activate resets the rest.
class KeyPadLogic {
public:
    KeyPadLogic();

    // A new showing: not ready, the next character key replaces the value, the mode applied.
    void Activate(const KeyPadParams& params);
    // The ready delay has run out.
    void TimerTick();
    KeyResult Press(PadKey key);
    // The keyboard's Backspace: the last character goes, and the keys after it add to what is left.
    KeyResult BackSpace();
    // The window's close box, or any other way of dismissing the dialog: Cancel, even while not
    // ready, since the display has not changed by then.
    KeyResult Dismiss();

    bool Ready() const { return ready_; }
    bool FirstKey() const { return firstKey_; }
    bool DelayUsed() const { return delayUsed_; }
    const std::string& EntryOnOpen() const { return entryOnOpen_; }
    const std::string& Display() const { return display_; }
    const KeyPadParams& Params() const { return params_; }
    bool KeyVisible(PadKey key) const { return visible_[static_cast<int>(key)]; }
    int WidthTwips() const { return widthTwips_; }
    bool ListShown() const { return widthTwips_ > kKeyPadNarrowTwips; }
    const std::array<std::string, kSelectionListSize>& ListLabels() const { return list_; }

private:
    KeyResult CharacterKey(char ch);
    KeyResult DelayKey();
    KeyResult OkKey();

    KeyPadParams params_;
    bool ready_ = false;
    bool firstKey_ = true;
    bool delayUsed_ = false;
    std::string entryOnOpen_;
    std::string display_;
    std::array<bool, kPadKeyCount> visible_;
    int widthTwips_ = kKeyPadNarrowTwips;
    std::array<std::string, kSelectionListSize> list_;
};

} // namespace rc
