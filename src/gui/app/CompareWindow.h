#pragma once

#include "core/compare/ConfigCompare.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTableWidget;

namespace tav::gui {

class AppContext;

/// The differences between the edited document and another one (a file or the radio), one row
/// each: subject, field, the value in this document and in the other. The title counts them;
/// Copy puts them on the clipboard as lines; a double-click or Enter on a row asks for the editor
/// of its field.
class CompareWindow : public QDialog {
    Q_OBJECT
public:
    /// Columns of the table.
    enum Column { kSubject, kField, kThis, kOther, kColumnCount };

    CompareWindow(AppContext& context, std::vector<ConfigDifference> differences, const QString& otherName,
                  QWidget* parent = nullptr);

    const std::vector<ConfigDifference>& Differences() const { return differences_; }
    QTableWidget* Table() const { return table_; }
    QPushButton* CopyButton() const { return copy_; }
    /// Every difference as one line, as tavctl compare prints it.
    QString LinesText() const;
    /// Asks for the editor of row `row`'s field (as a double-click does).
    void OpenRow(int row);
    /// Heads the two value columns by the names of the two sides compared (when neither is the
    /// edited document).
    void SetSideNames(const QString& first, const QString& second);

signals:
    /// The editor of a difference is wanted: its view identifier and 1-based record (0: none).
    void openRequested(int viewId, int record);

private:
    void FillTable();
    QStringList RowTexts(const ConfigDifference& difference) const;

    AppContext& context_;
    std::vector<ConfigDifference> differences_;
    QTableWidget* table_ = nullptr;
    QPushButton* copy_ = nullptr;
};

} // namespace tav::gui
