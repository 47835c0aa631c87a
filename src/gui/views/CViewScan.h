#pragma once

#include "core/data/ObjectId.h"
#include "gui/views/CCustomFormView.h"

namespace tav {
class ScanListData;
}

namespace tav::gui {

class CScanSheet;

/// The scan list editor (form 3801): the configuration and member pages of the scan list.
class CViewScan : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3801;

    CViewScan(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    std::optional<RecordPosition> Position() const override;

    CScanSheet* ScanSheet() const { return sheet_; }
    ScanListData* Current() const;

private:
    CScanSheet* sheet_;
    ObjectId current_ = kNoObject;
};

} // namespace tav::gui
