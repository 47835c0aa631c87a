#pragma once

#include "gui/views/CCustomFormView.h"

#include <cstddef>
#include <optional>

namespace tav::gui {

class CPersonalitySheet;

/// The personality editor (template 2310): a sheet of four pages on one personality, stepping
/// through the personality list with the record bar. Channels refer to personalities by their
/// record, so after an add or a delete the container's references are brought up to date.
class CViewPersonality : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 2310;
    /// The image holds eight personalities.
    static constexpr std::size_t kCapacity = 8;

    CViewPersonality(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    std::optional<RecordPosition> Position() const override;

    CPersonalitySheet* PersonalitySheet() const { return sheet_; }

private:
    void BindCurrent();

    CPersonalitySheet* sheet_;
    std::optional<std::size_t> current_;
};

} // namespace tav::gui
