#include "core/compare/EditorFields.h"

#include "core/data/FreqCodec.h"
#include "core/data/ToneCodec.h"

#include <array>
#include <cstddef>

namespace tav {

namespace {

constexpr std::uint32_t kNoScanChannel = ScanMembersUi::kNoSelection;

std::string FreqValue(std::uint32_t bcd) {
    return bcd == kNoFreq ? "none" : FormatFreq(BcdToFreq(bcd));
}

std::string ChannelValue(std::uint32_t position) {
    return position == kNoScanChannel ? "none" : "Channel " + std::to_string(position + 1);
}

/// Passwords are never shown in clear: only whether one is set.
template <auto Member> auto PasswordField() {
    return [](const PasswordsUi& ui) { return std::string((ui.*Member).empty() ? "not set" : "set"); };
}

std::string Scaled(int raw, int factor, const char* unit) {
    return std::to_string(raw * factor) + unit;
}

} // namespace

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

} // namespace tav
