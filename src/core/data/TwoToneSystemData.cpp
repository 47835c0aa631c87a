#include "core/data/TwoToneSystemData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ProblemList.h"
#include "core/lang/TextLookup.h"

#include <algorithm>

namespace tav {

namespace L = TwoToneSystemLayout;
namespace C = TwoToneSystemControls;

namespace {

constexpr std::uint8_t kLowNibble = 0x0F;
constexpr unsigned kHighNibbleShift = 4;
constexpr std::uint8_t kHighNibble = 0xF0;
constexpr auto kRespondModeMask = static_cast<std::uint8_t>(1U << L::kRespondModeShift);

struct DecodeDefault {
    std::uint8_t format;
    std::uint8_t type;
};
constexpr std::array<DecodeDefault, L::kDecodeCount> kDecodeDefaults{{{13, 3}, {14, 3}, {5, 3}, {9, 3}}};
constexpr std::uint8_t kDefaultAlertTone = 1;
constexpr std::array<std::uint16_t, L::kToneCount> kDefaultTones{3217, 9281, 6090, 20438};

int Number1Based(const RecordDirectory& directory, RecordKind kind, ObjectId id) {
    const auto position = directory.PositionOf(kind, id);
    return position ? static_cast<int>(*position) + 1 : 0;
}

} // namespace

void TwoToneSystemData::SetDefaults() {
    auto b = Bytes();
    std::fill(b.begin(), b.end(), std::uint8_t{0xFF});
    b[L::kPretime] = 5;
    b[L::kFirstToneDuration] = 10;
    b[L::kSecondToneDuration] = 30;
    b[L::kLongToneDuration] = 50;
    b[L::kGapTime] = 10;
    SetMaskBits(b[L::kFlags], L::kSidetoneBit, false);
    SetMaskBits(b[L::kFlags], L::kShortBeepBit, true);
    for (std::size_t k = 0; k < L::kDecodeCount; ++k) {
        b[L::DecodeFormatOffset(k)] = static_cast<std::uint8_t>(
            kDecodeDefaults[k].format | (kDecodeDefaults[k].type << kHighNibbleShift));
        std::uint8_t& alert = b[L::DecodeAlertOffset(k)];
        alert = static_cast<std::uint8_t>((alert & ~kLowNibble) | kDefaultAlertTone);
        SetMaskBits(alert, L::kTranspondBit, false);
        SetMaskBits(alert, L::kRecordBit, false);
    }
    b[L::kOptions] = L::kVibrateBit | L::kLedBit | 0x04 | L::kClearToTranspondBit |
                     L::kAlertToneAutoResetBit | L::kLedAutoResetBit |
                     L::kVibrateAutoResetBit; // respond mode 0
    b[L::kTranspondDelay] = 5;
    for (std::size_t t = 0; t < L::kToneCount; ++t) {
        SetTone(t, kDefaultTones[t]);
    }
    alertTones_.fill(kNoObject);
}

std::uint16_t TwoToneSystemData::Tone(std::size_t tone) const {
    return ReadLe16(Bytes(), L::ToneOffset(tone));
}

void TwoToneSystemData::SetTone(std::size_t tone, std::uint16_t value) {
    WriteLe16(Bytes(), L::ToneOffset(tone), value);
}

int TwoToneSystemData::AlertToneNumber(std::size_t decode) const {
    return Bytes()[L::DecodeAlertOffset(decode)] & kLowNibble;
}

void TwoToneSystemData::SetSystemCount(std::size_t count) {
    const std::size_t bits = count == 0 ? 0 : std::min(count, ImageMap::kTwoToneSystemCapacity) - 1;
    std::uint8_t& flags = Bytes()[L::kFlags];
    flags = static_cast<std::uint8_t>((flags & ~L::kSystemCountMask) | (bits << L::kSystemCountShift));
}

const RecordFieldTable<TwoToneSystemData, TwoToneSystemBasicUi>& TwoToneSystemData::BasicFields() {
    using B = TwoToneSystemBasicUi;
    using Row = RecordRow<TwoToneSystemData, B>;
    using F = FieldControl;
    const auto timing = [](const char* key, int controlId, std::size_t offset, std::string B::*member) {
        return Row(key, F::RangeText, controlId, ListRule<TwoToneSystemData>({offset}, controlId),
                   FieldMember(member));
    };
    const auto flag = [](const char* key, int controlId, std::uint8_t bit, int B::*member) {
        return Row(key, F::Check, controlId, CheckRule<TwoToneSystemData>({L::kFlags, 1, bit}),
                   FieldMember(member));
    };
    static const RecordFieldTable<TwoToneSystemData, B> table = {
        timing("pretime", C::kPretime, L::kPretime, &B::pretime)
            .Label(C::kPretimeLabel, "Pretime [ms]")
            .Compared(0, "Pretime"),
        timing("first_tone_duration", C::kFirstToneDuration, L::kFirstToneDuration, &B::firstToneDuration)
            .Label(C::kFirstToneDurationLabel, "1st Tone Duration [s]")
            .Compared(0, "First Tone Duration"),
        timing("second_tone_duration", C::kSecondToneDuration, L::kSecondToneDuration, &B::secondToneDuration)
            .Label(C::kSecondToneDurationLabel, "2nd Tone Duration [s]")
            .Compared(0, "Second Tone Duration"),
        timing("long_tone_duration", C::kLongToneDuration, L::kLongToneDuration, &B::longToneDuration)
            .Label(C::kLongToneDurationLabel, "Long Tone Duration [s]")
            .Compared(0, "Long Tone Duration"),
        timing("gap_time", C::kGapTime, L::kGapTime, &B::gapTime)
            .Label(C::kGapTimeLabel, "Gap Time [s]")
            .Compared(0, "Gap Time"),
        flag("sidetone", C::kSidetone, L::kSidetoneBit, &B::sidetone)
            .Label(C::kSidetone, "Sidetone")
            .Compared(0, "Side Tone"),
        flag("short_beep", C::kShortBeep, L::kShortBeepBit, &B::shortBeep)
            .Label(C::kShortBeep, "Short Beep")
            .Compared(0, "Short Beep"),
    };
    return table;
}

namespace {

using AdvanceRow = RecordRow<TwoToneSystemData, TwoToneSystemAdvanceUi>;

/// A box of the options byte.
AdvanceRow OptionRow(const char* key, int controlId, const char* caption, std::uint8_t bit,
                     int TwoToneSystemAdvanceUi::*member) {
    return AdvanceRow(key, FieldControl::Check, controlId,
                      CheckRule<TwoToneSystemData>({L::kOptions, 1, bit}), FieldMember(member))
        .Label(controlId, caption);
}

} // namespace

const RecordFieldTable<TwoToneSystemData, TwoToneSystemAdvanceUi>& TwoToneSystemData::AdvanceFields() {
    using A = TwoToneSystemAdvanceUi;
    using Row = AdvanceRow;
    using F = FieldControl;
    static const RecordFieldTable<TwoToneSystemData, A> table = [] {
        RecordFieldTable<TwoToneSystemData, A> rows;
        for (std::size_t k = 0; k < kDecodes; ++k) {
            const int id = static_cast<int>(k);
            const std::string n = std::to_string(k + 1);
            const std::string decode = "Decode " + n;
            const std::size_t format = L::DecodeFormatOffset(k);
            const std::size_t alert = L::DecodeAlertOffset(k);
            const ReferenceSlot<TwoToneSystemData> alertTone{
                [k](const TwoToneSystemData& system) { return system.alertTones_[k]; },
                [k](TwoToneSystemData& system, ObjectId tone) { system.alertTones_[k] = tone; }};
            rows.push_back(Row("call_format_" + n, F::ListText, C::kFirstCallFormat + id,
                               ListRule<TwoToneSystemData>({format, 1, kLowNibble}, C::kFirstCallFormat + id),
                               FieldElement(&A::callFormat, k))
                               .Label(C::kCallFormatHeading, "Call Format")
                               .Group(C::kFirstDecodeLabel + id, decode));
            rows.push_back(Row("call_type_" + n, F::ListText, C::kFirstCallType + id,
                               ListRule<TwoToneSystemData>({format, 1, kHighNibble}, C::kFirstCallType + id),
                               FieldElement(&A::callType, k))
                               .Label(C::kCallTypeHeading, "Call Type")
                               .Group(C::kFirstDecodeLabel + id, decode));
            rows.push_back(Row("alert_tone_" + n, F::Choice, C::kFirstAlertTone + id,
                               ReferenceRule<TwoToneSystemData>(
                                   {alert, 1, kLowNibble},
                                   {RecordKind::AlertTone, C::kFirstAlertTone + id, true}, alertTone),
                               FieldElement(&A::alertTone, k))
                               .Label(C::kAlertToneHeading, "Alert Tone")
                               .Group(C::kFirstDecodeLabel + id, decode));
            rows.push_back(Row("transpond_" + n, F::Check, C::kFirstTranspond + id,
                               CheckRule<TwoToneSystemData>({alert, 1, L::kTranspondBit}),
                               FieldElement(&A::transpond, k))
                               .Label(C::kFirstTranspond + id, "Transpond")
                               .Group(C::kFirstDecodeLabel + id, decode));
            rows.push_back(Row("record_" + n, F::Check, C::kFirstRecord + id,
                               CheckRule<TwoToneSystemData>({alert, 1, L::kRecordBit}),
                               FieldElement(&A::record, k))
                               .Label(C::kFirstRecord + id, "Record")
                               .Group(C::kFirstDecodeLabel + id, decode));
        }
        for (std::size_t t = 0; t < L::kToneCount; ++t) {
            const int id = static_cast<int>(t);
            const std::string letter(1, static_cast<char>('A' + t));
            rows.push_back(Row("tone_" + letter, F::RangeText, C::kFirstTone + id,
                               ToneFrequencyRule<TwoToneSystemData>(L::ToneOffset(t), C::kFirstTone + id),
                               FieldElement(&A::tone, t))
                               .Label(C::kFirstToneLabel + id, "Tone " + letter + " [Hz]"));
        }
        rows.push_back(Row("transpond_delay", F::RangeText, C::kTranspondDelay,
                           ListRule<TwoToneSystemData>({L::kTranspondDelay}, C::kTranspondDelay),
                           FieldMember(&A::transpondDelay))
                           .Label(C::kTranspondDelayLabel, "Transpond Delay [s]"));
        rows.push_back(OptionRow("vibrate", C::kVibrate, "Vibrate", L::kVibrateBit, &A::vibrate));
        rows.push_back(OptionRow("led", C::kLed, "LED", L::kLedBit, &A::led));
        rows.push_back(OptionRow("clear_to_transpond", C::kClearToTranspond, "Clear to Transpond",
                                 L::kClearToTranspondBit, &A::clearToTranspond));
        // The two auto-reset boxes' own captions read "Rest" where the language file has no text.
        rows.push_back(OptionRow("alert_tone_auto_reset", C::kAlertToneAutoReset, "Alert Tone Auto Rest",
                                 L::kAlertToneAutoResetBit, &A::alertToneAutoReset)
                           .Compared(C::kAlertToneAutoReset, "Alert Tone Auto Reset"));
        rows.push_back(OptionRow("vibrate_auto_reset", C::kVibrateAutoReset, "Vibrate Auto Rest",
                                 L::kVibrateAutoResetBit, &A::vibrateAutoReset)
                           .Compared(C::kVibrateAutoReset, "Vibrate Auto Reset"));
        rows.push_back(OptionRow("led_auto_reset", C::kLedAutoReset, "LED Auto Reset", L::kLedAutoResetBit,
                                 &A::ledAutoReset));
        rows.push_back(Row("respond_mode", F::ListText, C::kRespondMode,
                           ListRule<TwoToneSystemData>({L::kOptions, 1, kRespondModeMask}, C::kRespondMode),
                           FieldMember(&A::respondMode))
                           .Label(C::kRespondModeLabel, "Respond Mode"));
        return rows;
    }();
    return table;
}

void TwoToneSystemData::LoadBasicUi(TwoToneSystemBasicUi& ui, const TextLookup& texts) const {
    LoadRecordFields(BasicFields(), *this, ui, {texts});
}

void TwoToneSystemData::StoreBasicUi(const TwoToneSystemBasicUi& ui, const TextLookup& texts) {
    StoreRecordFields(BasicFields(), ui, *this, texts);
}

void TwoToneSystemData::LoadAdvanceUi(TwoToneSystemAdvanceUi& ui, const TextLookup& texts,
                                      const RecordDirectory& directory) const {
    LoadRecordFields(AdvanceFields(), *this, ui, {texts, &directory});
}

void TwoToneSystemData::StoreAdvanceUi(const TwoToneSystemAdvanceUi& ui, const TextLookup& texts) {
    StoreRecordFields(AdvanceFields(), ui, *this, texts);
}

void TwoToneSystemData::ResolveReferences(const RecordDirectory& directory) {
    for (std::size_t k = 0; k < kDecodes; ++k) {
        std::uint8_t& alert = Bytes()[L::DecodeAlertOffset(k)];
        if (alertTones_[k] != kNoObject) {
            const auto position = directory.PositionOf(RecordKind::AlertTone, alertTones_[k]);
            if (position && *position < kLowNibble) {
                alert = static_cast<std::uint8_t>((alert & ~kLowNibble) | (*position + 1));
            }
            continue; // a deleted alert tone stays referred to until the user picks another
        }
        const int number = alert & kLowNibble;
        if (number >= 1 && static_cast<std::size_t>(number) <= directory.Count(RecordKind::AlertTone)) {
            alertTones_[k] = directory.IdAt(RecordKind::AlertTone, static_cast<std::size_t>(number - 1));
        }
    }
}

void TwoToneSystemData::CheckReferences(ReferenceCheck& check) const {
    const bool missing = std::any_of(alertTones_.begin(), alertTones_.end(), [&](ObjectId ref) {
        return ref != kNoObject && !check.directory.PositionOf(RecordKind::AlertTone, ref);
    });
    if (!missing) {
        return;
    }
    const int number = Number1Based(check.directory, RecordKind::TwoToneSystem, Id());
    check.problems.Add(C::kMissingAlertTone, check.texts.GetControlText(C::kMissingAlertToneText),
                       check.texts.GetControlText(C::kView) + " - " + std::to_string(number),
                       MissingAlertToneKey());
}

void TwoToneSystemData::WithdrawProblems(ProblemList& problems) const {
    for (std::size_t k = 0; k < kDecodes; ++k) {
        problems.Withdraw(AlertToneChoiceKey(k));
    }
    problems.Withdraw(MissingAlertToneKey());
}

std::uint32_t TwoToneSystemData::MissingAlertToneKey() const {
    return ProblemList::MakeKey(Id(), C::kMissingAlertTone);
}

std::uint32_t TwoToneSystemData::AlertToneChoiceKey(std::size_t decode) const {
    return ProblemList::MakeKey(Id(), C::kFirstAlertTone + static_cast<int>(decode));
}

void LoadTwoToneSystems(const Image& image, RecordList<TwoToneSystemData>& list, ObjectIdCounter& ids) {
    list.Clear();
    for (std::size_t i = 0; i < ImageMap::kTwoToneSystemCapacity; ++i) {
        const std::size_t address = ImageMap::kTwoToneSystems + i * ImageMap::kTwoToneSystemSize;
        if (i > 0 && image[address + L::kLoadMarker] == 0xFF) {
            break;
        }
        auto system = std::make_unique<TwoToneSystemData>(ids.Next());
        CopyFromImage(image, address, system->Bytes());
        for (std::size_t t = 0; t < L::kToneCount; ++t) {
            system->SetTone(t, ReadBe16(system->Bytes(), L::ToneOffset(t)));
        }
        list.Append(std::move(system));
    }
}

void StoreTwoToneSystems(const RecordList<TwoToneSystemData>& list, Image& image) {
    const std::size_t count = std::min(list.Count(), ImageMap::kTwoToneSystemCapacity);
    for (std::size_t i = 0; i < count; ++i) {
        TwoToneSystemData copy = list.At(i);
        copy.SetSystemCount(count);
        for (std::size_t t = 0; t < L::kToneCount; ++t) {
            WriteBe16(copy.Bytes(), L::ToneOffset(t), list.At(i).Tone(t));
        }
        CopyToImage(image, ImageMap::kTwoToneSystems + i * ImageMap::kTwoToneSystemSize, copy.Bytes());
    }
}

void StoreTwoToneSystems(RecordList<TwoToneSystemData>& list, Image& image) {
    for (auto& system : list) {
        system->SetSystemCount(list.Count());
    }
    StoreTwoToneSystems(static_cast<const RecordList<TwoToneSystemData>&>(list), image);
}

std::unique_ptr<TwoToneSystemData> MakeDefaultTwoToneSystem(ObjectIdCounter& ids, std::size_t /*position*/,
                                                            const DataContext& /*context*/) {
    auto system = std::make_unique<TwoToneSystemData>(ids.Next());
    system->SetDefaults();
    return system;
}

std::array<std::vector<int>, TwoToneSystemData::kDecodes>
TwoToneSystemData::OfferedCallFormats(int fullCount,
                                      const std::array<int, TwoToneSystemData::kDecodes>& current) {
    std::array<std::vector<int>, TwoToneSystemData::kDecodes> offered;
    for (int item = 0; item < fullCount; ++item) {
        for (std::size_t d = 0; d < offered.size(); ++d) {
            bool free = true;
            if (item == 0) {
                free = d != 0; // the first decode always has a call format
            } else {
                for (std::size_t other = 0; other < current.size(); ++other) {
                    if (other != d && current[other] == item) {
                        free = false;
                    }
                }
            }
            if (free) {
                offered[d].push_back(item);
            }
        }
    }
    return offered;
}

std::array<bool, TwoToneSystemLayout::kToneCount> TwoToneSystemData::ToneEditsEnabled(
    const std::array<std::string, TwoToneSystemData::kDecodes>& selectedFormatTexts) {
    std::array<bool, L::kToneCount> enabled{};
    for (std::size_t t = 0; t < L::kToneCount; ++t) {
        const char letter = static_cast<char>('A' + t);
        enabled[t] =
            std::any_of(selectedFormatTexts.begin(), selectedFormatTexts.end(),
                        [&](const std::string& text) { return text.find(letter) != std::string::npos; });
    }
    return enabled;
}

TwoToneCallTypeReaction
TwoToneSystemData::ReactToCallTypes(const std::array<int, TwoToneSystemData::kDecodes>& typePositions,
                                    bool vibrateOn, bool ledOn) {
    TwoToneCallTypeReaction reaction;
    bool anyAlerting = false;
    bool allSilent = true;
    bool allFull = true;
    bool onlySilentOrFull = true;
    for (std::size_t k = 0; k < typePositions.size(); ++k) {
        switch (typePositions[k]) {
        case 0:
            reaction.alertToneList[k] = false;
            reaction.recordBox[k] = true;
            break;
        case 1:
            reaction.alertToneList[k] = true;
            reaction.recordBox[k] = false;
            break;
        case 2:
            reaction.alertToneList[k] = true;
            break;
        case 3:
            reaction.alertToneList[k] = true;
            reaction.recordBox[k] = true;
            break;
        default:
            break;
        }
        const int t = typePositions[k];
        anyAlerting = anyAlerting || t == 1 || t == 2;
        allSilent = allSilent && t == 0;
        allFull = allFull && t == 3;
        onlySilentOrFull = onlySilentOrFull && (t == 0 || t == 3);
    }
    if (anyAlerting) {
        reaction.vibrate = true;
        reaction.led = true;
        reaction.alertToneAutoReset = true;
        reaction.vibrateAutoReset = vibrateOn;
        reaction.ledAutoReset = ledOn;
    } else if (allSilent) {
        reaction.vibrate = false;
        reaction.led = false;
        reaction.alertToneAutoReset = false;
        reaction.vibrateAutoReset = false;
        reaction.ledAutoReset = false;
    } else if (allFull) {
        reaction.alertToneAutoReset = false;
        reaction.vibrateAutoReset = false;
        reaction.ledAutoReset = false;
    } else if (onlySilentOrFull) {
        reaction.alertToneAutoReset = false;
    }
    return reaction;
}

} // namespace tav
