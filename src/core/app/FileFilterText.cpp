#include "core/app/FileFilterText.h"

#include "core/platform/AsciiText.h"

namespace tav {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find(separator, begin), text.size());
        parts.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return parts;
}

} // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view text) {
    std::vector<FileFilter> filters;
    const std::vector<std::string_view> parts = Split(text, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter filter;
        filter.description = std::string(AsciiText::Trim(parts[i]));
        for (const std::string_view pattern : Split(parts[i + 1], ';')) {
            if (const std::string_view trimmed = AsciiText::Trim(pattern); !trimmed.empty()) {
                filter.patterns.emplace_back(trimmed);
            }
        }
        if (filter.patterns.empty()) {
            continue;
        }
        if (filter.description.empty()) {
            for (const std::string& pattern : filter.patterns) {
                filter.description += (filter.description.empty() ? "" : " ") + pattern;
            }
        }
        filters.push_back(std::move(filter));
    }
    return filters;
}

std::string QtNameFilter(const FileFilter& filter) {
    std::string_view description = filter.description;
    // A description that already names its patterns ends in "(...)": the patterns given take
    // their place, so the dialog shows them once and filters by them.
    if (!description.empty() && description.back() == ')') {
        if (const std::size_t open = description.rfind('('); open != std::string_view::npos) {
            description = AsciiText::Trim(description.substr(0, open));
        }
    }
    std::string text(description);
    text += text.empty() ? "(" : " (";
    for (std::size_t i = 0; i < filter.patterns.size(); ++i) {
        text += (i == 0 ? "" : " ") + filter.patterns[i];
    }
    text += ")";
    return text;
}

} // namespace tav
