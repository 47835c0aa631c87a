#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

class PersonalityData;
class TextLookup;
template <class Record> class RecordList;

/// What the data-signalling PTT-ID editor shows.
struct PttIdUi {
    std::string primaryId; ///< edit 1661, four hexadecimal digits
    std::string type;      ///< text of list 1665
    int sideTone = 0;      ///< check box 1670 (checked = side tone on)
    int shortBeep = 0;     ///< check box 1671 (checked = short beep on)
    std::string pretime;   ///< text of list 1667
    std::string preamble;  ///< text of list 1669
};

/// The data-signalling PTT-ID block; the same layout as bytes 21-26 of a personality. The bytes
/// are held in image order (the primary ID big-endian).
///
/// The radio takes its PTT-ID from the first personality, and storing the image writes that
/// personality's fields over the block. Once attached to the personality list, the block is that
/// personality's fields: every reading below shows them, every setter writes them too. Its own
/// bytes stand in only while the list is empty.
class PttIdData : public FeatureData {
public:
    static constexpr std::size_t kSize = 6;
    static constexpr std::size_t kPrimaryIdOffset = 0; ///< 16 bits, big-endian
    static constexpr std::size_t kTypeOffset = 2;
    static constexpr std::size_t kFlagsOffset = 3;
    static constexpr int kSideToneOffBit = 0;
    static constexpr int kShortBeepOffBit = 1;
    static constexpr std::size_t kPretimeOffset = 4;
    static constexpr std::size_t kPreambleOffset = 5;

    static constexpr int kTemplateId = 1655;
    static constexpr int kPrimaryIdLabel = 1660;
    static constexpr int kTypeLabel = 1664;
    static constexpr int kPretimeLabel = 1666;
    static constexpr int kPreambleLabel = 1668;
    static constexpr int kPrimaryIdEditId = 1661;
    static constexpr int kGroupIdEditId = 1663;
    static constexpr int kTypeListId = 1665;
    static constexpr int kPretimeListId = 1667;
    static constexpr int kPreambleListId = 1669;
    static constexpr int kSideToneCheckId = 1670;
    static constexpr int kShortBeepCheckId = 1671;

    static constexpr std::uint16_t kDefaultPrimaryId = 0x0001;
    static constexpr std::uint8_t kDefaultType = 0;
    static constexpr std::uint8_t kDefaultPretime = 25;
    static constexpr std::uint8_t kDefaultPreamble = 5;

    using Fields = std::array<std::uint8_t, kSize>;

    PttIdData();

    /// Makes the block the first personality's PTT-ID fields (see the class); the list must
    /// outlive the block.
    void Attach(RecordList<PersonalityData>& personalities);

    /// The six bytes in image order: the first personality's fields when there is one.
    Fields Current() const;

    /// The block's own defaults; the personalities keep theirs.
    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The fields the PTT-ID editor shows, the compare and the report name, in their order.
    static const BlockFieldTable<PttIdUi>& EditorFields();

    void LoadUi(PttIdUi& ui, const TextLookup& texts) const;
    void StoreUi(const PttIdUi& ui, const TextLookup& texts);

    std::uint16_t PrimaryId() const;
    void SetPrimaryId(std::uint16_t id);
    bool SideToneOff() const;
    bool ShortBeepOff() const;

private:
    /// Writes `fields` into the own bytes and into the first personality.
    void Set(const Fields& fields);

    RecordList<PersonalityData>* personalities_ = nullptr;
};

/// The allowed digits of a primary or group ID: a first digit E or F becomes D, any other digit F
/// becomes E.
std::uint16_t ClampPttIdDigits(std::uint16_t id);

/// The primary ID as the editor shows a stored value: at most 0xDEEE, digits clamped, "%04X",
/// and "0001" for 0.
std::string PrimaryIdDisplayText(std::uint16_t id);

/// The primary ID after its edit lost the focus: the text read as hexadecimal (empty gives 1),
/// digits clamped, 0 made 1.
std::uint16_t PrimaryIdFromText(std::string_view text);
/// The same value as the edit then shows it ("%04X").
std::string NormalizePrimaryIdText(std::string_view text);

/// The group ID edit after it lost the focus (the value is not stored): empty gives "001";
/// otherwise the low 12 bits of the hexadecimal value with every digit F made E, "%03X".
std::string NormalizeGroupIdText(std::string_view text);

} // namespace tav
