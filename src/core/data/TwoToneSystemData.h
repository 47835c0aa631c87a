#pragma once

#include "core/data/DataContext.h"
#include "core/data/FeatureRecord.h"
#include "core/data/Image.h"
#include "core/data/ImageMap.h"
#include "core/data/RecordFields.h"
#include "core/data/RecordKind.h"
#include "core/data/RecordList.h"
#include "core/data/TwoToneChoiceList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tav {

class ProblemList;
class TextLookup;

/// Byte layout of one 24-byte two-tone system record. The four reference tones are 16-bit values,
/// big-endian in the image and least significant byte first while in memory.
namespace TwoToneSystemLayout {
inline constexpr std::size_t kPretime = 0;
inline constexpr std::size_t kFirstToneDuration = 1;
inline constexpr std::size_t kSecondToneDuration = 2;
inline constexpr std::size_t kLongToneDuration = 3;
inline constexpr std::size_t kGapTime = 4;
inline constexpr std::size_t kFlags = 5;
inline constexpr std::uint8_t kSidetoneBit = 0x01;
inline constexpr std::uint8_t kShortBeepBit = 0x02;
inline constexpr unsigned kSystemCountShift = 6; ///< bits 6-7: number of systems minus 1
inline constexpr std::uint8_t kSystemCountMask = 0xC0;
inline constexpr std::size_t kDecodeCount = 4;
inline constexpr std::size_t kFirstDecodeFormat = 6; ///< decode k at 6 + 2k: format bits 0-3, type bits 4-7
inline constexpr std::size_t kFirstDecodeAlert = 7;  ///< decode k at 7 + 2k: alert tone bits 0-3
inline constexpr std::uint8_t kTranspondBit = 0x10;
inline constexpr std::uint8_t kRecordBit = 0x20;
inline constexpr std::size_t kOptions = 14;
inline constexpr std::uint8_t kVibrateBit = 0x01;
inline constexpr std::uint8_t kLedBit = 0x02;
inline constexpr std::uint8_t kClearToTranspondBit = 0x08;
inline constexpr std::uint8_t kAlertToneAutoResetBit = 0x10;
inline constexpr std::uint8_t kLedAutoResetBit = 0x20;
inline constexpr std::uint8_t kVibrateAutoResetBit = 0x40;
inline constexpr unsigned kRespondModeShift = 7;
inline constexpr std::size_t kTranspondDelay = 15;
inline constexpr std::size_t kToneCount = 4;
inline constexpr std::size_t kFirstTone = 16; ///< tone k (A-D) at 16 + 2k
/// The byte whose 0xFF marks an empty slot when loading.
inline constexpr std::size_t kLoadMarker = kPretime;

constexpr std::size_t DecodeFormatOffset(std::size_t decode) {
    return kFirstDecodeFormat + 2 * decode;
}
constexpr std::size_t DecodeAlertOffset(std::size_t decode) {
    return kFirstDecodeAlert + 2 * decode;
}
constexpr std::size_t ToneOffset(std::size_t tone) {
    return kFirstTone + 2 * tone;
}
} // namespace TwoToneSystemLayout

/// Control ids of the two-tone system editor; also the ids of their language lists and ranges.
namespace TwoToneSystemControls {
inline constexpr int kView = 5450; ///< also the record's name in problem entries
inline constexpr int kBasicPage = 5451;
inline constexpr int kAdvancePage = 5452;
inline constexpr int kPretime = 5454;
inline constexpr int kFirstToneDuration = 5457;
inline constexpr int kSecondToneDuration = 5460;
inline constexpr int kLongToneDuration = 5463;
inline constexpr int kGapTime = 5466;
inline constexpr int kSidetone = 5470;
inline constexpr int kShortBeep = 5471;
inline constexpr int kMissingAlertToneText = 5476;
inline constexpr int kMissingAlertTone = 5477; ///< control id of the deleted-alert-tone report
inline constexpr int kFirstCallFormat = 5495;  ///< 5495-5498
inline constexpr int kFirstCallType = 5499;    ///< 5499-5502
inline constexpr int kFirstAlertTone = 5503;   ///< 5503-5506
inline constexpr int kFirstTranspond = 5507;   ///< 5507-5510
inline constexpr int kFirstRecord = 5511;      ///< 5511-5514
inline constexpr int kFirstTone = 5519;        ///< 5519-5522, tones A-D
inline constexpr int kTranspondDelay = 5528;
inline constexpr int kVibrate = 5530;
inline constexpr int kLed = 5531;
inline constexpr int kClearToTranspond = 5532;
inline constexpr int kAlertToneAutoReset = 5533;
inline constexpr int kVibrateAutoReset = 5534;
inline constexpr int kLedAutoReset = 5535;
inline constexpr int kRespondMode = 5537;
// Labels of the basic page.
inline constexpr int kPretimeLabel = 5453;
inline constexpr int kFirstToneDurationLabel = 5456;
inline constexpr int kSecondToneDurationLabel = 5459;
inline constexpr int kLongToneDurationLabel = 5462;
inline constexpr int kGapTimeLabel = 5465;
// Labels of the advance page.
inline constexpr int kCallFormatHeading = 5487;
inline constexpr int kCallTypeHeading = 5488;
inline constexpr int kAlertToneHeading = 5489;
inline constexpr int kFirstDecodeLabel = 5491; ///< "Decode 1" to "Decode 4"
inline constexpr int kFirstToneLabel = 5515;   ///< "Tone A [Hz]" to "Tone D [Hz]"
inline constexpr int kTranspondDelayLabel = 5527;
inline constexpr int kRespondModeLabel = 5536;
} // namespace TwoToneSystemControls

/// What the basic page shows: the five timing texts and the two check boxes.
struct TwoToneSystemBasicUi {
    std::string pretime;
    std::string firstToneDuration;
    std::string secondToneDuration;
    std::string longToneDuration;
    std::string gapTime;
    int sidetone = 0;
    int shortBeep = 0;
};

/// What the advance page shows: per decode the call format, call type, alert tone choice and the
/// transpond and record boxes; the reference tones, the transpond delay, the option boxes and the
/// respond mode.
struct TwoToneSystemAdvanceUi {
    static constexpr std::size_t kDecodes = TwoToneSystemLayout::kDecodeCount;
    std::array<std::string, kDecodes> callFormat;
    std::array<std::string, kDecodes> callType;
    std::array<TwoToneChoiceList, kDecodes> alertTone;
    std::array<int, kDecodes> transpond{};
    std::array<int, kDecodes> record{};
    std::array<std::string, TwoToneSystemLayout::kToneCount> tone;
    std::string transpondDelay;
    int vibrate = 0;
    int led = 0;
    int clearToTranspond = 0;
    int alertToneAutoReset = 0;
    int vibrateAutoReset = 0;
    int ledAutoReset = 0;
    std::string respondMode;
};

/// How the advance page's controls follow the call types; a control left empty keeps its state.
struct TwoToneCallTypeReaction {
    std::array<std::optional<bool>, TwoToneSystemLayout::kDecodeCount> alertToneList;
    std::array<std::optional<bool>, TwoToneSystemLayout::kDecodeCount> recordBox;
    std::optional<bool> vibrate;
    std::optional<bool> led;
    std::optional<bool> alertToneAutoReset;
    std::optional<bool> vibrateAutoReset;
    std::optional<bool> ledAutoReset;
};

/// One two-tone system: timing, four decode definitions with their alert tones, and the four
/// reference tones A-D. Personalities and two-tone calls refer to it by its position.
class TwoToneSystemData : public FeatureRecord {
public:
    static constexpr std::size_t kDecodes = TwoToneSystemLayout::kDecodeCount;

    explicit TwoToneSystemData(ObjectId id) : FeatureRecord(ImageMap::kTwoToneSystemSize, id) {}

    void SetDefaults();

    /// Reference tone 0-3 (A-D), raw.
    std::uint16_t Tone(std::size_t tone) const;
    void SetTone(std::size_t tone, std::uint16_t value);
    /// The stored alert tone number of a decode: 0 = none, n = alert tone n.
    int AlertToneNumber(std::size_t decode) const;
    /// The alert tone a decode refers to (kNoObject for none).
    ObjectId AlertToneRef(std::size_t decode) const { return alertTones_.at(decode); }
    /// Sets the number of systems into the count bits.
    void SetSystemCount(std::size_t count);

    /// The fields of the basic page: the timing and the two boxes.
    static const RecordFieldTable<TwoToneSystemData, TwoToneSystemBasicUi>& BasicFields();
    /// The fields of the advance page: the four decodes (each led by its name in the compare), the
    /// reference tones, the transpond delay, the option boxes and the respond mode.
    static const RecordFieldTable<TwoToneSystemData, TwoToneSystemAdvanceUi>& AdvanceFields();

    void LoadBasicUi(TwoToneSystemBasicUi& ui, const TextLookup& texts) const;
    void StoreBasicUi(const TwoToneSystemBasicUi& ui, const TextLookup& texts);
    /// Fills the advance page; the alert tone choices list the current alert tones.
    void LoadAdvanceUi(TwoToneSystemAdvanceUi& ui, const TextLookup& texts,
                       const RecordDirectory& directory) const;
    /// Writes the advance page back; an alert tone list without a selection leaves its decode's
    /// reference as it was.
    void StoreAdvanceUi(const TwoToneSystemAdvanceUi& ui, const TextLookup& texts);

    /// Brings the alert tone references up to date: a reference to an alert tone that still exists
    /// follows it to its current position; a decode without a reference takes the alert tone at its
    /// stored number, if that exists; a reference to a deleted alert tone is kept, so that the
    /// check can report it.
    void ResolveReferences(const RecordDirectory& directory);
    /// Reports the system once when a decode refers to an alert tone that no longer exists.
    void CheckReferences(ReferenceCheck& check) const;
    /// Withdraws every entry this system may have in the problem list (before it is deleted).
    void WithdrawProblems(ProblemList& problems) const;

    /// Key of the deleted-alert-tone report.
    std::uint32_t MissingAlertToneKey() const;
    /// Key of the entry for the alert tone list of one decode (withdrawn when one is chosen).
    std::uint32_t AlertToneChoiceKey(std::size_t decode) const;

    // Edit rules of the advance page.
    /// The call formats each decode's list offers (raw values, in list order) after one was chosen:
    /// a format other than item 0 is offered to a decode only if no other decode uses it; item 0 is
    /// never offered to decode 1. `fullCount` is the number of items of the full list (item i has raw
    /// value i), `current` the raw values of the four current formats (below 0: none).
    static std::array<std::vector<int>, kDecodes>
    OfferedCallFormats(int fullCount, const std::array<int, kDecodes>& current);

    /// Which of the reference tone edits A-D are enabled: a tone is needed when the text of one of the
    /// four selected call formats holds its capital letter.
    static std::array<bool, TwoToneSystemLayout::kToneCount>
    ToneEditsEnabled(const std::array<std::string, kDecodes>& selectedFormatTexts);

    /// The reaction to the four call types' list positions. `vibrateOn` and `ledOn` tell whether those
    /// boxes are checked (and enabled): their auto-reset boxes follow them when an alerting call type
    /// is in use.
    static TwoToneCallTypeReaction ReactToCallTypes(const std::array<int, kDecodes>& typePositions,
                                                    bool vibrateOn, bool ledOn);

private:
    std::array<ObjectId, kDecodes> alertTones_{};
};

/// Reads the systems: the first slot always, then each next slot whose first byte is not 0xFF, at
/// most four; the reference tones are turned into memory order.
void LoadTwoToneSystems(const Image& image, RecordList<TwoToneSystemData>& list, ObjectIdCounter& ids);
/// Writes the systems in order (at most four), every one carrying the number of systems minus 1 in
/// its count bits and its tones big-endian.
void StoreTwoToneSystems(const RecordList<TwoToneSystemData>& list, Image& image);
/// As above, and also puts the count bits into the systems in memory.
void StoreTwoToneSystems(RecordList<TwoToneSystemData>& list, Image& image);
std::unique_ptr<TwoToneSystemData> MakeDefaultTwoToneSystem(ObjectIdCounter& ids, std::size_t position,
                                                            const DataContext& context);

} // namespace tav
