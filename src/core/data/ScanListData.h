#pragma once

#include "core/data/BlockFields.h"
#include "core/data/DataContext.h"
#include "core/data/FeatureRecord.h"
#include "core/data/Image.h"
#include "core/data/ObjectId.h"
#include "core/data/RecordList.h"
#include "core/data/ScanListRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tav {

class TextLookup;
class ProblemList;
class RecordDirectory;

/// What the scan configuration page shows: one text per list drop-down, the positions of the two
/// channel drop-downs and one flag per check box.
struct ScanSettingsUi {
    /// A channel drop-down position meaning "nothing selected".
    static constexpr std::uint32_t kNoSelection = 254;

    std::string toneScanMode;                       ///< 3830
    std::string signalScanMode;                     ///< 3832
    std::string signalHangTime;                     ///< 3852
    std::string transmitMode;                       ///< 3846
    std::string hangTime;                           ///< 3848
    std::string priorityMode;                       ///< 3834
    std::string prioritySweepTime;                  ///< 3844
    std::uint32_t designatedChannel = kNoSelection; ///< 3850
    std::uint32_t priorityChannel = kNoSelection;   ///< 3836
    int priorityDeleteAdd = 0;                      ///< 3837
    int scanStartAlert = 0;                         ///< 3855
    int scanEndAlert = 0;                           ///< 3856
    int priorityScanAlert = 0;                      ///< 3860
    int includeCurrentChannel = 0;                  ///< 3857
    int talkback = 0;                               ///< 3861
    int priorityScanInAutoReset = 0;                ///< 3858
    int nuisanceDelete = 0;                         ///< 3854
    int nuisanceReset = 0;                          ///< 3853
};

/// What the member page shows: the number of entries and the channel drop-down position of each
/// member (kNoSelection when nothing is selected).
struct ScanMembersUi {
    static constexpr std::uint32_t kNoSelection = 254;

    std::string entries; ///< 3943
    std::array<std::uint32_t, ScanListRecord::kMemberCount> members{};
};

/// Which priority controls a priority channel 1 mode enables.
struct PriorityControlState {
    bool channel = false;   ///< 3836
    bool deleteAdd = false; ///< 3837
    bool sweepTime = false; ///< 3844
};

/// The radio's scan list: its 56-byte record and its references to channels (members, designated
/// channel, priority channels). The record names channels by 1-based number; the references are kept
/// as channel ObjectIds.
class ScanListData : public FeatureRecord {
public:
    // Language lists and controls of the scan editor.
    static constexpr int kToneScanModeList = 3830;
    static constexpr int kSignalScanModeList = 3832;
    static constexpr int kSignalHangTimeList = 3852;
    static constexpr int kPriorityModeList = 3834;
    static constexpr int kSweepTimeList = 3844;
    static constexpr int kTransmitModeList = 3846;
    static constexpr int kHangTimeList = 3848;
    static constexpr int kEntriesList = 3943;
    static constexpr int kConfigPageText = 3800;
    static constexpr int kScanListText = 3801;
    static constexpr int kMembersPageText = 3803;
    static constexpr int kPriorityLabel = 3835;
    static constexpr int kPriorityControl = 3836;
    static constexpr int kDesignatedLabel = 3849;
    static constexpr int kDesignatedControl = 3850;
    static constexpr int kFirstMemberControl = 3873;
    static constexpr int kFirstMemberLabel = 3905;
    static constexpr int kEntriesLabel = 3942;
    static constexpr int kPriorityDeleteAddCheck = 3837;
    static constexpr int kScanStartAlertCheck = 3855;
    static constexpr int kScanEndAlertCheck = 3856;
    static constexpr int kPriorityScanAlertCheck = 3860;
    static constexpr int kIncludeCurrentCheck = 3857;
    static constexpr int kTalkbackCheck = 3861;
    static constexpr int kPriorityInAutoResetCheck = 3858;
    static constexpr int kNuisanceDeleteCheck = 3854;
    static constexpr int kNuisanceResetCheck = 3853;

    explicit ScanListData(ObjectId id);

    /// The fields of the configuration page, as the compare and the report name them too.
    static const BlockFieldTable<ScanSettingsUi>& SettingsFields();
    /// The fields of the member page: the number of entries, then the 16 members.
    static const BlockFieldTable<ScanMembersUi>& MemberFields();

    /// Puts the defaults of a new scan list.
    void SetDefaults();

    std::uint8_t Entries() const;
    int ToneScanMode() const;
    int SignalScanMode() const;
    int PriorityMode() const;
    int TransmitMode() const;
    std::uint16_t MemberNumber(std::size_t k) const;
    std::uint16_t DesignatedNumber() const;
    std::uint16_t Priority1Number() const;
    std::uint16_t Priority2Number() const;

    ObjectId MemberId(std::size_t k) const { return k < memberIds_.size() ? memberIds_[k] : kNoObject; }
    ObjectId DesignatedId() const { return designatedId_; }
    ObjectId Priority1Id() const { return priority1Id_; }
    ObjectId Priority2Id() const { return priority2Id_; }

    /// Fills the configuration page's structure; channel positions come from the references.
    void LoadSettings(ScanSettingsUi& ui, const TextLookup& texts, const RecordDirectory& directory) const;
    /// Writes the configuration page's structure. A list text with no item leaves its field as it is;
    /// a selected channel becomes the reference and is stored as its number, nothing selected stores
    /// 255. Bits the page does not edit are kept.
    void StoreSettings(const ScanSettingsUi& ui, const TextLookup& texts, const RecordDirectory& directory);

    /// Fills the member page's structure; member positions come from the references.
    void LoadMembers(ScanMembersUi& ui, const TextLookup& texts, const RecordDirectory& directory) const;
    /// Writes the member page's structure: the number of entries (kept when its text names no item)
    /// and each member's channel number (255 when nothing is selected).
    void StoreMembers(const ScanMembersUi& ui, const TextLookup& texts, const RecordDirectory& directory);

    /// Looks up the channels named by the stored numbers (a number outside 1..count names none).
    virtual void ResolveReferences(const RecordDirectory& directory);
    /// Reports members in use, and the designated and priority channels where their modes use them,
    /// that name no channel.
    virtual void CheckReferences(ReferenceCheck& check) const;
    /// Removes all of this scan list's entries from the problem list.
    virtual void WithdrawProblems(ProblemList& problems) const;
    /// Removes the entry of one control (a member drop-down, 3836 or 3850), as choosing an item does.
    void WithdrawProblem(ProblemList& problems, int controlId) const;

    /// After the channel list changed order, rewrites the stored channel numbers from the kept
    /// references so that they keep naming the same channels; a channel that is gone is stored as 255.
    void RenumberChannels(const RecordDirectory& directory);

    /// Number of member drop-downs enabled for the number-of-entries text (its decimal reading, 0-16).
    static std::size_t EnabledMembers(const std::string& entriesText);
    /// The designated channel drop-down is enabled only for scan transmit mode 1.
    static bool DesignatedChannelEnabled(int transmitMode) {
        return transmitMode == ScanListRecord::kTransmitDesignated;
    }
    /// Mode 0 disables the three priority controls, mode 1 enables them, any other mode enables only
    /// delete/add and the sweep time.
    static PriorityControlState PriorityControls(int priorityMode);

private:
    std::uint8_t Byte(std::size_t offset) const { return Bytes()[offset]; }
    void SetNumber(std::size_t offset, std::uint16_t number);
    std::uint16_t NumberOf(ObjectId channel, const RecordDirectory& directory) const;
    /// The kept reference of the channel number stored at `offset` (designated, priority 1, a member).
    ObjectId ReferenceAt(std::size_t offset) const;
    ObjectId& ReferenceAt(std::size_t offset);

    /// Fills a page's structure field by field; a channel field shows its kept reference.
    template <class Ui>
    void LoadFields(const BlockFieldTable<Ui>& table, Ui& ui, const TextLookup& texts,
                    const RecordDirectory& directory) const;
    /// Stores a page's structure field by field; a channel field takes the chosen channel as its
    /// reference first.
    template <class Ui>
    void StoreFields(const BlockFieldTable<Ui>& table, const Ui& ui, const TextLookup& texts,
                     const RecordDirectory& directory);

    std::array<ObjectId, ScanListRecord::kMemberCount> memberIds_{};
    ObjectId designatedId_ = kNoObject;
    ObjectId priority1Id_ = kNoObject;
    ObjectId priority2Id_ = kNoObject;
};

/// Rebuilds the scan list list from the image: the one record at 0x119B.
void LoadScanLists(const Image& image, RecordList<ScanListData>& scanLists, ObjectIdCounter& ids);
/// Writes the scan list (the radio holds one) into a 0xFF-filled image.
void StoreScanLists(const RecordList<ScanListData>& scanLists, Image& image);
/// A new scan list with defaults (the same for every position).
std::unique_ptr<ScanListData> MakeDefaultScanList(ObjectIdCounter& ids, std::size_t position,
                                                  const DataContext& context);

} // namespace tav
