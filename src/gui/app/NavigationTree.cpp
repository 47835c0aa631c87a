#include "gui/app/NavigationTree.h"

#include "core/app/TreeTemplate.h"
#include "core/app/ViewTable.h"
#include "gui/app/AppContext.h"
#include "gui/ui/ControlIds.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

namespace tav::gui {

NavigationTree::NavigationTree(AppContext& context, QWidget* parent)
    : QTreeWidget(parent), context_(context) {
    SetControlId(this, kControlId);
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { OpenItem(item); });
}

QTreeWidgetItem* NavigationTree::AddItem(QTreeWidgetItem* parent, int commandId, const QString& text) {
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setData(0, kCommandRole, commandId);
    return item;
}

void NavigationTree::RebuildTree() {
    clear();
    auto* root = new QTreeWidgetItem(this, QStringList{FromLanguage(context_.Settings().ModelName())});
    root->setData(0, kCommandRole, 0);
    root->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));

    int currentLevel = 0;
    QTreeWidgetItem* last = root;
    for (const TreeTemplateEntry& entry : TreeTemplate::Entries()) {
        if (entry.commandId <= 0) {
            continue;
        }
        const QString text = context_.ControlText(entry.commandId);
        if (text.isEmpty()) {
            continue;
        }
        QTreeWidgetItem* parent = root;
        if (entry.level == 0) {
            currentLevel = 0;
        } else if (entry.level == currentLevel) {
            parent = last->parent() ? last->parent() : root;
        } else if (entry.level == currentLevel + 1) {
            parent = last;
            currentLevel = entry.level;
        } else if (entry.level < currentLevel) {
            parent = last->parent() ? last->parent() : root;
            for (int climb = currentLevel - entry.level; climb > 0 && parent != root; --climb) {
                parent = parent->parent() ? parent->parent() : root;
            }
            currentLevel = entry.level;
        } else {
            // A level more than one deeper than the last item cannot be placed: keep it beside it.
            parent = last->parent() ? last->parent() : root;
        }
        last = AddItem(parent, entry.commandId, text);
    }
    // Folders and editors get their pictures once the tree stands.
    for (QTreeWidgetItemIterator it(root); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item == root) {
            continue;
        }
        const bool folder = item->childCount() > 0 && !ViewTable::Find(item->data(0, kCommandRole).toInt());
        item->setIcon(0, style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
    }
    expandAll();
}

void NavigationTree::RemoveItem(int commandId) {
    if (QTreeWidgetItem* item = FindItem(commandId)) {
        delete item;
    }
}

QTreeWidgetItem* NavigationTree::FindItem(int commandId) const {
    for (QTreeWidgetItemIterator it(const_cast<NavigationTree*>(this)); *it; ++it) {
        if ((*it)->data(0, kCommandRole).toInt() == commandId && (*it)->parent() &&
            (*it)->parent()->data(0, kCommandRole).toInt() != commandId) {
            return *it;
        }
    }
    return nullptr;
}

int NavigationTree::RecordItemCount(int commandId) const {
    const QTreeWidgetItem* item = FindItem(commandId);
    return item ? item->childCount() : 0;
}

QTreeWidgetItem* NavigationTree::RecordItem(int commandId, int number) const {
    QTreeWidgetItem* item = FindItem(commandId);
    if (!item || number < 1 || number > item->childCount()) {
        return nullptr;
    }
    return item->child(number - 1);
}

void NavigationTree::SyncRecordItems(int commandId, int count) {
    QTreeWidgetItem* item = FindItem(commandId);
    if (!item) {
        return;
    }
    count = std::max(count, 0);
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (int n = item->childCount(); n < count; ++n) {
        QTreeWidgetItem* record =
            AddItem(item, commandId, QStringLiteral("%1 %2").arg(item->text(0)).arg(n + 1));
        record->setIcon(0, icon);
    }
    while (item->childCount() > count) {
        delete item->takeChild(item->childCount() - 1);
    }
}

int NavigationTree::RecordCountFor(int commandId) const {
    CDataContainer& container = context_.Container();
    switch (commandId) {
    case ViewIds::kChannel:
        return static_cast<int>(container.Channels().Count());
    case ViewIds::kScan:
        return static_cast<int>(container.ScanLists().Count());
    case ViewIds::kPersonality:
        return static_cast<int>(container.Personalities().Count());
    case ViewIds::kAlertTone:
        return static_cast<int>(container.AlertTones().Count());
    case ViewIds::kTwoToneSystem:
        return static_cast<int>(container.TwoToneSystems().Count());
    case ViewIds::kTwoToneCall:
        return static_cast<int>(container.TwoToneCalls().Count());
    default:
        return -1;
    }
}

void NavigationTree::RefreshRecordItems() {
    for (const int commandId : TreeTemplate::kRecordItems) {
        const int count = RecordCountFor(commandId);
        if (count >= 0) {
            SyncRecordItems(commandId, count);
        }
    }
}

void NavigationTree::SetRootText(const QString& text) {
    if (QTreeWidgetItem* root = Root()) {
        root->setText(0, text);
    }
}

void NavigationTree::OpenItem(QTreeWidgetItem* item) {
    if (!item || item == Root()) {
        return;
    }
    const int viewId = item->data(0, kCommandRole).toInt();
    if (!ViewTable::Find(viewId)) {
        return;
    }
    const QTreeWidgetItem* parent = item->parent();
    const bool isRecordItem = parent && parent->data(0, kCommandRole).toInt() == viewId;
    const int subItems = isRecordItem ? parent->childCount() : item->childCount();
    emit openRequested(viewId, item->text(0), subItems);
}

void NavigationTree::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* item = currentItem();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (item) {
            if (item->childCount() > 0) {
                item->setExpanded(!item->isExpanded());
            }
            OpenItem(item);
        }
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(item ? item->data(0, kCommandRole).toInt() : 0);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

int NavigationTree::WidthNeeded() const {
    return sizeHintForColumn(0) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

} // namespace tav::gui
