#pragma once

#include "core/report/ReportSelection.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tav {

class CDataContainer;
class TextLookup;
class WallClock;

/// A label and its value as an editor shows them.
struct ReportField {
    std::string label;
    std::string value;
};

/// A grid of value texts under column headings.
struct ReportTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;

    bool empty() const { return rows.empty(); }
};

/// One part of the report: a title, then labelled values, a table, or both.
struct ReportSection {
    ReportItem item = ReportItem::RadioInfo;
    std::string title;
    std::vector<ReportField> fields;
    ReportTable table;
};

/// Where the configuration came from, printed at the top of every report.
struct ReportSource {
    std::string fileName; ///< empty for data read from a radio and not saved yet
    std::string comment;
    std::string date; ///< when the report was made, as the user reads it

    /// A data file's name and comment (none for an empty path) and the clock's time.
    static ReportSource Describe(const std::filesystem::path& file, const WallClock& clock);
};

/// The configuration report: every chosen editor's fields with the editors' labels and value texts,
/// the channels as the channel list shows them. Passwords are told only as set or not set.
struct ConfigReport {
    std::string title;
    std::vector<ReportField> header; ///< model, file, comment, date
    std::vector<ReportSection> sections;

    static ConfigReport Build(const CDataContainer& container, const TextLookup& texts,
                              const ReportSource& source, const ReportSelection& selection);
    /// The title of a part in the language of `texts`.
    static std::string ItemTitle(const TextLookup& texts, ReportItem item);
};

} // namespace tav
