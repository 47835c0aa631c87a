#include "core/data/ChannelData.h"

#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "core/data/RecordKind.h"
#include "core/data/ToneTables.h"
#include "core/lang/TextLookup.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tav {

namespace {

using R = ChannelRecord;

/// Standard tone index of the first channel's default tone (131.8 Hz); channel n gets index 20 + n.
constexpr std::size_t kFirstDefaultToneIndex = 20;
/// Offset of the first channel's default frequency above the range's lower edge, and the distance
/// between the defaults of neighbouring channels, in 10 Hz units (0.325 MHz and 0.5 MHz).
constexpr std::uint64_t kDefaultFreqOffset = 32500;
constexpr std::uint64_t kDefaultFreqSpacing = 50000;

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

BcdFreq ChannelData::DefaultFreq(std::uint32_t lowMHz, std::size_t position) {
    const std::uint64_t count = std::uint64_t{lowMHz} * kCountsPerMHz + kDefaultFreqOffset +
                                std::uint64_t{std::min<std::size_t>(position, 0xFFFF)} * kDefaultFreqSpacing;
    return FreqToBcd(static_cast<std::uint32_t>(std::min<std::uint64_t>(count, kMaxFreqCount)));
}

ToneWord ChannelData::DefaultTone(std::size_t position) {
    const std::size_t index =
        std::min(kFirstDefaultToneIndex + std::min<std::size_t>(position, 64), CtcssToneTable.size() - 1);
    return MakeToneWord(ToneType::Ctcss, CtcssToneTable[index], false, true);
}

std::uint8_t ChannelData::StepOf(BcdFreq bcd) {
    if (bcd == kNoFreq) {
        return ChannelUi::kNoStep;
    }
    return static_cast<std::uint8_t>(ClassifyStep(BcdToFreq(bcd)).code);
}

BcdFreq ChannelData::MHzToBcd(std::uint32_t mhz) {
    return FreqToBcd(MHzToCount(mhz));
}

void ChannelData::SetDefaults(std::size_t position, const DataContext& context) {
    auto b = Bytes();
    std::fill(b.begin(), b.end(), 0xFF);
    const BcdFreq freq = DefaultFreq(context.rangeLowMHz, position);
    const std::uint8_t step = StepOf(freq);
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
    if (toneType < 0 || toneType > 3 || static_cast<ToneType>(toneType) == ToneType::None) {
        return {false, false};
    }
    return static_cast<ToneType>(toneType) == ToneType::Ctcss ? ToneFieldState{true, false}
                                                              : ToneFieldState{false, true};
}

void ChannelData::LoadUi(ChannelUi& ui, const TextLookup& texts, char separator) const {
    ui.rxFreq = RxFreq();
    ui.txFreq = TxFreq();
    ui.rxStep = RxStep();
    ui.txStep = TxStep();
    ui.spacing = texts.ListValueToText(kSpacingList, Spacing());
    ui.power = texts.ListValueToText(kPowerList, Power());

    ui.rxType = texts.ListValueToText(kRxTypeList, static_cast<int>(ToneTypeOf(RxTone())));
    ToneTexts rx = ToneWordTexts(RxTone(), separator);
    ui.rxCtcss = std::move(rx.ctcss);
    ui.rxCdcss = std::move(rx.cdcss);
    ui.txType = texts.ListValueToText(kTxTypeList, static_cast<int>(ToneTypeOf(TxTone())));
    ToneTexts tx = ToneWordTexts(TxTone(), separator);
    ui.txCtcss = std::move(tx.ctcss);
    ui.txCdcss = std::move(tx.cdcss);
}

void ChannelData::StoreUi(const ChannelUi& ui, const TextLookup& texts, const DataContext& context,
                          char separator) {
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

    ToneType rxType = ToneTypeOf(RxTone());
    ToneType txType = ToneTypeOf(TxTone());
    if (const auto v = ListValue(texts, kRxTypeList, ui.rxType)) {
        rxType = static_cast<ToneType>(*v & 0x03);
    }
    if (const auto v = ListValue(texts, kTxTypeList, ui.txType)) {
        txType = static_cast<ToneType>(*v & 0x03);
    }

    // Both frequencies are held to the model's range, compared as stored values; a receive
    // frequency without a transmit frequency is kept as it is, and no receive frequency means no
    // transmit frequency either.
    const BcdFreq low = MHzToBcd(context.rangeLowMHz);
    const BcdFreq high = std::max(low, MHzToBcd(context.rangeHighMHz));
    BcdFreq rx = ui.rxFreq;
    BcdFreq tx = ui.txFreq;
    if (rx == kNoFreq) {
        tx = kNoFreq;
    } else if (tx != kNoFreq) {
        rx = std::clamp(rx, low, high);
        tx = std::clamp(tx, low, high);
    }
    SetRxFreq(rx);
    SetTxFreq(tx);

    WriteBe16(b, R::kRxTone, ApplyToneTexts(RxTone(), rxType, ui.rxCtcss, ui.rxCdcss, separator));
    WriteBe16(b, R::kTxTone, ApplyToneTexts(TxTone(), txType, ui.txCtcss, ui.txCdcss, separator));

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
