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

const BlockFieldTable<DosUi>& DosData::EditorFields() {
    using C = BlockCodec;
    static const BlockFieldTable<DosUi> table = {
        BlockRow<DosUi>("enable", kEnableCheckId, "DOS ENABLE", C::Check, kEnableCheckId,
                        Member(&DosUi::enable))
            .At({kFlagsOffset, 1, SetBit(0, kEnableBit, true)}),
        BlockRow<DosUi>("pre_mute", kPreMuteLabel, "DOS Pre-Mute Duration[ms]", C::ListItem, kPreMuteListId,
                        Member(&DosUi::preMute))
            .At({kPreMuteOffset})
            .List(kPreMuteListId),
    };
    return table;
}

void DosData::LoadUi(DosUi& ui, const TextLookup& texts) const {
    LoadBlockFields(EditorFields(), Bytes(), ui, texts);
}

void DosData::StoreUi(const DosUi& ui, const TextLookup& texts) {
    StoreBlockFields(EditorFields(), ui, Bytes(), texts);
}

} // namespace tav
