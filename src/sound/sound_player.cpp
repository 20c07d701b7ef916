#include "sound/sound_player.h"

namespace rc::sound {

PlayControl::PlayControl(ISoundPlayer* player, IMessages& messages, std::string title)
    : player_(player), messages_(messages), title_(std::move(title)) {}

PlayControl::~PlayControl() {
    Stop();
}

bool PlayControl::Playing() const {
    return player_ != nullptr && player_->Playing(this);
}

void PlayControl::Press(int button, const std::function<Rendered()>& render) {
    const bool again = Playing() && button == button_;
    Stop();
    if (again)
        return;
    if (player_ == nullptr) {
        Tell(kNoSoundDevice);
        return;
    }
    const Rendered sound = render();
    if (!sound.error.empty()) {
        Tell("The sound cannot be made: " + sound.error + ".");
        return;
    }
    if (sound.pcm.empty())
        return;
    switch (player_->Play(this, sound.pcm)) {
    case PlayResult::Playing:
        button_ = button;
        break;
    case PlayResult::NoDevice:
        Tell(kNoSoundDevice);
        break;
    case PlayResult::Failed:
        Tell(kSoundFailed);
        break;
    }
}

void PlayControl::Stop() {
    if (player_ != nullptr)
        player_->Stop(this);
    button_ = -1;
}

void PlayControl::Tell(const std::string& text) {
    messages_.Show(MessageSpec{text, title_, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
}

} // namespace rc::sound
