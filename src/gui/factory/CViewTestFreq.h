#pragma once

#include "core/factory/TestFreqData.h"
#include "gui/views/CCustomFormView.h"

class QTableWidget;
class QTableWidgetItem;

namespace tav::gui {

/// The test frequencies (form 4000): sixteen test channels in one grid and the five tuning
/// frequencies in another, each row a number, a receive and a transmit frequency. A changed cell
/// is stored at once (put on its raster, shown again as stored) and the other editors are told.
class CViewTestFreq : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = TestFreqData::kViewId;
    static constexpr int kChannelGrid = TestFreqData::kChannelGridId;
    static constexpr int kTuningGrid = TestFreqData::kTuningGridId;

    CViewTestFreq(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

    QTableWidget* ChannelGrid() const { return channels_; }
    QTableWidget* TuningGrid() const { return tuning_; }

private:
    void SetUpGrid(QTableWidget* grid, int rows);
    void CellEdited(QTableWidgetItem* item);
    /// The grid cell that shows entry `textIndex` of the text form (one field of the table).
    QTableWidgetItem* CellOf(std::size_t textIndex) const;

    QTableWidget* channels_ = nullptr;
    QTableWidget* tuning_ = nullptr;
    bool loading_ = false;
};

} // namespace tav::gui
