#pragma once

// The play buttons of the dialogs: a sound output that never makes the window wait, and what a press
// of a play button does with it.

#include "image/messages.h"
#include "sound/pcm.h"

#include <functional>
#include <string>

namespace rc::sound {

enum class PlayResult { Playing, NoDevice, Failed };

// The program's sound output. Play returns at once and the sound goes on by itself; a new sound
// replaces whatever was playing. `owner` marks whose sound it is, so a dialog stops only its own.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual PlayResult Play(const void* owner, const Pcm& sound) = 0;
    // Stops the sound if `owner` started it and it still plays.
    virtual void Stop(const void* owner) = 0;
    virtual bool Playing(const void* owner) const = 0;
};

// What a dialog's play buttons need: the player (none: the buttons say there is no output) and where
// to tell the user about problems.
struct SoundOut {
    ISoundPlayer* player = nullptr;
    IMessages* messages = nullptr;
};

// What a play button renders: the sound, or why there is none.
struct Rendered {
    Pcm pcm;
    std::string error;
};

inline constexpr const char* kNoSoundDevice =
    "No sound output device was found, so the sound cannot be played.";
inline constexpr const char* kSoundFailed = "The sound output device could not play the sound.";
inline constexpr const char* kSpeechTooltip = "an approximation of the controller's voice";

// The play buttons of one dialog. A second press of the button whose sound still plays stops it; any
// other press plays that button's sound in place of the one playing. Problems are told through the
// dialog's messages; nothing waits for the sound to end.
class PlayControl {
public:
    PlayControl(ISoundPlayer* player, IMessages& messages, std::string title);
    ~PlayControl();
    PlayControl(const PlayControl&) = delete;
    PlayControl& operator=(const PlayControl&) = delete;

    void Press(int button, const std::function<Rendered()>& render);
    // The dialog closes: its sound ends with it.
    void Stop();
    bool Playing() const;

private:
    void Tell(const std::string& text);

    ISoundPlayer* player_;
    IMessages& messages_;
    std::string title_;
    int button_ = -1;
};

} // namespace rc::sound
