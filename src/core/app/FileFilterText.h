#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// One entry of a file dialog's type list: the text shown and the name patterns it stands for.
struct FileFilter {
    std::string description;           ///< for example "TAV Data Files (*.dat)"
    std::vector<std::string> patterns; ///< for example {"*.dat"}

    bool operator==(const FileFilter&) const = default;
};

/// Reads a filter text as the language file gives it: description and patterns alternate,
/// separated by '|', patterns of one entry separated by ';'; the text ends with "||". Entries
/// without a pattern and empty descriptions are skipped (a description falls back to its
/// patterns).
std::vector<FileFilter> ParseFileFilter(std::string_view text);

/// An entry in the form Qt's file dialogs take: the description without a trailing "(...)",
/// then the patterns in parentheses, separated by blanks: "TAV Data Files (*.dat)".
std::string QtNameFilter(const FileFilter& filter);

} // namespace tav
