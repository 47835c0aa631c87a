#pragma once

#include "core/data/ChannelRecord.h"
#include "core/data/DataContext.h"
#include "core/data/FeatureRecord.h"
#include "core/data/FreqCodec.h"
#include "core/data/FreqRaster.h"
#include "core/data/Image.h"
#include "core/data/ObjectId.h"
#include "core/data/RecordList.h"
#include "core/data/ToneCodec.h"
#include "core/util/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tav {

class TextLookup;
class ProblemList;
class RecordDirectory;

/// What the channel editor's pages and the channel list grid show of one channel.
struct ChannelUi {
    /// A drop-down position meaning "nothing selected".
    static constexpr std::uint32_t kNoSelection = 0xFFFFFFFF;
    static constexpr std::uint8_t kNoStep = static_cast<std::uint8_t>(StepCode::None);

    std::uint32_t rxFreq = kNoFreq; ///< BcdFreq
    std::uint32_t txFreq = kNoFreq; ///< BcdFreq
    std::string rxType;
    std::string rxCtcss;
    std::string rxCdcss;
    std::string txType;
    std::string txCtcss;
    std::string txCdcss;
    std::uint8_t rxStep = kNoStep; ///< StepCode; 255 (an empty edit) stores as 15
    std::uint8_t txStep = kNoStep;
    std::string spacing;
    std::string power;
    std::uint32_t personalityPosition = kNoSelection; ///< position in the personality drop-down
    std::uint32_t scanListPosition = kNoSelection;    ///< 0 = no scan list, k = the k-th scan list
    int autoStartScan = 0;
    int atis = 0;
};

/// Which of a direction's two tone drop-downs (or grid cells) can be edited for a tone type.
struct ToneFieldState {
    bool ctcss = false;
    bool cdcss = false;
};

/// One channel of the radio: its 24-byte record and its references to a personality and a scan list.
class ChannelData : public FeatureRecord {
public:
    // Language lists and controls of the channel editor.
    static constexpr int kSpacingList = 3661;
    static constexpr int kPowerList = 3663;
    static constexpr int kRxTypeList = 3668;
    static constexpr int kTxTypeList = 3677;
    static constexpr int kChannelText = 3655;
    static constexpr int kMiscPageText = 3657;
    static constexpr int kPersonalityLabel = 3702;
    static constexpr int kPersonalityControl = 3703;
    static constexpr int kScanListLabel = 3705;
    static constexpr int kScanListControl = 3706;

    explicit ChannelData(ObjectId id);

    /// Puts the defaults of a channel created at `position` (the number of channels before it).
    void SetDefaults(std::size_t position, const DataContext& context);

    std::uint32_t RxFreq() const;
    std::uint32_t TxFreq() const;
    std::uint16_t RxTone() const;
    std::uint16_t TxTone() const;
    std::uint8_t RxStep() const;
    std::uint8_t TxStep() const;
    std::uint8_t Spacing() const;
    std::uint8_t Power() const;
    std::uint8_t PersonalityPosition() const;
    std::uint8_t ScanListNumber() const;
    bool AutoStartScan() const;
    bool Atis() const;
    void SetAutoStartScan(bool on);

    ObjectId PersonalityId() const { return personalityId_; }
    ObjectId ScanListId() const { return scanListId_; }

    /// Fills the basic part of `ui`: frequencies, step codes, tone types and texts, spacing and power.
    /// `separator` is the decimal separator of the tone texts.
    void LoadUi(ChannelUi& ui, const TextLookup& texts, char separator = kDefaultDecimalSeparator) const;
    /// Writes the basic part of `ui` into the record: list texts to codes (a text with no list item
    /// leaves its field as it is), frequencies clamped to the context's range, tones parsed and
    /// flagged standard or not, step codes. Personality, scan list and the flags are not touched.
    void StoreUi(const ChannelUi& ui, const TextLookup& texts, const DataContext& context,
                 char separator = kDefaultDecimalSeparator);

    /// Fills the misc part of `ui`: the two flags, and the drop-down positions of the referenced
    /// personality and scan list (kNoSelection when the reference names no record).
    void LoadMisc(ChannelUi& ui, const RecordDirectory& directory) const;
    /// Writes the misc part of `ui`: the selected personality and scan list positions (with their
    /// records as references) and the two flags; a position of kNoSelection leaves that reference as
    /// it is. The reserved bits of bytes 20 and 21 are kept.
    void StoreMisc(const ChannelUi& ui, const RecordDirectory& directory);

    /// The copy button: receive frequency, step code and tone word become the transmit ones.
    void CopyReceiveToTransmit();

    /// Looks up the referenced personality and scan list from the stored positions.
    virtual void ResolveReferences(const RecordDirectory& directory);
    /// Reports a personality or scan list reference that names no record.
    virtual void CheckReferences(ReferenceCheck& check) const;
    /// Removes this channel's entries from the problem list.
    virtual void WithdrawProblems(ProblemList& problems) const;
    /// Removes the entry of one control (3703 or 3706), as choosing an item there does.
    void WithdrawProblem(ProblemList& problems, int controlId) const;

    /// After the personality or scan list list changed order, rewrites the stored positions from the
    /// kept references so that they keep naming the same records. A personality that is gone is
    /// stored past the end of the list (so it resolves to none and the check reports it); a scan list
    /// that is gone is stored as none.
    void RenumberReferences(const RecordDirectory& directory);

    /// Tone drop-downs that a tone type enables (type 1 CTCSS, types 2 and 3 CDCSS, type 0 neither).
    static ToneFieldState ToneFields(int toneType);
    /// The transmit frequency can be edited only while a receive frequency is set.
    static bool TransmitFrequencyEnabled(std::uint32_t rxFreq) { return rxFreq != kNoFreq; }
    /// Receive and transmit frequency of a new channel at `position` for a range starting at `lowMHz`.
    static BcdFreq DefaultFreq(std::uint32_t lowMHz, std::size_t position);
    /// Tone word of a new channel at `position`.
    static ToneWord DefaultTone(std::size_t position);
    /// StepCode of a stored frequency (15 for none); a frequency on no raster counts as 12.5 kHz.
    static std::uint8_t StepOf(BcdFreq bcd);
    /// BcdFreq of whole megahertz.
    static BcdFreq MHzToBcd(std::uint32_t mhz);

private:
    std::uint8_t Byte(std::size_t offset) const { return Bytes()[offset]; }
    void SetByte(std::size_t offset, std::uint8_t value) { Bytes()[offset] = value; }
    void SetRxFreq(std::uint32_t bcd);
    void SetTxFreq(std::uint32_t bcd);
    std::uint16_t StoreTone(std::uint16_t word, int type, const std::string& ctcss,
                            const std::string& cdcss) const;

    ObjectId personalityId_ = kNoObject;
    ObjectId scanListId_ = kNoObject;
};

/// Rebuilds the channel list from the image: always the first record, then each next one while the
/// scan list byte of the slot after it is not 0xFF, at most 16.
void LoadChannels(const Image& image, RecordList<ChannelData>& channels, ObjectIdCounter& ids);
/// Writes the channels (at most 16) into a 0xFF-filled image.
void StoreChannels(const RecordList<ChannelData>& channels, Image& image);
/// A new channel with the defaults of `position`.
std::unique_ptr<ChannelData> MakeDefaultChannel(ObjectIdCounter& ids, std::size_t position,
                                                const DataContext& context);

} // namespace tav
