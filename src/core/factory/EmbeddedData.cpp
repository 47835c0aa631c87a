#include "core/factory/EmbeddedData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"

#include <algorithm>

namespace tav {

static_assert(EmbeddedData::kSize == ImageMap::kEmbeddedSize);
static_assert(EmbeddedData::kRadioAddress == ImageMap::kEmbedded + ImageMap::kEmbeddedRadioOffset);
static_assert(EmbeddedData::kFirstTextOffset + EmbeddedData::kTextSize * EmbeddedData::kTextCount ==
              EmbeddedData::kSize);

EmbeddedData::EmbeddedData() : FeatureData(kSize) {}

void EmbeddedData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0);
}

void EmbeddedData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kEmbedded, Bytes());
}

void EmbeddedData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kEmbedded, Bytes());
}

void EmbeddedData::LoadUi(EmbeddedUi& ui) const {
    for (std::size_t i = 0; i < kTextCount; ++i) {
        ui.texts[i] = Text(i);
    }
}

void EmbeddedData::StoreUi(const EmbeddedUi& ui) {
    for (std::size_t i = 0; i < kTextCount; ++i) {
        SetText(i, ui.texts[i]);
    }
}

std::string EmbeddedData::Field(std::size_t offset, std::size_t size) const {
    const auto field = Bytes().subspan(offset, size);
    if (field[0] == 0xFF) {
        return {};
    }
    return TrimRight(ReadZeroEndedText(field));
}

void EmbeddedData::SetField(std::size_t offset, std::size_t size, std::string_view text) {
    WritePaddedText(Bytes().subspan(offset, size), text, ' ');
}

} // namespace tav
