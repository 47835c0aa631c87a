#include "core/data/ChannelPaste.h"

#include "core/data/FreqEntryRules.h"
#include "core/data/RecordKind.h"
#include "core/lang/TextLookup.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tav {
namespace {

constexpr int kAutoStartScanList = 3708;
constexpr std::size_t kFields = 13;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

bool InList(const TextLookup& texts, int listId, const std::string& text) {
    return !text.empty() && texts.ListValueToText(listId, texts.ListTextToValue(listId, text)) == text;
}

/// A decimal number with at most one separator (either '.' or the locale's).
bool IsDecimal(const std::string& text, char separator) {
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digit = true;
        } else if ((c == '.' || c == separator) && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::string WithSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

/// A frequency field: empty is no frequency; a number must lie in the radio's range.
Outcome<BcdFreq> ReadFreq(const std::string& text, int badMessage, const DataContext& context,
                          char separator) {
    if (text.empty()) {
        return kNoFreq;
    }
    if (!IsDecimal(text, separator)) {
        return Result::Fail(badMessage, text);
    }
    const std::uint32_t count = ParseFreq(WithSeparator(text, separator), separator);
    if (count < MHzToCount(context.rangeLowMHz) || count > MHzToCount(context.rangeHighMHz)) {
        return Result::Fail(PasteText::kOutOfRange, text);
    }
    const FreqCellCommit commit =
        CommitFreqCell(WithSeparator(text, separator), false, 0, kMaxFreqCount, separator);
    return FreqToBcd(commit.count);
}

/// One direction's type and tone fields; the field of the other kind is not looked at.
Result ReadTone(const TextLookup& texts, int typeList, const std::string& type, std::string& ctcss,
                std::string& cdcss, char separator) {
    if (!InList(texts, typeList, type)) {
        return Result::Fail(PasteText::kBadType, type);
    }
    const ToneFieldState fields = ChannelData::ToneFields(texts.ListTextToValue(typeList, type));
    if (fields.ctcss) {
        if (!IsDecimal(ctcss, separator)) {
            return Result::Fail(PasteText::kBadCtcss, ctcss);
        }
        ctcss = WithSeparator(ctcss, separator);
    }
    if (fields.cdcss) {
        const bool octal =
            !cdcss.empty() && cdcss.size() <= 3 &&
            std::all_of(cdcss.begin(), cdcss.end(), [](char c) { return c >= '0' && c <= '7'; });
        if (!octal) {
            return Result::Fail(PasteText::kBadCdcss, cdcss);
        }
    }
    return Result::Ok();
}

/// "1".."count" as a 0-based position; empty as no choice.
Outcome<std::uint32_t> ReadPosition(const std::string& text, std::size_t count, std::uint32_t offset) {
    if (text.empty()) {
        return ChannelUi::kNoSelection;
    }
    unsigned number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1 || number > count) {
        return Result::Fail(PasteText::kBadReference, text);
    }
    return static_cast<std::uint32_t>(number - 1 + offset);
}

} // namespace

TabRows ParseTabText(std::string_view text) {
    TabRows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == '\t') {
            row.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            row.push_back(std::move(field));
            rows.push_back(std::move(row));
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !row.empty() || !field.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ToTabText(const TabRows& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string& field = row[i];
            if (i) {
                text += '\t';
            }
            if (field.find_first_of("\t\r\n\"") == std::string::npos) {
                text += field;
                continue;
            }
            text += '"';
            for (const char c : field) {
                text += c;
                if (c == '"') {
                    text += '"';
                }
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> ChannelRowFields(const ChannelData& channel, const TextLookup& texts,
                                          const RecordDirectory& directory, char separator) {
    ChannelUi ui;
    channel.LoadUi(ui, texts, separator);
    channel.LoadMisc(ui, directory);
    const auto freq = [separator](BcdFreq bcd) { return FreqCellTextFromBcd(bcd, separator); };
    const std::string personality = ui.personalityPosition == ChannelUi::kNoSelection
                                        ? std::string()
                                        : std::to_string(ui.personalityPosition + 1);
    std::string scanList;
    if (ui.scanListPosition == 0) {
        scanList = texts.GetControlText(ChannelData::kScanListControl);
    } else if (ui.scanListPosition != ChannelUi::kNoSelection) {
        scanList = std::to_string(ui.scanListPosition);
    }
    return {freq(ui.rxFreq),
            ui.rxType,
            ui.rxCtcss,
            ui.rxCdcss,
            freq(ui.txFreq),
            ui.txType,
            ui.txCtcss,
            ui.txCdcss,
            ui.spacing,
            ui.power,
            personality,
            scanList,
            texts.ListValueToText(kAutoStartScanList, ui.autoStartScan)};
}

Outcome<PastedChannelRow> ReadChannelRowFields(const std::vector<std::string>& raw, const TextLookup& texts,
                                               const DataContext& context, const RecordDirectory& directory,
                                               char separator) {
    std::vector<std::string> fields;
    for (const auto& field : raw) {
        fields.push_back(Trimmed(field));
    }
    while (fields.size() > kFields && fields.back().empty()) {
        fields.pop_back();
    }
    if (fields.size() == kFields + 1) {
        fields.erase(fields.begin());
    }
    if (fields.size() < kFields) {
        return Result::Fail(PasteText::kTooFewColumns, std::to_string(fields.size()));
    }
    PastedChannelRow pasted;
    ChannelUi& ui = pasted.row.ui;
    const auto rx = ReadFreq(fields[0], PasteText::kBadRxFreq, context, separator);
    if (!rx) {
        return rx.result();
    }
    const auto tx = ReadFreq(fields[4], PasteText::kBadTxFreq, context, separator);
    if (!tx) {
        return tx.result();
    }
    ui.rxFreq = *rx;
    ui.txFreq = *tx;
    ui.rxType = fields[1];
    ui.rxCtcss = fields[2];
    ui.rxCdcss = fields[3];
    ui.txType = fields[5];
    ui.txCtcss = fields[6];
    ui.txCdcss = fields[7];
    if (Result r = ReadTone(texts, ChannelData::kRxTypeList, ui.rxType, ui.rxCtcss, ui.rxCdcss, separator);
        !r) {
        return r;
    }
    if (Result r = ReadTone(texts, ChannelData::kTxTypeList, ui.txType, ui.txCtcss, ui.txCdcss, separator);
        !r) {
        return r;
    }
    ui.spacing = fields[8];
    ui.power = fields[9];
    for (const auto& [list, text] :
         {std::pair{ChannelData::kSpacingList, &ui.spacing}, std::pair{ChannelData::kPowerList, &ui.power},
          std::pair{kAutoStartScanList, &fields[12]}}) {
        if (!InList(texts, list, *text)) {
            return Result::Fail(PasteText::kBadChoice, *text);
        }
    }
    pasted.row.autoStartScan = texts.ListTextToValue(kAutoStartScanList, fields[12]) != 0 ? 1 : 0;
    const auto personality = ReadPosition(fields[10], directory.Count(RecordKind::Personality), 0);
    if (!personality) {
        return personality.result();
    }
    pasted.personalityPosition = *personality;
    if (fields[11] == texts.GetControlText(ChannelData::kScanListControl)) {
        pasted.scanListPosition = 0;
    } else {
        const auto scanList = ReadPosition(fields[11], directory.Count(RecordKind::ScanList), 1);
        if (!scanList) {
            return scanList.result();
        }
        pasted.scanListPosition = *scanList;
    }
    return pasted;
}

void StorePastedRow(ChannelData& channel, const PastedChannelRow& pasted, const TextLookup& texts,
                    const DataContext& context, const RecordDirectory& directory) {
    StoreChannelRow(channel, pasted.row, texts, context);
    ChannelUi misc;
    channel.LoadMisc(misc, directory);
    misc.personalityPosition = pasted.personalityPosition;
    misc.scanListPosition = pasted.scanListPosition;
    channel.StoreMisc(misc, directory);
}

} // namespace tav
