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

namespace {

BlockField<KeysUi> KeyField(std::size_t key) {
    static constexpr std::array<const char*, KeysData::kKeyCount> kNames = {
        "A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3",
        "D1", "D2", "D3", "E1", "E2", "E3", "F1", "F2", "F3"};
    static constexpr std::array<const char*, KeysData::kKeyCount> kLabels = {
        "Key A1", "Key A2", "Key A3", "Key B1", "Key B2", "Key B3", "Key C1", "Key C2", "Key C3",
        "Key D1", "Key D2", "Key D3", "Key E1", "Key E2", "Key E3", "Key F1", "Key F2", "Key F3"};
    BlockField<KeysUi> field =
        BlockRow<KeysUi>(kNames[key], KeysData::KeyLabelId(key), kLabels[key], BlockCodec::ListItem,
                         KeysData::KeyListId(key), Element(&KeysUi::keys, key))
            .At({key})
            .List(KeysData::kFunctionListId);
    const auto& edited = KeysData::kEditedKeys;
    field.stored = std::find(edited.begin(), edited.end(), key) != edited.end();
    return field;
}

} // namespace

const BlockFieldTable<KeysUi>& KeysData::EditorFields() {
    static const BlockFieldTable<KeysUi> table = [] {
        BlockFieldTable<KeysUi> rows;
        for (std::size_t key = 0; key < kKeyCount; ++key) {
            rows.push_back(KeyField(key));
        }
        rows.push_back(BlockRow<KeysUi>("default_numeric_key", kDefaultNumericKeyLabel,
                                        "Default Numeric Key Selection", BlockCodec::ListItem,
                                        kDefaultNumericKeyListId, Member(&KeysUi::defaultNumericKey))
                           .At({kDefaultNumericKeyOffset})
                           .List(kDefaultNumericKeyListId)
                           .ShownOnly());
        return rows;
    }();
    return table;
}

void KeysData::LoadUi(KeysUi& ui, const TextLookup& texts) const {
    LoadBlockFields(EditorFields(), Bytes(), ui, texts);
}

void KeysData::StoreUi(const KeysUi& ui, const TextLookup& texts) {
    StoreBlockFields(EditorFields(), ui, Bytes(), texts);
}

} // namespace tav
