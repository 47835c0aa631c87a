#pragma once

#include "gui/app/AppContext.h"

#include <QComboBox>
#include <string>

namespace tav::gui {

/// Selects the item whose text equals `text` (the first from the top); no selection when none does.
inline void SelectComboText(QComboBox* combo, const std::string& text) {
    if (combo) {
        combo->setCurrentIndex(text.empty() ? -1 : combo->findText(FromLanguage(text), Qt::MatchExactly));
    }
}

/// The selected item's text; empty with no selection.
inline std::string ComboText(const QComboBox* combo) {
    return combo && combo->currentIndex() >= 0 ? ToCore(combo->currentText()) : std::string();
}

} // namespace tav::gui
