#include "gui/app/PaneFocus.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace tav::gui {

PaneFocus::PaneFocus(QWidget& window, Panes panes, Enter enter)
    : QObject(&window), panes_(std::move(panes)), enter_(std::move(enter)) {
    auto* next = new QAction(&window);
    next->setShortcut(QKeySequence(Qt::Key_F6));
    auto* previous = new QAction(&window);
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    for (QAction* action : {next, previous}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
    connect(next, &QAction::triggered, this, [this] { Move(1); });
    connect(previous, &QAction::triggered, this, [this] { Move(-1); });
}

bool PaneFocus::Move(int step) {
    std::vector<QWidget*> panes;
    for (QWidget* pane : panes_()) {
        if (pane && pane->isVisible() && pane->isEnabled()) {
            panes.push_back(pane);
        }
    }
    if (panes.empty()) {
        return false;
    }
    const QWidget* focus = QApplication::focusWidget();
    const auto count = static_cast<int>(panes.size());
    int current = -1;
    for (int k = 0; k < count; ++k) {
        if (focus && (panes[k] == focus || panes[k]->isAncestorOf(focus))) {
            current = k;
            break;
        }
    }
    const int target = current < 0 ? (step > 0 ? 0 : count - 1) : ((current + step) % count + count) % count;
    enter_(panes[static_cast<std::size_t>(target)]);
    return true;
}

} // namespace tav::gui
