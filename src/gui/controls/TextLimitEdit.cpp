#include "gui/controls/TextLimitEdit.h"

#include "core/controls/TextLimit.h"
#include "core/controls/WideTextLimit.h"

namespace tav::gui {

TextLimitEdit::TextLimitEdit(QWidget* parent) : FilterEdit(parent), maxBytes_(kMaxTextLimitBytes) {
    connect(this, &QLineEdit::textChanged, this, [this] { ApplyLimit(); });
}

void TextLimitEdit::SetMaxBytes(int maxBytes) {
    maxBytes_ = NormalizeMaxBytes(maxBytes);
    ApplyLimit();
}

void TextLimitEdit::ApplyLimit() {
    if (applying_) {
        return;
    }
    const QList<uint> characters = text().toUcs4();
    const std::u32string wide(characters.begin(), characters.end());
    if (RadioTextBytes(wide) <= static_cast<std::size_t>(maxBytes_)) {
        return;
    }
    const std::size_t keep = LimitedCharCount(wide, maxBytes_);
    applying_ = true;
    setText(QString::fromUcs4(wide.data(), static_cast<qsizetype>(keep)));
    end(false);
    applying_ = false;
}

} // namespace tav::gui
