#pragma once

#include "core/data/DataContext.h"
#include "core/data/FeatureRecord.h"
#include "core/data/Image.h"
#include "core/data/ImageMap.h"
#include "core/data/RecordFields.h"
#include "core/data/RecordKind.h"
#include "core/data/RecordList.h"
#include "core/data/TwoToneChoiceList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tav {

class ProblemList;
class TextLookup;

/// Byte layout of one 12-byte two-tone call. Calls form a circular chain in the call area; the
/// links and the 16-bit fields are least significant byte first, in the image as in memory.
namespace TwoToneCallLayout {
inline constexpr std::size_t kPreviousLink = 0;
inline constexpr std::size_t kNextLink = 2;
inline constexpr std::size_t kSettings = 4;
inline constexpr std::uint8_t kSystemMask = 0x03;    ///< position of the two-tone system
inline constexpr std::uint8_t kCallFormatBit = 0x04; ///< position in the call format list
inline constexpr std::uint8_t kStripBit = 0x08;      ///< strip CTCSS/CDCSS
inline constexpr std::size_t kRevertChannel = 5;     ///< 0 = none, n = channel n
inline constexpr std::size_t kFirstTone = 7;
inline constexpr std::size_t kSecondTone = 9;
/// Offsets of the chain inside the image: the head slot and the last byte a link may point at.
inline constexpr std::size_t kHead = ImageMap::kTwoToneCalls;
inline constexpr std::size_t kLastLinkTarget = ImageMap::kTwoToneCallsEnd;
} // namespace TwoToneCallLayout

/// Control ids of the two-tone call editor; also the ids of their language lists and ranges.
namespace TwoToneCallControls {
inline constexpr int kView = 5402; ///< also the record's name in problem entries
inline constexpr int kCallFormat = 5403;
inline constexpr int kStrip = 5407;
inline constexpr int kFirstTone = 5408;
inline constexpr int kSecondTone = 5409;
inline constexpr int kRevertChannel = 5412;
inline constexpr int kSystem = 5414;
inline constexpr int kMissingRevertChannelText = 5418;
inline constexpr int kMissingSystemText = 5419;
inline constexpr int kCallFormatLabel = 5405;
inline constexpr int kFirstToneLabel = 5410;
inline constexpr int kSecondToneLabel = 5411;
inline constexpr int kRevertChannelLabel = 5413;
inline constexpr int kSystemLabel = 5417;
/// Position in the call format list that sends a single tone (the 2nd tone edit is disabled).
inline constexpr int kSingleToneFormat = 1;
} // namespace TwoToneCallControls

/// What the call editor shows.
struct TwoToneCallUi {
    int callFormat = 0; ///< position in list 5403; -1 = no selection
    TwoToneChoiceList revertChannel;
    TwoToneChoiceList system;
    std::string firstTone;
    std::string secondTone;
    int strip = 0;
};

/// One outgoing two-tone call: its system, two tone frequencies, call format and revert channel.
class TwoToneCallData : public FeatureRecord {
public:
    explicit TwoToneCallData(ObjectId id) : FeatureRecord(ImageMap::kTwoToneCallSize, id) {}

    void SetDefaults();

    std::uint16_t NextLink() const;
    int SystemPosition() const;
    int RevertChannelNumber() const;
    ObjectId SystemRef() const { return system_; }
    ObjectId RevertChannelRef() const { return revertChannel_; }

    /// The fields the call editor shows, the compare and the report name.
    static const RecordFieldTable<TwoToneCallData, TwoToneCallUi>& EditorFields();

    void LoadUi(TwoToneCallUi& ui, const TextLookup& texts, const RecordDirectory& directory) const;
    /// Writes the transfer structure back; a choice list without a selection leaves its reference
    /// and bytes as they were, and texts that name no value leave their bytes.
    void StoreUi(const TwoToneCallUi& ui, const TextLookup& texts);

    /// Brings the references up to date (system and revert channel): a referred record that still
    /// exists is followed to its current position; without a reference the stored position is
    /// resolved; a reference to a deleted record is kept so that the check reports it.
    void ResolveReferences(const RecordDirectory& directory);
    /// The revert channel is about to leave the channel list: the call reverts to none.
    void ForgetRevertChannel();
    /// Reports a system or a revert channel that no longer exists (controls 5414 and 5412).
    void CheckReferences(ReferenceCheck& check) const;
    /// Withdraws the call's two problem entries (before it is deleted).
    void WithdrawProblems(ProblemList& problems) const;

    std::uint32_t SystemKey() const;
    std::uint32_t RevertChannelKey() const;

    /// Whether the 2nd tone edit is enabled for a call format position.
    static bool SecondToneEnabled(int callFormatPosition) {
        return callFormatPosition != TwoToneCallControls::kSingleToneFormat;
    }

private:
    ObjectId system_ = kNoObject;
    ObjectId revertChannel_ = kNoObject;
};

/// Follows the call chain from the head slot: the head is always read; then each next link that
/// lies inside the call area and is not the head again, at most sixteen calls in all.
void LoadTwoToneCalls(const Image& image, RecordList<TwoToneCallData>& list, ObjectIdCounter& ids);
/// Writes the calls into consecutive slots from the head (at most sixteen), linked circularly.
void StoreTwoToneCalls(const RecordList<TwoToneCallData>& list, Image& image);
std::unique_ptr<TwoToneCallData> MakeDefaultTwoToneCall(ObjectIdCounter& ids, std::size_t position,
                                                        const DataContext& context);

} // namespace tav
