#pragma once

#include <QDockWidget>

class QTreeWidget;

namespace tav {
class ProblemList;
}

namespace tav::gui {

class AppContext;

/// The problem-log bar: the problem list's entries in a two-column list (control 911, columns
/// headed by texts 915 and 916), refreshed whenever the list changes.
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

private:
    AppContext& context_;
    QTreeWidget* list_;
};

} // namespace tav::gui
