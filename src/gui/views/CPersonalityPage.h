#pragma once

#include "core/data/BlockFields.h"
#include "core/data/ObjectId.h"
#include "gui/views/CTAVPropertyPage.h"

namespace tav {
class PersonalityData;
struct PersonalityUi;
} // namespace tav

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

protected:
    /// The page's template from its field table: a row per field, the label left of its control
    /// and a check box in the control column.
    static DialogTemplate FieldTemplate(int templateId, const QString& title,
                                        const BlockFieldTable<PersonalityUi>& fields);
    /// Builds the page from its field table and names each control after its label.
    ControlMap BuildFieldPage(const DialogTemplate& dialog, const BlockFieldTable<PersonalityUi>& fields,
                              const ControlFactory& custom = {});
    /// Shows the fields of the table in their controls.
    void ShowFields(const BlockFieldTable<PersonalityUi>& fields, const PersonalityUi& ui) const;
    /// Takes the fields of the table from their controls into `ui`; a field without a value shown
    /// keeps the one `ui` holds.
    void TakeFields(const BlockFieldTable<PersonalityUi>& fields, PersonalityUi& ui) const;

private:
    ObjectId personality_ = kNoObject;
};

} // namespace tav::gui
