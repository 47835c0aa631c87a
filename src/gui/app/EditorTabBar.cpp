#include "gui/app/EditorTabBar.h"

#include <algorithm>

namespace tav::gui {

EditorTabBar::EditorTabBar(QWidget* parent) : QTabBar(parent) {
    setElideMode(Qt::ElideMiddle);
    setUsesScrollButtons(true);
}

QSize EditorTabBar::minimumTabSizeHint(int index) const {
    // The framework would shorten a tab to three letters; keep enough of the title to tell the
    // editors apart, as wide as the whole title when that is shorter.
    const QSize whole = tabSizeHint(index);
    const QSize least = QTabBar::minimumTabSizeHint(index);
    const int readable = least.width() + fontMetrics().averageCharWidth() * (kReadableChars - 3);
    return {std::min(whole.width(), std::max(least.width(), readable)), least.height()};
}

} // namespace tav::gui
