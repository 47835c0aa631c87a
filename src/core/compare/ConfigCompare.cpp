#include "core/compare/ConfigCompare.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/compare/DifferenceList.h"
#include "core/compare/EditorFields.h"
#include "core/compare/FactoryFields.h"
#include "core/compare/FieldTable.h"
#include "core/compare/RecordFieldRows.h"
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

/// A drop-down that picks another record: the chosen item's text, "none" for the none item, no
/// selection or a list the editor leaves disabled.
std::string ChoiceValue(const TwoToneChoiceList& list) {
    return !list.enabled || list.SelectedValue() == kNoObject
               ? std::string("none")
               : list.texts[static_cast<std::size_t>(list.selected)];
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
    static const FieldTable<P> table = [] {
        FieldTable<P> rows = BlockFieldRows(PersonalityData::EditorFields());
        // The two-tone system choices refer to the system records, so they are named here.
        rows.push_back(FieldRow<P>{
            2403, "RX 2-Tone System", [](const P& ui) {
                return ChoiceValue(ui.rxSystem);
            }}.StoredIn({{L::kRxSignaling, 1, L::kSystemIndexMask}}));
        rows.push_back(FieldRow<P>{
            2408, "TX 2-Tone System", [](const P& ui) {
                return ChoiceValue(ui.txSystem);
            }}.StoredIn({{L::kTxSignaling, 1, L::kSystemIndexMask}}));
        return rows;
    }();
    return table;
}

const FieldTable<ScanSettingsUi>& ScanSettingsFields() {
    static const FieldTable<ScanSettingsUi> table = BlockFieldRows(ScanListData::SettingsFields());
    return table;
}

const FieldTable<ScanMembersUi>& ScanMemberFields() {
    static const FieldTable<ScanMembersUi> table = BlockFieldRows(ScanListData::MemberFields());
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

const FieldTable<PasswordsUi>& PasswordFields() {
    static const FieldTable<PasswordsUi> table = BlockFieldRows(PasswordsData::EditorFields());
    return table;
}

const FieldTable<RadioInfoUi>& RadioInfoFields() {
    static const FieldTable<RadioInfoUi> table = BlockFieldRows(RadioInfoData::EditorFields());
    return table;
}

const FieldTable<AlertToneUi>& AlertToneFields() {
    static const FieldTable<AlertToneUi> table = RecordFieldRows(AlertToneData::EditorFields());
    return table;
}

const FieldTable<TwoToneSystemBasicUi>& TwoToneSystemFields() {
    static const FieldTable<TwoToneSystemBasicUi> table = RecordFieldRows(TwoToneSystemData::BasicFields());
    return table;
}

const FieldTable<TwoToneSystemAdvanceUi>& TwoToneAdvanceFields() {
    static const FieldTable<TwoToneSystemAdvanceUi> table =
        RecordFieldRows(TwoToneSystemData::AdvanceFields());
    return table;
}

const FieldTable<TwoToneCallUi>& TwoToneCallFields() {
    static const FieldTable<TwoToneCallUi> table = RecordFieldRows(TwoToneCallData::EditorFields());
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
