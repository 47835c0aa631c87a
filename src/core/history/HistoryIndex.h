#pragma once

#include "core/history/HistoryEntry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// The text of a radio's index file: a heading line, then one line per entry, its fields
/// separated by tabs in the order time, kind, model, band, serial, file, port, result, entry
/// name. A tab, line break or backslash inside a field is written as \t, \n, \r or \\, so that
/// every field comes back as it was.
class HistoryIndex {
public:
    static constexpr std::string_view kFileName = "index.tsv";
    static constexpr std::string_view kHeading =
        "# time\tkind\tmodel\tband\tserial\tfile\tport\tresult\tentry";

    static std::string Line(const HistoryEntry& entry);
    /// Nothing for a heading, an empty line or a line that is not an entry (a damaged index
    /// loses only that line).
    static std::optional<HistoryEntry> ParseLine(std::string_view line);

    static std::string Format(const std::vector<HistoryEntry>& entries);
    static std::vector<HistoryEntry> Parse(std::string_view text);
};

} // namespace tav
