#include "core/data/DosData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"

#include <algorithm>

namespace tav {

static_assert(DosData::kSize == ImageMap::kDosSize);

DosData::DosData() : FeatureData(kSize) {}

void DosData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    std::uint8_t flags = SetBit(bytes[kFlagsOffset], kEnableBit, false);
    bytes[kFlagsOffset] = SetBits(flags, kPostMuteMask, kDefaultPostMute);
    bytes[kPreMuteOffset] = kDefaultPreMute;
}

void DosData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kDos, Bytes());
}

void DosData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kDos, Bytes());
}

bool DosData::Enabled() const {
    return GetBit(Bytes()[kFlagsOffset], kEnableBit);
}

void DosData::LoadUi(DosUi& ui, const TextLookup& texts) const {
    ui.enable = Enabled() ? 1 : 0;
    ui.preMute = ListText(texts, kPreMuteListId, PreMute());
}

void DosData::StoreUi(const DosUi& ui, const TextLookup& texts) {
    auto bytes = Bytes();
    bytes[kFlagsOffset] = SetBit(bytes[kFlagsOffset], kEnableBit, ui.enable != 0);
    bytes[kPreMuteOffset] =
        static_cast<std::uint8_t>(ListValueOr(texts, kPreMuteListId, ui.preMute, PreMute()));
}

} // namespace tav
