#include "gui/views/CScanSheet.h"

#include "gui/views/CChinnelListPage.h"
#include "gui/views/CConfigPage.h"

namespace tav::gui {

CScanSheet::CScanSheet(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertySheet(QStringLiteral("CViewScan"), parent), config_(new CConfigPage(context, host, this)),
      members_(new CChinnelListPage(context, host, this)) {
    AddPage(config_);
    AddPage(members_);
    RestoreRememberedPage();
}

void CScanSheet::SetData(ScanListData* scanList) {
    config_->SetData(scanList);
    members_->SetData(scanList);
}

void CScanSheet::LoadPages() {
    config_->LoadView();
    members_->LoadView();
}

void CScanSheet::StorePages() {
    if (!config_->IsClosing()) {
        config_->StoreView();
    }
    if (!members_->IsClosing()) {
        members_->StoreView();
    }
}

} // namespace tav::gui
