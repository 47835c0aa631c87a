#include "gui/views/CViewTToneSystemSheet.h"

#include "gui/views/CTTSystemAdvancePage.h"
#include "gui/views/CTToneSystemBasicPage.h"

namespace tav::gui {

CViewTToneSystemSheet::CViewTToneSystemSheet(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertySheet(QStringLiteral("CViewTToneSystem"), parent) {
    AddPage(new CTToneSystemBasicPage(context, host));
    advance_ = new CTTSystemAdvancePage(context, host);
    AddPage(advance_);
}

CViewTToneSystemSheet::~CViewTToneSystemSheet() {
    for (CTAVPropertyPage* page : Pages()) {
        page->StoreOnDestroy();
    }
}

void CViewTToneSystemSheet::Bind(ObjectId system) {
    for (CTAVPropertyPage* page : Pages()) {
        static_cast<CTToneSystemPage*>(page)->Bind(system);
    }
}

void CViewTToneSystemSheet::LoadPages() {
    for (CTAVPropertyPage* page : Pages()) {
        page->LoadView();
    }
}

void CViewTToneSystemSheet::StorePages() {
    for (CTAVPropertyPage* page : Pages()) {
        page->StoreView();
    }
}

void CViewTToneSystemSheet::RecordListChanged(const RecordListNotice& notice) {
    advance_->RecordListChanged(notice);
}

} // namespace tav::gui
