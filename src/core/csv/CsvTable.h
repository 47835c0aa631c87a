#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// The cells of a comma- or semicolon-separated text, row by row.
struct CsvTable {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> lines; ///< the 1-based line each row starts on
    char delimiter = ',';
};

/// Reads a CSV text: a leading UTF-8 byte order mark is skipped; the delimiter is the one of ','
/// and ';' that the first line holds more often (outside quotes); quoted cells may hold the
/// delimiter, doubled quotes and line breaks; CR LF and LF both end a row; empty lines are skipped.
CsvTable ParseCsv(std::string_view text);

/// The number of cells in the rows ParseCsv would give, counted without keeping them (so that a
/// text can be judged before it is parsed).
std::size_t CsvCellCount(std::string_view text);

/// One row as a CSV line with its line end: cells holding the delimiter, a quote or a line break are
/// quoted.
std::string CsvLine(const std::vector<std::string>& cells, char delimiter = ',');

} // namespace tav
