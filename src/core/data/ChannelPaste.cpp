#include "core/data/ChannelPaste.h"

#include "core/data/ChannelFields.h"
#include "core/data/ChannelRowCheck.h"

namespace tav {
namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
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
    const ChannelUi values = LoadChannelValues(channel, texts, directory, separator);
    std::vector<std::string> fields;
    for (const ChannelField* field : ChannelGridFields()) {
        fields.push_back(ChannelFieldText(*field, values, texts, ChannelTextStyle::Grid, separator));
    }
    return fields;
}

Outcome<PastedChannelRow> ReadChannelRowFields(const std::vector<std::string>& raw, const TextLookup& texts,
                                               const DataContext& context, const RecordDirectory& directory,
                                               char separator) {
    const std::vector<const ChannelField*> columns = ChannelGridFields();
    std::vector<std::string> fields;
    for (const auto& field : raw) {
        fields.push_back(Trimmed(field));
    }
    while (fields.size() > columns.size() && fields.back().empty()) {
        fields.pop_back();
    }
    if (fields.size() == columns.size() + 1) {
        fields.erase(fields.begin());
    }
    if (fields.size() < columns.size()) {
        return Result::Fail(PasteText::kTooFewColumns,
                            FillReason(texts, PasteText::kTooFewColumns,
                                       "the row has fewer columns than the channel list", {}));
    }
    ChannelRowTexts row;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        row[static_cast<std::size_t>(columns[k]->id)] = fields[k];
    }
    // Every column is given: the row's values stand on their own, not on the channel's.
    const Outcome<ChannelUi> checked =
        ChannelRowCheck(texts, context, directory, separator).Check(row, ChannelUi{});
    if (!checked) {
        return checked.result();
    }
    PastedChannelRow pasted;
    pasted.row.ui = *checked;
    pasted.row.autoStartScan = checked->autoStartScan;
    pasted.personalityPosition = checked->personalityPosition;
    pasted.scanListPosition = checked->scanListPosition;
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
