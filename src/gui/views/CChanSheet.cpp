#include "gui/views/CChanSheet.h"

#include "gui/views/CPageChanBasic.h"
#include "gui/views/CPageChanMisc.h"

namespace tav::gui {

CChanSheet::CChanSheet(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertySheet(QStringLiteral("CViewChannel"), parent),
      basic_(new CPageChanBasic(context, host, this)), misc_(new CPageChanMisc(context, host, this)) {
    AddPage(basic_);
    AddPage(misc_);
    RestoreRememberedPage();
}

void CChanSheet::SetData(ChannelData* channel) {
    basic_->SetData(channel);
    misc_->SetData(channel);
}

void CChanSheet::LoadPages() {
    basic_->ApplyRange();
    basic_->LoadView();
    misc_->LoadView();
}

void CChanSheet::StorePages() {
    if (!basic_->IsClosing()) {
        basic_->StoreView();
    }
    if (!misc_->IsClosing()) {
        misc_->StoreView();
    }
}

} // namespace tav::gui
