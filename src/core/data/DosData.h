#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tav {

class TextLookup;

/// What the DOS editor shows.
struct DosUi {
    int enable = 0;      ///< check box 4666
    std::string preMute; ///< text of list 4670
};

/// The DOS (pre/post mute) block. Byte 0 bit 0 switches the function on; the rest of byte 0 has
/// no editor (bits 4-7 hold the post-mute duration whose list is hidden) and is kept.
class DosData : public FeatureData {
public:
    static constexpr std::size_t kSize = 2;
    static constexpr std::size_t kFlagsOffset = 0;
    static constexpr int kEnableBit = 0;
    static constexpr std::uint8_t kPostMuteMask = 0xF0;
    static constexpr std::size_t kPreMuteOffset = 1;

    static constexpr int kTemplateId = 4660;
    static constexpr int kEnableCheckId = 4666;
    static constexpr int kPreMuteLabel = 4669;
    static constexpr int kPostMuteListId = 4668;
    static constexpr int kPreMuteListId = 4670;

    static constexpr std::uint8_t kDefaultPostMute = 2;
    static constexpr std::uint8_t kDefaultPreMute = 15;

    DosData();

    /// Bits 1-3 of byte 0 have no default of their own; they stay 1 as in erased memory.
    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The fields the DOS editor shows, the compare and the report name.
    static const BlockFieldTable<DosUi>& EditorFields();

    void LoadUi(DosUi& ui, const TextLookup& texts) const;
    void StoreUi(const DosUi& ui, const TextLookup& texts);

    bool Enabled() const;
    std::uint8_t PreMute() const { return Bytes()[kPreMuteOffset]; }
};

/// The pre-mute list can be used only while DOS is switched on.
inline bool IsPreMuteEnabled(const DosUi& ui) {
    return ui.enable != 0;
}

} // namespace tav
