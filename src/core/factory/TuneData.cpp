#include "core/factory/TuneData.h"

#include "core/data/ImageMap.h"
#include "core/factory/TuningPoints.h"

#include <algorithm>

namespace tav {

static_assert(TuneData::kSize == ImageMap::kTuneDataSize);

TuneData::TuneData() : FeatureData(kSize) {}

void TuneData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
}

void TuneData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kTuneData, Bytes());
}

void TuneData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kTuneData, Bytes());
}

std::optional<std::uint16_t> TuneData::Value(std::uint16_t pointCode) const {
    const auto offset = TuningPointOffset(pointCode);
    if (!offset) {
        return std::nullopt;
    }
    return ReadBe16(Bytes(), *offset);
}

bool TuneData::SetValue(std::uint16_t pointCode, std::uint16_t value) {
    const auto offset = TuningPointOffset(pointCode);
    if (!offset) {
        return false;
    }
    WriteBe16(Bytes(), *offset, value);
    return true;
}

} // namespace tav
