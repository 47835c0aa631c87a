#include "gui/views/CPersonalitySheet.h"

#include "gui/views/CPersonalityPttIDPage.h"
#include "gui/views/CPersonalityRXTXPage.h"
#include "gui/views/CPersonalitySignalPage.h"
#include "gui/views/CPersonalitySquelchPage.h"

namespace tav::gui {

CPersonalitySheet::CPersonalitySheet(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertySheet(QStringLiteral("CViewPersonality"), parent) {
    AddPage(new CPersonalityRXTXPage(context, host));
    AddPage(new CPersonalitySquelchPage(context, host));
    AddPage(new CPersonalityPttIDPage(context, host));
    signal_ = new CPersonalitySignalPage(context, host);
    AddPage(signal_);
}

CPersonalitySheet::~CPersonalitySheet() {
    for (CTAVPropertyPage* page : Pages()) {
        page->StoreOnDestroy();
    }
}

CPersonalityPage* CPersonalitySheet::Page(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < Pages().size()
               ? static_cast<CPersonalityPage*>(Pages()[static_cast<std::size_t>(index)])
               : nullptr;
}

void CPersonalitySheet::Bind(ObjectId personality) {
    for (CTAVPropertyPage* page : Pages()) {
        static_cast<CPersonalityPage*>(page)->Bind(personality);
    }
}

void CPersonalitySheet::LoadPages() {
    for (CTAVPropertyPage* page : Pages()) {
        page->LoadView();
    }
}

void CPersonalitySheet::StorePages() {
    for (CTAVPropertyPage* page : Pages()) {
        page->StoreView();
    }
}

void CPersonalitySheet::RecordListChanged(const RecordListNotice& notice) {
    signal_->RecordListChanged(notice);
}

} // namespace tav::gui
