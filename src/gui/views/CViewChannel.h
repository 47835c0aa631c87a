#pragma once

#include "core/data/ObjectId.h"
#include "gui/views/CCustomFormView.h"

namespace tav {
class ChannelData;
}

namespace tav::gui {

class CChanSheet;

/// The channel editor (form 3655): one channel at a time on the basic and miscellaneous pages,
/// moved through the channel list with the record bar and the tree's channel items. It follows the
/// channel it shows by identity, so channels added, deleted or moved elsewhere do not swap it.
class CViewChannel : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3655;
    /// Caption of the channel list window the editor switches to.
    static constexpr int kListCaption = 3770;
    static constexpr int kListButton = 3770;

    CViewChannel(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    std::optional<RecordPosition> Position() const override;

    /// Opens the channel list in place of this editor.
    void ShowListView();

    CChanSheet* ChannelSheet() const { return sheet_; }
    /// The channel shown (nullptr when none is current).
    ChannelData* Current() const;

private:
    void Bind();

    CChanSheet* sheet_;
    ObjectId current_ = kNoObject;
};

} // namespace tav::gui
