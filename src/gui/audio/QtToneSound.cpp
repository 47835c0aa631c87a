#include "gui/audio/QtToneSound.h"

#include "gui/audio/ToneStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace tav::gui {

QtToneSound::QtToneSound(QObject* parent) : QObject(parent) {}

QtToneSound::~QtToneSound() {
    Stop();
}

ToneSound::Start QtToneSound::Play(std::vector<ToneStep> steps, std::function<void()> finished) {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(ToneSampler::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return Start::NoDevice;
    }
    sink_ = new QAudioSink(device, format, this);
    stream_ = new ToneStream(std::move(steps), sink_);
    stream_->open(QIODevice::ReadOnly);
    connect(sink_, &QAudioSink::stateChanged, this, &QtToneSound::OnStateChanged);
    sink_->start(stream_);
    if (sink_->error() == QAudio::OpenError || sink_->state() == QAudio::StoppedState) {
        Release();
        return Start::NoDevice;
    }
    finished_ = std::move(finished);
    return Start::Playing;
}

void QtToneSound::Stop() {
    finished_ = nullptr;
    if (sink_) {
        sink_->reset(); // drops what the device still holds: the sound ends now
        sink_->stop();
    }
    Release();
}

void QtToneSound::OnStateChanged(QAudio::State state) {
    // The device runs dry once the stream has ended and everything was heard; a device that goes
    // away while playing ends the play too, so the window does not wait for it forever.
    const bool heard = state == QAudio::IdleState && stream_ && stream_->Finished();
    const bool lost = state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError;
    if (!heard && !lost) {
        return;
    }
    const std::function<void()> finished = std::exchange(finished_, nullptr);
    sink_->stop();
    Release();
    if (finished) {
        finished();
    }
}

void QtToneSound::Release() {
    if (sink_) {
        disconnect(sink_, nullptr, this, nullptr);
        // Not deleted at once: this may run inside one of the sink's own signals.
        sink_->deleteLater();
    }
    sink_ = nullptr;
    stream_ = nullptr;
}

} // namespace tav::gui
