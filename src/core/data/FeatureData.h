#pragma once

#include "core/data/DataContext.h"
#include "core/data/Image.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tav {

/// One single-block feature of the radio (keys, DOS, ATIS, radio information, ...): a fixed-size
/// block of bytes owned by the data container, copied to and from the data image.
class FeatureData {
public:
    virtual ~FeatureData() = default;
    FeatureData(const FeatureData&) = default;
    FeatureData& operator=(const FeatureData&) = default;

    std::span<std::uint8_t> Bytes() { return bytes_; }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

    /// Puts the feature's defaults into the bytes (some depend on the current frequency range).
    virtual void SetDefaults(const DataContext& context) = 0;
    /// Takes the feature's bytes from the image.
    virtual void LoadFromImage(const Image& image) = 0;
    /// Writes the feature's bytes into the image.
    virtual void StoreToImage(Image& image) const = 0;

protected:
    /// A new block, every byte 0xFF until the defaults or a load fill it.
    explicit FeatureData(std::size_t size) : bytes_(size, 0xFF) {}

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace tav
