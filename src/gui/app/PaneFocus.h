#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace tav::gui {

/// F6 and Shift+F6 move the focus from pane to pane of the main window (the navigation tree, the
/// active editor, the docked lists), as keyboard users expect; Tab stays inside a pane.
class PaneFocus : public QObject {
    Q_OBJECT
public:
    /// The panes in their order; a pane that is missing or hidden is passed over. `enter` gives a
    /// pane the focus (an editor gives it back to the control that had it).
    using Panes = std::function<std::vector<QWidget*>()>;
    using Enter = std::function<void(QWidget*)>;

    PaneFocus(QWidget& window, Panes panes, Enter enter);

    /// Gives the focus to the next pane (`step` 1) or the one before (-1); false when there is none.
    bool Move(int step);

private:
    Panes panes_;
    Enter enter_;
};

} // namespace tav::gui
