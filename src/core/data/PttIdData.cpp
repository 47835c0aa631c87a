#include "core/data/PttIdData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/data/PersonalityData.h"
#include "core/data/RecordList.h"

#include <algorithm>
#include <cstdio>

namespace tav {

static_assert(PttIdData::kSize == ImageMap::kPttIdSize);
static_assert(PttIdData::kSize == PersonalityLayout::kPttIdFieldsSize);
// Type, flags, pretime and preamble follow the ID in the same order in both records.
static_assert(PersonalityLayout::kPttIdType - PersonalityLayout::kPrimaryId == PttIdData::kTypeOffset);
static_assert(PersonalityLayout::kPreambleBitSync - PersonalityLayout::kPrimaryId ==
              PttIdData::kPreambleOffset);

namespace {

constexpr std::uint16_t kHighestPrimaryId = 0xDEEE;

/// Reads hexadecimal digits from the start of `text` (after leading blanks) as "%x" would; stops
/// at the first other character and saturates at 0xFFFFFFFF. `found` tells whether any digit was read.
std::uint32_t ReadHex(std::string_view text, bool& found) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::uint64_t value = 0;
    found = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        found = true;
        value = std::min<std::uint64_t>(value * 16 + static_cast<unsigned>(digit), 0xFFFFFFFFu);
    }
    return static_cast<std::uint32_t>(value);
}

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

} // namespace

PttIdData::PttIdData() : FeatureData(kSize) {}

void PttIdData::Attach(RecordList<PersonalityData>& personalities) {
    personalities_ = &personalities;
}

PttIdData::Fields PttIdData::Current() const {
    Fields fields{};
    const PersonalityData* first = personalities_ != nullptr ? personalities_->Find(0) : nullptr;
    if (first == nullptr) {
        std::copy(Bytes().begin(), Bytes().end(), fields.begin());
        return fields;
    }
    // The personality holds its ID least significant byte first; the block big-endian.
    WriteBe16(fields, kPrimaryIdOffset, first->PrimaryId());
    const auto rest = first->Bytes().subspan(PersonalityLayout::kPttIdType, kSize - kTypeOffset);
    std::copy(rest.begin(), rest.end(), fields.begin() + kTypeOffset);
    return fields;
}

void PttIdData::Set(const Fields& fields) {
    std::copy(fields.begin(), fields.end(), Bytes().begin());
    PersonalityData* first = personalities_ != nullptr ? personalities_->Find(0) : nullptr;
    if (first == nullptr) {
        return;
    }
    first->SetPrimaryId(ReadBe16(fields, kPrimaryIdOffset));
    std::copy(fields.begin() + kTypeOffset, fields.end(),
              first->Bytes().begin() + static_cast<std::ptrdiff_t>(PersonalityLayout::kPttIdType));
}

void PttIdData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    WriteBe16(bytes, kPrimaryIdOffset, kDefaultPrimaryId);
    bytes[kTypeOffset] = kDefaultType;
    std::uint8_t flags = SetBit(bytes[kFlagsOffset], kSideToneOffBit, true);
    bytes[kFlagsOffset] = SetBit(flags, kShortBeepOffBit, false);
    bytes[kPretimeOffset] = kDefaultPretime;
    bytes[kPreambleOffset] = kDefaultPreamble;
}

void PttIdData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kPttId, Bytes());
}

void PttIdData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kPttId, Current());
}

std::uint16_t PttIdData::PrimaryId() const {
    return ReadBe16(Current(), kPrimaryIdOffset);
}

void PttIdData::SetPrimaryId(std::uint16_t id) {
    Fields fields = Current();
    WriteBe16(fields, kPrimaryIdOffset, id);
    Set(fields);
}

bool PttIdData::SideToneOff() const {
    return GetBit(Current()[kFlagsOffset], kSideToneOffBit);
}

bool PttIdData::ShortBeepOff() const {
    return GetBit(Current()[kFlagsOffset], kShortBeepOffBit);
}

const BlockFieldTable<PttIdUi>& PttIdData::EditorFields() {
    using C = BlockCodec;
    using U = PttIdUi;
    static const BlockFieldTable<U> table = {
        BlockRow<U>("primary_id", kPrimaryIdLabel, "PRIMARY ID", C::HexId, kPrimaryIdEditId,
                    Member(&U::primaryId))
            .At({kPrimaryIdOffset, 2}),
        BlockRow<U>("type", kTypeLabel, "PTTID TYPE", C::ListItem, kTypeListId, Member(&U::type))
            .At({kTypeOffset})
            .List(kTypeListId),
        BlockRow<U>("side_tone", kSideToneCheckId, "SIDE TONE", C::CheckOff, kSideToneCheckId,
                    Member(&U::sideTone))
            .At({kFlagsOffset, 1, SetBit(0, kSideToneOffBit, true)}),
        BlockRow<U>("short_beep", kShortBeepCheckId, "SHORT BEEP", C::CheckOff, kShortBeepCheckId,
                    Member(&U::shortBeep))
            .At({kFlagsOffset, 1, SetBit(0, kShortBeepOffBit, true)}),
        BlockRow<U>("pretime", kPretimeLabel, "PRETIME", C::ListItem, kPretimeListId, Member(&U::pretime))
            .At({kPretimeOffset})
            .List(kPretimeListId),
        BlockRow<U>("preamble", kPreambleLabel, "Preamble Bit Sync", C::ListItem, kPreambleListId,
                    Member(&U::preamble))
            .At({kPreambleOffset})
            .List(kPreambleListId),
    };
    return table;
}

void PttIdData::LoadUi(PttIdUi& ui, const TextLookup& texts) const {
    LoadBlockFields(EditorFields(), Current(), ui, texts);
}

void PttIdData::StoreUi(const PttIdUi& ui, const TextLookup& texts) {
    // The first personality's fields, so that what the editor does not show stays as it is there.
    Fields bytes = Current();
    StoreBlockFields(EditorFields(), ui, bytes, texts);
    Set(bytes);
}

std::uint16_t ClampPttIdDigits(std::uint16_t id) {
    unsigned result = 0;
    for (int digit = 3; digit >= 0; --digit) {
        unsigned nibble = (id >> (4 * digit)) & 0xF;
        if (digit == 3 && nibble >= 0xE) {
            nibble = 0xD;
        } else if (nibble == 0xF) {
            nibble = 0xE;
        }
        result |= nibble << (4 * digit);
    }
    return static_cast<std::uint16_t>(result);
}

std::string PrimaryIdDisplayText(std::uint16_t id) {
    const std::uint16_t shown = ClampPttIdDigits(std::min(id, kHighestPrimaryId));
    return Hex(shown == 0 ? 1 : shown, 4);
}

std::uint16_t PrimaryIdFromText(std::string_view text) {
    bool found = false;
    const std::uint32_t read = ReadHex(text, found);
    if (!found) {
        return 1;
    }
    const std::uint16_t id =
        ClampPttIdDigits(static_cast<std::uint16_t>(std::min<std::uint32_t>(read, 0xFFFF)));
    return id == 0 ? 1 : id;
}

std::string NormalizePrimaryIdText(std::string_view text) {
    return Hex(PrimaryIdFromText(text), 4);
}

std::string NormalizeGroupIdText(std::string_view text) {
    bool found = false;
    const std::uint32_t read = ReadHex(text, found);
    if (text.empty() || !found) {
        return Hex(1, 3);
    }
    unsigned id = read & 0x0FFF;
    for (int digit = 0; digit < 3; ++digit) {
        if (((id >> (4 * digit)) & 0xF) == 0xF) {
            id = (id & ~(0xFu << (4 * digit))) | (0xEu << (4 * digit));
        }
    }
    return Hex(id, 3);
}

} // namespace tav
