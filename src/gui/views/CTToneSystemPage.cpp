#include "gui/views/CTToneSystemPage.h"

#include "gui/app/AppContext.h"

namespace tav::gui {

CTToneSystemPage::CTToneSystemPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent)
    : CTAVPropertyPage(context, host, templateId, parent) {}

TwoToneSystemData* CTToneSystemPage::System() const {
    auto& list = Context().Container().TwoToneSystems();
    const auto position = list.PositionOf(system_);
    return position ? list.Find(*position) : nullptr;
}

} // namespace tav::gui
