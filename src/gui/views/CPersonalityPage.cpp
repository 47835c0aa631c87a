#include "gui/views/CPersonalityPage.h"

#include "gui/app/AppContext.h"

namespace tav::gui {

CPersonalityPage::CPersonalityPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent)
    : CTAVPropertyPage(context, host, templateId, parent) {}

PersonalityData* CPersonalityPage::Personality() const {
    auto& list = Context().Container().Personalities();
    const auto position = list.PositionOf(personality_);
    return position ? list.Find(*position) : nullptr;
}

} // namespace tav::gui
