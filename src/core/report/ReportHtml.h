#pragma once

#include <string>
#include <string_view>

namespace tav {

struct ConfigReport;

/// The report as one self-contained HTML page (UTF-8, every text escaped) with a plain style sheet
/// for paper: the same page is shown by a browser, printed, and rendered to PDF.
class ReportHtml {
public:
    static std::string Write(const ConfigReport& report);
    /// `text` with &, <, >, " and ' written as entities and control characters other than line
    /// breaks and tabs left out.
    static std::string Escape(std::string_view text);
};

} // namespace tav
