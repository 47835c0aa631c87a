#include "core/report/ConfigReport.h"

#include "core/app/CDataContainer.h"
#include "core/compare/EditorFields.h"
#include "core/csv/ChannelCsv.h"
#include "core/data/CDataFile.h"
#include "core/data/ChannelFields.h"
#include "core/platform/WallClock.h"

#include <cstddef>
#include <cstdio>

namespace tav {

namespace {

/// Language texts of the report's own words.
constexpr int kTitleText = 7223;
constexpr int kFileText = 7225;
constexpr int kCommentText = 7226;
constexpr int kDateText = 7227;
constexpr int kFieldHeading = 7228;
constexpr int kNumberHeading = 3794;
constexpr int kModelText = 1110;
constexpr int kSystemText = 32849;
constexpr int kAlertToneText = 32889;
constexpr int kCycleText = 5060;
constexpr int kSegmentCountText = 5061;
constexpr int kFirstSegmentText = 5064;

std::string Label(const TextLookup& texts, int id, const std::string& fallback) {
    return FieldLabel(texts, id, fallback);
}

template <class Ui>
std::vector<ReportField> Fields(const TextLookup& texts, const FieldTable<Ui>& table, const Ui& ui) {
    std::vector<ReportField> fields;
    for (const FieldRow<Ui>& row : table) {
        if (row.inReport) {
            fields.push_back({Label(texts, row.labelId, row.fallback), row.text(ui)});
        }
    }
    return fields;
}

/// Records side by side: one column per record, one row per field.
template <class Ui>
ReportTable ByRecord(const TextLookup& texts, const FieldTable<Ui>& table, const std::vector<Ui>& records,
                     const std::string& recordName) {
    ReportTable out;
    out.headings.push_back(Label(texts, kFieldHeading, "Field"));
    for (std::size_t k = 0; k < records.size(); ++k) {
        out.headings.push_back(recordName + " " + std::to_string(k + 1));
    }
    if (records.empty()) {
        return out;
    }
    for (const FieldRow<Ui>& row : table) {
        if (!row.inReport) {
            continue;
        }
        std::vector<std::string> cells{Label(texts, row.labelId, row.fallback)};
        for (const Ui& ui : records) {
            cells.push_back(row.text(ui));
        }
        out.rows.push_back(std::move(cells));
    }
    return out;
}

/// Each record of a list through its editor's structure.
template <class Ui, class List, class Load> std::vector<Ui> LoadAll(const List& list, Load load) {
    std::vector<Ui> records(list.Count());
    for (std::size_t k = 0; k < list.Count(); ++k) {
        load(list.At(k), records[k]);
    }
    return records;
}

ReportSection RadioInfoSection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    RadioInfoUi info;
    c.RadioInfo().LoadUi(info, texts, c.Context());
    section.fields = Fields(texts, RadioInfoFields(), info);
    PasswordsUi passwords;
    c.Passwords().LoadUi(passwords);
    for (ReportField& field : Fields(texts, PasswordFields(), passwords)) {
        section.fields.push_back(std::move(field));
    }
    return section;
}

/// The channel list's cells, less the tones that a channel's signal type does not use: the list
/// shows a disabled default there, which on paper would read as the channel's tone.
ReportSection ChannelSection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    ChannelListTable list = ChannelListCells(c, texts);
    const std::vector<const ChannelField*> columns = ChannelGridFields();
    for (std::size_t k = 0; k < list.rows.size() && k < c.Channels().Count(); ++k) {
        std::vector<std::string>& row = list.rows[k];
        for (std::size_t column = 0; column < columns.size() && column + 1 < row.size(); ++column) {
            if (!ChannelFieldUsed(*columns[column], c.Channels().At(k))) {
                row[column + 1].clear();
            }
        }
    }
    section.table = {std::move(list.headings), std::move(list.rows)};
    return section;
}

ReportSection ScanListSection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    const std::string name = Label(texts, ScanListData::kScanListText, "Scan List");
    const auto settings = LoadAll<ScanSettingsUi>(
        c.ScanLists(), [&](const ScanListData& d, ScanSettingsUi& ui) { d.LoadSettings(ui, texts, c); });
    const auto members = LoadAll<ScanMembersUi>(
        c.ScanLists(), [&](const ScanListData& d, ScanMembersUi& ui) { d.LoadMembers(ui, texts, c); });
    section.table = ByRecord(texts, ScanSettingsFields(), settings, name);
    ReportTable memberTable = ByRecord(texts, ScanMemberFields(), members, name);
    for (std::vector<std::string>& row : memberTable.rows) {
        section.table.rows.push_back(std::move(row));
    }
    return section;
}

ReportSection PersonalitySection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    const auto records = LoadAll<PersonalityUi>(
        c.Personalities(), [&](const PersonalityData& d, PersonalityUi& ui) { d.LoadUi(ui, texts, c); });
    section.table = ByRecord(texts, PersonalityFields(), records,
                             Label(texts, PersonalityControls::kView, "Personality"));
    return section;
}

ReportSection TwoToneSystemSection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    const auto records = LoadAll<TwoToneSystemBasicUi>(
        c.TwoToneSystems(),
        [&](const TwoToneSystemData& d, TwoToneSystemBasicUi& ui) { d.LoadBasicUi(ui, texts); });
    section.table =
        ByRecord(texts, TwoToneSystemFields(), records, Label(texts, kSystemText, "Two-Tone System"));
    return section;
}

/// Calls one row each: their number, the system they belong to, then the call's fields.
ReportSection TwoToneCallSection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    section.table.headings = {Label(texts, kNumberHeading, "No."),
                              Label(texts, kSystemText, "Two-Tone System")};
    for (const FieldRow<TwoToneCallUi>& row : TwoToneCallFields()) {
        if (row.inReport) {
            section.table.headings.push_back(Label(texts, row.labelId, row.fallback));
        }
    }
    for (std::size_t k = 0; k < c.TwoToneCalls().Count(); ++k) {
        TwoToneCallUi ui;
        c.TwoToneCalls().At(k).LoadUi(ui, texts, c);
        std::vector<std::string> cells{std::to_string(k + 1),
                                       ui.system.HasSelection()
                                           ? ui.system.texts[static_cast<std::size_t>(ui.system.selected)]
                                           : std::string("none")};
        for (const FieldRow<TwoToneCallUi>& row : TwoToneCallFields()) {
            if (row.inReport) {
                cells.push_back(row.text(ui));
            }
        }
        section.table.rows.push_back(std::move(cells));
    }
    return section;
}

std::string SegmentText(int frequency, int duration) {
    if (duration == 0) {
        return "-";
    }
    const std::string tone = frequency == 0 ? std::string("Off") : std::to_string(frequency * 10) + " Hz";
    return tone + ", " + std::to_string(duration * 10) + " ms";
}

/// Alert tones one row each, with every segment's tone and duration.
ReportSection AlertToneSection(const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    section.table.headings = {Label(texts, kAlertToneText, "Alert Tone"), Label(texts, kCycleText, "Cycle"),
                              Label(texts, kSegmentCountText, "Beep Segments")};
    for (std::size_t s = 0; s < AlertToneLayout::kSegmentCount; ++s) {
        section.table.headings.push_back(
            Label(texts, kFirstSegmentText + static_cast<int>(s), "Tone " + std::to_string(s + 1)));
    }
    for (std::size_t k = 0; k < c.AlertTones().Count(); ++k) {
        AlertToneUi ui;
        c.AlertTones().At(k).LoadUi(ui, texts);
        std::vector<std::string> cells{std::to_string(k + 1), ui.cycle, std::to_string(ui.beepSegments)};
        for (std::size_t s = 0; s < AlertToneLayout::kSegmentCount; ++s) {
            cells.push_back(SegmentText(ui.frequency[s], ui.duration[s]));
        }
        section.table.rows.push_back(std::move(cells));
    }
    return section;
}

template <class Ui, class Data>
std::vector<ReportField> BlockFields(const TextLookup& texts, const FieldTable<Ui>& table, const Data& data) {
    Ui ui;
    data.LoadUi(ui, texts);
    return Fields(texts, table, ui);
}

ReportSection MakeSection(ReportItem item, const CDataContainer& c, const TextLookup& texts) {
    ReportSection section;
    switch (item) {
    case ReportItem::RadioInfo:
        section = RadioInfoSection(c, texts);
        break;
    case ReportItem::Channels:
        section = ChannelSection(c, texts);
        break;
    case ReportItem::ScanList:
        section = ScanListSection(c, texts);
        break;
    case ReportItem::Personalities:
        section = PersonalitySection(c, texts);
        break;
    case ReportItem::TwoToneSystems:
        section = TwoToneSystemSection(c, texts);
        break;
    case ReportItem::TwoToneCalls:
        section = TwoToneCallSection(c, texts);
        break;
    case ReportItem::AlertTones:
        section = AlertToneSection(c, texts);
        break;
    case ReportItem::Atis:
        section.fields = BlockFields(texts, AtisFields(), c.Atis());
        break;
    case ReportItem::Dos:
        section.fields = BlockFields(texts, DosFields(), c.Dos());
        break;
    case ReportItem::PttId:
        section.fields = BlockFields(texts, PttIdFields(), c.PttId());
        break;
    case ReportItem::Keys:
        section.fields = BlockFields(texts, KeysFields(), c.Keys());
        break;
    case ReportItem::Options:
        section.fields = BlockFields(texts, MiscFields(), c.Misc());
        break;
    }
    section.item = item;
    section.title = ConfigReport::ItemTitle(texts, item);
    return section;
}

} // namespace

ReportSource ReportSource::Describe(const std::filesystem::path& file, const WallClock& clock) {
    ReportSource source;
    if (!file.empty()) {
        source.fileName = file.filename().string();
        if (!CDataFile::ReadComment(file, source.comment)) {
            source.comment.clear();
        }
    }
    const LocalDateTime now = clock.Now();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", now.year, now.month, now.day, now.hour,
                  now.minute);
    source.date = text;
    return source;
}

std::string ConfigReport::ItemTitle(const TextLookup& texts, ReportItem item) {
    return Label(texts, ReportSelection::kFirstItemText + static_cast<int>(item),
                 std::string(ReportSelection::Fallback(item)));
}

ConfigReport ConfigReport::Build(const CDataContainer& container, const TextLookup& texts,
                                 const ReportSource& source, const ReportSelection& selection) {
    ConfigReport report;
    report.title = Label(texts, kTitleText, "Configuration Report");
    RadioInfoUi info;
    container.RadioInfo().LoadUi(info, texts, container.Context());
    report.header = {{Label(texts, kModelText, "Model Name"), info.modelName},
                     {Label(texts, kFileText, "File"), source.fileName},
                     {Label(texts, kCommentText, "Comment"), source.comment},
                     {Label(texts, kDateText, "Date"), source.date}};
    for (std::size_t k = 0; k < ReportSelection::kItemCount; ++k) {
        const ReportItem item = ReportSelection::ItemAt(k);
        if (selection.Has(item)) {
            report.sections.push_back(MakeSection(item, container, texts));
        }
    }
    return report;
}

} // namespace tav
