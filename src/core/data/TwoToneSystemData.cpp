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

void TwoToneSystemData::LoadBasicUi(TwoToneSystemBasicUi& ui, const TextLookup& texts) const {
    const auto b = Bytes();
    ui.pretime = texts.ListValueToText(C::kPretime, b[L::kPretime]);
    ui.firstToneDuration = texts.ListValueToText(C::kFirstToneDuration, b[L::kFirstToneDuration]);
    ui.secondToneDuration = texts.ListValueToText(C::kSecondToneDuration, b[L::kSecondToneDuration]);
    ui.longToneDuration = texts.ListValueToText(C::kLongToneDuration, b[L::kLongToneDuration]);
    ui.gapTime = texts.ListValueToText(C::kGapTime, b[L::kGapTime]);
    ui.sidetone = (b[L::kFlags] & L::kSidetoneBit) ? 1 : 0;
    ui.shortBeep = (b[L::kFlags] & L::kShortBeepBit) ? 1 : 0;
}

void TwoToneSystemData::StoreBasicUi(const TwoToneSystemBasicUi& ui, const TextLookup& texts) {
    auto b = Bytes();
    StoreListValue(b[L::kPretime], texts, C::kPretime, ui.pretime);
    StoreListValue(b[L::kFirstToneDuration], texts, C::kFirstToneDuration, ui.firstToneDuration);
    StoreListValue(b[L::kSecondToneDuration], texts, C::kSecondToneDuration, ui.secondToneDuration);
    StoreListValue(b[L::kLongToneDuration], texts, C::kLongToneDuration, ui.longToneDuration);
    StoreListValue(b[L::kGapTime], texts, C::kGapTime, ui.gapTime);
    SetMaskBits(b[L::kFlags], L::kSidetoneBit, ui.sidetone != 0);
    SetMaskBits(b[L::kFlags], L::kShortBeepBit, ui.shortBeep != 0);
}

void TwoToneSystemData::LoadAdvanceUi(TwoToneSystemAdvanceUi& ui, const TextLookup& texts,
                                      const RecordDirectory& directory) const {
    const auto b = Bytes();
    for (std::size_t k = 0; k < kDecodes; ++k) {
        const int id = static_cast<int>(k);
        const std::uint8_t formatType = b[L::DecodeFormatOffset(k)];
        const std::uint8_t alert = b[L::DecodeAlertOffset(k)];
        ui.callFormat[k] = texts.ListValueToText(C::kFirstCallFormat + id, formatType & kLowNibble);
        ui.callType[k] = texts.ListValueToText(C::kFirstCallType + id, formatType >> kHighNibbleShift);
        ui.transpond[k] = (alert & L::kTranspondBit) ? 1 : 0;
        ui.record[k] = (alert & L::kRecordBit) ? 1 : 0;

        TwoToneChoiceList& list = ui.alertTone[k];
        list = {};
        const std::string prefix = texts.GetControlText(C::kFirstAlertTone + id);
        list.Add(prefix, kNoObject);
        list.AddNumbered(prefix, RecordKind::AlertTone, directory);
        list.selected = list.IndexOf(alertTones_[k]);
    }
    for (std::size_t t = 0; t < L::kToneCount; ++t) {
        ui.tone[t] = texts.ListValueToText(C::kFirstTone + static_cast<int>(t), Tone(t));
    }
    ui.transpondDelay = texts.ListValueToText(C::kTranspondDelay, b[L::kTranspondDelay]);
    const std::uint8_t options = b[L::kOptions];
    ui.vibrate = (options & L::kVibrateBit) ? 1 : 0;
    ui.led = (options & L::kLedBit) ? 1 : 0;
    ui.clearToTranspond = (options & L::kClearToTranspondBit) ? 1 : 0;
    ui.alertToneAutoReset = (options & L::kAlertToneAutoResetBit) ? 1 : 0;
    ui.vibrateAutoReset = (options & L::kVibrateAutoResetBit) ? 1 : 0;
    ui.ledAutoReset = (options & L::kLedAutoResetBit) ? 1 : 0;
    ui.respondMode = texts.ListValueToText(C::kRespondMode, options >> L::kRespondModeShift);
}

void TwoToneSystemData::StoreAdvanceUi(const TwoToneSystemAdvanceUi& ui, const TextLookup& texts) {
    auto b = Bytes();
    std::uint8_t& options = b[L::kOptions];
    SetMaskBits(options, L::kVibrateBit, ui.vibrate != 0);
    SetMaskBits(options, L::kLedBit, ui.led != 0);
    SetMaskBits(options, L::kClearToTranspondBit, ui.clearToTranspond != 0);
    SetMaskBits(options, L::kAlertToneAutoResetBit, ui.alertToneAutoReset != 0);
    SetMaskBits(options, L::kVibrateAutoResetBit, ui.vibrateAutoReset != 0);
    SetMaskBits(options, L::kLedAutoResetBit, ui.ledAutoReset != 0);
    StoreListValue(options, texts, C::kRespondMode, ui.respondMode, 0x80, L::kRespondModeShift);
    StoreListValue(b[L::kTranspondDelay], texts, C::kTranspondDelay, ui.transpondDelay);
    for (std::size_t t = 0; t < L::kToneCount; ++t) {
        const int value = texts.ListTextToValue(C::kFirstTone + static_cast<int>(t), ui.tone[t]);
        if (value >= 0 && value <= 0xFFFF) {
            SetTone(t, static_cast<std::uint16_t>(value));
        }
    }
    for (std::size_t k = 0; k < kDecodes; ++k) {
        const int id = static_cast<int>(k);
        std::uint8_t& formatType = b[L::DecodeFormatOffset(k)];
        std::uint8_t& alert = b[L::DecodeAlertOffset(k)];
        StoreListValue(formatType, texts, C::kFirstCallFormat + id, ui.callFormat[k], kLowNibble);
        StoreListValue(formatType, texts, C::kFirstCallType + id, ui.callType[k], 0xF0, kHighNibbleShift);
        SetMaskBits(alert, L::kTranspondBit, ui.transpond[k] != 0);
        SetMaskBits(alert, L::kRecordBit, ui.record[k] != 0);
        const TwoToneChoiceList& list = ui.alertTone[k];
        if (list.HasSelection() && list.selected <= kLowNibble) {
            alertTones_[k] = list.SelectedValue();
            alert = static_cast<std::uint8_t>((alert & ~kLowNibble) | list.selected);
        }
    }
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
