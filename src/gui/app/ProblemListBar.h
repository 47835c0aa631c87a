#pragma once

#include <QDockWidget>

class QTreeWidget;

namespace tav {
class ProblemList;
}

namespace tav::gui {

class AppContext;

/// The problem-log bar: the problem list's entries in a two-column list (control 911, columns
/// headed by texts 915 and 916), refreshed whenever the list changes. Opening an entry asks for the
/// editor of its record, at the control that shows the reference.
class ProblemListBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kListId = 911;
    static constexpr int kColumnWidth = 500;

    ProblemListBar(AppContext& context, const QString& caption, QWidget* parent = nullptr);
    ~ProblemListBar() override;

    /// Refills the list from the problem list.
    void Refresh();
    /// The column headings from the language file.
    void Translate();
    QTreeWidget* List() const { return list_; }

signals:
    /// An entry was double-clicked (or chosen with Return): its place in the problem list.
    void entryOpened(int index);

private:
    AppContext& context_;
    QTreeWidget* list_;
};

} // namespace tav::gui
