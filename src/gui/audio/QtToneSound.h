#pragma once

#include "gui/audio/ToneSound.h"
#include "gui/audio/ToneStream.h"

#include <QAudioSink>
#include <QObject>
#include <QPointer>

namespace tav::gui {

/// Plays tones on the default sound device through Qt Multimedia. The device pulls the samples
/// from a ToneStream as it needs them, on the window's thread, so nothing blocks and nothing needs
/// a lock; Stop drops what the device still holds, so the sound ends at once.
class QtToneSound : public QObject, public ToneSound {
    Q_OBJECT
public:
    explicit QtToneSound(QObject* parent = nullptr);
    ~QtToneSound() override;

    Start Play(std::vector<ToneStep> steps, std::function<void()> finished) override;
    void Stop() override;
    bool IsPlaying() const override { return sink_ != nullptr; }

private:
    void OnStateChanged(QAudio::State state);
    void Release();

    QPointer<QAudioSink> sink_;
    QPointer<ToneStream> stream_;
    std::function<void()> finished_;
};

} // namespace tav::gui
