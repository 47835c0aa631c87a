#include "gui/views/CTAVPropertyPage.h"

#include "gui/ui/ControlIds.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>

namespace tav::gui {

CTAVPropertyPage::CTAVPropertyPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent)
    : QWidget(parent), EditorForm(context, host, templateId) {
    SetTemplateIdOf(this, templateId);
    layout_ = new QGridLayout(this);
    layout_->setContentsMargins(16, 14, 16, 14);
    layout_->setHorizontalSpacing(12);
    layout_->setVerticalSpacing(8);
    layout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

CTAVPropertyPage::~CTAVPropertyPage() = default;

ControlMap CTAVPropertyPage::BuildPage(const DialogTemplate& dialog, const ControlFactory& custom,
                                       bool watch) {
    const QString caption = windowTitle();
    ControlMap made = BuildControls(this, layout_, dialog, custom, watch);
    if (windowTitle().isEmpty()) {
        setWindowTitle(caption);
    }
    for (const auto& [id, control] : made) {
        WatchEnter(control);
    }
    return made;
}

void CTAVPropertyPage::WatchEnter(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* inner : widget->findChildren<QWidget*>()) {
        inner->installEventFilter(this);
    }
}

bool CTAVPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return QWidget::eventFilter(watched, event);
    }
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus) || watched != focus) {
        return QWidget::eventFilter(watched, event);
    }
    // On the default button Enter presses it as usual.
    for (QWidget* w = focus; w && w != this; w = w->parentWidget()) {
        if (ControlId(w) == kDefaultButtonId) {
            return QWidget::eventFilter(watched, event);
        }
    }
    FocusNextControl(focus);
    return true;
}

bool CTAVPropertyPage::FocusNextControl(QWidget* from) {
    QWidget* candidate = from;
    while ((candidate = candidate->nextInFocusChain()) && candidate != from) {
        if (!isAncestorOf(candidate) || candidate->focusProxy()) {
            continue;
        }
        if ((candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && candidate->isEnabled() &&
            candidate->isVisibleTo(this)) {
            candidate->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace tav::gui
