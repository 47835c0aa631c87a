#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

class TextLookup;

/// The 12 digits of an ATIS code, packed two per byte, high nibble first.
using AtisCode = PackedDigits;

/// What the ATIS editor shows: the packed code (its digit-string edit) and the pretime text.
struct AtisUi {
    AtisCode code{};
    std::string pretime; ///< text of list 4592
};

/// The ATIS block: the identification code the radio sends and the pretime before it. The bytes
/// are held in image order.
class AtisData : public FeatureData {
public:
    static constexpr std::size_t kSize = 7;
    static constexpr std::size_t kCodeOffset = 0; ///< 6 bytes
    static constexpr std::size_t kCodeSize = 6;
    static constexpr std::size_t kPretimeOffset = 6;
    static constexpr std::size_t kCodeDigits = 12;

    static constexpr int kTemplateId = 4590;
    static constexpr int kCodeLabel = 4594;
    static constexpr int kPretimeLabel = 4591;
    static constexpr int kCodeEditId = 4595;
    static constexpr int kPretimeListId = 4592;

    static constexpr std::uint8_t kDefaultCodeByte = 0x99;
    static constexpr std::uint8_t kDefaultPretime = 3;

    AtisData();

    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The fields the ATIS editor shows, the compare and the report name.
    static const BlockFieldTable<AtisUi>& EditorFields();

    void LoadUi(AtisUi& ui, const TextLookup& texts) const;
    void StoreUi(const AtisUi& ui, const TextLookup& texts);

    AtisCode Code() const;
    void SetCode(const AtisCode& code);
    std::uint8_t Pretime() const { return Bytes()[kPretimeOffset]; }
};

/// The code as its digit-string edit shows it: each byte as two upper-case hexadecimal digits.
std::string AtisCodeText(const AtisCode& code);

/// The code the digit-string edit takes back from its text: the digits left-padded with "0" to
/// 12 and packed two per byte (see DigitStringFromText).
AtisCode AtisCodeFromText(std::string_view text);

} // namespace tav
