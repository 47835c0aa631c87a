#include "gui/audio/ToneStream.h"

#include <array>
#include <cstring>

namespace tav::gui {
namespace {

/// Samples rendered per pass through the buffer below.
constexpr std::size_t kChunk = 1024;
/// What the stream offers as available while it has not ended (a tenth of a second).
constexpr qint64 kOffered = ToneSampler::kSampleRate / 10 * static_cast<qint64>(sizeof(std::int16_t));

} // namespace

ToneStream::ToneStream(std::vector<ToneStep> steps, QObject* parent)
    : QIODevice(parent), sampler_(std::move(steps)) {}

qint64 ToneStream::bytesAvailable() const {
    return (sampler_.AtEnd() ? 0 : kOffered) + QIODevice::bytesAvailable();
}

qint64 ToneStream::readData(char* data, qint64 maxSize) {
    std::array<std::int16_t, kChunk> buffer{};
    const std::size_t wanted = static_cast<std::size_t>(maxSize) / sizeof(std::int16_t);
    std::size_t done = 0;
    while (done < wanted) {
        const std::size_t n = sampler_.Render(std::span(buffer).first(std::min(kChunk, wanted - done)));
        if (n == 0) {
            break;
        }
        std::memcpy(data + done * sizeof(std::int16_t), buffer.data(), n * sizeof(std::int16_t));
        done += n;
    }
    return static_cast<qint64>(done * sizeof(std::int16_t));
}

qint64 ToneStream::writeData(const char*, qint64) {
    return -1;
}

} // namespace tav::gui
