#include "core/data/KeysData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"

#include <algorithm>

namespace tav {

static_assert(KeysData::kSize == ImageMap::kKeysSize);
static_assert(KeysData::KeyListId(KeysData::kKeyCount - 1) == 6646);

KeysData::KeysData() : FeatureData(kSize) {}

void KeysData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    std::fill_n(bytes.begin(), kKeyCount, 0);
    bytes[KeyIndex(0, 3)] = kDefaultA3;
    bytes[KeyIndex(1, 3)] = kDefaultB3;
    bytes[kDefaultNumericKeyOffset] = kDefaultNumericKey;
}

void KeysData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kKeys, Bytes());
}

void KeysData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kKeys, Bytes());
}

void KeysData::LoadUi(KeysUi& ui, const TextLookup& texts) const {
    for (std::size_t key = 0; key < kKeyCount; ++key) {
        ui.keys[key] = ListText(texts, kFunctionListId, Function(key));
    }
    ui.defaultNumericKey = ListText(texts, kDefaultNumericKeyListId, DefaultNumericKey());
}

void KeysData::StoreUi(const KeysUi& ui, const TextLookup& texts) {
    for (std::size_t key : kEditedKeys) {
        SetFunction(
            key, static_cast<std::uint8_t>(ListValueOr(texts, kFunctionListId, ui.keys[key], Function(key))));
    }
}

} // namespace tav
