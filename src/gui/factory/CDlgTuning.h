#pragma once

#include "core/factory/TuningPoints.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace tav {
class RadioLink;
}

namespace tav::gui {

class AppContext;

/// The Tuning dialog (7002): the list of tuning items of the language file. Opening an item reads
/// its first point's value from the radio and runs the item's own dialog; a failure there is
/// reported here. When the radio stopped answering the dialog ends too, since no further value
/// can reach it.
class CDlgTuning : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 7002;
    static constexpr int kItemList = 7053;
    static constexpr int kItemListText = 7054;

    CDlgTuning(AppContext& context, RadioLink& radio, QWidget* parent = nullptr);

    QListWidget* Items() const { return list_; }
    /// Opens the item with that code (a double-click on its entry).
    void OpenItem(std::uint32_t code, const QString& caption);

private:
    void Tell(int messageId, const QString& detail = {});
    void OnActivated(QListWidgetItem* entry);

    AppContext& context_;
    RadioLink& radio_;
    std::vector<TuningItem> items_;
    QListWidget* list_ = nullptr;
};

} // namespace tav::gui
