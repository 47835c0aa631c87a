#pragma once

#include "core/data/BlockFields.h"
#include "core/data/DataContext.h"
#include "core/data/FeatureRecord.h"
#include "core/data/Image.h"
#include "core/data/ImageMap.h"
#include "core/data/RecordKind.h"
#include "core/data/RecordList.h"
#include "core/data/TwoToneChoiceList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tav {

class ProblemList;
class TextLookup;

/// Byte layout of one 76-byte personality record. Personalities form a circular chain in the image
/// (links least significant byte first); the primary ID is big-endian in the image and least
/// significant byte first while in memory.
namespace PersonalityLayout {
inline constexpr std::size_t kPreviousLink = 0;
inline constexpr std::size_t kNextLink = 2;
inline constexpr std::size_t kRxSignaling = 4; ///< type bits 0-3, system bits 4-5, decode condition bit 7
inline constexpr std::size_t kTxSignaling = 5; ///< type bits 0-3, system bits 4-5
inline constexpr std::uint8_t kSignalTypeMask = 0x0F;
inline constexpr std::uint8_t kSystemIndexMask = 0x30;
inline constexpr unsigned kSystemIndexShift = 4;
inline constexpr std::uint8_t kDecodeConditionMask = 0x80;
inline constexpr unsigned kDecodeConditionShift = 7;
inline constexpr std::size_t kRxSquelchMode = 8;
inline constexpr std::size_t kTxAdmit = 12;
inline constexpr std::size_t kBusyLockout = 13;
inline constexpr std::uint8_t kBusyLockoutBit = 0x02;
inline constexpr std::size_t kTxTimeout = 14;
inline constexpr std::size_t kTotPreAlert = 15;
inline constexpr std::size_t kTotRekey = 16;
inline constexpr std::size_t kTotReset = 17;
inline constexpr std::size_t kAutoResetMode = 19;
inline constexpr std::size_t kAutoResetTime = 20;
inline constexpr std::size_t kPrimaryId = 21; ///< 2 bytes
inline constexpr std::size_t kPttIdType = 23;
inline constexpr std::size_t kPttIdFlags = 24;
inline constexpr std::uint8_t kSideToneOffBit = 0x01;
inline constexpr std::uint8_t kShortBeepOffBit = 0x02;
inline constexpr std::size_t kPttIdPretime = 25;
inline constexpr std::size_t kPreambleBitSync = 26;
/// The PTT-ID fields (ID, type, flags, pretime, preamble) that the first personality also writes
/// over the image's PTT-ID block.
inline constexpr std::size_t kPttIdFields = kPrimaryId;
inline constexpr std::size_t kPttIdFieldsSize = 6;
/// The byte whose 0xFF marks an empty slot when loading.
inline constexpr std::size_t kLoadMarker = kTxAdmit;
/// Signalling type values the personality tests (lists 2402 and 2407).
inline constexpr int kSignalTypeNone = 0;
inline constexpr int kSignalTypeTwoTone = 2;
} // namespace PersonalityLayout

/// Control ids of the personality editor; also the ids of their language lists.
namespace PersonalityControls {
inline constexpr int kView = 2310; ///< also the record's name in problem entries
inline constexpr int kRxTxPage = 2311;
inline constexpr int kSquelchPage = 2312;
inline constexpr int kSignalPage = 2313;
inline constexpr int kPttIdPage = 2555;
inline constexpr int kTxAdmit = 2321;
inline constexpr int kTxTimeout = 2325;
inline constexpr int kTotPreAlert = 2327;
inline constexpr int kTotRekey = 2329;
inline constexpr int kTotReset = 2331;
inline constexpr int kAutoResetMode = 2335;
inline constexpr int kAutoResetTime = 2337;
inline constexpr int kBusyLockout = 2341;
inline constexpr int kRxSquelchMode = 2351;
inline constexpr int kSquelchProblemText = 2401;
inline constexpr int kRxSignaling = 2402;
inline constexpr int kRxSystem = 2404;
inline constexpr int kTxSignaling = 2407;
inline constexpr int kTxSystem = 2409;
inline constexpr int kDecodeCondition = 2413;
inline constexpr int kPrimaryId = 2561;
inline constexpr int kPttIdType = 2565;
inline constexpr int kPttIdPretime = 2567;
inline constexpr int kPreambleBitSync = 2569;
inline constexpr int kSideTone = 2570;
inline constexpr int kShortBeep = 2571;
} // namespace PersonalityControls

/// What the four pages of the personality editor show.
struct PersonalityUi {
    // RX/TX page
    std::string txAdmit;
    std::string txTimeout;
    std::string totPreAlert;
    std::string totRekey;
    std::string totReset;
    std::string autoResetMode;
    std::string autoResetTime;
    int busyChannelLockout = 0;
    // squelch page
    std::string rxSquelchMode;
    // PTT-ID page
    std::string primaryId;
    std::string pttIdType;
    std::string pttIdPretime;
    std::string preambleBitSync;
    int sideTone = 0;  ///< checked = side tone on
    int shortBeep = 0; ///< checked = short beep on
    // signal page
    std::string rxSignaling;
    std::string txSignaling;
    std::string decodeCondition;
    TwoToneChoiceList rxSystem;
    TwoToneChoiceList txSystem;
};

/// One personality: transmit admission, time-out timer, squelch mode, optional signalling and
/// PTT-ID that channels refer to by number.
class PersonalityData : public FeatureRecord {
public:
    explicit PersonalityData(ObjectId id) : FeatureRecord(ImageMap::kPersonalitySize, id) {}

    void SetDefaults();

    /// The fields of each editor page, in the order the pages show them. The signal page's two-tone
    /// system choices refer to other records and are not in its table (see LoadSignalUi).
    static const BlockFieldTable<PersonalityUi>& RxTxFields();
    static const BlockFieldTable<PersonalityUi>& SquelchFields();
    static const BlockFieldTable<PersonalityUi>& PttIdFields();
    static const BlockFieldTable<PersonalityUi>& SignalFields();
    /// Every field of the four pages: RX/TX, squelch, PTT-ID, signal.
    static const BlockFieldTable<PersonalityUi>& EditorFields();

    std::uint16_t PrimaryId() const;
    void SetPrimaryId(std::uint16_t id);
    int RxSignalingType() const;
    int TxSignalingType() const;
    ObjectId RxSystemRef() const { return rxSystem_; }
    ObjectId TxSystemRef() const { return txSystem_; }

    void LoadRxTxUi(PersonalityUi& ui, const TextLookup& texts) const;
    void StoreRxTxUi(const PersonalityUi& ui, const TextLookup& texts);
    void LoadSquelchUi(PersonalityUi& ui, const TextLookup& texts) const;
    void StoreSquelchUi(const PersonalityUi& ui, const TextLookup& texts);
    void LoadPttIdUi(PersonalityUi& ui, const TextLookup& texts) const;
    void StorePttIdUi(const PersonalityUi& ui, const TextLookup& texts);
    /// Fills the signal page; the system choices list the current two-tone systems.
    void LoadSignalUi(PersonalityUi& ui, const TextLookup& texts, const RecordDirectory& directory) const;
    void StoreSignalUi(const PersonalityUi& ui, const TextLookup& texts);
    /// All four pages.
    void LoadUi(PersonalityUi& ui, const TextLookup& texts, const RecordDirectory& directory) const;
    void StoreUi(const PersonalityUi& ui, const TextLookup& texts);

    /// The system choice of one direction for a signalling type: one item per system when the
    /// type is two-tone, otherwise the single "none" item; disabled for type none.
    static TwoToneChoiceList SystemChoices(int signalingType, ObjectId reference, int prefixTextId,
                                           const TextLookup& texts, const RecordDirectory& directory);

    /// Brings the two-tone system references up to date: none unless the type is two-tone; a
    /// referred system that still exists is followed to its current position; without a reference
    /// the stored position is resolved.
    void ResolveReferences(const RecordDirectory& directory);
    /// The personality's validation: a squelch mode above 1 needs an RX optional signalling.
    void CheckReferences(ReferenceCheck& check) const;
    /// Withdraws the validation entry (when the RX optional signalling was set).
    void WithdrawProblems(ProblemList& problems) const;
    std::uint32_t SquelchProblemKey() const;

    // Edit rules of the pages.
    /// Pre-alert, re-key and reset times are available only with a time-out time.
    static bool TotSettingsEnabled(int txTimeoutValue) { return txTimeoutValue != 0; }
    /// The auto reset time is available only with an auto reset mode.
    static bool AutoResetTimeEnabled(int autoResetModeValue) { return autoResetModeValue != 0; }
    /// The pre-alert items offered for a time-out value: the first `timeout` items of the full list
    /// (all of them if it is shorter), or only the first item when there is no time-out.
    static std::vector<std::string> PreAlertItems(const std::vector<std::string>& fullList,
                                                  int txTimeoutValue);
    /// Position to select after a rebuild: the text shown before, or the first item.
    static int ReselectPreAlert(const std::vector<std::string>& items, const std::string& previousText);

    /// Lowest and highest primary ID.
    static constexpr std::uint16_t kLowestPrimaryId = 0x0001;
    static constexpr std::uint16_t kHighestPrimaryId = 0xDEEE;
    /// The digit clamp: a first hexadecimal digit E or F becomes D, any other digit F becomes E.
    static std::uint16_t ClampPrimaryIdDigits(std::uint16_t id);
    /// The ID as the PTT-ID page shows a stored value: at most DEEE, digits clamped, 0 as 0001.
    static std::string PrimaryIdText(std::uint16_t stored);
    /// Reads a typed ID as the page does when the edit loses the focus: hexadecimal (empty gives 1),
    /// digits clamped, 0 as 1.
    static std::uint16_t ParsePrimaryId(const std::string& text);
    /// ParsePrimaryId shown again ("%04X").
    static std::string NormalizePrimaryIdText(const std::string& text);

private:
    ObjectId rxSystem_ = kNoObject;
    ObjectId txSystem_ = kNoObject;
};

/// Reads the personalities: the first slot always, then each next slot whose TX admit byte is not
/// 0xFF, at most eight. The links are not followed.
void LoadPersonalities(const Image& image, RecordList<PersonalityData>& list, ObjectIdCounter& ids);
/// Writes the personalities in order (at most eight), linked circularly, the primary ID big-endian,
/// an invalid TX admit as 1; then copies the first personality's PTT-ID fields over the image's
/// PTT-ID block (so this must run after that block was stored).
void StorePersonalities(const RecordList<PersonalityData>& list, Image& image);
std::unique_ptr<PersonalityData> MakeDefaultPersonality(ObjectIdCounter& ids, std::size_t position,
                                                        const DataContext& context);

} // namespace tav
