#include "sound/qt/qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace rc::sound {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() {
    Release();
}

PlayResult QtSoundPlayer::Play(const void* owner, const Pcm& sound) {
    Release();
    // A machine without a sound card has no default output; asking costs nothing and waits for nothing.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return PlayResult::NoDevice;
    QAudioFormat format;
    format.setSampleRate(sound.rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);

    buffer_ = new QBuffer(this);
    buffer_->setData(reinterpret_cast<const char*>(sound.samples.data()),
                     static_cast<qsizetype>(sound.samples.size() * sizeof(sound.samples[0])));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: every sample has been handed over. Stopped on its own: the device gave up.
        if (state == QAudio::IdleState ||
            (state == QAudio::StoppedState && sink_->error() != QAudio::NoError))
            Release();
    });
    sink_->start(buffer_);
    if (sink_ == nullptr || sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        Release();
        return PlayResult::Failed;
    }
    owner_ = owner;
    return PlayResult::Playing;
}

void QtSoundPlayer::Stop(const void* owner) {
    if (owner_ == owner)
        Release();
}

bool QtSoundPlayer::Playing(const void* owner) const {
    return sink_ != nullptr && owner_ == owner;
}

void QtSoundPlayer::Release() {
    owner_ = nullptr;
    if (sink_ != nullptr) {
        QAudioSink* sink = sink_;
        sink_ = nullptr;
        // Stopping emits stateChanged again; the sink may be inside its own signal, so it goes later.
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (buffer_ != nullptr) {
        buffer_->deleteLater();
        buffer_ = nullptr;
    }
}

} // namespace rc::sound
