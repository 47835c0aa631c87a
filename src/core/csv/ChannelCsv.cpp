#include "core/csv/ChannelCsv.h"

#include "core/app/CDataContainer.h"
#include "core/app/ChannelReferences.h"
#include "core/csv/CsvTable.h"
#include "core/data/ChannelFields.h"
#include "core/data/ChannelRowCheck.h"
#include "core/data/ImageMap.h"
#include "core/lang/TextLookup.h"
#include "core/platform/FileAccess.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <variant>

namespace tav {

namespace {

using F = ChannelFieldId;

/// Message texts of the reasons a file or a row is refused; each "%s" takes a value in order. The
/// reasons of the row's values are the row check's (RowCheckText).
namespace CsvText {
constexpr int kOnChannel = 3792;         ///< channel number, reason
constexpr int kColumnTwice = 3793;       ///< heading
constexpr int kNoSuchChannel = 3796;     ///< heading, text
constexpr int kChannelTwice = 3797;      ///< heading, text
constexpr int kBadPolarity = 3808;       ///< text
constexpr int kBadToneMode = 3809;       ///< text
constexpr int kBadOffset = 3810;         ///< frequency text, offset text
constexpr int kBadDuplex = 3811;         ///< text
constexpr int kBadMode = 3812;           ///< text
constexpr int kNoHeader = 3813;          ///< -
constexpr int kNoFrequencyColumn = 3814; ///< heading
constexpr int kTooManyChannels = 3789;   ///< - (shared with the channel list's paste)
} // namespace CsvText

constexpr const char* kNumberHeading = "No.";
constexpr const char* kLocationHeading = "Location";
/// The common layout's columns.
constexpr const char* kCommonColumns[] = {"Location",     "Frequency", "Duplex",    "Offset",
                                          "Tone",         "rToneFreq", "cToneFreq", "DtcsCode",
                                          "DtcsPolarity", "Mode",      "Power"};
constexpr int kToneNone = 0;
constexpr int kToneCtcss = 1;
constexpr int kToneCdcss = 2;
constexpr int kToneCdcssInverted = 3;
/// The common layout's Mode FM is the 25 kHz channel, NFM the 12.5 kHz one.
constexpr int kWideSpacing = 2;
constexpr int kNarrowSpacing = 0;

using Reason = std::string;

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

std::string Heading(const TextLookup& texts, F id) {
    return ChannelFieldLabel(ChannelFieldOf(id), texts);
}

/// Column positions of a header row by lower-case name.
class Header {
public:
    explicit Header(const std::vector<std::string>& names) {
        for (std::size_t k = 0; k < names.size(); ++k) {
            const std::string name = Lower(Trim(names[k]));
            if (!index_.emplace(name, k).second && !name.empty()) {
                twice_.push_back(Trim(names[k]));
            }
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
    /// The first of `names` that the header names more than once.
    std::optional<std::string> Twice(const std::vector<std::string>& names) const {
        for (const std::string& name : twice_) {
            const auto same = [&name](const std::string& known) { return Lower(known) == Lower(name); };
            if (std::any_of(names.begin(), names.end(), same)) {
                return name;
            }
        }
        return std::nullopt;
    }

private:
    std::map<std::string, std::size_t> index_;
    std::vector<std::string> twice_;
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

/// A count of 10 Hz units that may lie beyond 32 bits, as megahertz with five decimals.
std::string WideFreqText(std::int64_t count) {
    const std::string sign = count < 0 ? "-" : "";
    const std::uint64_t magnitude =
        count < 0 ? static_cast<std::uint64_t>(-count) : static_cast<std::uint64_t>(count);
    std::string decimals = std::to_string(magnitude % kCountsPerMHz);
    decimals.insert(0, 5 - decimals.size(), '0');
    return sign + std::to_string(magnitude / kCountsPerMHz) + "." + decimals;
}

/// The file's layout: the channel list's own columns, or the common layout's.
struct Layout {
    bool native = true;
    const char* numberColumn = kNumberHeading;
    std::size_t firstNumber = 1; ///< the number column's value of the first channel

    std::vector<std::string> Columns(const TextLookup& texts) const {
        std::vector<std::string> names;
        if (native) {
            names.push_back(kNumberHeading);
            for (const ChannelField* field : ChannelCsvFields()) {
                names.push_back(ChannelFieldLabel(*field, texts));
            }
        } else {
            names.assign(std::begin(kCommonColumns), std::end(kCommonColumns));
        }
        return names;
    }
};

ChannelRowTexts NativeTexts(const Header& header, const std::vector<std::string>& row,
                            const TextLookup& texts) {
    ChannelRowTexts cells;
    for (const ChannelField* field : ChannelCsvFields()) {
        cells[static_cast<std::size_t>(field->id)] = header.Cell(row, ChannelFieldLabel(*field, texts));
    }
    return cells;
}

std::optional<std::string>& Cell(ChannelRowTexts& cells, F id) {
    return cells[static_cast<std::size_t>(id)];
}

/// The common layout's tone columns into the list's type and tone columns.
std::optional<Reason> CommonLayoutTones(const Header& header, const std::vector<std::string>& row,
                                        const TextLookup& texts, ChannelRowTexts& cells) {
    const auto typeText = [&](int type) { return texts.ListValueToText(ChannelData::kRxTypeList, type); };
    const std::string mode = header.Cell(row, "Tone").value_or("");
    Cell(cells, F::RxType) = typeText(kToneNone);
    Cell(cells, F::TxType) = typeText(kToneNone);
    if (mode == "Tone") {
        Cell(cells, F::TxType) = typeText(kToneCtcss);
        Cell(cells, F::TxCtcss) = header.Cell(row, "rToneFreq");
    } else if (mode == "TSQL") {
        Cell(cells, F::RxType) = typeText(kToneCtcss);
        Cell(cells, F::TxType) = typeText(kToneCtcss);
        Cell(cells, F::RxCtcss) = header.Cell(row, "cToneFreq");
        Cell(cells, F::TxCtcss) = Cell(cells, F::RxCtcss);
    } else if (mode == "DTCS") {
        const std::string polarity = header.Cell(row, "DtcsPolarity").value_or("NN");
        if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
            return FillReason(texts, CsvText::kBadPolarity, "DtcsPolarity '%s' is not NN, NR, RN or RR",
                              {polarity});
        }
        Cell(cells, F::TxType) = typeText(polarity[0] == 'R' ? kToneCdcssInverted : kToneCdcss);
        Cell(cells, F::RxType) = typeText(polarity[1] == 'R' ? kToneCdcssInverted : kToneCdcss);
        Cell(cells, F::RxCdcss) = header.Cell(row, "DtcsCode");
        Cell(cells, F::TxCdcss) = Cell(cells, F::RxCdcss);
    } else if (!mode.empty()) {
        return FillReason(texts, CsvText::kBadToneMode, "Tone mode '%s' is not supported", {mode});
    }
    return std::nullopt;
}

/// The common layout's frequency, duplex and offset into the list's two frequencies. The TX
/// frequency an offset gives is worked out without wrapping: one beyond any frequency is refused.
std::optional<Reason> CommonLayoutFrequencies(const Header& header, const std::vector<std::string>& row,
                                              const TextLookup& texts, const DataContext& range,
                                              ChannelRowTexts& cells) {
    const std::string rx = header.Cell(row, "Frequency").value_or("");
    const std::string duplex = header.Cell(row, "Duplex").value_or("");
    const std::string offset = header.Cell(row, "Offset").value_or("");
    Cell(cells, F::RxFreq) = rx;
    if (duplex.empty()) {
        Cell(cells, F::TxFreq) = rx;
    } else if (duplex == "off") {
        Cell(cells, F::TxFreq) = std::string();
    } else if (duplex == "split") {
        Cell(cells, F::TxFreq) = offset;
    } else if (duplex == "+" || duplex == "-") {
        if (!IsDecimal(rx) || !IsDecimal(offset)) {
            return FillReason(texts, CsvText::kBadOffset, "Frequency '%s' or Offset '%s' is not a frequency",
                              {rx, offset});
        }
        const std::int64_t shift =
            static_cast<std::int64_t>(ParseFreq(offset, ',')) * (duplex == "+" ? 1 : -1);
        const std::int64_t tx = static_cast<std::int64_t>(ParseFreq(rx, ',')) + shift;
        if (tx <= 0 || tx > kMaxFreqCount) {
            return FillReason(texts, RowCheckText::kOutsideRange, "%s %s is outside %s-%s MHz",
                              {Heading(texts, F::TxFreq), WideFreqText(tx), std::to_string(range.rangeLowMHz),
                               std::to_string(range.rangeHighMHz)});
        }
        Cell(cells, F::TxFreq) = FormatFreq(static_cast<std::uint32_t>(tx));
    } else {
        return FillReason(texts, CsvText::kBadDuplex, "Duplex '%s' is not +, -, split or off", {duplex});
    }
    return std::nullopt;
}

std::variant<ChannelRowTexts, Reason> CommonLayoutTexts(const Header& header,
                                                        const std::vector<std::string>& row,
                                                        const TextLookup& texts, const DataContext& range) {
    ChannelRowTexts cells;
    if (auto reason = CommonLayoutFrequencies(header, row, texts, range, cells)) {
        return *reason;
    }
    if (auto reason = CommonLayoutTones(header, row, texts, cells)) {
        return *reason;
    }
    if (const auto mode = header.Cell(row, "Mode"); mode && !mode->empty()) {
        if (*mode != "FM" && *mode != "NFM") {
            return FillReason(texts, CsvText::kBadMode, "Mode '%s' is not FM or NFM", {*mode});
        }
        Cell(cells, F::Spacing) =
            texts.ListValueToText(ChannelData::kSpacingList, *mode == "FM" ? kWideSpacing : kNarrowSpacing);
    }
    if (const auto power = header.Cell(row, "Power"); power && !power->empty()) {
        Cell(cells, F::Power) = power;
    }
    return cells;
}

/// One checked row: the channel it goes to (0-based) and the values it gives.
struct ChannelPlan {
    std::size_t channel;
    ChannelUi values;
};

/// What an import does: the rows taken, and how many channels the list keeps.
struct ImportPlan {
    std::vector<ChannelPlan> plans;
    std::size_t count = 0;
};

void Apply(const ImportPlan& plan, CDataContainer& container, const TextLookup& texts) {
    auto& channels = container.Channels();
    if (channels.Count() > plan.count) {
        // Channels past the count go; whatever named them stops naming them.
        ChannelReferences::Remove(
            container, [count = plan.count](std::size_t position) { return position >= count; }, texts);
    }
    while (channels.Count() < plan.count) {
        channels.Append(container.MakeChannel(channels.Count()));
    }
    container.FixUpReferences();
    for (const ChannelPlan& row : plan.plans) {
        StoreChannelValues(channels.At(row.channel), row.values, texts, container.Context(), container);
    }
    container.FixUpReferences();
}

/// Reads a file's rows one by one into plans or refusals.
class ImportPlanner {
public:
    ImportPlanner(CDataContainer& container, const TextLookup& texts, ChannelImportReport& report)
        : container_(container), texts_(texts), report_(report),
          check_(texts, container.Context(), container, ',') {}

    ImportPlan Plan(std::string_view text) {
        const CsvTable table = ParseCsv(text);
        if (table.rows.empty()) {
            Refuse(1, 0, FillReason(texts_, CsvText::kNoHeader, "the file holds no header row", {}));
            return {};
        }
        const Header header(table.rows.front());
        if (!header.Has(Heading(texts_, F::RxFreq)) && !header.Has("Frequency")) {
            Refuse(1, 0,
                   FillReason(texts_, CsvText::kNoFrequencyColumn, "no column named '%s' or 'Frequency'",
                              {Heading(texts_, F::RxFreq)}));
            return {};
        }
        const Layout layout =
            header.Has(Heading(texts_, F::RxFreq)) ? Layout{} : Layout{false, kLocationHeading, 0};
        if (const auto twice = header.Twice(layout.Columns(texts_))) {
            Refuse(1, 0,
                   FillReason(texts_, CsvText::kColumnTwice, "the column '%s' is named twice", {*twice}));
            return {};
        }
        const bool numbered = header.Has(layout.numberColumn);
        for (std::size_t r = 1; r < table.rows.size(); ++r) {
            const std::optional<std::size_t> target =
                numbered ? NamedChannel(header, table.rows[r], layout, table.lines[r]) : plan_.plans.size();
            if (target) {
                PlanRow(header, table.rows[r], layout, table.lines[r], *target, numbered);
            }
        }
        plan_.count = std::max(plan_.count, numbered ? std::size_t{0} : plan_.plans.size());
        report_.taken = plan_.plans.size();
        return plan_;
    }

private:
    /// The channel a numbered row names, or nothing when the row is refused for its number.
    std::optional<std::size_t> NamedChannel(const Header& header, const std::vector<std::string>& row,
                                            const Layout& layout, std::size_t line) {
        const std::string text = header.Cell(row, layout.numberColumn).value_or("");
        const bool digits =
            !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
        const std::size_t number = digits ? std::stoul(text) + 1 - layout.firstNumber : 0;
        if (number < 1 || number > ImageMap::kChannelCapacity) {
            Refuse(line, 0,
                   FillReason(texts_, CsvText::kNoSuchChannel, "%s '%s' names no channel of the radio",
                              {layout.numberColumn, text}));
            return std::nullopt;
        }
        if (named_[number - 1]) {
            Refuse(line, number,
                   OnChannel(number, FillReason(texts_, CsvText::kChannelTwice,
                                                "%s '%s' names a channel an earlier row names",
                                                {layout.numberColumn, text})));
            return std::nullopt;
        }
        named_[number - 1] = true;
        return number - 1;
    }

    void PlanRow(const Header& header, const std::vector<std::string>& row, const Layout& layout,
                 std::size_t line, std::size_t target, bool numbered) {
        if (target >= ImageMap::kChannelCapacity) {
            Refuse(line, 0,
                   FillReason(texts_, CsvText::kTooManyChannels, "the radio holds at most 16 channels", {}));
            return;
        }
        const auto refuse = [&](const std::string& reason) {
            Refuse(line, target + 1, OnChannel(target + 1, reason));
            // A refused row leaves its channel as it was; it never adds one.
            const std::size_t existing = container_.Channels().Count();
            plan_.count = std::max(plan_.count, numbered ? std::min(target + 1, existing) : 0);
        };
        std::variant<ChannelRowTexts, Reason> cells =
            layout.native ? NativeTexts(header, row, texts_)
                          : CommonLayoutTexts(header, row, texts_, container_.Context());
        if (const Reason* reason = std::get_if<Reason>(&cells)) {
            refuse(*reason);
            return;
        }
        const auto& channels = container_.Channels();
        const ChannelUi current =
            target < channels.Count()
                ? LoadChannelValues(channels.At(target), texts_, container_)
                : LoadChannelValues(*container_.MakeChannel(target), texts_, container_);
        const Outcome<ChannelUi> checked = check_.Check(std::get<ChannelRowTexts>(cells), current);
        if (!checked) {
            refuse(checked.result().detail());
            return;
        }
        plan_.plans.push_back({target, *checked});
        plan_.count = std::max(plan_.count, numbered ? target + 1 : 0);
    }

    std::string OnChannel(std::size_t number, const std::string& reason) const {
        return FillReason(texts_, CsvText::kOnChannel, "Channel %s: %s", {std::to_string(number), reason});
    }

    void Refuse(std::size_t line, std::size_t channel, std::string reason) {
        report_.refused.push_back({line, std::move(reason), channel});
    }

    CDataContainer& container_;
    const TextLookup& texts_;
    ChannelImportReport& report_;
    const ChannelRowCheck check_;
    ImportPlan plan_;
    std::array<bool, ImageMap::kChannelCapacity> named_{};
};

std::vector<std::string> NumberedRow(std::size_t position, const std::vector<const ChannelField*>& fields,
                                     const ChannelUi& values, const TextLookup& texts,
                                     ChannelTextStyle style) {
    std::vector<std::string> row{std::to_string(position + 1)};
    for (const ChannelField* field : fields) {
        row.push_back(ChannelFieldText(*field, values, texts, style));
    }
    return row;
}

ChannelListTable ChannelTable(const CDataContainer& container, const TextLookup& texts,
                              const std::vector<const ChannelField*>& fields, ChannelTextStyle style) {
    ChannelListTable table;
    table.headings.push_back(kNumberHeading);
    for (const ChannelField* field : fields) {
        table.headings.push_back(ChannelFieldLabel(*field, texts));
    }
    for (std::size_t position = 0; position < container.Channels().Count(); ++position) {
        const ChannelUi values = LoadChannelValues(container.Channels().At(position), texts, container);
        table.rows.push_back(NumberedRow(position, fields, values, texts, style));
    }
    return table;
}

} // namespace

ChannelListTable ChannelListCells(const CDataContainer& container, const TextLookup& texts) {
    return ChannelTable(container, texts, ChannelGridFields(), ChannelTextStyle::Grid);
}

std::string ExportChannelCsv(const CDataContainer& container, const TextLookup& texts) {
    const ChannelListTable table =
        ChannelTable(container, texts, ChannelCsvFields(), ChannelTextStyle::Exchange);
    std::string text = CsvLine(table.headings);
    for (const std::vector<std::string>& row : table.rows) {
        text += CsvLine(row);
    }
    return text;
}

ChannelImportReport CheckChannelCsv(std::string_view text, CDataContainer& container,
                                    const TextLookup& texts) {
    ChannelImportReport report;
    (void)ImportPlanner(container, texts, report).Plan(text);
    return report;
}

ChannelImportReport ImportChannelCsv(std::string_view text, CDataContainer& container,
                                     const TextLookup& texts, bool skipBad) {
    ChannelImportReport report;
    const ImportPlan plan = ImportPlanner(container, texts, report).Plan(text);
    if (plan.plans.empty() || (!report.refused.empty() && !skipBad)) {
        return report;
    }
    Apply(plan, container, texts);
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
