#include "core/history/HistoryIndex.h"

namespace tav {
namespace {

constexpr std::size_t kFieldCount = 9;

std::string Escape(std::string_view field) {
    std::string out;
    for (const char c : field) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(Unescape(line.substr(start, tab == std::string_view::npos ? tab : tab - start)));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

/// An entry's name stands for a file in the radio's folder: nothing that leaves it.
bool UsableName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find_first_of("/\\:") == std::string_view::npos;
}

} // namespace

std::string HistoryIndex::Line(const HistoryEntry& e) {
    const std::string_view fields[kFieldCount] = {
        e.time, HistoryKindName(e.kind), e.model, e.band, e.radio, e.file, e.port, e.result, e.name};
    std::string line;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (i > 0) {
            line += '\t';
        }
        line += Escape(fields[i]);
    }
    return line;
}

std::optional<HistoryEntry> HistoryIndex::ParseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return std::nullopt;
    }
    const std::vector<std::string> f = SplitFields(line);
    if (f.size() != kFieldCount) {
        return std::nullopt;
    }
    const std::optional<HistoryKind> kind = ParseHistoryKind(f[1]);
    if (!kind || !UsableName(f[8])) {
        return std::nullopt;
    }
    return HistoryEntry{f[8], f[0], *kind, f[2], f[3], f[4], f[5], f[6], f[7]};
}

std::string HistoryIndex::Format(const std::vector<HistoryEntry>& entries) {
    std::string text(kHeading);
    text += '\n';
    for (const HistoryEntry& entry : entries) {
        text += Line(entry);
        text += '\n';
    }
    return text;
}

std::vector<HistoryEntry> HistoryIndex::Parse(std::string_view text) {
    std::vector<HistoryEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (auto entry = ParseLine(line)) {
            entries.push_back(std::move(*entry));
        }
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    return entries;
}

} // namespace tav
