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

std::optional<int> ListValue(const TextLookup& texts, int listId, const std::string& text) {
    const int value = texts.ListTextToValue(listId, text);
    return value < 0 ? std::nullopt : std::optional<int>(value);
}

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

void ScanListData::SetField(std::size_t offset, std::uint8_t mask, int shift, int value) {
    auto b = Bytes();
    b[offset] = static_cast<std::uint8_t>((b[offset] & ~mask) | ((value << shift) & mask));
}

void ScanListData::SetBit(std::size_t offset, std::uint8_t bit, bool on) {
    auto b = Bytes();
    b[offset] = static_cast<std::uint8_t>(on ? (b[offset] | bit) : (b[offset] & ~bit));
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

/// Drop-down position of a referenced channel, or the "nothing selected" position.
std::uint32_t PositionOf(const RecordDirectory& directory, ObjectId channel, std::uint32_t none) {
    const auto position =
        channel == kNoObject ? std::nullopt : directory.PositionOf(RecordKind::Channel, channel);
    return position ? static_cast<std::uint32_t>(*position) : none;
}

/// A selected drop-down position becomes a channel reference and its 1-based number; a position that
/// is "nothing selected" (or names no channel) becomes no reference and number 255.
std::uint16_t TakeChannel(const RecordDirectory& directory, std::uint32_t position, ObjectId& id) {
    if (position >= ScanSettingsUi::kNoSelection || position >= directory.Count(RecordKind::Channel)) {
        id = kNoObject;
        return R::kNoChannel;
    }
    id = directory.IdAt(RecordKind::Channel, position);
    return static_cast<std::uint16_t>(position + 1);
}

} // namespace

void ScanListData::LoadSettings(ScanSettingsUi& ui, const TextLookup& texts,
                                const RecordDirectory& directory) const {
    const auto b = Bytes();
    ui.toneScanMode = texts.ListValueToText(kToneScanModeList, ToneScanMode());
    ui.signalScanMode = texts.ListValueToText(kSignalScanModeList, SignalScanMode());
    ui.signalHangTime = texts.ListValueToText(kSignalHangTimeList, b[R::kSignalHang]);
    ui.transmitMode = texts.ListValueToText(kTransmitModeList, TransmitMode());
    ui.hangTime = texts.ListValueToText(kHangTimeList, b[R::kHangTime]);
    ui.priorityMode = texts.ListValueToText(kPriorityModeList, PriorityMode());
    ui.prioritySweepTime = texts.ListValueToText(kSweepTimeList, b[R::kSweepTime]);
    ui.designatedChannel = PositionOf(directory, designatedId_, ScanSettingsUi::kNoSelection);
    ui.priorityChannel = PositionOf(directory, priority1Id_, ScanSettingsUi::kNoSelection);
    const auto bit = [&](std::size_t offset, std::uint8_t mask) { return (b[offset] & mask) ? 1 : 0; };
    ui.priorityDeleteAdd = bit(R::kPriority, R::kPriorityDeleteAddBit);
    ui.scanStartAlert = bit(R::kAlerts, R::kScanStartAlertBit);
    ui.scanEndAlert = bit(R::kAlerts, R::kScanEndAlertBit);
    ui.priorityScanAlert = bit(R::kAlerts, R::kPriorityAlertBit);
    ui.includeCurrentChannel = bit(R::kAlerts, R::kIncludeCurrentBit);
    ui.talkback = bit(R::kTransmit, R::kTalkbackBit);
    ui.priorityScanInAutoReset = bit(R::kAlerts, R::kPriorityInAutoResetBit);
    ui.nuisanceDelete = bit(R::kAlerts, R::kNuisanceDeleteBit);
    ui.nuisanceReset = bit(R::kNuisance, R::kNuisanceResetBit);
}

void ScanListData::StoreSettings(const ScanSettingsUi& ui, const TextLookup& texts,
                                 const RecordDirectory& directory) {
    auto b = Bytes();
    if (const auto v = ListValue(texts, kToneScanModeList, ui.toneScanMode)) {
        SetField(R::kModes, R::kToneScanMask, R::kToneScanShift, *v);
    }
    if (const auto v = ListValue(texts, kSignalScanModeList, ui.signalScanMode)) {
        SetField(R::kModes, R::kSignalScanMask, R::kSignalScanShift, *v);
    }
    if (const auto v = ListValue(texts, kSignalHangTimeList, ui.signalHangTime)) {
        b[R::kSignalHang] = static_cast<std::uint8_t>(*v);
    }
    if (const auto v = ListValue(texts, kPriorityModeList, ui.priorityMode)) {
        SetField(R::kPriority, R::kPriorityModeMask, 0, *v);
    }
    if (const auto v = ListValue(texts, kSweepTimeList, ui.prioritySweepTime)) {
        b[R::kSweepTime] = static_cast<std::uint8_t>(*v);
    }
    if (const auto v = ListValue(texts, kTransmitModeList, ui.transmitMode)) {
        SetField(R::kTransmit, R::kTransmitModeMask, 0, *v);
    }
    if (const auto v = ListValue(texts, kHangTimeList, ui.hangTime)) {
        b[R::kHangTime] = static_cast<std::uint8_t>(*v);
    }
    SetNumber(R::kDesignated, TakeChannel(directory, ui.designatedChannel, designatedId_));
    SetNumber(R::kPriority1, TakeChannel(directory, ui.priorityChannel, priority1Id_));

    SetBit(R::kPriority, R::kPriorityDeleteAddBit, ui.priorityDeleteAdd != 0);
    SetBit(R::kTransmit, R::kTalkbackBit, ui.talkback != 0);
    SetBit(R::kAlerts, R::kScanStartAlertBit, ui.scanStartAlert != 0);
    SetBit(R::kAlerts, R::kScanEndAlertBit, ui.scanEndAlert != 0);
    SetBit(R::kAlerts, R::kPriorityAlertBit, ui.priorityScanAlert != 0);
    SetBit(R::kAlerts, R::kIncludeCurrentBit, ui.includeCurrentChannel != 0);
    SetBit(R::kAlerts, R::kPriorityInAutoResetBit, ui.priorityScanInAutoReset != 0);
    SetBit(R::kAlerts, R::kNuisanceDeleteBit, ui.nuisanceDelete != 0);
    SetBit(R::kNuisance, R::kNuisanceResetBit, ui.nuisanceReset != 0);
}

void ScanListData::LoadMembers(ScanMembersUi& ui, const TextLookup& texts,
                               const RecordDirectory& directory) const {
    ui.entries = texts.ListValueToText(kEntriesList, Entries());
    for (std::size_t k = 0; k < R::kMemberCount; ++k) {
        ui.members[k] = PositionOf(directory, memberIds_[k], ScanMembersUi::kNoSelection);
    }
}

void ScanListData::StoreMembers(const ScanMembersUi& ui, const TextLookup& texts,
                                const RecordDirectory& directory) {
    if (const auto v = ListValue(texts, kEntriesList, ui.entries)) {
        Bytes()[R::kEntries] = static_cast<std::uint8_t>(*v);
    }
    for (std::size_t k = 0; k < R::kMemberCount; ++k) {
        SetNumber(R::kMembers + 2 * k, TakeChannel(directory, ui.members[k], memberIds_[k]));
    }
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
