#include "core/compare/ConfigCompare.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/compare/FieldTable.h"
#include "core/data/FreqCodec.h"
#include "core/data/ImageMap.h"
#include "core/data/ToneCodec.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tav {

namespace {

constexpr std::uint32_t kNoScanChannel = ScanMembersUi::kNoSelection;

std::string FreqValue(std::uint32_t bcd) {
    return bcd == kNoFreq ? "none" : FormatFreq(BcdToFreq(bcd));
}

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

std::string ChannelValue(std::uint32_t position) {
    return position == kNoScanChannel ? "none" : "Channel " + std::to_string(position + 1);
}

} // namespace

// The editors' field tables below are shared with the configuration report (EditorFields.h).

const FieldTable<ChannelUi>& ChannelFields() {
    static const FieldTable<ChannelUi> table = {
        {3665, "RX Frequency (MHz)", [](const ChannelUi& ui) { return FreqValue(ui.rxFreq); }},
        {3667, "RX Signal Type", TextField<&ChannelUi::rxType>()},
        {3669, "RX CTCSS (Hz)", TextField<&ChannelUi::rxCtcss>()},
        {3671, "RX CDCSS", TextField<&ChannelUi::rxCdcss>()},
        {3674, "TX Frequency (MHz)", [](const ChannelUi& ui) { return FreqValue(ui.txFreq); }},
        {3676, "TX Signal Type", TextField<&ChannelUi::txType>()},
        {3678, "TX CTCSS (Hz)", TextField<&ChannelUi::txCtcss>()},
        {3680, "TX CDCSS", TextField<&ChannelUi::txCdcss>()},
        {3660, "Channel Spacing", TextField<&ChannelUi::spacing>()},
        {3662, "Power Level", TextField<&ChannelUi::power>()},
        {3702, "Personality",
         [](const ChannelUi& ui) {
             return ui.personalityPosition == ChannelUi::kNoSelection
                        ? std::string("none")
                        : "Personality " + std::to_string(ui.personalityPosition + 1);
         }},
        {3705, "Scan List",
         [](const ChannelUi& ui) {
             return ui.scanListPosition == 0 || ui.scanListPosition == ChannelUi::kNoSelection
                        ? std::string("none")
                        : "Scan List " + std::to_string(ui.scanListPosition);
         }},
        {3707, "Auto Start Scan", SwitchField<&ChannelUi::autoStartScan>()},
        {4590, "ATIS", SwitchField<&ChannelUi::atis>()},
    };
    return table;
}

const FieldTable<PersonalityUi>& PersonalityFields() {
    using P = PersonalityUi;
    static const FieldTable<P> table = {
        {2320, "Tx Admit", TextField<&P::txAdmit>()},
        {2324, "TX Time out Time", TextField<&P::txTimeout>()},
        {2326, "TOT Pre-Alert Time", TextField<&P::totPreAlert>()},
        {2328, "TOT Re-key Time", TextField<&P::totRekey>()},
        {2330, "TOT Reset Time", TextField<&P::totReset>()},
        {2334, "Auto Reset Mode", TextField<&P::autoResetMode>()},
        {2336, "Auto Reset Time", TextField<&P::autoResetTime>()},
        {2341, "Busy Channel Lockout", SwitchField<&P::busyChannelLockout>()},
        {2350, "Rx Squelch Mode", TextField<&P::rxSquelchMode>()},
        {2560, "Primary ID", TextField<&P::primaryId>()},
        {2564, "PTTID Type", TextField<&P::pttIdType>()},
        {2566, "Pretime", TextField<&P::pttIdPretime>()},
        {2568, "Preamble Bit Sync", TextField<&P::preambleBitSync>()},
        {2570, "Side Tone", SwitchField<&P::sideTone>()},
        {2571, "Short Beep", SwitchField<&P::shortBeep>()},
        {2400, "RX Optional Signaling", TextField<&P::rxSignaling>()},
        {2406, "TX Optional Signaling", TextField<&P::txSignaling>()},
        {2412, "Signaling Decode Condition", TextField<&P::decodeCondition>()},
        {2403, "RX 2-Tone System", [](const P& ui) { return ChoiceValue(ui.rxSystem); }},
        {2408, "TX 2-Tone System", [](const P& ui) { return ChoiceValue(ui.txSystem); }},
    };
    return table;
}

const FieldTable<ScanSettingsUi>& ScanSettingsFields() {
    using S = ScanSettingsUi;
    static const FieldTable<S> table = {
        {3829, "Tone Scan Mode", TextField<&S::toneScanMode>()},
        {3831, "Signal Scan Mode", TextField<&S::signalScanMode>()},
        {3851, "Signal Hang Time", TextField<&S::signalHangTime>()},
        {3845, "Transmit Mode", TextField<&S::transmitMode>()},
        {3847, "Hang Time", TextField<&S::hangTime>()},
        {3833, "Priority Mode", TextField<&S::priorityMode>()},
        {3843, "Priority Sweep Time", TextField<&S::prioritySweepTime>()},
        {3849, "Designated Channel", [](const S& ui) { return ChannelValue(ui.designatedChannel); }},
        {3835, "Priority Channel", [](const S& ui) { return ChannelValue(ui.priorityChannel); }},
        {3837, "Delete/Add", SwitchField<&S::priorityDeleteAdd>()},
        {3855, "Scan Start Alert", SwitchField<&S::scanStartAlert>()},
        {3856, "Scan End Alert", SwitchField<&S::scanEndAlert>()},
        {3860, "Priority Scan Alert", SwitchField<&S::priorityScanAlert>()},
        {3857, "Include Current Channel", SwitchField<&S::includeCurrentChannel>()},
        {3861, "Talkback", SwitchField<&S::talkback>()},
        {3858, "Priority Scan in Auto Reset Time", SwitchField<&S::priorityScanInAutoReset>()},
        {3854, "Nuisance Delete", SwitchField<&S::nuisanceDelete>()},
        {3853, "Nuisance Reset", SwitchField<&S::nuisanceReset>()},
    };
    return table;
}

const FieldTable<ScanMembersUi>& ScanMemberFields() {
    static const FieldTable<ScanMembersUi> table = [] {
        FieldTable<ScanMembersUi> rows = {{3942, "Entries", TextField<&ScanMembersUi::entries>()}};
        for (std::size_t k = 0; k < ScanListRecord::kMemberCount; ++k) {
            rows.push_back({ScanListData::kFirstMemberLabel + static_cast<int>(k),
                            "Member " + std::to_string(k + 1),
                            [k](const ScanMembersUi& ui) { return ChannelValue(ui.members[k]); }});
        }
        return rows;
    }();
    return table;
}

const FieldTable<KeysUi>& KeysFields() {
    static const FieldTable<KeysUi> table = [] {
        static constexpr std::array<const char*, 18> kNames = {"A1", "A2", "A3", "B1", "B2", "B3",
                                                               "C1", "C2", "C3", "D1", "D2", "D3",
                                                               "E1", "E2", "E3", "F1", "F2", "F3"};
        FieldTable<KeysUi> rows;
        for (std::size_t k = 0; k < kNames.size(); ++k) {
            rows.push_back({KeysData::kFirstKeyListId - 1 + 2 * static_cast<int>(k), kNames[k],
                            [k](const KeysUi& ui) { return ui.keys[k]; }});
        }
        rows.push_back({KeysData::kDefaultNumericKeyListId - 1, "Default Numeric Key",
                        TextField<&KeysUi::defaultNumericKey>()});
        return rows;
    }();
    return table;
}

const FieldTable<MiscUi>& MiscFields() {
    static const FieldTable<MiscUi> table = {
        {1407, "VOX Delay", TextField<&MiscUi::voxDelay>()},
        {1405, "VOX Gain", TextField<&MiscUi::voxGain>()},
        {1401, "Tail Revert", TextField<&MiscUi::tailRevert>()},
        {1403, "Squelch Level", TextField<&MiscUi::squelchLevel>()},
        {1413, "Low Power Alert Gap", TextField<&MiscUi::lowPowerAlertGap>()},
        {1411, "Battery Save Mode", TextField<&MiscUi::batterySaveMode>()},
        {1410, "Battery Save", SwitchField<&MiscUi::batterySave>()},
        {1409, "VOX Inhibit On Receive", SwitchField<&MiscUi::voxInhibit>()},
    };
    return table;
}

const FieldTable<AtisUi>& AtisFields() {
    static const FieldTable<AtisUi> table = {
        {4594, "ATIS Code", [](const AtisUi& ui) { return AtisCodeText(ui.code); }},
        {4591, "Pretime [ms]", TextField<&AtisUi::pretime>()},
    };
    return table;
}

const FieldTable<DosUi>& DosFields() {
    static const FieldTable<DosUi> table = {
        {4666, "DOS ENABLE", SwitchField<&DosUi::enable>()},
        {4669, "DOS Pre-Mute Duration[ms]", TextField<&DosUi::preMute>()},
    };
    return table;
}

const FieldTable<PttIdUi>& PttIdFields() {
    static const FieldTable<PttIdUi> table = {
        {1660, "PRIMARY ID", TextField<&PttIdUi::primaryId>()},
        {1664, "PTTID TYPE", TextField<&PttIdUi::type>()},
        {1670, "SIDE TONE", SwitchField<&PttIdUi::sideTone>()},
        {1671, "SHORT BEEP", SwitchField<&PttIdUi::shortBeep>()},
        {1666, "PRETIME", TextField<&PttIdUi::pretime>()},
        {1668, "Preamble Bit Sync", TextField<&PttIdUi::preamble>()},
    };
    return table;
}

/// Passwords are never shown in clear: only whether one is set.
template <auto Member> auto PasswordField() {
    return [](const PasswordsUi& ui) { return std::string((ui.*Member).empty() ? "not set" : "set"); };
}

const FieldTable<PasswordsUi>& PasswordFields() {
    static const FieldTable<PasswordsUi> table = {
        {6352, "Power-On Password", PasswordField<&PasswordsUi::powerOn>()},
        {6354, "Write Password", PasswordField<&PasswordsUi::writeDealer>()},
        {6356, "Read Password", PasswordField<&PasswordsUi::read>()},
    };
    return table;
}

const FieldTable<RadioInfoUi>& RadioInfoFields() {
    using R = RadioInfoUi;
    static const FieldTable<R> table = {
        {1110, "Model Name", TextField<&R::modelName>()},
        {1112, "Frequency Range [MHz]", TextField<&R::frequencyRange>()},
        {1114, "Serial Number", TextField<&R::serialNumber>()},
        {1116, "Firmware Version", TextField<&R::firmwareVersion>()},
        {1118, "Signaling Type", TextField<&R::signalingType>()},
        {1120, "Last Programmed Date", TextField<&R::lastProgrammed>()},
    };
    return table;
}

std::string Scaled(int raw, int factor, const char* unit) {
    return std::to_string(raw * factor) + unit;
}

const FieldTable<AlertToneUi>& AlertToneFields() {
    static const FieldTable<AlertToneUi> table = [] {
        FieldTable<AlertToneUi> rows = {
            {0, "Cycle", TextField<&AlertToneUi::cycle>()},
            {0, "Beep Segments", [](const AlertToneUi& ui) { return std::to_string(ui.beepSegments); }}};
        for (std::size_t k = 0; k < AlertToneLayout::kSegmentCount; ++k) {
            const std::string n = std::to_string(k + 1);
            rows.push_back({0, "Frequency " + n, [k](const AlertToneUi& ui) {
                                return ui.frequency[k] == 0 ? std::string("Off")
                                                            : Scaled(ui.frequency[k], 10, " Hz");
                            }});
            rows.push_back({0, "Duration " + n,
                            [k](const AlertToneUi& ui) { return Scaled(ui.duration[k], 10, " ms"); }});
        }
        return rows;
    }();
    return table;
}

const FieldTable<TwoToneSystemBasicUi>& TwoToneSystemFields() {
    using T = TwoToneSystemBasicUi;
    static const FieldTable<T> table = {
        {0, "Pretime", TextField<&T::pretime>()},
        {0, "First Tone Duration", TextField<&T::firstToneDuration>()},
        {0, "Second Tone Duration", TextField<&T::secondToneDuration>()},
        {0, "Long Tone Duration", TextField<&T::longToneDuration>()},
        {0, "Gap Time", TextField<&T::gapTime>()},
        {0, "Side Tone", SwitchField<&T::sidetone>()},
        {0, "Short Beep", SwitchField<&T::shortBeep>()},
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
    for (std::size_t k = 0; k < T::kDecodes; ++k) {
        const int group = L::kFirstDecode + static_cast<int>(k);
        const int offset = static_cast<int>(k);
        const std::string name = "Decode " + std::to_string(k + 1);
        rows.push_back(
            {L::kCallFormat, "Call Format", [k](const T& ui) { return ui.callFormat[k]; }, group, name});
        rows.push_back({L::kCallType, "Call Type", [k](const T& ui) { return ui.callType[k]; }, group, name});
        rows.push_back({L::kAlertTone, "Alert Tone",
                        [k](const T& ui) { return ChoiceValue(ui.alertTone[k]); }, group, name});
        rows.push_back({C::kFirstTranspond + offset, "Transpond",
                        [k](const T& ui) { return OnOff(ui.transpond[k]); }, group, name});
        rows.push_back({C::kFirstRecord + offset, "Record", [k](const T& ui) { return OnOff(ui.record[k]); },
                        group, name});
    }
}

const FieldTable<TwoToneSystemAdvanceUi>& TwoToneAdvanceFields() {
    using T = TwoToneSystemAdvanceUi;
    namespace C = TwoToneSystemControls;
    namespace L = AdvanceLabels;
    static const FieldTable<T> table = [] {
        FieldTable<T> rows;
        AddDecodeRows(rows);
        for (std::size_t k = 0; k < TwoToneSystemLayout::kToneCount; ++k) {
            const std::string letter(1, static_cast<char>('A' + k));
            rows.push_back({L::kFirstTone + static_cast<int>(k), "Tone " + letter + " [Hz]",
                            [k](const T& ui) { return ui.tone[k]; }});
        }
        const FieldTable<T> options = {
            {L::kTranspondDelay, "Transpond Delay [s]", TextField<&T::transpondDelay>()},
            {C::kVibrate, "Vibrate", SwitchField<&T::vibrate>()},
            {C::kLed, "LED", SwitchField<&T::led>()},
            {C::kClearToTranspond, "Clear to Transpond", SwitchField<&T::clearToTranspond>()},
            {C::kAlertToneAutoReset, "Alert Tone Auto Reset", SwitchField<&T::alertToneAutoReset>()},
            {C::kVibrateAutoReset, "Vibrate Auto Reset", SwitchField<&T::vibrateAutoReset>()},
            {C::kLedAutoReset, "LED Auto Reset", SwitchField<&T::ledAutoReset>()},
            {L::kRespondMode, "Respond Mode", TextField<&T::respondMode>()},
        };
        rows.insert(rows.end(), options.begin(), options.end());
        return rows;
    }();
    return table;
}

const FieldTable<TwoToneCallUi>& TwoToneCallFields() {
    using T = TwoToneCallUi;
    static const FieldTable<T> table = {
        {5405, "Call Format",
         [](const T& ui) { return ui.callFormat < 0 ? std::string("none") : std::to_string(ui.callFormat); }},
        {0, "First Tone", TextField<&T::firstTone>()},
        {0, "Second Tone", TextField<&T::secondTone>()},
        {5407, "Strip CTCSS/CDCSS Enable", SwitchField<&T::strip>()},
    };
    return table;
}

namespace {

/// An image region owned by one block or record.
struct Region {
    std::size_t start = 0;
    std::size_t size = 0;
};

/// Collects the differences and the image addresses they explain.
class DifferenceList {
public:
    explicit DifferenceList(const TextLookup& texts) : texts_(texts), explained_(kImageSize, false) {}

    /// The editor (and record in it) the differences named next are edited in.
    void At(int viewId, std::size_t record = 0) {
        viewId_ = viewId;
        record_ = record;
    }

    template <class Ui>
    void CompareFields(const FieldTable<Ui>& table, const Ui& a, const Ui& b, const std::string& subject,
                       std::initializer_list<Region> regions) {
        bool any = false;
        for (const FieldRow<Ui>& row : table) {
            std::string before = row.text(a);
            std::string after = row.text(b);
            if (before != after) {
                Add({ConfigDifference::Kind::Field,
                     subject,
                     RowLabel(texts_, row),
                     std::move(before),
                     std::move(after),
                     {},
                     0,
                     0});
                any = true;
            }
        }
        if (any) {
            Explain(regions);
        }
    }

    void OneSide(ConfigDifference::Kind kind, const std::string& subject, Region region) {
        Add({kind, subject, {}, {}, {}, {}, 0, 0});
        Explain({region});
    }

    std::vector<ConfigDifference> Finish(const Image& a, const Image& b) {
        for (const ImageChange& change : CompareImages(a, b)) {
            if (change.address >= explained_.size() || !explained_[change.address]) {
                list_.push_back({ConfigDifference::Kind::Byte, {}, {}, {}, {}, change, 0, 0});
            }
        }
        return std::move(list_);
    }

    /// A field whose value texts must not be shown (a password): named as changed.
    void Changed(const std::string& subject, const std::string& field, Region region) {
        Add({ConfigDifference::Kind::Field, subject, field, "set", "set (changed)", {}, 0, 0});
        Explain({region});
    }

    const TextLookup& texts() const { return texts_; }

    void Explain(std::initializer_list<Region> regions) {
        for (const Region& region : regions) {
            const std::size_t end = std::min(region.start + region.size, explained_.size());
            std::fill(explained_.begin() + static_cast<long>(std::min(region.start, end)),
                      explained_.begin() + static_cast<long>(end), true);
        }
    }

    void Add(ConfigDifference difference) {
        difference.viewId = viewId_;
        difference.record = record_;
        list_.push_back(std::move(difference));
    }

    const TextLookup& texts_;
    std::vector<bool> explained_;
    std::vector<ConfigDifference> list_;
    int viewId_ = 0;
    std::size_t record_ = 0;
};

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

/// A tone drop-down that the signal type leaves disabled shows a default, not the channel's tone:
/// it is left empty.
void HideUnusedTones(const ChannelData& channel, ChannelUi& ui) {
    const auto hide = [](std::uint16_t word, std::string& ctcss, std::string& cdcss) {
        const ToneFieldState used = ChannelData::ToneFields(static_cast<int>(ToneTypeOf(word)));
        ctcss = used.ctcss ? ctcss : std::string();
        cdcss = used.cdcss ? cdcss : std::string();
    };
    hide(channel.RxTone(), ui.rxCtcss, ui.rxCdcss);
    hide(channel.TxTone(), ui.txCtcss, ui.txCdcss);
}

void CompareChannels(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const std::size_t common = std::min(a.Channels().Count(), b.Channels().Count());
    for (std::size_t k = 0; k < common; ++k) {
        const auto load = [&](const CDataContainer& c) {
            ChannelUi ui;
            c.Channels().At(k).LoadUi(ui, out.texts());
            c.Channels().At(k).LoadMisc(ui, c);
            HideUnusedTones(c.Channels().At(k), ui);
            return ui;
        };
        ChannelUi uiA = load(a);
        ChannelUi uiB = load(b);
        // A change of signal type is named by its own field; the tones count where both use them.
        for (std::string ChannelUi::*tone :
             {&ChannelUi::rxCtcss, &ChannelUi::rxCdcss, &ChannelUi::txCtcss, &ChannelUi::txCdcss}) {
            if ((uiA.*tone).empty() || (uiB.*tone).empty()) {
                (uiA.*tone).clear();
                (uiB.*tone).clear();
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
void ComparePasswords(DifferenceList& out, const PasswordsData& a, const PasswordsData& b) {
    PasswordsUi uiA;
    PasswordsUi uiB;
    a.LoadUi(uiA);
    b.LoadUi(uiB);
    const std::string subject = FieldLabel(out.texts(), PasswordsData::kTemplateId, "Password");
    const Region region{ImageMap::kPasswords, ImageMap::kPasswordsSize};
    out.CompareFields(PasswordFields(), uiA, uiB, subject, {region});
    const std::array<std::string PasswordsUi::*, 3> members = {&PasswordsUi::powerOn,
                                                               &PasswordsUi::writeDealer, &PasswordsUi::read};
    for (std::size_t k = 0; k < members.size(); ++k) {
        const std::string& before = uiA.*members[k];
        const std::string& after = uiB.*members[k];
        if (!before.empty() && !after.empty() && before != after) {
            const FieldRow<PasswordsUi>& row = PasswordFields()[k];
            out.Changed(subject, FieldLabel(out.texts(), row.labelId, row.fallback), region);
        }
    }
    out.Explain({region});
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
    // Calls are chained through their area: a changed call explains the whole area.
    const Region callArea{ImageMap::kTwoToneCalls, ImageMap::kTwoToneCallsEnd + 1 - ImageMap::kTwoToneCalls};
    const auto loadCall = [&texts](const CDataContainer& c) {
        return [&texts, &c](const TwoToneCallData& data, TwoToneCallUi& ui) { data.LoadUi(ui, texts, c); };
    };
    for (std::size_t k = 0; k < std::min(a.TwoToneCalls().Count(), b.TwoToneCalls().Count()); ++k) {
        TwoToneCallUi uiA;
        TwoToneCallUi uiB;
        loadCall(a)(a.TwoToneCalls().At(k), uiA);
        loadCall(b)(b.TwoToneCalls().At(k), uiB);
        out.At(ViewIds::kTwoToneCall, k + 1);
        out.CompareFields(TwoToneCallFields(), uiA, uiB, "Two-Tone Call " + std::to_string(k + 1),
                          {callArea});
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
    CompareChannels(out, a, b);
    CompareScanLists(out, a, b);
    ComparePersonalities(out, a, b);
    CompareSignalLists(out, a, b);
    return out.Finish(a.image(), b.image());
}

} // namespace tav
