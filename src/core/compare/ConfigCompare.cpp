#include "core/compare/ConfigCompare.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/compare/DifferenceList.h"
#include "core/compare/EditorFields.h"
#include "core/compare/FactoryFields.h"
#include "core/compare/FieldTable.h"
#include "core/data/ChannelFields.h"
#include "core/data/FreqCodec.h"
#include "core/data/FreqEntryRules.h"
#include "core/data/ImageMap.h"
#include "core/data/ToneCodec.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

namespace tav {

namespace {

constexpr std::uint32_t kNoScanChannel = ScanMembersUi::kNoSelection;

std::string OnOff(int checked) {
    return checked != 0 ? "On" : "Off";
}

/// A drop-down that picks another record: the chosen item's text, "none" for the none item, no
/// selection or a list the editor leaves disabled.
std::string ChoiceValue(const TwoToneChoiceList& list) {
    return !list.enabled || list.SelectedValue() == kNoObject
               ? std::string("none")
               : list.texts[static_cast<std::size_t>(list.selected)];
}

constexpr std::uint8_t kLowNibble = 0x0F;
constexpr std::uint8_t kHighNibble = 0xF0;
/// The programming date's bytes the editor shows: second, minute, hour, day, month, year.
constexpr std::size_t kShownDateBytes = 6;

std::string ChannelValue(std::uint32_t position) {
    return position == kNoScanChannel ? "none" : "Channel " + std::to_string(position + 1);
}

} // namespace

// The editors' field tables below are shared with the configuration report (EditorFields.h).

const FieldTable<ChannelUi>& ChannelFields() {
    static const FieldTable<ChannelUi> table = [] {
        FieldTable<ChannelUi> rows;
        for (const ChannelField& field : ChannelFieldTable()) {
            rows.push_back(FieldRow<ChannelUi>{
                field.labelId, field.fallback, [&field](const ChannelUi& ui) {
                    return ChannelCompareText(field, ui);
                }}.StoredIn(field.bytes));
        }
        return rows;
    }();
    return table;
}

const FieldTable<PersonalityUi>& PersonalityFields() {
    using P = PersonalityUi;
    namespace L = PersonalityLayout;
    static const FieldTable<P> table = {
        FieldRow<P>{2320, "Tx Admit", TextField<&P::txAdmit>()}.StoredIn({{L::kTxAdmit}}),
        FieldRow<P>{2324, "TX Time out Time", TextField<&P::txTimeout>()}.StoredIn({{L::kTxTimeout}}),
        FieldRow<P>{2326, "TOT Pre-Alert Time", TextField<&P::totPreAlert>()}.StoredIn({{L::kTotPreAlert}}),
        FieldRow<P>{2328, "TOT Re-key Time", TextField<&P::totRekey>()}.StoredIn({{L::kTotRekey}}),
        FieldRow<P>{2330, "TOT Reset Time", TextField<&P::totReset>()}.StoredIn({{L::kTotReset}}),
        FieldRow<P>{2334, "Auto Reset Mode", TextField<&P::autoResetMode>()}.StoredIn({{L::kAutoResetMode}}),
        FieldRow<P>{2336, "Auto Reset Time", TextField<&P::autoResetTime>()}.StoredIn({{L::kAutoResetTime}}),
        FieldRow<P>{2341, "Busy Channel Lockout", SwitchField<&P::busyChannelLockout>()}.StoredIn(
            {{L::kBusyLockout, 1, L::kBusyLockoutBit}}),
        FieldRow<P>{2350, "Rx Squelch Mode", TextField<&P::rxSquelchMode>()}.StoredIn({{L::kRxSquelchMode}}),
        FieldRow<P>{2560, "Primary ID", TextField<&P::primaryId>()}.StoredIn({{L::kPrimaryId, 2}}),
        FieldRow<P>{2564, "PTTID Type", TextField<&P::pttIdType>()}.StoredIn({{L::kPttIdType}}),
        FieldRow<P>{2566, "Pretime", TextField<&P::pttIdPretime>()}.StoredIn({{L::kPttIdPretime}}),
        FieldRow<P>{2568, "Preamble Bit Sync", TextField<&P::preambleBitSync>()}.StoredIn(
            {{L::kPreambleBitSync}}),
        FieldRow<P>{2570, "Side Tone", SwitchField<&P::sideTone>()}.StoredIn(
            {{L::kPttIdFlags, 1, L::kSideToneOffBit}}),
        FieldRow<P>{2571, "Short Beep", SwitchField<&P::shortBeep>()}.StoredIn(
            {{L::kPttIdFlags, 1, L::kShortBeepOffBit}}),
        FieldRow<P>{2400, "RX Optional Signaling", TextField<&P::rxSignaling>()}.StoredIn(
            {{L::kRxSignaling, 1, L::kSignalTypeMask}}),
        FieldRow<P>{2406, "TX Optional Signaling", TextField<&P::txSignaling>()}.StoredIn(
            {{L::kTxSignaling, 1, L::kSignalTypeMask}}),
        FieldRow<P>{2412, "Signaling Decode Condition", TextField<&P::decodeCondition>()}.StoredIn(
            {{L::kRxSignaling, 1, L::kDecodeConditionMask}}),
        FieldRow<P>{2403, "RX 2-Tone System", [](const P& ui) { return ChoiceValue(ui.rxSystem); }}.StoredIn(
            {{L::kRxSignaling, 1, L::kSystemIndexMask}}),
        FieldRow<P>{2408, "TX 2-Tone System", [](const P& ui) { return ChoiceValue(ui.txSystem); }}.StoredIn(
            {{L::kTxSignaling, 1, L::kSystemIndexMask}}),
    };
    return table;
}

const FieldTable<ScanSettingsUi>& ScanSettingsFields() {
    using S = ScanSettingsUi;
    using R = ScanListRecord;
    static const FieldTable<S> table = {
        FieldRow<S>{3829, "Tone Scan Mode", TextField<&S::toneScanMode>()}.StoredIn(
            {{R::kModes, 1, R::kToneScanMask}}),
        FieldRow<S>{3831, "Signal Scan Mode", TextField<&S::signalScanMode>()}.StoredIn(
            {{R::kModes, 1, R::kSignalScanMask}}),
        FieldRow<S>{3851, "Signal Hang Time", TextField<&S::signalHangTime>()}.StoredIn({{R::kSignalHang}}),
        FieldRow<S>{3845, "Transmit Mode", TextField<&S::transmitMode>()}.StoredIn(
            {{R::kTransmit, 1, R::kTransmitModeMask}}),
        FieldRow<S>{3847, "Hang Time", TextField<&S::hangTime>()}.StoredIn({{R::kHangTime}}),
        FieldRow<S>{3833, "Priority Mode", TextField<&S::priorityMode>()}.StoredIn(
            {{R::kPriority, 1, R::kPriorityModeMask}}),
        FieldRow<S>{3843, "Priority Sweep Time", TextField<&S::prioritySweepTime>()}.StoredIn(
            {{R::kSweepTime}}),
        FieldRow<S>{3849, "Designated Channel",
                    [](const S& ui) { return ChannelValue(ui.designatedChannel); }}
            .StoredIn({{R::kDesignated, 2}}),
        FieldRow<S>{3835, "Priority Channel", [](const S& ui) { return ChannelValue(ui.priorityChannel); }}
            .StoredIn({{R::kPriority1, 2}}),
        FieldRow<S>{3837, "Delete/Add", SwitchField<&S::priorityDeleteAdd>()}.StoredIn(
            {{R::kPriority, 1, R::kPriorityDeleteAddBit}}),
        FieldRow<S>{3855, "Scan Start Alert", SwitchField<&S::scanStartAlert>()}.StoredIn(
            {{R::kAlerts, 1, R::kScanStartAlertBit}}),
        FieldRow<S>{3856, "Scan End Alert", SwitchField<&S::scanEndAlert>()}.StoredIn(
            {{R::kAlerts, 1, R::kScanEndAlertBit}}),
        FieldRow<S>{3860, "Priority Scan Alert", SwitchField<&S::priorityScanAlert>()}.StoredIn(
            {{R::kAlerts, 1, R::kPriorityAlertBit}}),
        FieldRow<S>{3857, "Include Current Channel", SwitchField<&S::includeCurrentChannel>()}.StoredIn(
            {{R::kAlerts, 1, R::kIncludeCurrentBit}}),
        FieldRow<S>{3861, "Talkback", SwitchField<&S::talkback>()}.StoredIn(
            {{R::kTransmit, 1, R::kTalkbackBit}}),
        FieldRow<S>{3858, "Priority Scan in Auto Reset Time", SwitchField<&S::priorityScanInAutoReset>()}
            .StoredIn({{R::kAlerts, 1, R::kPriorityInAutoResetBit}}),
        FieldRow<S>{3854, "Nuisance Delete", SwitchField<&S::nuisanceDelete>()}.StoredIn(
            {{R::kAlerts, 1, R::kNuisanceDeleteBit}}),
        FieldRow<S>{3853, "Nuisance Reset", SwitchField<&S::nuisanceReset>()}.StoredIn(
            {{R::kNuisance, 1, R::kNuisanceResetBit}}),
    };
    return table;
}

const FieldTable<ScanMembersUi>& ScanMemberFields() {
    static const FieldTable<ScanMembersUi> table = [] {
        FieldTable<ScanMembersUi> rows = {
            FieldRow<ScanMembersUi>{3942, "Entries", TextField<&ScanMembersUi::entries>()}.StoredIn(
                {{ScanListRecord::kEntries}})};
        for (std::size_t k = 0; k < ScanListRecord::kMemberCount; ++k) {
            rows.push_back(FieldRow<ScanMembersUi>{
                ScanListData::kFirstMemberLabel + static_cast<int>(k), "Member " + std::to_string(k + 1),
                [k](const ScanMembersUi& ui) {
                    return ChannelValue(ui.members[k]);
                }}.StoredIn({{ScanListRecord::kMembers + 2 * k, 2}}));
        }
        return rows;
    }();
    return table;
}

const FieldTable<KeysUi>& KeysFields() {
    static const FieldTable<KeysUi> table = BlockFieldRows(KeysData::EditorFields());
    return table;
}

const FieldTable<MiscUi>& MiscFields() {
    static const FieldTable<MiscUi> table = BlockFieldRows(MiscData::EditorFields());
    return table;
}

const FieldTable<AtisUi>& AtisFields() {
    static const FieldTable<AtisUi> table = BlockFieldRows(AtisData::EditorFields());
    return table;
}

const FieldTable<DosUi>& DosFields() {
    static const FieldTable<DosUi> table = BlockFieldRows(DosData::EditorFields());
    return table;
}

const FieldTable<PttIdUi>& PttIdFields() {
    static const FieldTable<PttIdUi> table = BlockFieldRows(PttIdData::EditorFields());
    return table;
}

/// Passwords are never shown in clear: only whether one is set.
template <auto Member> auto PasswordField() {
    return [](const PasswordsUi& ui) { return std::string((ui.*Member).empty() ? "not set" : "set"); };
}

const FieldTable<PasswordsUi>& PasswordFields() {
    static const FieldTable<PasswordsUi> table = {
        FieldRow<PasswordsUi>{6352, "Power-On Password", PasswordField<&PasswordsUi::powerOn>()}.StoredIn(
            {{PasswordsData::kPowerOnOffset, PasswordsData::kFieldSize}}),
        FieldRow<PasswordsUi>{6354, "Write Password", PasswordField<&PasswordsUi::writeDealer>()}.StoredIn(
            {{PasswordsData::kWriteDealerOffset, PasswordsData::kFieldSize}}),
        FieldRow<PasswordsUi>{6356, "Read Password", PasswordField<&PasswordsUi::read>()}.StoredIn(
            {{PasswordsData::kReadOffset, PasswordsData::kFieldSize}}),
    };
    return table;
}

const FieldTable<RadioInfoUi>& RadioInfoFields() {
    using R = RadioInfoUi;
    static const FieldTable<R> table = {
        FieldRow<R>{1110, "Model Name", TextField<&R::modelName>()}.InFileHeader(),
        FieldRow<R>{1112, "Frequency Range [MHz]", TextField<&R::frequencyRange>()}.InFileHeader(),
        FieldRow<R>{1114, "Serial Number", TextField<&R::serialNumber>()}.StoredIn(
            {{RadioInfoData::kSerialNumberOffset, RadioInfoData::kSerialNumberSize}}),
        FieldRow<R>{1116, "Firmware Version", TextField<&R::firmwareVersion>()}.InFileHeader(),
        FieldRow<R>{1118, "Signaling Type", TextField<&R::signalingType>()}.InFileHeader(),
        FieldRow<R>{1120, "Last Programmed Date", TextField<&R::lastProgrammed>()}.StoredIn(
            {{RadioInfoData::kProgrammingDateOffset, kShownDateBytes}}),
    };
    return table;
}

std::string Scaled(int raw, int factor, const char* unit) {
    return std::to_string(raw * factor) + unit;
}

const FieldTable<AlertToneUi>& AlertToneFields() {
    static const FieldTable<AlertToneUi> table = [] {
        using A = AlertToneUi;
        namespace L = AlertToneLayout;
        FieldTable<A> rows = {
            FieldRow<A>{0, "Cycle", TextField<&A::cycle>()}.StoredIn({{L::kCycle}}),
            FieldRow<A>{0, "Beep Segments", [](const A& ui) { return std::to_string(ui.beepSegments); }}
                .StoredIn({{L::kBeepSegments}})};
        for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
            const std::string n = std::to_string(k + 1);
            rows.push_back(FieldRow<A>{
                0, "Frequency " + n, [k](const A& ui) {
                    return ui.frequency[k] == 0 ? std::string("Off") : Scaled(ui.frequency[k], 10, " Hz");
                }}.StoredIn({{L::FrequencyOffset(k)}}));
            rows.push_back(FieldRow<A>{
                0, "Duration " + n, [k](const A& ui) {
                    return Scaled(ui.duration[k], 10, " ms");
                }}.StoredIn({{L::DurationOffset(k)}}));
        }
        return rows;
    }();
    return table;
}

const FieldTable<TwoToneSystemBasicUi>& TwoToneSystemFields() {
    using T = TwoToneSystemBasicUi;
    namespace L = TwoToneSystemLayout;
    static const FieldTable<T> table = {
        FieldRow<T>{0, "Pretime", TextField<&T::pretime>()}.StoredIn({{L::kPretime}}),
        FieldRow<T>{0, "First Tone Duration", TextField<&T::firstToneDuration>()}.StoredIn(
            {{L::kFirstToneDuration}}),
        FieldRow<T>{0, "Second Tone Duration", TextField<&T::secondToneDuration>()}.StoredIn(
            {{L::kSecondToneDuration}}),
        FieldRow<T>{0, "Long Tone Duration", TextField<&T::longToneDuration>()}.StoredIn(
            {{L::kLongToneDuration}}),
        FieldRow<T>{0, "Gap Time", TextField<&T::gapTime>()}.StoredIn({{L::kGapTime}}),
        FieldRow<T>{0, "Side Tone", SwitchField<&T::sidetone>()}.StoredIn({{L::kFlags, 1, L::kSidetoneBit}}),
        FieldRow<T>{0, "Short Beep", SwitchField<&T::shortBeep>()}.StoredIn(
            {{L::kFlags, 1, L::kShortBeepBit}}),
    };
    return table;
}

/// Labels of the two-tone system's advance page.
namespace AdvanceLabels {
constexpr int kCallFormat = 5487;
constexpr int kCallType = 5488;
constexpr int kAlertTone = 5489;
constexpr int kFirstDecode = 5491; ///< "Decode 1" to "Decode 4"
constexpr int kFirstTone = 5515;   ///< "Tone A [Hz]" to "Tone D [Hz]"
constexpr int kTranspondDelay = 5527;
constexpr int kRespondMode = 5536;
} // namespace AdvanceLabels

/// The four decodes' rows: call format, call type, alert tone, transpond and record.
void AddDecodeRows(FieldTable<TwoToneSystemAdvanceUi>& rows) {
    using T = TwoToneSystemAdvanceUi;
    namespace C = TwoToneSystemControls;
    namespace L = AdvanceLabels;
    namespace B = TwoToneSystemLayout;
    for (std::size_t k = 0; k < T::kDecodes; ++k) {
        const int group = L::kFirstDecode + static_cast<int>(k);
        const int offset = static_cast<int>(k);
        const std::string name = "Decode " + std::to_string(k + 1);
        const std::size_t format = B::DecodeFormatOffset(k);
        const std::size_t alert = B::DecodeAlertOffset(k);
        rows.push_back(FieldRow<T>{L::kCallFormat, "Call Format",
                                   [k](const T& ui) { return ui.callFormat[k]; }, group, name}
                           .StoredIn({{format, 1, kLowNibble}}));
        rows.push_back(
            FieldRow<T>{L::kCallType, "Call Type", [k](const T& ui) { return ui.callType[k]; }, group, name}
                .StoredIn({{format, 1, kHighNibble}}));
        rows.push_back(FieldRow<T>{L::kAlertTone, "Alert Tone",
                                   [k](const T& ui) { return ChoiceValue(ui.alertTone[k]); }, group, name}
                           .StoredIn({{alert, 1, kLowNibble}}));
        rows.push_back(FieldRow<T>{C::kFirstTranspond + offset, "Transpond",
                                   [k](const T& ui) { return OnOff(ui.transpond[k]); }, group, name}
                           .StoredIn({{alert, 1, B::kTranspondBit}}));
        rows.push_back(FieldRow<T>{C::kFirstRecord + offset, "Record",
                                   [k](const T& ui) { return OnOff(ui.record[k]); }, group, name}
                           .StoredIn({{alert, 1, B::kRecordBit}}));
    }
}

const FieldTable<TwoToneSystemAdvanceUi>& TwoToneAdvanceFields() {
    using T = TwoToneSystemAdvanceUi;
    namespace C = TwoToneSystemControls;
    namespace L = AdvanceLabels;
    static const FieldTable<T> table = [] {
        FieldTable<T> rows;
        AddDecodeRows(rows);
        namespace B = TwoToneSystemLayout;
        for (std::size_t k = 0; k < B::kToneCount; ++k) {
            const std::string letter(1, static_cast<char>('A' + k));
            rows.push_back(FieldRow<T>{
                L::kFirstTone + static_cast<int>(k), "Tone " + letter + " [Hz]", [k](const T& ui) {
                    return ui.tone[k];
                }}.StoredIn({{B::ToneOffset(k), 2}}));
        }
        const auto option = [](std::uint8_t mask) { return std::vector<FieldBytes>{{B::kOptions, 1, mask}}; };
        FieldTable<T> options = {
            FieldRow<T>{L::kTranspondDelay, "Transpond Delay [s]", TextField<&T::transpondDelay>()}.StoredIn(
                {{B::kTranspondDelay}}),
            FieldRow<T>{C::kVibrate, "Vibrate", SwitchField<&T::vibrate>()}.StoredIn(option(B::kVibrateBit)),
            FieldRow<T>{C::kLed, "LED", SwitchField<&T::led>()}.StoredIn(option(B::kLedBit)),
            FieldRow<T>{C::kClearToTranspond, "Clear to Transpond", SwitchField<&T::clearToTranspond>()}
                .StoredIn(option(B::kClearToTranspondBit)),
            FieldRow<T>{C::kAlertToneAutoReset, "Alert Tone Auto Reset",
                        SwitchField<&T::alertToneAutoReset>()}
                .StoredIn(option(B::kAlertToneAutoResetBit)),
            FieldRow<T>{C::kVibrateAutoReset, "Vibrate Auto Reset", SwitchField<&T::vibrateAutoReset>()}
                .StoredIn(option(B::kVibrateAutoResetBit)),
            FieldRow<T>{C::kLedAutoReset, "LED Auto Reset", SwitchField<&T::ledAutoReset>()}.StoredIn(
                option(B::kLedAutoResetBit)),
            FieldRow<T>{L::kRespondMode, "Respond Mode", TextField<&T::respondMode>()}.StoredIn(
                option(static_cast<std::uint8_t>(1U << B::kRespondModeShift))),
        };
        rows.insert(rows.end(), options.begin(), options.end());
        return rows;
    }();
    return table;
}

const FieldTable<TwoToneCallUi>& TwoToneCallFields() {
    using T = TwoToneCallUi;
    namespace L = TwoToneCallLayout;
    static const FieldTable<T> table = {
        FieldRow<T>{5405, "Call Format",
                    [](const T& ui) {
                        return ui.callFormat < 0 ? std::string("none") : std::to_string(ui.callFormat);
                    }}
            .StoredIn({{L::kSettings, 1, L::kCallFormatBit}}),
        FieldRow<T>{0, "First Tone", TextField<&T::firstTone>()}.StoredIn({{L::kFirstTone, 2}}),
        FieldRow<T>{0, "Second Tone", TextField<&T::secondTone>()}.StoredIn({{L::kSecondTone, 2}}),
        FieldRow<T>{5407, "Strip CTCSS/CDCSS Enable", SwitchField<&T::strip>()}.StoredIn(
            {{L::kSettings, 1, L::kStripBit}}),
        // The editor's drop-downs of the system and the revert channel; the report leaves them out.
        FieldRow<T>{5417, "2-Tone System", [](const T& ui) { return ChoiceValue(ui.system); }}
            .StoredIn({{L::kSettings, 1, L::kSystemMask}})
            .CompareOnly(),
        FieldRow<T>{5413, "Revert Channel", [](const T& ui) { return ChoiceValue(ui.revertChannel); }}
            .StoredIn({{L::kRevertChannel, 2}})
            .CompareOnly(),
    };
    return table;
}

namespace {

std::string Subject(const TextLookup& texts, int textId, const std::string& fallback, std::size_t position) {
    return FieldLabel(texts, textId, fallback) + " " + std::to_string(position + 1);
}

/// Records past the shorter list: added when only the second document has them.
template <class List>
void CompareCounts(DifferenceList& out, int viewId, const List& a, const List& b, const std::string& name,
                   Region first) {
    const auto subject = [&](std::size_t k) { return name + " " + std::to_string(k + 1); };
    const auto region = [&](std::size_t k) { return Region{first.start + k * first.size, first.size}; };
    for (std::size_t k = b.Count(); k < a.Count(); ++k) {
        out.At(viewId, k + 1);
        out.OneSide(ConfigDifference::Kind::Removed, subject(k), region(k));
    }
    for (std::size_t k = a.Count(); k < b.Count(); ++k) {
        out.At(viewId, k + 1);
        out.OneSide(ConfigDifference::Kind::Added, subject(k), region(k));
    }
}

void CompareChannels(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const std::size_t common = std::min(a.Channels().Count(), b.Channels().Count());
    for (std::size_t k = 0; k < common; ++k) {
        ChannelUi uiA = LoadChannelValues(a.Channels().At(k), out.texts(), a);
        ChannelUi uiB = LoadChannelValues(b.Channels().At(k), out.texts(), b);
        // A tone drop-down that the signal type leaves disabled shows a default, not the channel's
        // tone; a change of signal type is named by its own field: the tones count where both use them.
        for (const ChannelField& field : ChannelFieldTable()) {
            if (!ChannelFieldUsed(field, a.Channels().At(k)) ||
                !ChannelFieldUsed(field, b.Channels().At(k))) {
                (uiA.*std::get<std::string ChannelUi::*>(field.slot)).clear();
                (uiB.*std::get<std::string ChannelUi::*>(field.slot)).clear();
            }
        }
        out.At(ViewIds::kChannel, k + 1);
        out.CompareFields(ChannelFields(), uiA, uiB,
                          Subject(out.texts(), ChannelData::kChannelText, "Channel", k),
                          {{ImageMap::kChannels + k * ImageMap::kChannelSize, ImageMap::kChannelSize}});
    }
    CompareCounts(out, ViewIds::kChannel, a.Channels(), b.Channels(),
                  FieldLabel(out.texts(), ChannelData::kChannelText, "Channel"),
                  {ImageMap::kChannels, ImageMap::kChannelSize});
}

void ComparePersonalities(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const std::size_t common = std::min(a.Personalities().Count(), b.Personalities().Count());
    for (std::size_t k = 0; k < common; ++k) {
        const auto load = [&](const CDataContainer& c) {
            PersonalityUi ui;
            c.Personalities().At(k).LoadUi(ui, out.texts(), c);
            return ui;
        };
        out.At(ViewIds::kPersonality, k + 1);
        out.CompareFields(
            PersonalityFields(), load(a), load(b),
            Subject(out.texts(), PersonalityControls::kView, "Personality", k),
            {{ImageMap::kPersonalities + k * ImageMap::kPersonalitySize, ImageMap::kPersonalitySize}});
    }
    CompareCounts(out, ViewIds::kPersonality, a.Personalities(), b.Personalities(),
                  FieldLabel(out.texts(), PersonalityControls::kView, "Personality"),
                  {ImageMap::kPersonalities, ImageMap::kPersonalitySize});
}

void CompareScanLists(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const std::size_t common = std::min(a.ScanLists().Count(), b.ScanLists().Count());
    for (std::size_t k = 0; k < common; ++k) {
        const std::string subject = Subject(out.texts(), ScanListData::kScanListText, "Scan List", k);
        const Region region{ImageMap::kScanLists + k * ImageMap::kScanListSize, ImageMap::kScanListSize};
        out.At(ViewIds::kScan, k + 1);
        ScanSettingsUi settingsA;
        ScanSettingsUi settingsB;
        a.ScanLists().At(k).LoadSettings(settingsA, out.texts(), a);
        b.ScanLists().At(k).LoadSettings(settingsB, out.texts(), b);
        out.CompareFields(ScanSettingsFields(), settingsA, settingsB, subject, {region});
        ScanMembersUi membersA;
        ScanMembersUi membersB;
        a.ScanLists().At(k).LoadMembers(membersA, out.texts(), a);
        b.ScanLists().At(k).LoadMembers(membersB, out.texts(), b);
        out.CompareFields(ScanMemberFields(), membersA, membersB, subject, {region});
    }
    CompareCounts(out, ViewIds::kScan, a.ScanLists(), b.ScanLists(),
                  FieldLabel(out.texts(), ScanListData::kScanListText, "Scan List"),
                  {ImageMap::kScanLists, ImageMap::kScanListSize});
}

/// A single block compared through its transfer structure.
template <class Ui, class Data, class Load>
void CompareBlock(DifferenceList& out, const FieldTable<Ui>& table, const Data& a, const Data& b, int nameId,
                  const char* fallback, std::initializer_list<Region> regions, Load load) {
    Ui uiA;
    Ui uiB;
    load(a, uiA);
    load(b, uiB);
    out.CompareFields(table, uiA, uiB, FieldLabel(out.texts(), nameId, fallback), regions);
}

/// Passwords are named as set, not set or changed; their digits are never shown, not even as bytes.
/// Every stored byte counts, those after a password's terminating 0 too: the write sends them.
void ComparePasswords(DifferenceList& out, const PasswordsData& a, const PasswordsData& b) {
    PasswordsUi uiA;
    PasswordsUi uiB;
    a.LoadUi(uiA);
    b.LoadUi(uiB);
    const std::string subject = FieldLabel(out.texts(), PasswordsData::kTemplateId, "Password");
    for (const FieldRow<PasswordsUi>& row : PasswordFields()) {
        const FieldBytes& where = row.bytes.front();
        const auto bytesA = a.Bytes().subspan(where.offset, where.size);
        const auto bytesB = b.Bytes().subspan(where.offset, where.size);
        if (std::equal(bytesA.begin(), bytesA.end(), bytesB.begin())) {
            continue;
        }
        const std::string before = row.text(uiA);
        const std::string after = row.text(uiB);
        out.Changed(subject, RowLabel(out.texts(), row), before,
                    before == after ? after + " (changed)" : after,
                    {ImageMap::kPasswords + where.offset, where.size});
    }
}

/// The model identifier of the data files' headers, which the radio information editor does not
/// show, named beside it. The header's other fields are its rows (model name, range, firmware,
/// signalling).
void CompareHeaders(DifferenceList& out, const DataContext& a, const DataContext& b) {
    if (a.modelId != b.modelId) {
        const TextLookup& texts = out.texts();
        out.At(ViewIds::kRadio);
        out.Named(FieldLabel(texts, RadioInfoData::kTemplateId, "Radio Information"),
                  FieldLabel(texts, ConfigCompare::kModelIdLabel, "Model Identifier"), a.modelId, b.modelId);
    }
}

void CompareBlocks(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const TextLookup& texts = out.texts();
    RadioInfoUi infoA;
    RadioInfoUi infoB;
    a.RadioInfo().LoadUi(infoA, texts, a.Context());
    b.RadioInfo().LoadUi(infoB, texts, b.Context());
    out.At(ViewIds::kRadio);
    out.CompareFields(RadioInfoFields(), infoA, infoB,
                      FieldLabel(texts, RadioInfoData::kTemplateId, "Radio Information"),
                      {{ImageMap::kRadioInfo, ImageMap::kRadioInfoSize}});
    const auto loadWithTexts = [&texts](const auto& data, auto& ui) { data.LoadUi(ui, texts); };
    out.At(ViewIds::kKeys);
    CompareBlock<KeysUi>(out, KeysFields(), a.Keys(), b.Keys(), KeysData::kTemplateId, "Programmable Keys",
                         {{ImageMap::kKeys, ImageMap::kKeysSize}}, loadWithTexts);
    out.At(ViewIds::kMisc);
    CompareBlock<MiscUi>(out, MiscFields(), a.Misc(), b.Misc(), MiscData::kTemplateId, "Miscellaneous",
                         {{ImageMap::kMiscFirst, ImageMap::kMiscFirstSize},
                          {ImageMap::kMiscSecond, ImageMap::kMiscSecondSize}},
                         loadWithTexts);
    out.At(ViewIds::kPttId);
    CompareBlock<PttIdUi>(out, PttIdFields(), a.PttId(), b.PttId(), PttIdData::kTemplateId, "PTT-ID",
                          {{ImageMap::kPttId, ImageMap::kPttIdSize}}, loadWithTexts);
    out.At(ViewIds::kDos);
    CompareBlock<DosUi>(out, DosFields(), a.Dos(), b.Dos(), DosData::kTemplateId, "DOS",
                        {{ImageMap::kDos, ImageMap::kDosSize}}, loadWithTexts);
    out.At(ViewIds::kAtis);
    CompareBlock<AtisUi>(out, AtisFields(), a.Atis(), b.Atis(), AtisData::kTemplateId, "ATIS",
                         {{ImageMap::kAtis, ImageMap::kAtisSize}}, loadWithTexts);
    out.At(ViewIds::kPassword);
    ComparePasswords(out, a.Passwords(), b.Passwords());
}

/// Records at the same position of two lists, field by field; `load` fills a record's structure.
template <class Ui, class List, class Load>
void CompareRecords(DifferenceList& out, int viewId, const FieldTable<Ui>& table, const List& a,
                    const List& b, const std::string& name, Region first, Load load) {
    for (std::size_t k = 0; k < std::min(a.Count(), b.Count()); ++k) {
        out.At(viewId, k + 1);
        Ui uiA;
        Ui uiB;
        load(a.At(k), uiA);
        load(b.At(k), uiB);
        const Region region = first.size == 0 ? first : Region{first.start + k * first.size, first.size};
        out.CompareFields(table, uiA, uiB, name + " " + std::to_string(k + 1), {region});
    }
}

/// The image addresses of the calls in chain order, as the calls are loaded.
std::vector<std::size_t> CallSlots(const Image& image) {
    namespace L = TwoToneCallLayout;
    std::vector<std::size_t> slots;
    std::size_t address = L::kHead;
    while (slots.size() < ImageMap::kTwoToneCallCapacity && address + L::kNextLink + 1 < image.size()) {
        slots.push_back(address);
        const std::size_t next = image[address + L::kNextLink] | (image[address + L::kNextLink + 1] << 8);
        if (next < L::kHead || next > L::kLastLinkTarget || next == L::kHead) {
            break;
        }
        address = next;
    }
    return slots;
}

/// Both pages of each system: the basic page's timing and the advance page's decodes, tones and
/// options (its alert tone choices name the alert tones by number).
void CompareTwoToneSystems(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const TextLookup& texts = out.texts();
    const std::size_t common = std::min(a.TwoToneSystems().Count(), b.TwoToneSystems().Count());
    for (std::size_t k = 0; k < common; ++k) {
        const std::string subject = "Two-Tone System " + std::to_string(k + 1);
        const Region region{ImageMap::kTwoToneSystems + k * ImageMap::kTwoToneSystemSize,
                            ImageMap::kTwoToneSystemSize};
        out.At(ViewIds::kTwoToneSystem, k + 1);
        TwoToneSystemBasicUi basicA;
        TwoToneSystemBasicUi basicB;
        a.TwoToneSystems().At(k).LoadBasicUi(basicA, texts);
        b.TwoToneSystems().At(k).LoadBasicUi(basicB, texts);
        out.CompareFields(TwoToneSystemFields(), basicA, basicB, subject, {region});
        TwoToneSystemAdvanceUi advanceA;
        TwoToneSystemAdvanceUi advanceB;
        a.TwoToneSystems().At(k).LoadAdvanceUi(advanceA, texts, a);
        b.TwoToneSystems().At(k).LoadAdvanceUi(advanceB, texts, b);
        out.CompareFields(TwoToneAdvanceFields(), advanceA, advanceB, subject, {region});
    }
}

void CompareSignalLists(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const TextLookup& texts = out.texts();
    CompareRecords(out, ViewIds::kAlertTone, AlertToneFields(), a.AlertTones(), b.AlertTones(), "Alert Tone",
                   {ImageMap::kAlertTones, ImageMap::kAlertToneSize},
                   [&texts](const AlertToneData& data, AlertToneUi& ui) { data.LoadUi(ui, texts); });
    CompareTwoToneSystems(out, a, b);
    const Region callArea{ImageMap::kTwoToneCalls, ImageMap::kTwoToneCallsEnd + 1 - ImageMap::kTwoToneCalls};
    const auto loadCall = [&texts](const CDataContainer& c) {
        return [&texts, &c](const TwoToneCallData& data, TwoToneCallUi& ui) { data.LoadUi(ui, texts, c); };
    };
    const std::vector<std::size_t> slotsA = CallSlots(a.image());
    const std::vector<std::size_t> slotsB = CallSlots(b.image());
    for (std::size_t k = 0; k < std::min(a.TwoToneCalls().Count(), b.TwoToneCalls().Count()); ++k) {
        TwoToneCallUi uiA;
        TwoToneCallUi uiB;
        loadCall(a)(a.TwoToneCalls().At(k), uiA);
        loadCall(b)(b.TwoToneCalls().At(k), uiB);
        out.At(ViewIds::kTwoToneCall, k + 1);
        // A call that lies in another slot in each image explains no byte: those are listed.
        const bool sameSlot = k < slotsA.size() && k < slotsB.size() && slotsA[k] == slotsB[k];
        const Region slot = sameSlot ? Region{slotsA[k], ImageMap::kTwoToneCallSize} : Region{};
        out.CompareFields(TwoToneCallFields(), uiA, uiB, "Two-Tone Call " + std::to_string(k + 1), {slot});
    }
    CompareCounts(out, ViewIds::kAlertTone, a.AlertTones(), b.AlertTones(), "Alert Tone",
                  {ImageMap::kAlertTones, ImageMap::kAlertToneSize});
    CompareCounts(out, ViewIds::kTwoToneSystem, a.TwoToneSystems(), b.TwoToneSystems(), "Two-Tone System",
                  {ImageMap::kTwoToneSystems, ImageMap::kTwoToneSystemSize});
    // Calls are chained through their area, so a call added or removed moves the others' bytes.
    CompareCounts(out, ViewIds::kTwoToneCall, a.TwoToneCalls(), b.TwoToneCalls(), "Two-Tone Call",
                  {ImageMap::kTwoToneCalls, 0});
    if (a.TwoToneCalls().Count() != b.TwoToneCalls().Count()) {
        out.Explain({callArea});
    }
}

} // namespace

std::string FieldLabel(const TextLookup& texts, int labelId, const std::string& fallback) {
    std::string label = labelId > 0 ? texts.GetControlText(labelId) : std::string();
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) {
        label.pop_back();
    }
    return label.empty() ? fallback : label;
}

std::string ConfigDifference::LineText() const {
    switch (kind) {
    case Kind::Added:
        return subject + ": added";
    case Kind::Removed:
        return subject + ": removed";
    case Kind::Byte:
        return byte.LineText();
    case Kind::Field:
        break;
    }
    return subject + " \u00B7 " + field + ": " + before + " -> " + after;
}

std::vector<ConfigDifference> ConfigCompare::Compare(const CDataContainer& a, const CDataContainer& b) const {
    DifferenceList out(texts_);
    CompareBlocks(out, a, b);
    CompareHeaders(out, a.Context(), b.Context());
    CompareChannels(out, a, b);
    CompareScanLists(out, a, b);
    ComparePersonalities(out, a, b);
    CompareSignalLists(out, a, b);
    CompareFactoryBlocks(out, a, b);
    return out.Finish(a.image(), b.image());
}

std::vector<ConfigDifference> ConfigCompare::CompareFileExtras(const DataFileExtras& a,
                                                               const DataFileExtras& b) const {
    const std::string subject = FieldLabel(texts_, RadioInfoData::kTemplateId, "Radio Information");
    const auto flags = [](std::uint8_t value) {
        char text[8];
        std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
        return std::string(text);
    };
    std::vector<ConfigDifference> out;
    if (a.rangeFlags != b.rangeFlags) {
        out.push_back({ConfigDifference::Kind::Field,
                       subject,
                       FieldLabel(texts_, kRangeFlagsLabel, "Range Flags"),
                       flags(a.rangeFlags),
                       flags(b.rangeFlags),
                       {},
                       ViewIds::kRadio,
                       0});
    }
    if (a.comment != b.comment) {
        out.push_back({ConfigDifference::Kind::Field,
                       subject,
                       FieldLabel(texts_, kCommentLabel, "Comment"),
                       a.comment,
                       b.comment,
                       {},
                       ViewIds::kRadio,
                       0});
    }
    return out;
}

} // namespace tav
