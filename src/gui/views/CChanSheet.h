#pragma once

#include "gui/views/CTAVPropertySheet.h"

namespace tav {
class ChannelData;
}

namespace tav::gui {

class AppContext;
class CPageChanBasic;
class CPageChanMisc;
class EditorHost;

/// The channel editor's tabs: the basic page, then the miscellaneous page. The page last shown
/// when a channel editor closed is shown by the next one.
class CChanSheet : public CTAVPropertySheet {
    Q_OBJECT
public:
    CChanSheet(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    /// Gives both pages the channel they edit.
    void SetData(ChannelData* channel);
    void LoadPages();
    void StorePages();

    CPageChanBasic* Basic() const { return basic_; }
    CPageChanMisc* Misc() const { return misc_; }

private:
    CPageChanBasic* basic_;
    CPageChanMisc* misc_;
};

} // namespace tav::gui
