#include "core/data/TwoToneCallData.h"

#include "core/data/ProblemList.h"
#include "core/lang/TextLookup.h"

#include <algorithm>

namespace tav {

namespace L = TwoToneCallLayout;
namespace C = TwoToneCallControls;

namespace {

constexpr std::uint16_t kDefaultFirstTone = 5000;
constexpr std::uint16_t kDefaultSecondTone = 10000;
constexpr std::uint8_t kKeptSettingsBits = 0xF0;

std::size_t SlotAddress(std::size_t slot) {
    return L::kHead + slot * ImageMap::kTwoToneCallSize;
}

bool IsInsideCallArea(std::size_t address) {
    return address >= L::kHead && address <= L::kLastLinkTarget;
}

int Number1Based(const RecordDirectory& directory, RecordKind kind, ObjectId id) {
    const auto position = directory.PositionOf(kind, id);
    return position ? static_cast<int>(*position) + 1 : 0;
}

} // namespace

void TwoToneCallData::SetDefaults() {
    auto b = Bytes();
    std::fill(b.begin(), b.end(), std::uint8_t{0xFF});
    b[L::kSettings] = kKeptSettingsBits; // system 0, call format 0, strip off
    WriteLe16(b, L::kRevertChannel, 0);
    WriteLe16(b, L::kFirstTone, kDefaultFirstTone);
    WriteLe16(b, L::kSecondTone, kDefaultSecondTone);
    system_ = kNoObject;
    revertChannel_ = kNoObject;
}

std::uint16_t TwoToneCallData::NextLink() const {
    return ReadLe16(Bytes(), L::kNextLink);
}

int TwoToneCallData::SystemPosition() const {
    return Bytes()[L::kSettings] & L::kSystemMask;
}

int TwoToneCallData::RevertChannelNumber() const {
    return ReadLe16(Bytes(), L::kRevertChannel);
}

const RecordFieldTable<TwoToneCallData, TwoToneCallUi>& TwoToneCallData::EditorFields() {
    using T = TwoToneCallUi;
    using D = TwoToneCallData;
    using Row = RecordRow<D, T>;
    using F = FieldControl;
    const ReferenceSlot<D> system{[](const D& call) { return call.system_; },
                                  [](D& call, ObjectId id) { call.system_ = id; }};
    const ReferenceSlot<D> revert{[](const D& call) { return call.revertChannel_; },
                                  [](D& call, ObjectId id) { call.revertChannel_ = id; }};
    static const RecordFieldTable<D, T> table = {
        Row("call_format", F::ListIndex, C::kCallFormat, NumberRule<D>({L::kSettings, 1, L::kCallFormatBit}),
            FieldMember(&T::callFormat))
            .Label(C::kCallFormatLabel, "Call Format"),
        Row("first_tone", F::RangeText, C::kFirstTone, ToneFrequencyRule<D>(L::kFirstTone, C::kFirstTone),
            FieldMember(&T::firstTone))
            .Label(C::kFirstToneLabel, "1st Tone [Hz]")
            .Compared(0, "First Tone"),
        Row("second_tone", F::RangeText, C::kSecondTone, ToneFrequencyRule<D>(L::kSecondTone, C::kSecondTone),
            FieldMember(&T::secondTone))
            .Label(C::kSecondToneLabel, "2nd Tone [Hz]")
            .Compared(0, "Second Tone"),
        Row("strip", F::Check, C::kStrip, CheckRule<D>({L::kSettings, 1, L::kStripBit}),
            FieldMember(&T::strip))
            .Label(C::kStrip, "Strip CTCSS/CDCSS Enable"),
        // The report lists the calls by their system already and leaves the revert channel out.
        Row("system", F::Choice, C::kSystem,
            ReferenceRule<D>({L::kSettings, 1, L::kSystemMask},
                             {RecordKind::TwoToneSystem, C::kSystem, false}, system),
            FieldMember(&T::system))
            .Label(C::kSystemLabel, "2 Tone System")
            .Compared(C::kSystemLabel, "2-Tone System")
            .CompareOnly(),
        Row("revert_channel", F::Choice, C::kRevertChannel,
            ReferenceRule<D>({L::kRevertChannel, 2}, {RecordKind::Channel, C::kRevertChannel, true}, revert),
            FieldMember(&T::revertChannel))
            .Label(C::kRevertChannelLabel, "Revert Channel")
            .CompareOnly(),
    };
    return table;
}

void TwoToneCallData::LoadUi(TwoToneCallUi& ui, const TextLookup& texts,
                             const RecordDirectory& directory) const {
    LoadRecordFields(EditorFields(), *this, ui, {texts, &directory});
}

void TwoToneCallData::StoreUi(const TwoToneCallUi& ui, const TextLookup& texts) {
    StoreRecordFields(EditorFields(), ui, *this, texts);
}

void TwoToneCallData::ResolveReferences(const RecordDirectory& directory) {
    auto b = Bytes();
    if (system_ != kNoObject) {
        const auto position = directory.PositionOf(RecordKind::TwoToneSystem, system_);
        if (position && *position <= L::kSystemMask) {
            b[L::kSettings] = static_cast<std::uint8_t>((b[L::kSettings] & ~L::kSystemMask) | *position);
        }
    } else {
        const auto position = static_cast<std::size_t>(SystemPosition());
        if (position < directory.Count(RecordKind::TwoToneSystem)) {
            system_ = directory.IdAt(RecordKind::TwoToneSystem, position);
        }
    }
    if (revertChannel_ != kNoObject) {
        const auto position = directory.PositionOf(RecordKind::Channel, revertChannel_);
        if (position && *position < 0xFFFF) {
            WriteLe16(b, L::kRevertChannel, static_cast<std::uint16_t>(*position + 1));
        }
    } else {
        const int number = RevertChannelNumber();
        if (number >= 1 && static_cast<std::size_t>(number) <= directory.Count(RecordKind::Channel)) {
            revertChannel_ = directory.IdAt(RecordKind::Channel, static_cast<std::size_t>(number - 1));
        }
    }
}

void TwoToneCallData::ForgetRevertChannel() {
    revertChannel_ = kNoObject;
    WriteLe16(Bytes(), L::kRevertChannel, 0);
}

void TwoToneCallData::CheckReferences(ReferenceCheck& check) const {
    const std::string where = check.texts.GetControlText(C::kView) + " - " +
                              std::to_string(Number1Based(check.directory, RecordKind::TwoToneCall, Id()));
    if (system_ != kNoObject && !check.directory.PositionOf(RecordKind::TwoToneSystem, system_)) {
        check.problems.Add(C::kSystem, check.texts.GetControlText(C::kMissingSystemText), where, SystemKey());
    }
    if (revertChannel_ != kNoObject && !check.directory.PositionOf(RecordKind::Channel, revertChannel_)) {
        check.problems.Add(C::kRevertChannel, check.texts.GetControlText(C::kMissingRevertChannelText), where,
                           RevertChannelKey());
    }
}

void TwoToneCallData::WithdrawProblems(ProblemList& problems) const {
    problems.Withdraw(RevertChannelKey());
    problems.Withdraw(SystemKey());
}

std::uint32_t TwoToneCallData::SystemKey() const {
    return ProblemList::MakeKey(Id(), C::kSystem);
}

std::uint32_t TwoToneCallData::RevertChannelKey() const {
    return ProblemList::MakeKey(Id(), C::kRevertChannel);
}

void LoadTwoToneCalls(const Image& image, RecordList<TwoToneCallData>& list, ObjectIdCounter& ids) {
    list.Clear();
    std::size_t address = L::kHead;
    // The head slot is read whatever it holds; a chain that runs in a circle without coming back
    // to the head ends at the capacity.
    while (list.Count() < ImageMap::kTwoToneCallCapacity) {
        auto call = std::make_unique<TwoToneCallData>(ids.Next());
        CopyFromImage(image, address, call->Bytes());
        const std::size_t next = call->NextLink();
        list.Append(std::move(call));
        if (!IsInsideCallArea(next) || next == L::kHead) {
            break;
        }
        address = next;
    }
}

void StoreTwoToneCalls(const RecordList<TwoToneCallData>& list, Image& image) {
    const std::size_t count = std::min(list.Count(), ImageMap::kTwoToneCallCapacity);
    for (std::size_t i = 0; i < count; ++i) {
        TwoToneCallData call = list.At(i);
        const std::size_t previous = (i + count - 1) % count;
        const std::size_t next = (i + 1) % count;
        WriteLe16(call.Bytes(), L::kPreviousLink, static_cast<std::uint16_t>(SlotAddress(previous)));
        WriteLe16(call.Bytes(), L::kNextLink, static_cast<std::uint16_t>(SlotAddress(next)));
        CopyToImage(image, SlotAddress(i), call.Bytes());
    }
}

std::unique_ptr<TwoToneCallData> MakeDefaultTwoToneCall(ObjectIdCounter& ids, std::size_t /*position*/,
                                                        const DataContext& /*context*/) {
    auto call = std::make_unique<TwoToneCallData>(ids.Next());
    call->SetDefaults();
    return call;
}

} // namespace tav
