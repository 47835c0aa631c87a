#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"
#include "core/data/FreqCodec.h"
#include "core/platform/WallClock.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

class TextLookup;

/// What the radio-information view shows (six read-only texts).
struct RadioInfoUi {
    std::string modelName;       ///< 1111
    std::string frequencyRange;  ///< 1113, "%d-%d"
    std::string serialNumber;    ///< 1115
    std::string firmwareVersion; ///< 1117, "V" and the first 7 characters of the version
    std::string signalingType;   ///< 1119, text of list 1076
    std::string lastProgrammed;  ///< 1121, "%Y-%m-%d %H:%M:%S"
};

/// The radio-information block: the identity written into the image (model name, range code,
/// signalling type, last programming time, band edges, serial number). The bytes are held in
/// image order; the band edges are 32-bit words stored least significant byte first. Bytes 13,
/// 15 and 32-55 have no meaning here and are kept (bytes 32-47 carry the model identifier that the
/// factory model data writes).
class RadioInfoData : public FeatureData {
public:
    static constexpr std::size_t kSize = 72;
    static constexpr std::size_t kModelNameOffset = 0;
    static constexpr std::size_t kModelNameSize = 12;
    static constexpr std::size_t kRangeCodeOffset = 12;
    static constexpr std::uint8_t kUvBandBit = 0x80;   ///< of the range code
    static constexpr std::uint8_t kRangeIdMask = 0x7F; ///< of the range code
    static constexpr std::size_t kSignalTypeOffset = 14;
    static constexpr std::size_t kProgrammingDateOffset = 16; ///< 8 bytes
    static constexpr std::size_t kProgrammingDateSize = 8;
    static constexpr std::size_t kLowerEdgeOffset = 24; ///< BcdFreq, 32-bit little-endian
    static constexpr std::size_t kUpperEdgeOffset = 28; ///< BcdFreq, 32-bit little-endian
    static constexpr std::size_t kModelIdOffset = 32;
    static constexpr std::size_t kModelIdSize = 16;
    static constexpr std::size_t kSerialNumberOffset = 56;
    static constexpr std::size_t kSerialNumberSize = 16;

    static constexpr int kTemplateId = 1109;
    static constexpr int kModelNameEditId = 1111;
    static constexpr int kFrequencyRangeEditId = 1113;
    static constexpr int kSerialNumberEditId = 1115;
    static constexpr int kFirmwareVersionEditId = 1117;
    static constexpr int kSignalingTypeEditId = 1119;
    static constexpr int kLastProgrammedEditId = 1121;
    static constexpr int kSignalingTypeListId = 1076;
    /// The date bytes the view shows: second, minute, hour, day, month, year.
    static constexpr std::size_t kShownDateSize = 6;

    static constexpr char kDefaultSerialChar = '-';

    RadioInfoData();

    /// Model name, range code and signalling type of the current data, band edges of the current
    /// range, the clock's local time as the last programming time, and 16 dashes as the serial
    /// number.
    void SetDefaults(const DataContext& context) override;
    void SetDefaults(const DataContext& context, const WallClock& clock);
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The clock that SetDefaults(context) reads; the computer's clock unless a test sets another.
    /// The clock must outlive this block.
    void SetClock(const WallClock& clock) { clock_ = &clock; }

    /// The fields the view shows, all read-only: the model name, range, firmware version and
    /// signalling type come from the data file's header, the serial number and the date from the block.
    static const BlockFieldTable<RadioInfoUi>& EditorFields();

    /// Fills the view's texts field by field.
    void LoadUi(RadioInfoUi& ui, const TextLookup& texts, const DataContext& context) const;

    /// The last programming time (block bytes 16-23 = image 0x0020-0x0027).
    LocalDateTime GetProgrammingDate() const;
    void SetProgrammingDate(const LocalDateTime& time);
    ProgrammingDate ProgrammingDateBytes() const;
    void SetProgrammingDateBytes(const ProgrammingDate& bytes);

    std::string ModelName() const;
    void SetModelName(std::string_view name);
    std::uint8_t RangeCode() const { return Bytes()[kRangeCodeOffset]; }
    void SetRangeCode(std::uint8_t code) { Bytes()[kRangeCodeOffset] = code; }
    std::uint8_t SignalType() const { return Bytes()[kSignalTypeOffset]; }
    void SetSignalType(std::uint8_t type) { Bytes()[kSignalTypeOffset] = type; }
    BcdFreq LowerEdge() const;
    BcdFreq UpperEdge() const;
    void SetLowerEdge(BcdFreq edge);
    void SetUpperEdge(BcdFreq edge);
    /// Both band edges from whole megahertz.
    void SetEdgesMHz(std::int64_t lowMHz, std::int64_t highMHz);
    std::string ModelId() const;
    void SetModelId(std::string_view id);
    std::string SerialNumber() const;
    void SetSerialNumber(std::string_view serial);

private:
    const WallClock* clock_;
};

/// The programming date as the view shows it, each part clamped first: year 2000 + the year byte
/// (2037 from 38 on), month up to 12, day up to 31, hour 0 from 24 on, minute and second up to 59.
std::string FormatLastProgrammed(const ProgrammingDate& bytes);

} // namespace tav
