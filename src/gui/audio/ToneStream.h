#pragma once

#include "core/audio/ToneSampler.h"

#include <QIODevice>

namespace tav::gui {

/// The samples of a tone, read by the sound device as it needs them (16-bit native-endian mono).
/// Reading returns nothing more once the last step was rendered.
class ToneStream : public QIODevice {
    Q_OBJECT
public:
    explicit ToneStream(std::vector<ToneStep> steps, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool Finished() const { return sampler_.AtEnd(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    ToneSampler sampler_;
};

} // namespace tav::gui
