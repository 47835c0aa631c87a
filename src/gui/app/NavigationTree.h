#pragma once

#include <QTreeWidget>

namespace tav::gui {

class AppContext;

/// The navigation tree of the tree bar: the model name at the root, one item per feature in the
/// template's folders (texts from the language file; features without text are left out), and one
/// sub-item per record below the record editors' items. A double-click or Enter opens an item's
/// editor; Enter also opens and closes folders; the help key shows the selected item's topic.
class NavigationTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 1017;
    /// Item data role holding the command id.
    static constexpr int kCommandRole = Qt::UserRole;

    explicit NavigationTree(AppContext& context, QWidget* parent = nullptr);

    /// Deletes all items, inserts the root with the model name and the template, and expands them.
    void RebuildTree();
    /// Deletes the item of a command (with its sub-items).
    void RemoveItem(int commandId);
    /// Gives the item of a command exactly `count` record sub-items.
    void SyncRecordItems(int commandId, int count);
    /// Brings every record editor's sub-items in step with the record lists.
    void RefreshRecordItems();
    void SetRootText(const QString& text);

    /// The first item (depth first) whose data is the command id.
    QTreeWidgetItem* FindItem(int commandId) const;
    QTreeWidgetItem* Root() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
    /// The number of record sub-items of a command's item.
    int RecordItemCount(int commandId) const;
    /// The record sub-item `number` (1-based) of a command's item.
    QTreeWidgetItem* RecordItem(int commandId, int number) const;

    /// The width that shows every item's text whole at its depth, frame and scroll bar included.
    int WidthNeeded() const;

    /// Opens an item as a double-click does.
    void OpenItem(QTreeWidgetItem* item);

signals:
    /// An item asks for its editor: the view identifier, the window title (the item's text), and
    /// the number of record sub-items under the item's parent.
    void openRequested(int viewId, const QString& title, int subItemCount);
    /// The help key on an item: the topic is the item's command id.
    void helpRequested(int contextId);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, int commandId, const QString& text);
    int RecordCountFor(int commandId) const;

    AppContext& context_;
};

} // namespace tav::gui
