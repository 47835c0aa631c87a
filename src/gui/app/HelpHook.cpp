#include "gui/app/HelpHook.h"

#include "gui/app/HelpSystem.h"
#include "gui/app/NavigationTree.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/EditorForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tav::gui {

HelpHook::HelpHook(HelpSystem& help, QObject* parent) : QObject(parent), help_(help) {}

bool HelpHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat() || !watched->isWidgetType()) {
        return false;
    }
    QWidget* widget = QApplication::focusWidget();
    if (!widget) {
        widget = static_cast<QWidget*>(watched);
    }
    // The tree shows the topic of its selected item itself.
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<NavigationTree*>(w)) {
            return false;
        }
    }
    RequestHelp(widget);
    return true;
}

void HelpHook::RequestHelp(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* form = dynamic_cast<EditorForm*>(w)) {
            form->ContextHelp(widget);
            return;
        }
    }
    int controlId = 0;
    for (QWidget* w = widget; w && controlId == 0; w = w->parentWidget()) {
        controlId = ControlId(w);
    }
    // A control without a page of its own falls back to its dialog's page.
    help_.ShowFirstOf({controlId, widget ? ControlId(widget->window()) : 0});
}

} // namespace tav::gui
