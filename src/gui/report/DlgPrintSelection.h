#pragma once

#include "core/report/ReportSelection.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace tav {
class TextLookup;
}

namespace tav::gui {

class DialogButtons;

/// The print-selection dialog: a tree of the report's twelve parts under one root, each with a
/// check box (the root checks or clears them all). OK is offered only while a part is chosen.
class DlgPrintSelection : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = ReportSelection::kDialogText;
    static constexpr int kRootText = 7224;

    DlgPrintSelection(const TextLookup& texts, const ReportSelection& current, QWidget* parent = nullptr);

    /// The parts checked now.
    ReportSelection Selection() const;
    QTreeWidget* Tree() const { return tree_; }
    QTreeWidgetItem* Item(ReportItem item) const;

private:
    void UpdateOk();

    QTreeWidget* tree_ = nullptr;
    QTreeWidgetItem* root_ = nullptr;
    DialogButtons* buttons_ = nullptr;
};

} // namespace tav::gui
