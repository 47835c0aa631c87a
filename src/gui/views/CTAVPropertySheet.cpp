#include "gui/views/CTAVPropertySheet.h"

#include "gui/views/CTAVPropertyPage.h"

#include <QHash>

namespace tav::gui {
namespace {

QHash<QString, int>& PageMemory() {
    static QHash<QString, int> memory;
    return memory;
}

} // namespace

CTAVPropertySheet::CTAVPropertySheet(QString memoryKey, QWidget* parent)
    : QTabWidget(parent), memoryKey_(std::move(memoryKey)) {
    setDocumentMode(false);
}

CTAVPropertySheet::~CTAVPropertySheet() {
    if (!memoryKey_.isEmpty()) {
        PageMemory().insert(memoryKey_, currentIndex());
    }
}

void CTAVPropertySheet::AddPage(CTAVPropertyPage* page) {
    pages_.push_back(page);
    addTab(page, page->windowTitle());
}

CTAVPropertyPage* CTAVPropertySheet::ActivePage() const {
    return qobject_cast<CTAVPropertyPage*>(currentWidget());
}

void CTAVPropertySheet::RestoreRememberedPage() {
    const int page = RememberedPage(memoryKey_);
    if (page > 0 && page < count()) {
        setCurrentIndex(page);
    }
}

int CTAVPropertySheet::RememberedPage(const QString& memoryKey) {
    return memoryKey.isEmpty() ? 0 : PageMemory().value(memoryKey, 0);
}

} // namespace tav::gui
