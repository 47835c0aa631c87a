#include "core/data/PersonalityData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ProblemList.h"
#include "core/data/PttIdData.h"
#include "core/lang/TextLookup.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tav {

namespace L = PersonalityLayout;
namespace C = PersonalityControls;

namespace {

constexpr std::uint8_t kRxSignalingDefault = 0x40; ///< type none, system 0, kept bit 6, condition 0
constexpr std::uint8_t kTxSignalingDefault = 0xC0; ///< type none, system 0, kept bits 6-7
constexpr std::uint8_t kByte11Default = 0xFC;      ///< kept bits 0-1 clear
constexpr std::uint8_t kPttIdFlagsDefault = 0xFD;  ///< side tone off, short beep on, kept bits set
constexpr std::uint8_t kTxAdmitFallback = 1;
/// Squelch modes above this one need an RX optional signalling.
constexpr std::uint8_t kHighestPlainSquelchMode = 1;

struct ByteDefault {
    std::size_t offset;
    std::uint8_t value;
};
constexpr std::array<ByteDefault, 20> kByteDefaults{{
    {L::kRxSignaling, kRxSignalingDefault},
    {L::kTxSignaling, kTxSignalingDefault},
    {7, 0},
    {L::kRxSquelchMode, 1},
    {9, 0},
    {10, 0},
    {11, kByte11Default},
    {L::kTxAdmit, 1},
    {L::kBusyLockout, 0},
    {L::kTxTimeout, 60},
    {L::kTotPreAlert, 10},
    {L::kTotRekey, 0},
    {L::kTotReset, 0},
    {18, 0},
    {L::kAutoResetMode, 1},
    {L::kAutoResetTime, 10},
    {L::kPttIdType, 0},
    {L::kPttIdFlags, kPttIdFlagsDefault},
    {L::kPttIdPretime, 25},
    {L::kPreambleBitSync, 5},
}};

std::size_t SlotAddress(std::size_t slot) {
    return ImageMap::kPersonalities + slot * ImageMap::kPersonalitySize;
}

int SystemIndex(std::uint8_t signaling) {
    return (signaling & L::kSystemIndexMask) >> L::kSystemIndexShift;
}

void SetSystemIndex(std::uint8_t& signaling, std::size_t index) {
    signaling = static_cast<std::uint8_t>((signaling & ~L::kSystemIndexMask) |
                                          ((index << L::kSystemIndexShift) & L::kSystemIndexMask));
}

void ResolveSystem(ObjectId& reference, std::uint8_t& signaling, const RecordDirectory& directory) {
    if ((signaling & L::kSignalTypeMask) != L::kSignalTypeTwoTone) {
        reference = kNoObject;
        return;
    }
    constexpr std::size_t kHighestIndex = L::kSystemIndexMask >> L::kSystemIndexShift;
    if (reference != kNoObject) {
        const auto position = directory.PositionOf(RecordKind::TwoToneSystem, reference);
        if (position && *position <= kHighestIndex) {
            SetSystemIndex(signaling, *position);
        }
        return;
    }
    const auto index = static_cast<std::size_t>(SystemIndex(signaling));
    if (index < directory.Count(RecordKind::TwoToneSystem)) {
        reference = directory.IdAt(RecordKind::TwoToneSystem, index);
    }
}

void StoreSystemChoice(const TwoToneChoiceList& list, ObjectId& reference, std::uint8_t& signaling) {
    constexpr int kHighestIndex = L::kSystemIndexMask >> L::kSystemIndexShift;
    if (!list.HasSelection() || list.selected > kHighestIndex) {
        return;
    }
    reference = list.SelectedValue();
    SetSystemIndex(signaling, static_cast<std::size_t>(list.selected));
}

} // namespace

void PersonalityData::SetDefaults() {
    auto b = Bytes();
    std::fill(b.begin(), b.end(), std::uint8_t{0xFF});
    for (const auto& [offset, value] : kByteDefaults) {
        b[offset] = value;
    }
    SetPrimaryId(kLowestPrimaryId);
    rxSystem_ = kNoObject;
    txSystem_ = kNoObject;
}

std::uint16_t PersonalityData::PrimaryId() const {
    return ReadLe16(Bytes(), L::kPrimaryId);
}

void PersonalityData::SetPrimaryId(std::uint16_t id) {
    WriteLe16(Bytes(), L::kPrimaryId, id);
}

int PersonalityData::RxSignalingType() const {
    return Bytes()[L::kRxSignaling] & L::kSignalTypeMask;
}

int PersonalityData::TxSignalingType() const {
    return Bytes()[L::kTxSignaling] & L::kSignalTypeMask;
}

const BlockFieldTable<PersonalityUi>& PersonalityData::RxTxFields() {
    using P = PersonalityUi;
    using R = BlockRow<P>;
    constexpr BlockCodec kList = BlockCodec::ListItem;
    static const BlockFieldTable<P> table = {
        R("tx_admit", 2320, "Tx Admit", kList, C::kTxAdmit, Member(&P::txAdmit))
            .At({L::kTxAdmit})
            .List(C::kTxAdmit),
        R("tx_timeout", 2324, "TX Time out Time", kList, C::kTxTimeout, Member(&P::txTimeout))
            .At({L::kTxTimeout})
            .List(C::kTxTimeout),
        R("tot_pre_alert", 2326, "TOT Pre-Alert Time", kList, C::kTotPreAlert, Member(&P::totPreAlert))
            .At({L::kTotPreAlert})
            .List(C::kTotPreAlert),
        R("tot_rekey", 2328, "TOT Re-key Time", kList, C::kTotRekey, Member(&P::totRekey))
            .At({L::kTotRekey})
            .List(C::kTotRekey),
        R("tot_reset", 2330, "TOT Reset Time", kList, C::kTotReset, Member(&P::totReset))
            .At({L::kTotReset})
            .List(C::kTotReset),
        R("auto_reset_mode", 2334, "Auto Reset Mode", kList, C::kAutoResetMode, Member(&P::autoResetMode))
            .At({L::kAutoResetMode})
            .List(C::kAutoResetMode),
        R("auto_reset_time", 2336, "Auto Reset Time", kList, C::kAutoResetTime, Member(&P::autoResetTime))
            .At({L::kAutoResetTime})
            .List(C::kAutoResetTime),
        R("busy_lockout", C::kBusyLockout, "Busy Channel Lockout", BlockCodec::Check, C::kBusyLockout,
          Member(&P::busyChannelLockout))
            .At({L::kBusyLockout, 1, L::kBusyLockoutBit}),
    };
    return table;
}

const BlockFieldTable<PersonalityUi>& PersonalityData::SquelchFields() {
    using P = PersonalityUi;
    static const BlockFieldTable<P> table = {
        BlockRow<P>("rx_squelch_mode", 2350, "Rx Squelch Mode", BlockCodec::ListItem, C::kRxSquelchMode,
                    Member(&P::rxSquelchMode))
            .At({L::kRxSquelchMode})
            .List(C::kRxSquelchMode),
    };
    return table;
}

const BlockFieldTable<PersonalityUi>& PersonalityData::PttIdFields() {
    using P = PersonalityUi;
    using R = BlockRow<P>;
    constexpr BlockCodec kList = BlockCodec::ListItem;
    // The primary ID is held least significant byte first until the personalities are saved.
    static const BlockFieldTable<P> table = {
        R("primary_id", 2560, "Primary ID", BlockCodec::HexIdLe, C::kPrimaryId, Member(&P::primaryId))
            .At({L::kPrimaryId, 2}),
        R("ptt_id_type", 2564, "PTTID Type", kList, C::kPttIdType, Member(&P::pttIdType))
            .At({L::kPttIdType})
            .List(C::kPttIdType),
        R("ptt_id_pretime", 2566, "Pretime", kList, C::kPttIdPretime, Member(&P::pttIdPretime))
            .At({L::kPttIdPretime})
            .List(C::kPttIdPretime),
        R("preamble_bit_sync", 2568, "Preamble Bit Sync", kList, C::kPreambleBitSync,
          Member(&P::preambleBitSync))
            .At({L::kPreambleBitSync})
            .List(C::kPreambleBitSync),
        R("side_tone", C::kSideTone, "Side Tone", BlockCodec::CheckOff, C::kSideTone, Member(&P::sideTone))
            .At({L::kPttIdFlags, 1, L::kSideToneOffBit}),
        R("short_beep", C::kShortBeep, "Short Beep", BlockCodec::CheckOff, C::kShortBeep,
          Member(&P::shortBeep))
            .At({L::kPttIdFlags, 1, L::kShortBeepOffBit}),
    };
    return table;
}

const BlockFieldTable<PersonalityUi>& PersonalityData::SignalFields() {
    using P = PersonalityUi;
    using R = BlockRow<P>;
    constexpr BlockCodec kList = BlockCodec::ListItem;
    static const BlockFieldTable<P> table = {
        R("rx_signaling", 2400, "RX Optional Signaling", kList, C::kRxSignaling, Member(&P::rxSignaling))
            .At({L::kRxSignaling, 1, L::kSignalTypeMask})
            .List(C::kRxSignaling),
        R("tx_signaling", 2406, "TX Optional Signaling", kList, C::kTxSignaling, Member(&P::txSignaling))
            .At({L::kTxSignaling, 1, L::kSignalTypeMask})
            .List(C::kTxSignaling),
        R("decode_condition", 2412, "Signaling Decode Condition", kList, C::kDecodeCondition,
          Member(&P::decodeCondition))
            .At({L::kRxSignaling, 1, L::kDecodeConditionMask})
            .List(C::kDecodeCondition),
    };
    return table;
}

const BlockFieldTable<PersonalityUi>& PersonalityData::EditorFields() {
    static const BlockFieldTable<PersonalityUi> table = [] {
        BlockFieldTable<PersonalityUi> all;
        for (const auto* page : {&RxTxFields(), &SquelchFields(), &PttIdFields(), &SignalFields()}) {
            all.insert(all.end(), page->begin(), page->end());
        }
        return all;
    }();
    return table;
}

void PersonalityData::LoadRxTxUi(PersonalityUi& ui, const TextLookup& texts) const {
    LoadBlockFields(RxTxFields(), Bytes(), ui, texts);
}

void PersonalityData::StoreRxTxUi(const PersonalityUi& ui, const TextLookup& texts) {
    StoreBlockFields(RxTxFields(), ui, Bytes(), texts);
}

void PersonalityData::LoadSquelchUi(PersonalityUi& ui, const TextLookup& texts) const {
    LoadBlockFields(SquelchFields(), Bytes(), ui, texts);
}

void PersonalityData::StoreSquelchUi(const PersonalityUi& ui, const TextLookup& texts) {
    StoreBlockFields(SquelchFields(), ui, Bytes(), texts);
}

void PersonalityData::LoadPttIdUi(PersonalityUi& ui, const TextLookup& texts) const {
    LoadBlockFields(PttIdFields(), Bytes(), ui, texts);
}

void PersonalityData::StorePttIdUi(const PersonalityUi& ui, const TextLookup& texts) {
    StoreBlockFields(PttIdFields(), ui, Bytes(), texts);
}

TwoToneChoiceList PersonalityData::SystemChoices(int signalingType, ObjectId reference, int prefixTextId,
                                                 const TextLookup& texts, const RecordDirectory& directory) {
    TwoToneChoiceList list;
    const std::string prefix = texts.GetControlText(prefixTextId);
    if (signalingType == L::kSignalTypeTwoTone) {
        list.AddNumbered(prefix, RecordKind::TwoToneSystem, directory);
    } else {
        list.Add(prefix, kNoObject);
    }
    if (signalingType == L::kSignalTypeNone) {
        list.enabled = false;
        list.selected = 0;
        return list;
    }
    list.enabled = true;
    list.selected = list.IndexOf(reference);
    if (list.selected < 0 && !list.values.empty()) {
        list.selected = 0;
    }
    return list;
}

void PersonalityData::LoadSignalUi(PersonalityUi& ui, const TextLookup& texts,
                                   const RecordDirectory& directory) const {
    LoadBlockFields(SignalFields(), Bytes(), ui, texts);
    ui.rxSystem = SystemChoices(RxSignalingType(), rxSystem_, C::kRxSystem, texts, directory);
    ui.txSystem = SystemChoices(TxSignalingType(), txSystem_, C::kTxSystem, texts, directory);
}

void PersonalityData::StoreSignalUi(const PersonalityUi& ui, const TextLookup& texts) {
    StoreBlockFields(SignalFields(), ui, Bytes(), texts);
    auto b = Bytes();
    StoreSystemChoice(ui.rxSystem, rxSystem_, b[L::kRxSignaling]);
    StoreSystemChoice(ui.txSystem, txSystem_, b[L::kTxSignaling]);
}

void PersonalityData::LoadUi(PersonalityUi& ui, const TextLookup& texts,
                             const RecordDirectory& directory) const {
    LoadRxTxUi(ui, texts);
    LoadSquelchUi(ui, texts);
    LoadPttIdUi(ui, texts);
    LoadSignalUi(ui, texts, directory);
}

void PersonalityData::StoreUi(const PersonalityUi& ui, const TextLookup& texts) {
    StoreRxTxUi(ui, texts);
    StoreSquelchUi(ui, texts);
    StorePttIdUi(ui, texts);
    StoreSignalUi(ui, texts);
}

void PersonalityData::ResolveReferences(const RecordDirectory& directory) {
    auto b = Bytes();
    ResolveSystem(rxSystem_, b[L::kRxSignaling], directory);
    ResolveSystem(txSystem_, b[L::kTxSignaling], directory);
}

void PersonalityData::CheckReferences(ReferenceCheck& check) const {
    if (Bytes()[L::kRxSquelchMode] <= kHighestPlainSquelchMode || RxSignalingType() != L::kSignalTypeNone) {
        return;
    }
    const auto position = check.directory.PositionOf(RecordKind::Personality, Id());
    const int number = position ? static_cast<int>(*position) + 1 : 0;
    check.problems.Add(C::kRxSignaling, check.texts.GetControlText(C::kSquelchProblemText),
                       check.texts.GetControlText(C::kView) + " - " + std::to_string(number),
                       SquelchProblemKey());
}

void PersonalityData::WithdrawProblems(ProblemList& problems) const {
    problems.Withdraw(SquelchProblemKey());
}

std::uint32_t PersonalityData::SquelchProblemKey() const {
    return ProblemList::MakeKey(Id(), C::kRxSignaling);
}

void LoadPersonalities(const Image& image, RecordList<PersonalityData>& list, ObjectIdCounter& ids) {
    list.Clear();
    for (std::size_t i = 0; i < ImageMap::kPersonalityCapacity; ++i) {
        const std::size_t address = SlotAddress(i);
        if (i > 0 && image[address + L::kLoadMarker] == 0xFF) {
            break;
        }
        auto personality = std::make_unique<PersonalityData>(ids.Next());
        CopyFromImage(image, address, personality->Bytes());
        personality->SetPrimaryId(ReadBe16(personality->Bytes(), L::kPrimaryId));
        list.Append(std::move(personality));
    }
}

void StorePersonalities(const RecordList<PersonalityData>& list, Image& image) {
    const std::size_t count = std::min(list.Count(), ImageMap::kPersonalityCapacity);
    for (std::size_t i = 0; i < count; ++i) {
        const PersonalityData& personality = list.At(i);
        std::array<std::uint8_t, ImageMap::kPersonalitySize> record{};
        std::copy(personality.Bytes().begin(), personality.Bytes().end(), record.begin());
        WriteLe16(record, L::kPreviousLink, static_cast<std::uint16_t>(SlotAddress((i + count - 1) % count)));
        WriteLe16(record, L::kNextLink, static_cast<std::uint16_t>(SlotAddress((i + 1) % count)));
        WriteBe16(record, L::kPrimaryId, personality.PrimaryId());
        const std::uint8_t admit = record[L::kTxAdmit];
        if (admit > 4 || admit == 3) {
            record[L::kTxAdmit] = kTxAdmitFallback; // only 0, 1, 2 and 4 mean something to the radio
        }
        CopyToImage(image, SlotAddress(i), record);
    }
    if (count > 0) {
        // The radio takes its PTT-ID settings from the first personality.
        const std::size_t source = SlotAddress(0) + L::kPttIdFields;
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(source), L::kPttIdFieldsSize,
                    image.begin() + static_cast<std::ptrdiff_t>(ImageMap::kPttId));
    }
}

std::unique_ptr<PersonalityData> MakeDefaultPersonality(ObjectIdCounter& ids, std::size_t /*position*/,
                                                        const DataContext& /*context*/) {
    auto personality = std::make_unique<PersonalityData>(ids.Next());
    personality->SetDefaults();
    return personality;
}

std::vector<std::string> PersonalityData::PreAlertItems(const std::vector<std::string>& fullList,
                                                        int txTimeoutValue) {
    const std::size_t count = txTimeoutValue > 0
                                  ? std::min(fullList.size(), static_cast<std::size_t>(txTimeoutValue))
                                  : std::min<std::size_t>(fullList.size(), 1);
    return {fullList.begin(), fullList.begin() + static_cast<std::ptrdiff_t>(count)};
}

int PersonalityData::ReselectPreAlert(const std::vector<std::string>& items,
                                      const std::string& previousText) {
    const auto it = std::find(items.begin(), items.end(), previousText);
    if (it != items.end()) {
        return static_cast<int>(it - items.begin());
    }
    return items.empty() ? -1 : 0;
}

// The personality's PTT-ID fields follow the rules of the data-signalling PTT-ID block.
std::uint16_t PersonalityData::ClampPrimaryIdDigits(std::uint16_t id) {
    return ClampPttIdDigits(id);
}

std::string PersonalityData::PrimaryIdText(std::uint16_t stored) {
    return PrimaryIdDisplayText(stored);
}

std::uint16_t PersonalityData::ParsePrimaryId(const std::string& text) {
    return PrimaryIdFromText(text);
}

std::string PersonalityData::NormalizePrimaryIdText(const std::string& text) {
    return tav::NormalizePrimaryIdText(text);
}

} // namespace tav
