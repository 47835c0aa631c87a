#include "core/data/ChannelFields.h"

#include "core/compare/FieldTable.h"
#include "core/data/FreqEntryRules.h"
#include "core/lang/TextLookup.h"

namespace tav {

namespace {

using R = ChannelRecord;
using F = ChannelFieldId;
using C = ChannelCodec;

constexpr std::uint8_t kLowNibble = 0x0F;
constexpr std::uint8_t kHighNibble = 0xF0;
/// The first byte of a tone word in the image: type bits, non-standard flag, reserved bit and the
/// value's top four bits.
constexpr std::uint8_t kToneTypeBits = static_cast<std::uint8_t>(kToneTypeMask >> 8);
constexpr std::uint8_t kToneReservedBits = static_cast<std::uint8_t>(kToneReservedBit >> 8);
constexpr std::uint8_t kToneValueBits =
    static_cast<std::uint8_t>((kToneNonStandardBit | kToneValueMask) >> 8);
/// The reserved flags of byte 20: all but auto start scan and ATIS.
constexpr std::uint8_t kReservedFlags = static_cast<std::uint8_t>(~(R::kAutoStartScanBit | R::kAtisBit));
constexpr int kSwitchList = 3708;

std::vector<FieldBytes> ToneValue(std::size_t word) {
    return {{word, 1, kToneValueBits}, {word + 1, 1}};
}

/// A table row under construction: `Row(...).StoredIn({{17, 1, 0x0F}}).List(3661).Grid(9, 100)`.
class Row {
public:
    Row(F id, const char* key, int labelId, const char* fallback, C codec, ChannelSlot slot)
        : field_{id, key, labelId, fallback, {}, codec, slot} {}

    Row StoredIn(std::vector<FieldBytes> bytes) && {
        field_.bytes = std::move(bytes);
        return std::move(*this);
    }
    Row List(int listId) && {
        field_.listId = listId;
        return std::move(*this);
    }
    Row Grid(int column, int width) && {
        field_.gridColumn = column;
        field_.gridWidth = width;
        return std::move(*this);
    }
    /// A tone field: it counts while the type field says so.
    Row ToneOf(F type, std::optional<F> sameBytesAs = std::nullopt) && {
        field_.toneType = type;
        field_.sameBytesAs = sameBytesAs;
        return std::move(*this);
    }
    ChannelField Done() && { return std::move(field_); }

private:
    ChannelField field_;
};

std::vector<ChannelField> MakeTable() {
    using G = ChannelGridColumns;
    constexpr int kToneWidth = 50;
    std::vector<Row> rows;
    rows.push_back(Row(F::RxFreq, "rx_freq", 3665, "RX Frequency (MHz)", C::Frequency, &ChannelUi::rxFreq)
                       .StoredIn({{R::kRxFreq, 4}, {R::kSteps, 1, kLowNibble}})
                       .Grid(G::kRxFreq, 100));
    rows.push_back(Row(F::RxType, "rx_type", 3667, "RX Signal Type", C::ToneType, &ChannelUi::rxType)
                       .StoredIn({{R::kRxTone, 1, kToneTypeBits}})
                       .List(ChannelData::kRxTypeList)
                       .Grid(G::kRxType, 100));
    rows.push_back(Row(F::RxCtcss, "rx_ctcss", 3669, "RX CTCSS (Hz)", C::Ctcss, &ChannelUi::rxCtcss)
                       .StoredIn(ToneValue(R::kRxTone))
                       .ToneOf(F::RxType)
                       .Grid(G::kRxCtcss, kToneWidth));
    rows.push_back(Row(F::RxCdcss, "rx_cdcss", 3671, "RX CDCSS", C::Cdcss, &ChannelUi::rxCdcss)
                       .StoredIn(ToneValue(R::kRxTone))
                       .ToneOf(F::RxType, F::RxCtcss)
                       .Grid(G::kRxCdcss, kToneWidth));
    rows.push_back(Row(F::TxFreq, "tx_freq", 3674, "TX Frequency (MHz)", C::Frequency, &ChannelUi::txFreq)
                       .StoredIn({{R::kTxFreq, 4}, {R::kSteps, 1, kHighNibble}})
                       .Grid(G::kTxFreq, 100));
    rows.push_back(Row(F::TxType, "tx_type", 3676, "TX Signal Type", C::ToneType, &ChannelUi::txType)
                       .StoredIn({{R::kTxTone, 1, kToneTypeBits}})
                       .List(ChannelData::kTxTypeList)
                       .Grid(G::kTxType, 100));
    rows.push_back(Row(F::TxCtcss, "tx_ctcss", 3678, "TX CTCSS (Hz)", C::Ctcss, &ChannelUi::txCtcss)
                       .StoredIn(ToneValue(R::kTxTone))
                       .ToneOf(F::TxType)
                       .Grid(G::kTxCtcss, kToneWidth));
    rows.push_back(Row(F::TxCdcss, "tx_cdcss", 3680, "TX CDCSS", C::Cdcss, &ChannelUi::txCdcss)
                       .StoredIn(ToneValue(R::kTxTone))
                       .ToneOf(F::TxType, F::TxCtcss)
                       .Grid(G::kTxCdcss, kToneWidth));
    rows.push_back(Row(F::Spacing, "spacing", 3660, "Channel Spacing", C::ListItem, &ChannelUi::spacing)
                       .StoredIn({{R::kSpacingPower, 1, kLowNibble}})
                       .List(ChannelData::kSpacingList)
                       .Grid(G::kSpacing, 100));
    rows.push_back(Row(F::Power, "power", 3662, "Power Level", C::ListItem, &ChannelUi::power)
                       .StoredIn({{R::kSpacingPower, 1, kHighNibble}})
                       .List(ChannelData::kPowerList)
                       .Grid(G::kPower, 60));
    rows.push_back(Row(F::Personality, "personality", ChannelData::kPersonalityLabel, "Personality",
                       C::Personality, &ChannelUi::personalityPosition)
                       .StoredIn({{R::kPersonality}})
                       .Grid(G::kPersonality, 60));
    rows.push_back(Row(F::ScanList, "scan_list", ChannelData::kScanListLabel, "Scan List", C::ScanList,
                       &ChannelUi::scanListPosition)
                       .StoredIn({{R::kScanList}})
                       .Grid(G::kScanList, 100));
    rows.push_back(Row(F::AutoStartScan, "auto_start_scan", 3707, "Auto Start Scan", C::Switch,
                       &ChannelUi::autoStartScan)
                       .StoredIn({{R::kFlags, 1, R::kAutoStartScanBit}})
                       .List(kSwitchList)
                       .Grid(G::kAutoStartScan, 100));
    // The channel form's ATIS box has no grid column.
    rows.push_back(Row(F::Atis, "atis", 4590, "ATIS", C::Switch, &ChannelUi::atis)
                       .StoredIn({{R::kFlags, 1, R::kAtisBit}})
                       .List(kSwitchList));
    std::vector<ChannelField> table;
    for (Row& row : rows) {
        table.push_back(std::move(row).Done());
    }
    return table;
}

std::vector<const ChannelField*> Select(bool (*wanted)(const ChannelField&)) {
    std::vector<const ChannelField*> out;
    for (const ChannelField& field : ChannelFieldTable()) {
        if (wanted(field)) {
            out.push_back(&field);
        }
    }
    return out;
}

/// The compare's texts: every value named in words that need no language file.
std::string CompareText(const ChannelField& field, std::uint32_t value) {
    const bool none =
        value == ChannelUi::kNoSelection || (field.codec == ChannelCodec::ScanList && value == 0);
    switch (field.codec) {
    case ChannelCodec::Frequency:
        return value == kNoFreq ? "none" : ShownFreqText(value);
    case ChannelCodec::Personality:
        return none ? "none" : "Personality " + std::to_string(value + 1);
    case ChannelCodec::ScanList:
        return none ? "none" : "Scan List " + std::to_string(value);
    default:
        return std::to_string(value);
    }
}

/// The grid's and the CSV's texts.
std::string CellText(const ChannelField& field, std::uint32_t value, const TextLookup& texts,
                     ChannelTextStyle style, char separator) {
    switch (field.codec) {
    case ChannelCodec::Frequency:
        if (style == ChannelTextStyle::Grid) {
            return FreqCellTextFromBcd(value, separator);
        }
        return value == kNoFreq ? std::string() : FormatFreq(BcdToFreq(value), separator);
    case ChannelCodec::Personality:
        return value == ChannelUi::kNoSelection ? std::string() : std::to_string(value + 1);
    case ChannelCodec::ScanList:
        if (value == 0) {
            return NoScanListText(texts);
        }
        return value == ChannelUi::kNoSelection ? std::string() : std::to_string(value);
    default:
        return std::to_string(value);
    }
}

} // namespace

const std::vector<ChannelField>& ChannelFieldTable() {
    static const std::vector<ChannelField> table = MakeTable();
    return table;
}

const ChannelField& ChannelFieldOf(ChannelFieldId id) {
    return ChannelFieldTable()[static_cast<std::size_t>(id)];
}

std::vector<const ChannelField*> ChannelGridFields() {
    return Select([](const ChannelField& f) { return f.gridColumn != ChannelField::kNoGridColumn; });
}

std::vector<const ChannelField*> ChannelCsvFields() {
    return Select([](const ChannelField& f) { return f.csvColumn; });
}

const std::vector<FieldBytes>& ChannelReservedBytes() {
    static const std::vector<FieldBytes> reserved = {
        {R::kReserved, 4},
        {R::kRxTone, 1, kToneReservedBits},
        {R::kTxTone, 1, kToneReservedBits},
        {R::kFlags, 1, kReservedFlags},
        {R::kFlags2, 1},
        {R::kReserved22, 2},
    };
    return reserved;
}

std::string ChannelFieldLabel(const ChannelField& field, const TextLookup& texts) {
    return FieldLabel(texts, field.labelId, field.fallback);
}

std::string NoScanListText(const TextLookup& texts) {
    return FieldLabel(texts, ChannelData::kScanListControl, "None");
}

bool ChannelFieldUsed(const ChannelField& field, ToneType type) {
    const ToneFieldState used = ChannelData::ToneFields(static_cast<int>(type));
    switch (field.codec) {
    case ChannelCodec::Ctcss:
        return used.ctcss;
    case ChannelCodec::Cdcss:
        return used.cdcss;
    default:
        return true;
    }
}

bool ChannelFieldUsed(const ChannelField& field, const ChannelData& channel) {
    if (!field.toneType) {
        return true;
    }
    const std::size_t word = ChannelFieldOf(*field.toneType).bytes.front().offset;
    return ChannelFieldUsed(field, ToneTypeOf(ReadBe16(channel.Bytes(), word)));
}

ChannelUi LoadChannelValues(const ChannelData& channel, const TextLookup& texts,
                            const RecordDirectory& directory, char separator) {
    ChannelUi ui;
    channel.LoadUi(ui, texts, separator);
    channel.LoadMisc(ui, directory);
    return ui;
}

std::string ChannelFieldText(const ChannelField& field, const ChannelUi& values, const TextLookup& texts,
                             ChannelTextStyle style, char separator) {
    if (const auto* number = std::get_if<std::uint32_t ChannelUi::*>(&field.slot)) {
        return CellText(field, values.**number, texts, style, separator);
    }
    if (const auto* flag = std::get_if<int ChannelUi::*>(&field.slot)) {
        return texts.ListValueToText(field.listId, values.**flag != 0 ? 1 : 0);
    }
    return values.*std::get<std::string ChannelUi::*>(field.slot);
}

std::string ChannelCompareText(const ChannelField& field, const ChannelUi& values) {
    if (const auto* number = std::get_if<std::uint32_t ChannelUi::*>(&field.slot)) {
        return CompareText(field, values.**number);
    }
    if (const auto* flag = std::get_if<int ChannelUi::*>(&field.slot)) {
        return values.**flag != 0 ? "On" : "Off";
    }
    return values.*std::get<std::string ChannelUi::*>(field.slot);
}

} // namespace tav
