#include "core/data/ScanListData.h"

#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "core/data/RecordKind.h"
#include "core/lang/TextLookup.h"
#include "core/util/NumberText.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tav {

namespace {

using R = ScanListRecord;

bool NamesChannel(const RecordDirectory& directory, ObjectId id) {
    return id != kNoObject && directory.PositionOf(RecordKind::Channel, id).has_value();
}

} // namespace

ScanListData::ScanListData(ObjectId id) : FeatureRecord(R::kSize, id) {}

void ScanListData::SetDefaults() {
    auto b = Bytes();
    std::fill(b.begin(), b.end(), 0xFF);
    b[R::kEntries] = R::kNewEntries;
    b[R::kModes] = R::kNewModes;
    b[R::kSignalHang] = R::kNewSignalHang;
    b[R::kPriority] = R::kNewPriority;
    b[R::kSweepTime] = R::kNewSweepTime;
    WriteBe16(b, R::kPriority1, R::kNewPriority1);
    WriteBe16(b, R::kPriority2, R::kNewPriority2);
    b[R::kTransmit] = R::kNewTransmit;
    WriteBe16(b, R::kDesignated, R::kNewDesignated);
    b[R::kHangTime] = R::kNewHangTime;
    b[R::kAlerts] = R::kNewAlerts;
    b[R::kNuisance] = R::kNewNuisance;
    b[R::kReserved19] = R::kNewReserved19;
    b[R::kReserved20] = R::kNewReserved20;
    b[R::kReserved21] = R::kNewReserved21;
    b[R::kReserved22] = R::kNewReserved22;
    b[R::kReserved23] = R::kNewReserved23;
    for (std::size_t k = 0; k < R::kMemberCount; ++k) {
        WriteBe16(b, R::kMembers + 2 * k, static_cast<std::uint16_t>(k + 1));
    }
    memberIds_.fill(kNoObject);
    designatedId_ = priority1Id_ = priority2Id_ = kNoObject;
}

std::uint8_t ScanListData::Entries() const {
    return Byte(R::kEntries);
}
int ScanListData::ToneScanMode() const {
    return (Byte(R::kModes) & R::kToneScanMask) >> R::kToneScanShift;
}
int ScanListData::SignalScanMode() const {
    return (Byte(R::kModes) & R::kSignalScanMask) >> R::kSignalScanShift;
}
int ScanListData::PriorityMode() const {
    return Byte(R::kPriority) & R::kPriorityModeMask;
}
int ScanListData::TransmitMode() const {
    return Byte(R::kTransmit) & R::kTransmitModeMask;
}
std::uint16_t ScanListData::DesignatedNumber() const {
    return ReadBe16(Bytes(), R::kDesignated);
}
std::uint16_t ScanListData::Priority1Number() const {
    return ReadBe16(Bytes(), R::kPriority1);
}
std::uint16_t ScanListData::Priority2Number() const {
    return ReadBe16(Bytes(), R::kPriority2);
}

std::uint16_t ScanListData::MemberNumber(std::size_t k) const {
    return k < R::kMemberCount ? ReadBe16(Bytes(), R::kMembers + 2 * k) : R::kNoChannel;
}

void ScanListData::SetNumber(std::size_t offset, std::uint16_t number) {
    WriteBe16(Bytes(), offset, number);
}

std::uint16_t ScanListData::NumberOf(ObjectId channel, const RecordDirectory& directory) const {
    const auto position =
        channel == kNoObject ? std::nullopt : directory.PositionOf(RecordKind::Channel, channel);
    return position && *position < R::kNoChannel - 1u ? static_cast<std::uint16_t>(*position + 1)
                                                      : R::kNoChannel;
}

namespace {

static_assert(ScanSettingsUi::kNoSelection == static_cast<std::uint32_t>(kNoChannelPosition));
static_assert(ScanMembersUi::kNoSelection == static_cast<std::uint32_t>(kNoChannelPosition));

/// Drop-down position of a referenced channel, or the "nothing selected" position.
int PositionOf(const RecordDirectory& directory, ObjectId channel) {
    const auto position =
        channel == kNoObject ? std::nullopt : directory.PositionOf(RecordKind::Channel, channel);
    return position ? static_cast<int>(*position) : kNoChannelPosition;
}

/// A selected drop-down position becomes a channel reference; a position that is "nothing
/// selected" (or names no channel) becomes no reference. Returns the position the reference has.
int TakeChannel(const RecordDirectory& directory, int position, ObjectId& id) {
    if (position < 0 || position >= kNoChannelPosition ||
        static_cast<std::size_t>(position) >= directory.Count(RecordKind::Channel)) {
        id = kNoObject;
        return kNoChannelPosition;
    }
    id = directory.IdAt(RecordKind::Channel, static_cast<std::size_t>(position));
    return position;
}

/// The slot of a channel drop-down's position.
template <class Ui> BlockSlot<Ui> ChannelSlot(std::uint32_t Ui::*member) {
    return {[member](const Ui& ui) { return BlockValue(static_cast<int>(ui.*member)); },
            [member](Ui& ui, const BlockValue& value) {
                ui.*member = static_cast<std::uint32_t>(std::get<int>(value));
            }};
}

BlockSlot<ScanMembersUi> MemberSlot(std::size_t k) {
    return {[k](const ScanMembersUi& ui) { return BlockValue(static_cast<int>(ui.members[k])); },
            [k](ScanMembersUi& ui, const BlockValue& value) {
                ui.members[k] = static_cast<std::uint32_t>(std::get<int>(value));
            }};
}

constexpr std::uint8_t kWholeByte = 0xFF;

/// Keys and labels of the members: "member_1", "Member 1", ...
struct MemberNames {
    std::array<std::string, R::kMemberCount> keys;
    std::array<std::string, R::kMemberCount> labels;
};

const MemberNames& Members() {
    static const MemberNames names = [] {
        MemberNames made;
        for (std::size_t k = 0; k < R::kMemberCount; ++k) {
            made.keys[k] = "member_" + std::to_string(k + 1);
            made.labels[k] = "Member " + std::to_string(k + 1);
        }
        return made;
    }();
    return names;
}

} // namespace

const BlockFieldTable<ScanSettingsUi>& ScanListData::SettingsFields() {
    using C = BlockCodec;
    using S = ScanSettingsUi;
    const auto list = [](const char* key, int listId, const char* fallback, std::string S::*member,
                         FieldBytes bytes) {
        return BlockRow<S>(key, listId - 1, fallback, C::ListItem, listId, Member(member))
            .At(bytes)
            .List(listId);
    };
    const auto check = [](const char* key, int controlId, const char* fallback, int S::*member,
                          std::size_t offset, std::uint8_t bit) {
        return BlockRow<S>(key, controlId, fallback, C::Check, controlId, Member(member))
            .At({offset, 1, bit});
    };
    const auto channel = [](const char* key, int controlId, const char* fallback, std::uint32_t S::*member,
                            std::size_t offset) {
        return BlockRow<S>(key, controlId - 1, fallback, C::ChannelNumber, controlId, ChannelSlot(member))
            .At({offset, 2});
    };
    static const BlockFieldTable<S> table = {
        list("tone_scan_mode", kToneScanModeList, "CTCSS/CDCSS Scan Mode", &S::toneScanMode,
             {R::kModes, 1, R::kToneScanMask}),
        list("signal_scan_mode", kSignalScanModeList, "Signal Scan Mode", &S::signalScanMode,
             {R::kModes, 1, R::kSignalScanMask}),
        list("signal_hang_time", kSignalHangTimeList, "Signal Hang Time", &S::signalHangTime,
             {R::kSignalHang, 1, kWholeByte}),
        list("transmit_mode", kTransmitModeList, "TX Mode", &S::transmitMode,
             {R::kTransmit, 1, R::kTransmitModeMask}),
        list("hang_time", kHangTimeList, "Hang Time (s)", &S::hangTime, {R::kHangTime, 1, kWholeByte}),
        list("priority_mode", kPriorityModeList, "Priority Mode", &S::priorityMode,
             {R::kPriority, 1, R::kPriorityModeMask}),
        list("priority_sweep_time", kSweepTimeList, "Priority Sweep Time (ms)", &S::prioritySweepTime,
             {R::kSweepTime, 1, kWholeByte}),
        channel("designated_channel", kDesignatedControl, "Designated Channel", &S::designatedChannel,
                R::kDesignated),
        channel("priority_channel", kPriorityControl, "Priority Channel", &S::priorityChannel, R::kPriority1),
        check("priority_delete_add", kPriorityDeleteAddCheck, "Delete/Add", &S::priorityDeleteAdd,
              R::kPriority, R::kPriorityDeleteAddBit),
        check("scan_start_alert", kScanStartAlertCheck, "Scan Start Alert", &S::scanStartAlert, R::kAlerts,
              R::kScanStartAlertBit),
        check("scan_end_alert", kScanEndAlertCheck, "Scan End Alert", &S::scanEndAlert, R::kAlerts,
              R::kScanEndAlertBit),
        check("priority_scan_alert", kPriorityScanAlertCheck, "Priority Scan Alert", &S::priorityScanAlert,
              R::kAlerts, R::kPriorityAlertBit),
        check("include_current_channel", kIncludeCurrentCheck, "Include Current Channel",
              &S::includeCurrentChannel, R::kAlerts, R::kIncludeCurrentBit),
        check("talkback", kTalkbackCheck, "Talkback", &S::talkback, R::kTransmit, R::kTalkbackBit),
        check("priority_scan_in_auto_reset", kPriorityInAutoResetCheck, "Priority Scan in Auto Reset Time",
              &S::priorityScanInAutoReset, R::kAlerts, R::kPriorityInAutoResetBit),
        check("nuisance_delete", kNuisanceDeleteCheck, "Nuisance Delete", &S::nuisanceDelete, R::kAlerts,
              R::kNuisanceDeleteBit),
        check("nuisance_reset", kNuisanceResetCheck, "Nuisance Reset", &S::nuisanceReset, R::kNuisance,
              R::kNuisanceResetBit),
    };
    return table;
}

const BlockFieldTable<ScanMembersUi>& ScanListData::MemberFields() {
    static const BlockFieldTable<ScanMembersUi> table = [] {
        BlockFieldTable<ScanMembersUi> fields = {
            BlockRow<ScanMembersUi>("entries", kEntriesLabel, "Number of Entries in Scan List",
                                    BlockCodec::ListItem, kEntriesList, Member(&ScanMembersUi::entries))
                .At({R::kEntries, 1, kWholeByte})
                .List(kEntriesList)};
        for (std::size_t k = 0; k < R::kMemberCount; ++k) {
            const int offset = static_cast<int>(k);
            fields.push_back(BlockRow<ScanMembersUi>(Members().keys[k].c_str(), kFirstMemberLabel + offset,
                                                     Members().labels[k].c_str(), BlockCodec::ChannelNumber,
                                                     kFirstMemberControl + offset, MemberSlot(k))
                                 .At({R::kMembers + 2 * k, 2}));
        }
        return fields;
    }();
    return table;
}

ObjectId ScanListData::ReferenceAt(std::size_t offset) const {
    return offset == R::kDesignated  ? designatedId_
           : offset == R::kPriority1 ? priority1Id_
                                     : memberIds_.at((offset - R::kMembers) / 2);
}

ObjectId& ScanListData::ReferenceAt(std::size_t offset) {
    if (offset == R::kDesignated) {
        return designatedId_;
    }
    if (offset == R::kPriority1) {
        return priority1Id_;
    }
    return memberIds_.at((offset - R::kMembers) / 2);
}

template <class Ui>
void ScanListData::LoadFields(const BlockFieldTable<Ui>& table, Ui& ui, const TextLookup& texts,
                              const RecordDirectory& directory) const {
    for (const BlockField<Ui>& field : table) {
        field.slot.set(ui, field.codec == BlockCodec::ChannelNumber
                               ? BlockValue(PositionOf(directory, ReferenceAt(field.bytes.offset)))
                               : DecodeBlockField(field, Bytes(), texts));
    }
}

template <class Ui>
void ScanListData::StoreFields(const BlockFieldTable<Ui>& table, const Ui& ui, const TextLookup& texts,
                               const RecordDirectory& directory) {
    for (const BlockField<Ui>& field : table) {
        BlockValue value = field.slot.get(ui);
        if (field.codec == BlockCodec::ChannelNumber) {
            value = TakeChannel(directory, std::get<int>(value), ReferenceAt(field.bytes.offset));
        }
        EncodeBlockField(field, value, Bytes(), texts);
    }
}

void ScanListData::LoadSettings(ScanSettingsUi& ui, const TextLookup& texts,
                                const RecordDirectory& directory) const {
    LoadFields(SettingsFields(), ui, texts, directory);
}

void ScanListData::StoreSettings(const ScanSettingsUi& ui, const TextLookup& texts,
                                 const RecordDirectory& directory) {
    StoreFields(SettingsFields(), ui, texts, directory);
}

void ScanListData::LoadMembers(ScanMembersUi& ui, const TextLookup& texts,
                               const RecordDirectory& directory) const {
    LoadFields(MemberFields(), ui, texts, directory);
}

void ScanListData::StoreMembers(const ScanMembersUi& ui, const TextLookup& texts,
                                const RecordDirectory& directory) {
    StoreFields(MemberFields(), ui, texts, directory);
}

void ScanListData::ResolveReferences(const RecordDirectory& directory) {
    const std::size_t count = directory.Count(RecordKind::Channel);
    const auto resolve = [&](std::uint16_t number) {
        return number >= 1 && number <= count ? directory.IdAt(RecordKind::Channel, number - 1u) : kNoObject;
    };
    designatedId_ = resolve(DesignatedNumber());
    priority1Id_ = resolve(Priority1Number());
    priority2Id_ = resolve(Priority2Number());
    for (std::size_t k = 0; k < R::kMemberCount; ++k) {
        memberIds_[k] = resolve(MemberNumber(k));
    }
}

void ScanListData::CheckReferences(ReferenceCheck& check) const {
    const auto position = check.directory.PositionOf(RecordKind::ScanList, Id());
    const std::string prefix = check.texts.GetControlText(kScanListText) + " - " +
                               std::to_string(position ? *position + 1 : 0) + ": ";
    const std::size_t inUse = std::min<std::size_t>(Entries(), R::kMemberCount);
    for (std::size_t k = 0; k < inUse; ++k) {
        if (!NamesChannel(check.directory, memberIds_[k])) {
            const int control = kFirstMemberControl + static_cast<int>(k);
            check.problems.Add(control, check.texts.GetControlText(kFirstMemberLabel + static_cast<int>(k)),
                               prefix + check.texts.GetControlText(kMembersPageText),
                               ProblemList::MakeKey(Id(), control));
        }
    }
    if (TransmitMode() == R::kTransmitDesignated && !NamesChannel(check.directory, designatedId_)) {
        check.problems.Add(kDesignatedControl, check.texts.GetControlText(kDesignatedLabel),
                           prefix + check.texts.GetControlText(kConfigPageText),
                           ProblemList::MakeKey(Id(), kDesignatedControl));
    }
    if (PriorityMode() == R::kPriorityFixed && !NamesChannel(check.directory, priority1Id_)) {
        check.problems.Add(kPriorityControl, check.texts.GetControlText(kPriorityLabel),
                           prefix + check.texts.GetControlText(kConfigPageText),
                           ProblemList::MakeKey(Id(), kPriorityControl));
    }
}

void ScanListData::WithdrawProblems(ProblemList& problems) const {
    for (std::size_t k = 0; k < R::kMemberCount; ++k) {
        WithdrawProblem(problems, kFirstMemberControl + static_cast<int>(k));
    }
    WithdrawProblem(problems, kDesignatedControl);
    WithdrawProblem(problems, kPriorityControl);
}

void ScanListData::WithdrawProblem(ProblemList& problems, int controlId) const {
    problems.Withdraw(ProblemList::MakeKey(Id(), controlId));
}

void ScanListData::RenumberChannels(const RecordDirectory& directory) {
    // A reference that never named a channel keeps its stored number as it is.
    const auto renumber = [&](std::size_t offset, ObjectId id) {
        if (id != kNoObject) {
            SetNumber(offset, NumberOf(id, directory));
        }
    };
    renumber(R::kDesignated, designatedId_);
    renumber(R::kPriority1, priority1Id_);
    renumber(R::kPriority2, priority2Id_);
    for (std::size_t k = 0; k < R::kMemberCount; ++k) {
        renumber(R::kMembers + 2 * k, memberIds_[k]);
    }
}

std::size_t ScanListData::EnabledMembers(const std::string& entriesText) {
    const std::int64_t n = ReadDecimalInteger(entriesText).value_or(0);
    return static_cast<std::size_t>(
        std::clamp<std::int64_t>(n, 0, static_cast<std::int64_t>(R::kMemberCount)));
}

PriorityControlState ScanListData::PriorityControls(int priorityMode) {
    switch (priorityMode) {
    case R::kPriorityOff:
        return {false, false, false};
    case R::kPriorityFixed:
        return {true, true, true};
    default:
        return {false, true, true};
    }
}

void LoadScanLists(const Image& image, RecordList<ScanListData>& scanLists, ObjectIdCounter& ids) {
    scanLists.Clear();
    for (std::size_t k = 0; k < ImageMap::kScanListCapacity; ++k) {
        auto scanList = std::make_unique<ScanListData>(ids.Next());
        CopyFromImage(image, ImageMap::kScanLists + ImageMap::kScanListSize * k, scanList->Bytes());
        scanLists.Append(std::move(scanList));
    }
}

void StoreScanLists(const RecordList<ScanListData>& scanLists, Image& image) {
    for (std::size_t k = 0; k < scanLists.Count() && k < ImageMap::kScanListCapacity; ++k) {
        CopyToImage(image, ImageMap::kScanLists + ImageMap::kScanListSize * k, scanLists.At(k).Bytes());
    }
}

std::unique_ptr<ScanListData> MakeDefaultScanList(ObjectIdCounter& ids, std::size_t /*position*/,
                                                  const DataContext& /*context*/) {
    auto scanList = std::make_unique<ScanListData>(ids.Next());
    scanList->SetDefaults();
    return scanList;
}

} // namespace tav
