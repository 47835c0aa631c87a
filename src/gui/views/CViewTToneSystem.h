#pragma once

#include "gui/views/CCustomFormView.h"

#include <cstddef>
#include <optional>

namespace tav::gui {

class CViewTToneSystemSheet;

/// The two-tone system editor (template 5450): a sheet of two pages on one system, stepping
/// through the system list with the record bar. Personalities and calls refer to systems, so
/// after an add or a delete the container's references are brought up to date.
class CViewTToneSystem : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 5450;
    /// The image holds four systems.
    static constexpr std::size_t kCapacity = 4;

    CViewTToneSystem(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    std::optional<RecordPosition> Position() const override;

    CViewTToneSystemSheet* SystemSheet() const { return sheet_; }

private:
    void BindCurrent();

    CViewTToneSystemSheet* sheet_;
    std::optional<std::size_t> current_;
};

} // namespace tav::gui
