#include "core/csv/CsvTable.h"

#include <algorithm>

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

bool IsBlank(const std::vector<std::string>& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); });
}

} // namespace

CsvTable ParseCsv(std::string_view text) {
    if (text.substr(0, kBom.size()) == kBom) {
        text.remove_prefix(kBom.size());
    }
    CsvTable table;
    table.delimiter = DetectDelimiter(text);
    std::vector<std::string> row;
    std::string cell;
    bool quoted = false;
    std::size_t line = 1;
    std::size_t rowLine = 1;
    const auto endRow = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        if (!IsBlank(row)) {
            table.rows.push_back(std::move(row));
            table.lines.push_back(rowLine);
        }
        row.clear();
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
        } else if (c == table.delimiter) {
            row.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\n') {
            endRow();
            rowLine = line;
        } else if (c != '\r') {
            cell += c;
        }
    }
    if (!cell.empty() || !row.empty()) {
        endRow();
    }
    return table;
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
