#include "gui/views/CCustomFormView.h"

#include "gui/ui/ControlIds.h"
#include "gui/views/CTAVPropertyPage.h"
#include "gui/views/CTAVPropertySheet.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tav::gui {

CCustomFormView::CCustomFormView(AppContext& context, EditorHost* host, int templateId, QWidget* parent)
    : QScrollArea(parent), EditorForm(context, host, templateId) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    form_ = new QWidget;
    form_->setObjectName(QStringLiteral("form%1").arg(templateId));
    SetTemplateIdOf(form_, templateId);
    // The controls keep their natural sizes at the top left, as a dialog template places them.
    outer_ = new QVBoxLayout(form_);
    outer_->setContentsMargins(18, 16, 18, 16);
    auto* row = new QHBoxLayout;
    panel_ = new QWidget(form_);
    layout_ = new QGridLayout(panel_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setHorizontalSpacing(12);
    layout_->setVerticalSpacing(8);
    row->addWidget(panel_);
    row->addStretch(1);
    outer_->addLayout(row);
    outer_->addStretch(1);
    setWidget(form_);
}

CCustomFormView::~CCustomFormView() = default;

ControlMap CCustomFormView::BuildForm(const DialogTemplate& dialog, const ControlFactory& custom,
                                      bool watch) {
    return BuildControls(panel_, layout_, dialog, custom, watch);
}

void CCustomFormView::FillView() {
    while (QLayoutItem* item = outer_->takeAt(0)) {
        delete item;
    }
    outer_->addWidget(panel_, 1);
}

void CCustomFormView::SetSheet(CTAVPropertySheet* sheet) {
    sheet_ = sheet;
    // The sheet fills the view.
    while (QLayoutItem* item = outer_->takeAt(0)) {
        delete item;
    }
    panel_->hide();
    outer_->setContentsMargins(8, 8, 8, 8);
    outer_->addWidget(sheet, 1);
}

void CCustomFormView::ContextHelp(QWidget* control) {
    if (sheet_) {
        if (CTAVPropertyPage* page = sheet_->ActivePage()) {
            page->ContextHelp(control && page->isAncestorOf(control) ? control : page);
            return;
        }
    }
    EditorForm::ContextHelp(control);
}

void CCustomFormView::RememberFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && form_->isAncestorOf(focus)) {
        lastFocus_ = focus;
    }
}

void CCustomFormView::RestoreFocus() {
    if (lastFocus_ && form_->isAncestorOf(lastFocus_) && lastFocus_->isEnabled() && lastFocus_->isVisible()) {
        lastFocus_->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* child : form_->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled() && child->isVisible() &&
            !child->focusProxy()) {
            child->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool CCustomFormView::FocusControl(int controlId) {
    QWidget* control = FindControl(this, controlId);
    if (!control) {
        return false;
    }
    // Every tab page on the way to the control becomes the current one, outermost first.
    std::vector<QTabWidget*> sheets;
    for (QWidget* above = control->parentWidget(); above && above != this; above = above->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(above)) {
            sheets.push_back(tabs);
        }
    }
    for (auto sheet = sheets.rbegin(); sheet != sheets.rend(); ++sheet) {
        for (int page = 0; page < (*sheet)->count(); ++page) {
            if ((*sheet)->widget(page)->isAncestorOf(control)) {
                (*sheet)->setCurrentIndex(page);
                break;
            }
        }
    }
    ensureWidgetVisible(control);
    // Kept as the view's focus too, so that the window's activation gives the focus back to it.
    lastFocus_ = control;
    control->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace tav::gui
