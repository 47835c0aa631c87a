#include "gui/app/ProblemListBar.h"

#include "core/data/ProblemList.h"
#include "gui/app/AppContext.h"
#include "gui/app/ShellTexts.h"
#include "gui/ui/ControlIds.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace tav::gui {

ProblemListBar::ProblemListBar(AppContext& context, const QString& caption, QWidget* parent)
    : QDockWidget(caption, parent), context_(context) {
    setObjectName(QStringLiteral("problemBar"));
    list_ = new QTreeWidget(this);
    SetControlId(list_, kListId);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(2);
    list_->header()->setStretchLastSection(true);
    setWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { emit entryOpened(list_->indexOfTopLevelItem(item)); });
    Translate();
    context_.Problems().SetChangedHandler([this] { Refresh(); });
    Refresh();
}

ProblemListBar::~ProblemListBar() {
    context_.Problems().SetChangedHandler({});
}

void ProblemListBar::Translate() {
    list_->setHeaderLabels({context_.ControlText(ShellTexts::kProblemColumn0, QStringLiteral("Item")),
                            context_.ControlText(ShellTexts::kProblemColumn1, QStringLiteral("Problem"))});
    list_->setColumnWidth(0, kColumnWidth);
    list_->setColumnWidth(1, kColumnWidth);
}

void ProblemListBar::Refresh() {
    list_->clear();
    QTreeWidgetItem* last = nullptr;
    for (const ProblemEntry& entry : context_.Problems().Entries()) {
        last = new QTreeWidgetItem(list_, {FromLanguage(entry.where), FromLanguage(entry.what)});
        last->setData(0, Qt::UserRole, static_cast<qulonglong>(entry.key));
        last->setData(1, Qt::UserRole, entry.controlId);
    }
    if (last) {
        list_->scrollToItem(last);
    }
}

} // namespace tav::gui
