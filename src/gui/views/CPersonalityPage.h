#pragma once

#include "core/data/ObjectId.h"
#include "gui/views/CTAVPropertyPage.h"

namespace tav {
class PersonalityData;
}

namespace tav::gui {

/// A page of the personality editor: bound to one personality by its ObjectId, so a page never
/// holds on to a record that was deleted meanwhile.
class CPersonalityPage : public CTAVPropertyPage {
    Q_OBJECT
public:
    CPersonalityPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent = nullptr);

    void Bind(ObjectId personality) { personality_ = personality; }
    ObjectId Bound() const { return personality_; }
    /// The bound personality; nullptr when there is none (any more).
    PersonalityData* Personality() const;

private:
    ObjectId personality_ = kNoObject;
};

} // namespace tav::gui
