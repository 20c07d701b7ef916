#pragma once

// The word dialog without widgets: what a caller hands it and gets back, and the rules of its
// buttons and pick lists. The dialog builds a new word list from scratch; it never edits the stored
// words in place, so a caller writes only when the user really built a list.

#include "codecs/vocabulary.h"

#include <array>
#include <string>
#include <vector>

namespace rc {

inline constexpr int kVoiceWordSlots = 32;
inline constexpr int kWordDialogReadyMs = 500;
// The help topic of the word dialog (F1): the voice messages page.
inline constexpr int kWordDialogHelpContext = 400;

// A VoiceMessageNumber that leaves the dialog's heading at the number it showed last: the
// telephone identifications have no message number of their own.
inline constexpr int kKeepMessageNumber = -1;

// What a caller and the word dialog exchange. The caller sets the first three; the dialog fills
// the rest when it closes.
struct VoiceContract {
    int VoiceMaxWords = 23;
    int VoiceMessageNumber = 0;
    std::string VoiceOldText;
    std::string VoiceNewText;
    bool VoiceRebuilt = false;
    int VoiceWordCount = 0;
    std::array<std::string, kVoiceWordSlots> VoiceWords;
};

// The one way a dialog takes a word list from the user: shows the word dialog modally for
// `voice` and fills in the dialog's part of it.
class IWordDialog {
public:
    virtual ~IWordDialog() = default;
    virtual void ShowWordDialog(VoiceContract& voice) = 0;
};

// The new list's words as packed words, at most `limit` of them, or nothing when the dialog did not
// build a list.
struct NewWordList {
    bool rebuilt = false;
    std::vector<PackedWord> words;
};
NewWordList NewWords(const VoiceContract& voice, int limit);

// True when the stored list of `count` words at `offset` is the list `words`: same count, same keys.
// Reads no word when the counts differ, so any stored count is safe.
bool SameWords(const ImageBytes& image, int offset, int count, const std::vector<PackedWord>& words);

enum class WordList { All, CallLetters, Special };

// The state of frmVoice between one activation and the next hide.
class WordDialogLogic {
public:
    // A new showing of `voice`: not ready until TimerTick, the old text shown, picking possible only
    // when there is no old text.
    void Activate(const VoiceContract& voice);
    void TimerTick() { ready_ = true; }

    // The option buttons: one list shown, the words picked so far kept.
    void SelectList(WordList list) { shown_ = list; }
    WordList ShownList() const { return shown_; }

    // Appends a picked entry while there is room; returns false when nothing was added.
    bool Pick(const PickItem& item);
    // The four buttons. Each does nothing until the ready delay has run out. BackSpace returns true
    // when the computer is to beep; OK and Cancel return true when the dialog is to hide.
    void Clear();
    bool BackSpace();
    bool OK();
    bool Cancel();
    // The close box: Cancel, at any time.
    void Dismiss();

    bool Ready() const { return ready_; }
    bool PickingEnabled() const { return picking_; } // the three lists and Back Space
    const std::string& Text1() const { return text1_; }
    std::string Heading() const;
    const VoiceContract& Contract() const { return voice_; }

private:
    void ShowPicked();

    VoiceContract voice_;
    std::vector<std::string> picked_; // the texts of the words picked since Clear, in order
    std::string text1_;
    WordList shown_ = WordList::All;
    bool ready_ = false;
    bool picking_ = false;
    bool touched_ = false; // Clear, a pick or a Back Space since the activation
};

} // namespace rc
