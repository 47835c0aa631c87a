#include "gui/report/DlgPrintSelection.h"

#include "core/compare/FieldTable.h"
#include "core/report/ConfigReport.h"
#include "gui/controls/DialogButtons.h"
#include "gui/controls/QtText.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tav::gui {

DlgPrintSelection::DlgPrintSelection(const TextLookup& texts, const ReportSelection& current, QWidget* parent)
    : QDialog(parent) {
    const QString caption = ToQt(FieldLabel(texts, kDialogId, "Print Selection"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(caption);
    tree_->setMinimumSize(280, 320);
    root_ = new QTreeWidgetItem(tree_, {ToQt(FieldLabel(texts, kRootText, "Configuration"))});
    root_->setFlags(root_->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    for (std::size_t k = 0; k < ReportSelection::kItemCount; ++k) {
        const ReportItem item = ReportSelection::ItemAt(k);
        auto* child = new QTreeWidgetItem(root_, {ToQt(ConfigReport::ItemTitle(texts, item))});
        child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
        child->setCheckState(0, current.Has(item) ? Qt::Checked : Qt::Unchecked);
    }
    tree_->expandAll();
    layout->addWidget(tree_);
    buttons_ = new DialogButtons(this, kDialogId, false);
    layout->addWidget(buttons_);
    connect(tree_, &QTreeWidget::itemChanged, this, [this] { UpdateOk(); });
    UpdateOk();
}

QTreeWidgetItem* DlgPrintSelection::Item(ReportItem item) const {
    return root_->child(static_cast<int>(item));
}

ReportSelection DlgPrintSelection::Selection() const {
    ReportSelection selection;
    for (std::size_t k = 0; k < ReportSelection::kItemCount; ++k) {
        const ReportItem item = ReportSelection::ItemAt(k);
        selection.Set(item, Item(item)->checkState(0) == Qt::Checked);
    }
    return selection;
}

void DlgPrintSelection::UpdateOk() {
    buttons_->Ok()->setEnabled(Selection().Any());
}

} // namespace tav::gui
