#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tav {

class TextLookup;

/// What the programmable-keys editor shows: the function text of every key A1 … F3 and the
/// default numeric key selection.
struct KeysUi {
    std::array<std::string, 18> keys; ///< A1, A2, A3, B1, … F3: texts of list 6605
    std::string defaultNumericKey;    ///< text of list 6649
};

/// The programmable-keys block: one function byte per key, key letter L (A-F = 0-5) and key
/// number N (1-3) at byte 3 × L + N − 1. Bytes 18-23 have no editor and are kept. The bytes are
/// held in image order.
class KeysData : public FeatureData {
public:
    static constexpr std::size_t kSize = 25;
    static constexpr std::size_t kKeyCount = 18;
    static constexpr std::size_t kKeysPerLetter = 3;
    static constexpr std::size_t kDefaultNumericKeyOffset = 24;

    static constexpr int kTemplateId = 6601;
    static constexpr int kFunctionListId = 6605;
    static constexpr int kDefaultNumericKeyListId = 6649;
    static constexpr int kDefaultNumericKeyLabel = 6648;
    static constexpr int kFirstKeyListId = 6612; ///< A1; the key lists follow in steps of 2 up to 6646 (F3)

    /// The keys the editor shows and stores (A2, A3, B2, B3).
    static constexpr std::array<std::size_t, 4> kEditedKeys = {1, 2, 4, 5};

    static constexpr std::size_t KeyIndex(std::size_t letter, std::size_t number) {
        return kKeysPerLetter * letter + (number - 1);
    }
    /// The control (and list) id of key k's own drop-down.
    static constexpr int KeyListId(std::size_t key) { return kFirstKeyListId + 2 * static_cast<int>(key); }
    /// The label of key k's drop-down: the number before the drop-down's.
    static constexpr int KeyLabelId(std::size_t key) { return KeyListId(key) - 1; }

    static constexpr std::uint8_t kDefaultA3 = 24;
    static constexpr std::uint8_t kDefaultB3 = 17;
    static constexpr std::uint8_t kDefaultNumericKey = 1;

    KeysData();

    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The fields the editor shows, the compare and the report name: keys A1 … F3, then the
    /// default numeric key. Only the edited keys are stored.
    static const BlockFieldTable<KeysUi>& EditorFields();

    void LoadUi(KeysUi& ui, const TextLookup& texts) const;
    /// Writes the four edited keys (A2, A3, B2, B3) as values of list 6605; nothing else.
    void StoreUi(const KeysUi& ui, const TextLookup& texts);

    std::uint8_t Function(std::size_t key) const { return Bytes()[key]; }
    void SetFunction(std::size_t key, std::uint8_t value) { Bytes()[key] = value; }
    std::uint8_t DefaultNumericKey() const { return Bytes()[kDefaultNumericKeyOffset]; }
};

} // namespace tav
