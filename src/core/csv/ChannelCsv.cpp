#include "core/csv/ChannelCsv.h"

#include "core/app/CDataContainer.h"
#include "core/compare/FieldTable.h"
#include "core/csv/CsvTable.h"
#include "core/data/ChannelListEdit.h"
#include "core/data/FreqEntryRules.h"
#include "core/data/ImageMap.h"
#include "core/data/ToneCodec.h"
#include "core/data/ToneEntryRules.h"
#include "core/platform/FileAccess.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <variant>

namespace tav {

namespace {

/// The channel list's columns after its number column, in order.
enum Column : std::size_t {
    kRxFreq,
    kRxType,
    kRxCtcss,
    kRxCdcss,
    kTxFreq,
    kTxType,
    kTxCtcss,
    kTxCdcss,
    kSpacing,
    kPower,
    kPersonality,
    kScanList,
    kAutoStart,
    kColumnCount
};

/// Message texts of the reasons a row is refused; each "%s" takes a value in order.
namespace RefusalText {
constexpr int kNotFrequency = 3800;      ///< column, text
constexpr int kOutsideRange = 3801;      ///< column, frequency, low MHz, high MHz
constexpr int kOffRaster = 3802;         ///< column, frequency
constexpr int kNotChoice = 3803;         ///< column, text
constexpr int kNotTone = 3804;           ///< column, text
constexpr int kNotCode = 3805;           ///< column, text
constexpr int kNoPersonality = 3806;     ///< column, text, number of personalities
constexpr int kNoScanList = 3807;        ///< column, text
constexpr int kBadPolarity = 3808;       ///< text
constexpr int kBadToneMode = 3809;       ///< text
constexpr int kBadOffset = 3810;         ///< frequency text, offset text
constexpr int kBadDuplex = 3811;         ///< text
constexpr int kBadMode = 3812;           ///< text
constexpr int kNoHeader = 3813;          ///< -
constexpr int kNoFrequencyColumn = 3814; ///< heading
constexpr int kTooManyChannels = 3789;   ///< - (shared with the channel list's paste)
} // namespace RefusalText

/// Language text `id` (`english` when the language file lacks it) with its "%s" places filled in
/// order by `values`, in one pass: a value holding "%s" is never filled in again.
std::string Say(const TextLookup& texts, int id, const char* english,
                std::initializer_list<std::string> values) {
    std::string format = texts.GetMessageText(id);
    if (format.empty()) {
        format = english;
    }
    std::string text;
    auto next = values.begin();
    for (std::size_t k = 0; k < format.size(); ++k) {
        if (format[k] == '%' && k + 1 < format.size() && format[k + 1] == '%') {
            text += '%';
            ++k;
        } else if (format[k] == '%' && k + 1 < format.size() && format[k + 1] == 's' &&
                   next != values.end()) {
            text += *next++;
            ++k;
        } else {
            text += format[k];
        }
    }
    return text;
}

struct ColumnInfo {
    int heading;
    const char* fallback;
};

constexpr std::array<ColumnInfo, kColumnCount> kColumns = {{
    {3665, "RX Frequency (MHz)"},
    {3667, "RX Signal Type"},
    {3669, "RX CTCSS (Hz)"},
    {3671, "RX CDCSS"},
    {3674, "TX Frequency (MHz)"},
    {3676, "TX Signal Type"},
    {3678, "TX CTCSS (Hz)"},
    {3680, "TX CDCSS"},
    {3660, "Channel Spacing"},
    {3662, "Power Level"},
    {3702, "Personality"},
    {3705, "Scan List"},
    {3707, "Auto Start Scan"},
}};

constexpr const char* kNumberHeading = "No.";
constexpr int kAutoStartList = 3708;
constexpr int kToneNone = 0;
constexpr int kToneCtcss = 1;
constexpr int kToneCdcss = 2;
constexpr int kToneCdcssInverted = 3;

/// The scan list drop-down's first item, the channel without a scan list.
std::string NoScanListText(const TextLookup& texts) {
    return FieldLabel(texts, ChannelData::kScanListControl, "None");
}

std::string Heading(const TextLookup& texts, std::size_t column) {
    return FieldLabel(texts, kColumns[column].heading, kColumns[column].fallback);
}

std::string Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

/// A row's values by the channel list's columns; an absent column leaves that part of the channel.
using Cells = std::array<std::optional<std::string>, kColumnCount>;
using Reason = std::string;

/// Column positions of a header row by lower-case name.
class Header {
public:
    explicit Header(const std::vector<std::string>& names) {
        for (std::size_t k = 0; k < names.size(); ++k) {
            index_.emplace(Lower(Trim(names[k])), k);
        }
    }
    std::optional<std::string> Cell(const std::vector<std::string>& row, const std::string& name) const {
        const auto found = index_.find(Lower(name));
        if (found == index_.end()) {
            return std::nullopt;
        }
        return found->second < row.size() ? Trim(row[found->second]) : std::string();
    }
    bool Has(const std::string& name) const { return index_.count(Lower(name)) != 0; }

private:
    std::map<std::string, std::size_t> index_;
};

bool IsDecimal(const std::string& text) {
    std::size_t points = 0;
    std::size_t digits = 0;
    for (const char c : text) {
        points += (c == '.' || c == ',') ? 1 : 0;
        digits += std::isdigit(static_cast<unsigned char>(c)) ? 1 : 0;
    }
    return digits > 0 && digits + points == text.size() && points <= 1;
}

std::string Dotted(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

/// One checked row: the list row and the references the file gave.
struct ChannelPlan {
    ChannelRow row;
    std::optional<std::uint32_t> personality; ///< 0-based position
    std::optional<std::uint32_t> scanList;    ///< 0 none, k the k-th scan list
    bool hasAutoStart = false;
};

/// Checks rows against the document: its range, its lists and its record counts.
class RowChecker {
public:
    RowChecker(const CDataContainer& container, const TextLookup& texts)
        : container_(container), texts_(texts) {}

    std::variant<ChannelPlan, Reason> Check(const Cells& cells, const ChannelRow& current) const {
        ChannelPlan plan{current, {}, {}, false};
        ChannelUi& ui = plan.row.ui;
        for (const auto& [column, target, allowEmpty] :
             {std::tuple{kRxFreq, &ui.rxFreq, false}, std::tuple{kTxFreq, &ui.txFreq, true}}) {
            if (cells[column]) {
                if (auto reason = Frequency(column, *cells[column], allowEmpty, *target)) {
                    return *reason;
                }
            }
        }
        for (const auto& [column, list, target] :
             {std::tuple{kRxType, ChannelData::kRxTypeList, &ui.rxType},
              std::tuple{kTxType, ChannelData::kTxTypeList, &ui.txType},
              std::tuple{kSpacing, ChannelData::kSpacingList, &ui.spacing},
              std::tuple{kPower, ChannelData::kPowerList, &ui.power}}) {
            if (cells[column]) {
                if (auto reason = ListItem(column, list, *cells[column], *target)) {
                    return *reason;
                }
            }
        }
        if (auto reason =
                Tones(cells, kRxType, ChannelData::kRxTypeList, kRxCtcss, kRxCdcss, ui.rxCtcss, ui.rxCdcss)) {
            return *reason;
        }
        if (auto reason =
                Tones(cells, kTxType, ChannelData::kTxTypeList, kTxCtcss, kTxCdcss, ui.txCtcss, ui.txCdcss)) {
            return *reason;
        }
        if (auto reason = References(cells, plan)) {
            return *reason;
        }
        return plan;
    }

private:
    std::optional<Reason> Frequency(std::size_t column, const std::string& text, bool allowEmpty,
                                    std::uint32_t& target) const {
        if (text.empty() && allowEmpty) {
            target = kNoFreq;
            return std::nullopt;
        }
        if (!IsDecimal(text)) {
            return Say(texts_, RefusalText::kNotFrequency, "%s '%s' is not a frequency",
                       {Heading(texts_, column), text});
        }
        const DataContext& range = container_.Context();
        const std::uint32_t count = ParseFreq(text, ',');
        const std::uint32_t low = MHzToCount(range.rangeLowMHz);
        const std::uint32_t high = MHzToCount(range.rangeHighMHz);
        if (count < low || count > high) {
            return Say(texts_, RefusalText::kOutsideRange, "%s %s is outside %s-%s MHz",
                       {Heading(texts_, column), FormatFreq(count), std::to_string(range.rangeLowMHz),
                        std::to_string(range.rangeHighMHz)});
        }
        if (CommitFreqCell(text, false, low, high, ',').count != count) {
            return Say(texts_, RefusalText::kOffRaster, "%s %s is on no channel raster",
                       {Heading(texts_, column), FormatFreq(count)});
        }
        target = FreqToBcd(count);
        return std::nullopt;
    }

    std::optional<Reason> ListItem(std::size_t column, int list, const std::string& text,
                                   std::string& target) const {
        if (texts_.ListTextToValue(list, text) < 0) {
            return Say(texts_, RefusalText::kNotChoice, "%s '%s' is not one of its choices",
                       {Heading(texts_, column), text});
        }
        target = texts_.ListValueToText(list, texts_.ListTextToValue(list, text));
        return std::nullopt;
    }

    std::optional<Reason> Tones(const Cells& cells, std::size_t typeColumn, int list, std::size_t ctcssColumn,
                                std::size_t cdcssColumn, std::string& ctcss, std::string& cdcss) const {
        const std::string typeText = cells[typeColumn].value_or("");
        const int type = cells[typeColumn] ? texts_.ListTextToValue(list, typeText) : -1;
        if (type == kToneCtcss) {
            const std::string text = cells[ctcssColumn].value_or("");
            // Read unclamped: the tone edit would move a tone out of range silently.
            double hertz = 0.0;
            if (IsDecimal(text)) {
                const std::string dotted = Dotted(text);
                std::from_chars(dotted.data(), dotted.data() + dotted.size(), hertz);
            }
            const long value = std::lround(hertz * 10.0);
            if (value < kCtcssMinValue || value > kCtcssMaxValue) {
                return Say(texts_, RefusalText::kNotTone, "%s '%s' is not a tone of 40.0-300.0 Hz",
                           {Heading(texts_, ctcssColumn), text});
            }
            ctcss = FormatTone(static_cast<std::uint16_t>(value));
        } else if (type == kToneCdcss || type == kToneCdcssInverted) {
            const std::string text = cells[cdcssColumn].value_or("");
            const bool octal = !text.empty() && text.size() <= 3 &&
                               text.find_first_not_of(kCdcssEditAllowedChars) == std::string::npos;
            if (!octal) {
                return Say(texts_, RefusalText::kNotCode, "%s '%s' is not a code of three octal digits",
                           {Heading(texts_, cdcssColumn), text});
            }
            cdcss = std::string(3 - text.size(), '0') + text;
        }
        return std::nullopt;
    }

    std::optional<Reason> References(const Cells& cells, ChannelPlan& plan) const {
        if (const auto& text = cells[kPersonality]; text && !text->empty()) {
            const std::size_t count = container_.Personalities().Count();
            const auto number = WholeNumber(*text);
            if (!number || *number < 1 || *number > count) {
                return Say(texts_, RefusalText::kNoPersonality, "%s '%s' names none of the %s personalities",
                           {Heading(texts_, kPersonality), *text, std::to_string(count)});
            }
            plan.personality = static_cast<std::uint32_t>(*number - 1);
        }
        if (const auto& text = cells[kScanList]; text && !text->empty()) {
            const std::size_t count = container_.ScanLists().Count();
            const auto number = Lower(*text) == Lower(NoScanListText(texts_)) ? std::optional<std::size_t>(0)
                                                                              : WholeNumber(*text);
            if (!number || *number > count) {
                return Say(texts_, RefusalText::kNoScanList, "%s '%s' names no scan list",
                           {Heading(texts_, kScanList), *text});
            }
            plan.scanList = static_cast<std::uint32_t>(*number);
        }
        if (const auto& text = cells[kAutoStart]; text && !text->empty()) {
            const int value = texts_.ListTextToValue(kAutoStartList, *text);
            const auto number = WholeNumber(*text);
            if (value < 0 && (!number || *number > 1)) {
                return Say(texts_, RefusalText::kNotChoice, "%s '%s' is not one of its choices",
                           {Heading(texts_, kAutoStart), *text});
            }
            plan.row.autoStartScan = value >= 0 ? value : static_cast<int>(*number);
            plan.hasAutoStart = true;
        }
        return std::nullopt;
    }

    static std::optional<std::size_t> WholeNumber(const std::string& text) {
        if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(std::stoul(text));
    }

    const CDataContainer& container_;
    const TextLookup& texts_;
};

Cells NativeCells(const Header& header, const std::vector<std::string>& row, const TextLookup& texts) {
    Cells cells;
    for (std::size_t k = 0; k < kColumnCount; ++k) {
        cells[k] = header.Cell(row, Heading(texts, k));
    }
    return cells;
}

/// The common layout's tone columns into the list's type and tone columns.
std::optional<Reason> CommonLayoutTones(const Header& header, const std::vector<std::string>& row,
                                        const TextLookup& texts, Cells& cells) {
    const auto typeText = [&](int type) { return texts.ListValueToText(ChannelData::kRxTypeList, type); };
    const std::string mode = header.Cell(row, "Tone").value_or("");
    cells[kRxType] = typeText(kToneNone);
    cells[kTxType] = typeText(kToneNone);
    if (mode == "Tone") {
        cells[kTxType] = typeText(kToneCtcss);
        cells[kTxCtcss] = header.Cell(row, "rToneFreq");
    } else if (mode == "TSQL") {
        cells[kRxType] = typeText(kToneCtcss);
        cells[kTxType] = typeText(kToneCtcss);
        cells[kRxCtcss] = header.Cell(row, "cToneFreq");
        cells[kTxCtcss] = cells[kRxCtcss];
    } else if (mode == "DTCS") {
        const std::string polarity = header.Cell(row, "DtcsPolarity").value_or("NN");
        if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
            return Say(texts, RefusalText::kBadPolarity, "DtcsPolarity '%s' is not NN, NR, RN or RR",
                       {polarity});
        }
        cells[kTxType] = typeText(polarity[0] == 'R' ? kToneCdcssInverted : kToneCdcss);
        cells[kRxType] = typeText(polarity[1] == 'R' ? kToneCdcssInverted : kToneCdcss);
        cells[kRxCdcss] = header.Cell(row, "DtcsCode");
        cells[kTxCdcss] = cells[kRxCdcss];
    } else if (!mode.empty()) {
        return Say(texts, RefusalText::kBadToneMode, "Tone mode '%s' is not supported", {mode});
    }
    return std::nullopt;
}

/// The common layout's frequency, duplex and offset into the list's two frequencies.
std::optional<Reason> CommonLayoutFrequencies(const Header& header, const std::vector<std::string>& row,
                                              const TextLookup& texts, Cells& cells) {
    const std::string rx = header.Cell(row, "Frequency").value_or("");
    const std::string duplex = header.Cell(row, "Duplex").value_or("");
    const std::string offset = header.Cell(row, "Offset").value_or("");
    cells[kRxFreq] = rx;
    if (duplex.empty()) {
        cells[kTxFreq] = rx;
    } else if (duplex == "off") {
        cells[kTxFreq] = std::string();
    } else if (duplex == "split") {
        cells[kTxFreq] = offset;
    } else if (duplex == "+" || duplex == "-") {
        if (!IsDecimal(rx) || !IsDecimal(offset)) {
            return Say(texts, RefusalText::kBadOffset, "Frequency '%s' or Offset '%s' is not a frequency",
                       {rx, offset});
        }
        const std::int64_t shift =
            static_cast<std::int64_t>(ParseFreq(offset, ',')) * (duplex == "+" ? 1 : -1);
        const std::int64_t tx = static_cast<std::int64_t>(ParseFreq(rx, ',')) + shift;
        cells[kTxFreq] = tx > 0 ? FormatFreq(static_cast<std::uint32_t>(tx)) : std::string("0");
    } else {
        return Say(texts, RefusalText::kBadDuplex, "Duplex '%s' is not +, -, split or off", {duplex});
    }
    return std::nullopt;
}

std::variant<Cells, Reason> CommonLayoutCells(const Header& header, const std::vector<std::string>& row,
                                              const TextLookup& texts) {
    Cells cells;
    if (auto reason = CommonLayoutFrequencies(header, row, texts, cells)) {
        return *reason;
    }
    if (auto reason = CommonLayoutTones(header, row, texts, cells)) {
        return *reason;
    }
    if (const auto mode = header.Cell(row, "Mode"); mode && !mode->empty()) {
        if (*mode != "FM" && *mode != "NFM") {
            return Say(texts, RefusalText::kBadMode, "Mode '%s' is not FM or NFM", {*mode});
        }
        // Wide FM is the 25 kHz channel, narrow FM the 12.5 kHz one.
        cells[kSpacing] = texts.ListValueToText(ChannelData::kSpacingList, *mode == "FM" ? 2 : 0);
    }
    if (const auto power = header.Cell(row, "Power"); power && !power->empty()) {
        cells[kPower] = power;
    }
    return cells;
}

/// The members in use that still name one of the first `count` channels move up, in their order,
/// and the number of entries shrinks to them: the scan list keeps scanning the channels that stay.
void CompactMembers(ScanMembersUi& ui, std::size_t count) {
    const std::size_t inUse = std::min(ScanListData::EnabledMembers(ui.entries), ui.members.size());
    std::vector<std::uint32_t> kept;
    for (std::size_t k = 0; k < inUse; ++k) {
        if (ui.members[k] < count) {
            kept.push_back(ui.members[k]);
        }
    }
    ui.members.fill(ScanMembersUi::kNoSelection);
    std::copy(kept.begin(), kept.end(), ui.members.begin());
    ui.entries = std::to_string(kept.size());
}

/// Channels past `count` are about to go: the scan lists stop naming them (as members, designated
/// or priority channel), so that the document stays free of dangling references and can be saved.
void ForgetChannelsFrom(std::size_t count, CDataContainer& container, const TextLookup& texts) {
    const auto gone = [count](std::uint32_t& position) {
        if (position != ScanMembersUi::kNoSelection && position >= count) {
            position = ScanMembersUi::kNoSelection;
        }
    };
    std::vector<std::pair<ScanSettingsUi, ScanMembersUi>> kept;
    for (const auto& scanList : container.ScanLists()) {
        auto& [settings, members] = kept.emplace_back();
        scanList->LoadSettings(settings, texts, container);
        scanList->LoadMembers(members, texts, container);
        gone(settings.designatedChannel);
        gone(settings.priorityChannel);
        CompactMembers(members, count);
    }
    while (container.Channels().Count() > count) {
        container.Channels().Remove(container.Channels().Count() - 1);
    }
    for (std::size_t k = 0; k < kept.size(); ++k) {
        container.ScanLists().At(k).StoreSettings(kept[k].first, texts, container);
        container.ScanLists().At(k).StoreMembers(kept[k].second, texts, container);
    }
}

void Apply(const std::vector<ChannelPlan>& plans, CDataContainer& container, const TextLookup& texts) {
    auto& channels = container.Channels();
    if (channels.Count() > plans.size()) {
        ForgetChannelsFrom(plans.size(), container, texts);
    }
    while (channels.Count() < plans.size()) {
        channels.Append(container.MakeChannel(channels.Count()));
    }
    container.FixUpReferences();
    for (std::size_t k = 0; k < plans.size(); ++k) {
        ChannelData& channel = channels.At(k);
        StoreChannelRow(channel, plans[k].row, texts, container.Context());
        ChannelUi misc;
        channel.LoadMisc(misc, container);
        misc.personalityPosition = plans[k].personality.value_or(ChannelUi::kNoSelection);
        misc.scanListPosition = plans[k].scanList.value_or(ChannelUi::kNoSelection);
        channel.StoreMisc(misc, container);
    }
    container.FixUpReferences();
}

} // namespace

ChannelListTable ChannelListCells(const CDataContainer& container, const TextLookup& texts) {
    ChannelListTable table;
    table.headings.push_back(kNumberHeading);
    for (std::size_t k = 0; k < kColumnCount; ++k) {
        table.headings.push_back(Heading(texts, k));
    }
    for (std::size_t position = 0; position < container.Channels().Count(); ++position) {
        const ChannelData& channel = container.Channels().At(position);
        const ChannelRow row = LoadChannelRow(channel, texts);
        const ChannelUi& ui = row.ui;
        const std::uint8_t scanList = channel.ScanListNumber();
        table.rows.push_back({std::to_string(position + 1), FreqCellTextFromBcd(ui.rxFreq), ui.rxType,
                              ui.rxCtcss, ui.rxCdcss, FreqCellTextFromBcd(ui.txFreq), ui.txType, ui.txCtcss,
                              ui.txCdcss, ui.spacing, ui.power, std::to_string(channel.PersonalityPosition() + 1),
                              scanList == 0 ? NoScanListText(texts) : std::to_string(scanList),
                              texts.ListValueToText(kAutoStartList, row.autoStartScan)});
    }
    return table;
}

std::string ExportChannelCsv(const CDataContainer& container, const TextLookup& texts) {
    const ChannelListTable table = ChannelListCells(container, texts);
    std::string text = CsvLine(table.headings);
    for (const std::vector<std::string>& row : table.rows) {
        text += CsvLine(row);
    }
    return text;
}

namespace {

/// Checks every row; the rows taken become plans, the others refusals in `report`.
std::vector<ChannelPlan> PlanImport(std::string_view text, CDataContainer& container, const TextLookup& texts,
                                    ChannelImportReport& report) {
    const CsvTable table = ParseCsv(text);
    if (table.rows.empty()) {
        report.refused.push_back({1, Say(texts, RefusalText::kNoHeader, "the file holds no header row", {})});
        return {};
    }
    const Header header(table.rows.front());
    const bool native = header.Has(Heading(texts, kRxFreq));
    if (!native && !header.Has("Frequency")) {
        report.refused.push_back({1, Say(texts, RefusalText::kNoFrequencyColumn,
                                         "no column named '%s' or 'Frequency'", {Heading(texts, kRxFreq)})});
        return {};
    }
    const RowChecker checker(container, texts);
    std::vector<ChannelPlan> plans;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        std::variant<Cells, Reason> cells =
            native ? NativeCells(header, row, texts) : CommonLayoutCells(header, row, texts);
        if (const Reason* reason = std::get_if<Reason>(&cells)) {
            report.refused.push_back({table.lines[r], *reason});
            continue;
        }
        if (plans.size() == ImageMap::kChannelCapacity) {
            report.refused.push_back({table.lines[r], Say(texts, RefusalText::kTooManyChannels,
                                                          "the radio holds at most 16 channels", {})});
            continue;
        }
        const std::size_t position = plans.size();
        const ChannelRow current = position < container.Channels().Count()
                                       ? LoadChannelRow(container.Channels().At(position), texts)
                                       : LoadChannelRow(*container.MakeChannel(position), texts);
        auto checked = checker.Check(std::get<Cells>(cells), current);
        if (const Reason* reason = std::get_if<Reason>(&checked)) {
            report.refused.push_back({table.lines[r], *reason});
            continue;
        }
        plans.push_back(std::get<ChannelPlan>(std::move(checked)));
    }
    report.taken = plans.size();
    return plans;
}

} // namespace

ChannelImportReport CheckChannelCsv(std::string_view text, CDataContainer& container,
                                    const TextLookup& texts) {
    ChannelImportReport report;
    (void)PlanImport(text, container, texts, report);
    return report;
}

ChannelImportReport ImportChannelCsv(std::string_view text, CDataContainer& container,
                                     const TextLookup& texts, bool skipBad) {
    ChannelImportReport report;
    const std::vector<ChannelPlan> plans = PlanImport(text, container, texts, report);
    if (plans.empty() || (!report.refused.empty() && !skipBad)) {
        return report;
    }
    Apply(plans, container, texts);
    report.applied = true;
    return report;
}

Outcome<std::string> ReadChannelCsvFile(const std::filesystem::path& path) {
    constexpr int kCannotRead = 9490;
    // A CSV of channels is small; anything far larger is not one.
    constexpr std::size_t kMaxCsvBytes = 4 * 1024 * 1024;
    // The channel list's CSV has 17 rows of 14 cells; other programs' files list up to about a
    // thousand channels in a few dozen columns. More cells than this make no channel list, and
    // every cell kept and every row refused costs memory and time.
    constexpr std::size_t kMaxCsvCells = 65536;
    // Only a regular file is read, as a data file is: a FIFO or a device would never end.
    const Outcome<std::vector<std::uint8_t>> bytes = ReadRegularFile(path, kMaxCsvBytes, kCannotRead);
    if (!bytes) {
        return bytes.result();
    }
    std::string text(bytes->begin(), bytes->end());
    if (CsvCellCount(text) > kMaxCsvCells) {
        return Result::Fail(kCannotRead, path.string() + ": too many cells for a channel list (more than " +
                                             std::to_string(kMaxCsvCells) + ")");
    }
    return text;
}

} // namespace tav
