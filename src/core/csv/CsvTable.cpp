#include "core/csv/CsvTable.h"

namespace tav {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char DetectDelimiter(std::string_view text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted) {
            commas += c == ',' ? 1 : 0;
            semicolons += c == ';' ? 1 : 0;
        }
    }
    return semicolons > commas ? ';' : ',';
}

std::string_view WithoutBom(std::string_view text) {
    return text.substr(0, kBom.size()) == kBom ? text.substr(kBom.size()) : text;
}

/// Walks a CSV text (without its byte order mark) cell by cell: `sink.Cell(text)` for every cell,
/// then `sink.RowEnd(line)` at the end of each row, with the line the row starts on.
template <class Sink> void Scan(std::string_view text, char delimiter, Sink& sink) {
    std::string cell;
    bool quoted = false;
    bool rowOpen = false; ///< a delimiter was seen in the current row
    std::size_t line = 1;
    std::size_t rowLine = 1;
    const auto endRow = [&] {
        sink.Cell(std::move(cell));
        cell.clear();
        sink.RowEnd(rowLine);
        rowOpen = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        line += c == '\n' ? 1 : 0;
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == delimiter) {
            sink.Cell(std::move(cell));
            cell.clear();
            rowOpen = true;
        } else if (c == '\n') {
            endRow();
            rowLine = line;
        } else if (c != '\r') {
            cell += c;
        }
    }
    if (!cell.empty() || rowOpen) {
        endRow();
    }
}

/// Keeps the rows that are not blank. The empty cells that begin a row are only counted until a
/// cell with text comes, so that a blank row of any length costs nothing.
class TableSink {
public:
    explicit TableSink(CsvTable& table) : table_(table) {}
    void Cell(std::string&& cell) {
        if (row_.empty() && cell.empty()) {
            ++leadingEmpty_;
            return;
        }
        if (row_.empty()) {
            row_.resize(leadingEmpty_);
        }
        row_.push_back(std::move(cell));
    }
    void RowEnd(std::size_t line) {
        if (!row_.empty()) {
            table_.rows.push_back(std::move(row_));
            table_.lines.push_back(line);
        }
        row_.clear();
        leadingEmpty_ = 0;
    }

private:
    CsvTable& table_;
    std::vector<std::string> row_; ///< empty while every cell of the row so far is empty
    std::size_t leadingEmpty_ = 0;
};

/// Counts the cells of the rows that are not blank.
class CountSink {
public:
    void Cell(std::string&& cell) {
        ++inRow_;
        blank_ = blank_ && cell.empty();
    }
    void RowEnd(std::size_t) {
        count_ += blank_ ? 0 : inRow_;
        inRow_ = 0;
        blank_ = true;
    }
    std::size_t count() const { return count_; }

private:
    std::size_t count_ = 0;
    std::size_t inRow_ = 0;
    bool blank_ = true;
};

} // namespace

CsvTable ParseCsv(std::string_view text) {
    text = WithoutBom(text);
    CsvTable table;
    table.delimiter = DetectDelimiter(text);
    TableSink sink(table);
    Scan(text, table.delimiter, sink);
    return table;
}

std::size_t CsvCellCount(std::string_view text) {
    text = WithoutBom(text);
    CountSink sink;
    Scan(text, DetectDelimiter(text), sink);
    return sink.count();
}

std::string CsvLine(const std::vector<std::string>& cells, char delimiter) {
    std::string line;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const std::string& cell = cells[k];
        if (k > 0) {
            line += delimiter;
        }
        if (cell.find_first_of(std::string{delimiter, '"', '\n', '\r'}) == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

} // namespace tav
