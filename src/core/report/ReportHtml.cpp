#include "core/report/ReportHtml.h"

#include "core/report/ConfigReport.h"
#include "core/util/Utf8Sequence.h"

namespace tav {

namespace {

constexpr const char* kStyle =
    "body { font-family: 'DejaVu Sans', 'Liberation Sans', Arial, sans-serif; font-size: 9pt; color: #000; "
    "}\n"
    "h1 { font-size: 15pt; margin: 0 0 6pt 0; }\n"
    "h2 { font-size: 11pt; margin: 12pt 0 4pt 0; border-bottom: 1px solid #555; }\n"
    "table { border-collapse: collapse; margin-bottom: 6pt; }\n"
    "th, td { border: 1px solid #999; padding: 2pt 4pt; text-align: left; vertical-align: top; }\n"
    "th { background-color: #e8e8e8; font-weight: bold; }\n"
    "table.fields th { background-color: transparent; font-weight: normal; color: #333; }\n"
    "table.head td, table.head th { border: none; }\n"
    "th.label { padding-right: 10pt; }\n"
    "p.none { color: #555; font-style: italic; }\n"
    "@media print { h2 { page-break-after: avoid; } tr { page-break-inside: avoid; } }\n";

/// Attributes that a renderer without style-sheet tables still honours.
constexpr const char* kGridAttributes = " border=\"1\" cellspacing=\"0\" cellpadding=\"3\"";

/// A value that may run over several lines (a comment): escaped, each line break kept.
std::string MultiLine(const std::string& text) {
    std::string out;
    for (const char c : ReportHtml::Escape(text)) {
        if (c == '\n') {
            out += "<br>";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

void Row(std::string& out, const std::vector<std::string>& cells, const char* tag) {
    out += "<tr>";
    for (const std::string& cell : cells) {
        out += std::string("<") + tag + ">" + ReportHtml::Escape(cell) + "</" + tag + ">";
    }
    out += "</tr>\n";
}

void FieldTableHtml(std::string& out, const std::vector<ReportField>& fields, const char* cssClass,
                    const char* attributes) {
    out += std::string("<table class=\"") + cssClass + "\"" + attributes + ">\n";
    for (const ReportField& field : fields) {
        out += "<tr><th class=\"label\">" + ReportHtml::Escape(field.label) + "</th><td>" +
               MultiLine(field.value) + "</td></tr>\n";
    }
    out += "</table>\n";
}

void GridHtml(std::string& out, const ReportTable& table) {
    out += std::string("<table class=\"grid\"") + kGridAttributes + ">\n<thead>";
    Row(out, table.headings, "th");
    out += "</thead>\n<tbody>\n";
    for (const std::vector<std::string>& row : table.rows) {
        Row(out, row, "td");
    }
    out += "</tbody>\n</table>\n";
}

void SectionHtml(std::string& out, const ReportSection& section) {
    out += "<h2>" + ReportHtml::Escape(section.title) + "</h2>\n";
    if (!section.fields.empty()) {
        FieldTableHtml(out, section.fields, "fields", kGridAttributes);
    }
    if (!section.table.empty()) {
        GridHtml(out, section.table);
    } else if (section.fields.empty()) {
        out += "<p class=\"none\">-</p>\n";
    }
}

} // namespace

std::string ReportHtml::Escape(std::string_view text) {
    // The page is declared UTF-8: a byte sequence that is not UTF-8 (a file's comment in another
    // encoding, a damaged text) becomes U+FFFD instead of making the page invalid.
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t bad = 1;
        const std::size_t length = Utf8SequenceLength(text.substr(i), bad);
        if (length == 0) {
            out += kReplacement;
            i += bad;
            continue;
        }
        if (length > 1) {
            out += text.substr(i, length);
            i += length;
            continue;
        }
        const char c = text[i++];
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            // Control characters (from a file's comment or a radio's text) have no place in HTML.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\r' || c == '\t') {
                out += c;
            }
        }
    }
    return out;
}

std::string ReportHtml::Write(const ConfigReport& report) {
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      Escape(report.title) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n";
    out += "<h1>" + Escape(report.title) + "</h1>\n";
    FieldTableHtml(out, report.header, "head", " cellspacing=\"0\" cellpadding=\"2\"");
    for (const ReportSection& section : report.sections) {
        SectionHtml(out, section);
    }
    out += "</body>\n</html>\n";
    return out;
}

} // namespace tav
