#include "views/CCustomFormView.h"

#include "views/CTAVPropertySheet.h"

#include <QApplication>
#include <QGridLayout>

namespace tav::gui {

CCustomFormView::CCustomFormView(AppContext& context, EditorHost* host, int templateId, QWidget* parent)
    : QScrollArea(parent), EditorForm(context, host, templateId) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    form_ = new QWidget;
    form_->setObjectName(QStringLiteral("form%1").arg(templateId));
    SetTemplateIdOf(form_, templateId);
    layout_ = new QGridLayout(form_);
    layout_->setContentsMargins(18, 16, 18, 16);
    layout_->setHorizontalSpacing(12);
    layout_->setVerticalSpacing(8);
    layout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(form_);
}

CCustomFormView::~CCustomFormView() = default;

ControlMap CCustomFormView::BuildForm(const DialogTemplate& dialog, const ControlFactory& custom,
                                      bool watch) {
    return BuildControls(form_, layout_, dialog, custom, watch);
}

void CCustomFormView::SetSheet(CTAVPropertySheet* sheet) {
    sheet_ = sheet;
    layout_->setContentsMargins(8, 8, 8, 8);
    layout_->setAlignment(Qt::Alignment());
    layout_->addWidget(sheet, 0, 0);
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
