#pragma once

#include "sound/sound_player.h"

#include <QObject>

class QAudioSink;
class QBuffer;

namespace rc::sound {

// Plays through the default audio output. The sink pulls the samples from a buffer on its own, so
// Play returns at once; when the samples run out the sink is let go.
class QtSoundPlayer : public QObject, public ISoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    PlayResult Play(const void* owner, const Pcm& sound) override;
    void Stop(const void* owner) override;
    bool Playing(const void* owner) const override;

private:
    void Release();

    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
    const void* owner_ = nullptr;
};

} // namespace rc::sound
