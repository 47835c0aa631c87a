#pragma once

#include <QTabBar>

namespace tav::gui {

/// The editors' tab bar: a title too long for its tab is shortened in the middle, never below a
/// readable width (the bar scrolls instead), and the tab's tool tip gives it whole.
class EditorTabBar : public QTabBar {
    Q_OBJECT
public:
    /// Characters a shortened title keeps at the least.
    static constexpr int kReadableChars = 18;

    explicit EditorTabBar(QWidget* parent = nullptr);

protected:
    QSize minimumTabSizeHint(int index) const override;
};

} // namespace tav::gui
