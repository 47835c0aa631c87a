#pragma once

#include "core/data/ChannelData.h"
#include "core/data/FieldBytes.h"
#include "core/util/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tav {

class RecordDirectory;
class TextLookup;

/// The fields of a channel record, in the order the channel form, the grid and the CSV show them.
enum class ChannelFieldId : std::uint8_t {
    RxFreq,
    RxType,
    RxCtcss,
    RxCdcss,
    TxFreq,
    TxType,
    TxCtcss,
    TxCdcss,
    Spacing,
    Power,
    Personality,
    ScanList,
    AutoStartScan,
    Atis,
};
inline constexpr std::size_t kChannelFieldCount = 14;

/// How a field's value is held, shown as text and read back.
enum class ChannelCodec : std::uint8_t {
    Frequency,   ///< BcdFreq; empty text is no frequency (FF FF FF FF); the step nibble follows it
    ToneType,    ///< item of a tone type list: the tone word's type bits
    Ctcss,       ///< tone in hertz: the tone word's value while the type is CTCSS
    Cdcss,       ///< three octal digits: the tone word's value while the type is CDCSS
    ListItem,    ///< item of a language list held in a nibble
    Personality, ///< 1-based position of the personality
    ScanList,    ///< the "None" item, or the 1-based position of the scan list
    Switch,      ///< item of the Off/On list held in one bit
};

/// Where a field's value lies in a ChannelUi.
using ChannelSlot = std::variant<std::uint32_t ChannelUi::*, std::string ChannelUi::*, int ChannelUi::*>;

/// The columns of the channel list grid: the channel number, then one per field the table gives
/// a grid column.
struct ChannelGridColumns {
    enum Column : int {
        kNumber = 0,
        kRxFreq,
        kRxType,
        kRxCtcss,
        kRxCdcss,
        kTxFreq,
        kTxType,
        kTxCtcss,
        kTxCdcss,
        kSpacing,
        kPower,
        kPersonality,
        kScanList,
        kAutoStartScan
    };
    static constexpr int kColumns = kAutoStartScan + 1;
};

/// One field of the channel record: what every path that shows, exchanges or compares channels
/// knows of it.
struct ChannelField {
    static constexpr int kNoGridColumn = -1;

    ChannelFieldId id;
    const char* key;               ///< stable name (tests, tools)
    int labelId;                   ///< control text of the label, also the grid's and the CSV's heading
    const char* fallback;          ///< label when the language file has no text
    std::vector<FieldBytes> bytes; ///< where the record holds it
    ChannelCodec codec;
    ChannelSlot slot;
    int listId = 0;                 ///< language list of a list field; 0: none
    bool csvColumn = true;          ///< exported to and read from CSV
    int gridColumn = kNoGridColumn; ///< column of the channel list grid
    int gridWidth = 0;              ///< that column's least width
    std::optional<ChannelFieldId> toneType =
        std::nullopt; ///< tone fields: the type field that says when they count
    /// The CDCSS fields share the tone word's value bits with the CTCSS field of their direction.
    std::optional<ChannelFieldId> sameBytesAs = std::nullopt;
};

/// All fields of the channel record, in ChannelFieldId order.
const std::vector<ChannelField>& ChannelFieldTable();
const ChannelField& ChannelFieldOf(ChannelFieldId id);
/// The fields the channel list grid shows, by column.
std::vector<const ChannelField*> ChannelGridFields();
/// The fields a channel CSV holds, in column order.
std::vector<const ChannelField*> ChannelCsvFields();
/// Bits of the channel record no field holds: kept as found.
const std::vector<FieldBytes>& ChannelReservedBytes();

/// A field's label as headings show it.
std::string ChannelFieldLabel(const ChannelField& field, const TextLookup& texts);
/// The text of the scan list's "None" item.
std::string NoScanListText(const TextLookup& texts);

/// Whether a tone field counts for a tone type (CTCSS fields for type 1, CDCSS for 2 and 3); every
/// other field always counts.
bool ChannelFieldUsed(const ChannelField& field, ToneType type);
/// Whether a field counts for a channel: a tone field only while its direction's signal type uses
/// it (the others show a default, not the channel's tone).
bool ChannelFieldUsed(const ChannelField& field, const ChannelData& channel);

/// A channel's values as the channel form shows them: LoadUi, LoadMisc and its auto start scan.
ChannelUi LoadChannelValues(const ChannelData& channel, const TextLookup& texts,
                            const RecordDirectory& directory, char separator = kDefaultDecimalSeparator);

/// How a field's value is written as a cell's text.
enum class ChannelTextStyle : std::uint8_t {
    Grid,     ///< as the channel list's cell shows it (a frequency on no raster on 12.5 kHz)
    Exchange, ///< as CSV holds it: exact, so that reading it back gives the same record
};

std::string ChannelFieldText(const ChannelField& field, const ChannelUi& values, const TextLookup& texts,
                             ChannelTextStyle style, char separator = kDefaultDecimalSeparator);

/// A field's value as the compare and the report name it ("none", "On", "Personality 2"; a
/// frequency with what is stored beside it where that differs from what the editors show).
std::string ChannelCompareText(const ChannelField& field, const ChannelUi& values);

} // namespace tav
