#include "gui/views/CCustomFormView.h"

#include "gui/views/CTAVPropertyPage.h"
#include "gui/views/CTAVPropertySheet.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
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

} // namespace tav::gui
