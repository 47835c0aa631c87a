#include "data/ChannelData.h"

#include "data/ImageMap.h"
#include "data/ProblemList.h"
#include "data/RecordKind.h"
#include "lang/TextLookup.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tav {

namespace {

using R = ChannelRecord;
using T = ToneWordBits;

/// Standard tone index of the first channel's default tone (131.8 Hz); channel n gets index 20 + n.
constexpr std::size_t kFirstDefaultToneIndex = 20;
/// Offset of the first channel's default frequency above the range's lower edge, and the distance
/// between the defaults of neighbouring channels, in 10 Hz units (0.325 MHz and 0.5 MHz).
constexpr std::uint64_t kDefaultFreqOffset = 32500;
constexpr std::uint64_t kDefaultFreqSpacing = 50000;

int ToneTypeOf(std::uint16_t word) {
    return (word & T::kTypeMask) >> T::kTypeShift;
}

/// The list value of a text, or nothing when the text names no item (the field is then kept).
std::optional<int> ListValue(const TextLookup& texts, int listId, const std::string& text) {
    const int value = texts.ListTextToValue(listId, text);
    return value < 0 ? std::nullopt : std::optional<int>(value);
}

std::string PlaceText(const TextLookup& texts, int recordText, std::size_t number, int pageText) {
    return texts.GetControlText(recordText) + " - " + std::to_string(number) + ": " +
           texts.GetControlText(pageText);
}

} // namespace

ChannelData::ChannelData(ObjectId id) : FeatureRecord(R::kSize, id) {}

std::uint32_t ChannelData::DefaultFreq(std::uint32_t lowMHz, std::size_t position) {
    return ChannelCodec::ToBcd(std::uint64_t{lowMHz} * 100000u + kDefaultFreqOffset +
                               std::uint64_t{std::min<std::size_t>(position, 0xFFFF)} * kDefaultFreqSpacing);
}

std::uint16_t ChannelData::DefaultTone(std::size_t position) {
    const std::uint16_t value =
        ChannelCodec::StandardTone(kFirstDefaultToneIndex + std::min<std::size_t>(position, 64));
    return static_cast<std::uint16_t>((static_cast<int>(ToneType::Ctcss) << T::kTypeShift) | T::kReserved |
                                      value);
}

void ChannelData::SetDefaults(std::size_t position, const DataContext& context) {
    auto b = Bytes();
    std::fill(b.begin(), b.end(), 0xFF);
    const std::uint32_t freq = DefaultFreq(context.rangeLowMHz, position);
    const std::uint8_t step = ChannelCodec::StepOf(freq);
    WriteBe32(b, R::kRxFreq, freq);
    WriteBe32(b, R::kTxFreq, freq);
    WriteBe16(b, R::kRxTone, DefaultTone(position));
    WriteBe16(b, R::kTxTone, DefaultTone(position));
    b[R::kSteps] = static_cast<std::uint8_t>((step & 0x0F) | (step << 4));
    b[R::kSpacingPower] = R::kNewSpacingPower;
    b[R::kPersonality] = R::kNewPersonality;
    b[R::kScanList] = R::kNewScanList;
    b[R::kFlags] = position == R::kAutoStartScanPosition ? R::kNewFlagsLastChannel : R::kNewFlags;
    b[R::kFlags2] = R::kNewFlags2;
    b[R::kReserved22] = R::kNewReserved;
    b[R::kReserved23] = R::kNewReserved;
    personalityId_ = kNoObject;
    scanListId_ = kNoObject;
}

std::uint32_t ChannelData::RxFreq() const {
    return ReadBe32(Bytes(), R::kRxFreq);
}
std::uint32_t ChannelData::TxFreq() const {
    return ReadBe32(Bytes(), R::kTxFreq);
}
std::uint16_t ChannelData::RxTone() const {
    return ReadBe16(Bytes(), R::kRxTone);
}
std::uint16_t ChannelData::TxTone() const {
    return ReadBe16(Bytes(), R::kTxTone);
}
std::uint8_t ChannelData::RxStep() const {
    return Byte(R::kSteps) & 0x0F;
}
std::uint8_t ChannelData::TxStep() const {
    return Byte(R::kSteps) >> 4;
}
std::uint8_t ChannelData::Spacing() const {
    return Byte(R::kSpacingPower) & 0x0F;
}
std::uint8_t ChannelData::Power() const {
    return Byte(R::kSpacingPower) >> 4;
}
std::uint8_t ChannelData::PersonalityPosition() const {
    return Byte(R::kPersonality);
}
std::uint8_t ChannelData::ScanListNumber() const {
    return Byte(R::kScanList);
}
bool ChannelData::AutoStartScan() const {
    return (Byte(R::kFlags) & R::kAutoStartScanBit) != 0;
}
bool ChannelData::Atis() const {
    return (Byte(R::kFlags) & R::kAtisBit) != 0;
}

void ChannelData::SetAutoStartScan(bool on) {
    const std::uint8_t flags = Byte(R::kFlags);
    SetByte(R::kFlags, on ? (flags | R::kAutoStartScanBit) : (flags & ~R::kAutoStartScanBit));
}

void ChannelData::SetRxFreq(std::uint32_t bcd) {
    WriteBe32(Bytes(), R::kRxFreq, bcd);
}
void ChannelData::SetTxFreq(std::uint32_t bcd) {
    WriteBe32(Bytes(), R::kTxFreq, bcd);
}

ToneFieldState ChannelData::ToneFields(int toneType) {
    switch (toneType) {
    case static_cast<int>(ToneType::Ctcss):
        return {true, false};
    case static_cast<int>(ToneType::Cdcss):
    case static_cast<int>(ToneType::CdcssAlt):
        return {false, true};
    default:
        return {false, false};
    }
}

void ChannelData::LoadUi(ChannelUi& ui, const TextLookup& texts) const {
    ui.rxFreq = RxFreq();
    ui.txFreq = TxFreq();
    ui.rxStep = RxStep();
    ui.txStep = TxStep();
    ui.spacing = texts.ListValueToText(kSpacingList, Spacing());
    ui.power = texts.ListValueToText(kPowerList, Power());

    const auto fillTone = [&](std::uint16_t word, int typeList, std::string& type, std::string& ctcss,
                              std::string& cdcss) {
        const int toneType = ToneTypeOf(word);
        const std::uint16_t value = word & T::kValueMask;
        type = texts.ListValueToText(typeList, toneType);
        const ToneFieldState fields = ToneFields(toneType);
        ctcss = fields.ctcss ? ChannelCodec::ToneText(value) : ChannelCodec::kDefaultToneText;
        cdcss = fields.cdcss ? ChannelCodec::CodeText(value) : ChannelCodec::kDefaultCodeText;
    };
    fillTone(RxTone(), kRxTypeList, ui.rxType, ui.rxCtcss, ui.rxCdcss);
    fillTone(TxTone(), kTxTypeList, ui.txType, ui.txCtcss, ui.txCdcss);
}

std::uint16_t ChannelData::StoreTone(std::uint16_t word, int type, const std::string& ctcss,
                                     const std::string& cdcss) const {
    word = static_cast<std::uint16_t>((word & ~T::kTypeMask) | ((type << T::kTypeShift) & T::kTypeMask));
    const ToneFieldState fields = ToneFields(type);
    if (!fields.ctcss && !fields.cdcss) {
        return word; // no tone: the value bits carry no meaning and stay as they are
    }
    const ChannelCodec::Parsed parsed =
        fields.ctcss ? ChannelCodec::ParseTone(ctcss) : ChannelCodec::ParseCode(cdcss);
    word = static_cast<std::uint16_t>(word & ~(T::kValueMask | T::kNonStandard));
    word = static_cast<std::uint16_t>(word | (parsed.value & T::kValueMask));
    if (parsed.nonStandard) {
        word |= T::kNonStandard;
    }
    return word;
}

void ChannelData::StoreUi(const ChannelUi& ui, const TextLookup& texts, const DataContext& context) {
    auto b = Bytes();

    std::uint8_t spacing = Spacing();
    std::uint8_t power = Power();
    if (const auto v = ListValue(texts, kSpacingList, ui.spacing)) {
        spacing = static_cast<std::uint8_t>(*v & 0x0F);
    }
    if (const auto v = ListValue(texts, kPowerList, ui.power)) {
        power = static_cast<std::uint8_t>(*v & 0x0F);
    }
    b[R::kSpacingPower] = static_cast<std::uint8_t>(spacing | (power << 4));

    int rxType = ToneTypeOf(RxTone());
    int txType = ToneTypeOf(TxTone());
    if (const auto v = ListValue(texts, kRxTypeList, ui.rxType)) {
        rxType = *v & 0x03;
    }
    if (const auto v = ListValue(texts, kTxTypeList, ui.txType)) {
        txType = *v & 0x03;
    }

    const std::uint32_t low = ChannelCodec::MHzToBcd(context.rangeLowMHz);
    const std::uint32_t high = std::max(low, ChannelCodec::MHzToBcd(context.rangeHighMHz));
    std::uint32_t rx = ui.rxFreq;
    std::uint32_t tx = ui.txFreq;
    if (rx == ChannelCodec::kNoFreq) {
        tx = ChannelCodec::kNoFreq;
    } else if (tx != ChannelCodec::kNoFreq) {
        rx = std::clamp(rx, low, high);
        tx = std::clamp(tx, low, high);
    }
    SetRxFreq(rx);
    SetTxFreq(tx);

    WriteBe16(b, R::kRxTone, StoreTone(RxTone(), rxType, ui.rxCtcss, ui.rxCdcss));
    WriteBe16(b, R::kTxTone, StoreTone(TxTone(), txType, ui.txCtcss, ui.txCdcss));

    b[R::kSteps] = static_cast<std::uint8_t>((ui.rxStep & 0x0F) | ((ui.txStep & 0x0F) << 4));
}

void ChannelData::LoadMisc(ChannelUi& ui, const RecordDirectory& directory) const {
    ui.autoStartScan = AutoStartScan() ? 1 : 0;
    ui.atis = Atis() ? 1 : 0;
    const auto personality = directory.PositionOf(RecordKind::Personality, personalityId_);
    ui.personalityPosition = personality ? static_cast<std::uint32_t>(*personality) : ChannelUi::kNoSelection;
    if (scanListId_ == kNoObject) {
        ui.scanListPosition = 0;
    } else {
        const auto scanList = directory.PositionOf(RecordKind::ScanList, scanListId_);
        ui.scanListPosition = scanList ? static_cast<std::uint32_t>(*scanList + 1) : ChannelUi::kNoSelection;
    }
}

void ChannelData::StoreMisc(const ChannelUi& ui, const RecordDirectory& directory) {
    if (ui.personalityPosition != ChannelUi::kNoSelection && ui.personalityPosition <= 0xFF) {
        SetByte(R::kPersonality, static_cast<std::uint8_t>(ui.personalityPosition));
        personalityId_ = directory.IdAt(RecordKind::Personality, ui.personalityPosition);
    }
    // Position 0xFF would end the channel table, so no drop-down position reaches it.
    if (ui.scanListPosition != ChannelUi::kNoSelection && ui.scanListPosition < R::kEndOfTable) {
        SetByte(R::kScanList, static_cast<std::uint8_t>(ui.scanListPosition));
        scanListId_ = ui.scanListPosition == 0
                          ? kNoObject
                          : directory.IdAt(RecordKind::ScanList, ui.scanListPosition - 1);
    }
    std::uint8_t flags = Byte(R::kFlags) & ~(R::kAutoStartScanBit | R::kAtisBit);
    if (ui.autoStartScan) {
        flags |= R::kAutoStartScanBit;
    }
    if (ui.atis) {
        flags |= R::kAtisBit;
    }
    SetByte(R::kFlags, flags);
}

void ChannelData::CopyReceiveToTransmit() {
    auto b = Bytes();
    SetTxFreq(RxFreq());
    WriteBe16(b, R::kTxTone, RxTone());
    b[R::kSteps] = static_cast<std::uint8_t>((b[R::kSteps] & 0x0F) | (b[R::kSteps] << 4));
}

void ChannelData::ResolveReferences(const RecordDirectory& directory) {
    personalityId_ = directory.IdAt(RecordKind::Personality, PersonalityPosition());
    const std::uint8_t scanList = ScanListNumber();
    scanListId_ =
        scanList == R::kNoScanList ? kNoObject : directory.IdAt(RecordKind::ScanList, scanList - 1u);
}

void ChannelData::CheckReferences(ReferenceCheck& check) const {
    const auto position = check.directory.PositionOf(RecordKind::Channel, Id());
    const std::size_t number = position ? *position + 1 : 0;
    const bool personalityFound =
        personalityId_ != kNoObject &&
        check.directory.PositionOf(RecordKind::Personality, personalityId_).has_value();
    if (!personalityFound) {
        check.problems.Add(kPersonalityControl, check.texts.GetControlText(kPersonalityLabel),
                           PlaceText(check.texts, kChannelText, number, kMiscPageText),
                           ProblemList::MakeKey(Id(), kPersonalityControl));
    }
    if (scanListId_ != kNoObject && !check.directory.PositionOf(RecordKind::ScanList, scanListId_)) {
        check.problems.Add(kScanListControl, check.texts.GetControlText(kScanListLabel),
                           PlaceText(check.texts, kChannelText, number, kMiscPageText),
                           ProblemList::MakeKey(Id(), kScanListControl));
    }
}

void ChannelData::WithdrawProblems(ProblemList& problems) const {
    WithdrawProblem(problems, kPersonalityControl);
    WithdrawProblem(problems, kScanListControl);
}

void ChannelData::WithdrawProblem(ProblemList& problems, int controlId) const {
    problems.Withdraw(ProblemList::MakeKey(Id(), controlId));
}

void ChannelData::RenumberReferences(const RecordDirectory& directory) {
    const auto personality = directory.PositionOf(RecordKind::Personality, personalityId_);
    if (personality && *personality <= 0xFF) {
        SetByte(R::kPersonality, static_cast<std::uint8_t>(*personality));
    } else if (personalityId_ != kNoObject) {
        SetByte(R::kPersonality, 0xFF); // past the end of any personality list
    }
    if (scanListId_ != kNoObject) {
        const auto scanList = directory.PositionOf(RecordKind::ScanList, scanListId_);
        SetByte(R::kScanList, scanList && *scanList + 1 < R::kEndOfTable
                                  ? static_cast<std::uint8_t>(*scanList + 1)
                                  : R::kNoScanList);
    }
}

void LoadChannels(const Image& image, RecordList<ChannelData>& channels, ObjectIdCounter& ids) {
    channels.Clear();
    for (std::size_t k = 0; k < ImageMap::kChannelCapacity; ++k) {
        auto channel = std::make_unique<ChannelData>(ids.Next());
        CopyFromImage(image, ImageMap::kChannels + ImageMap::kChannelSize * k, channel->Bytes());
        channels.Append(std::move(channel));
        const std::size_t next = ImageMap::kChannels + ImageMap::kChannelSize * (k + 1);
        if (k + 1 < ImageMap::kChannelCapacity && image[next + R::kScanList] == R::kEndOfTable) {
            break;
        }
    }
}

void StoreChannels(const RecordList<ChannelData>& channels, Image& image) {
    std::array<std::uint8_t, R::kSize> bytes{};
    for (std::size_t k = 0; k < channels.Count() && k < ImageMap::kChannelCapacity; ++k) {
        const auto source = channels.At(k).Bytes();
        std::copy(source.begin(), source.end(), bytes.begin());
        // A channel after the first must not carry the end-of-table marker, or every channel from
        // it on would be lost at the next load; it is written as "no scan list".
        if (k > 0 && bytes[R::kScanList] == R::kEndOfTable) {
            bytes[R::kScanList] = R::kNoScanList;
        }
        CopyToImage(image, ImageMap::kChannels + ImageMap::kChannelSize * k, bytes);
    }
}

std::unique_ptr<ChannelData> MakeDefaultChannel(ObjectIdCounter& ids, std::size_t position,
                                                const DataContext& context) {
    auto channel = std::make_unique<ChannelData>(ids.Next());
    channel->SetDefaults(position, context);
    return channel;
}

} // namespace tav
