#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tav::gui {

/// Texts of the core (UTF-8) as Qt strings and back.
inline QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStd(const QString& text) {
    return text.toStdString();
}

} // namespace tav::gui
