#include "gui/views/RangeEditFactory.h"

#include "core/lang/CLanguage.h"
#include "gui/controls/DecimalRangeEdit.h"
#include "gui/controls/SpinArrows.h"
#include "gui/ui/ControlIds.h"

namespace tav::gui {

ControlFactory RangeEditFactory(const CLanguage& language, std::vector<RangeEditDecl> edits) {
    return [&language, edits = std::move(edits)](const ControlSpec& declared, QWidget* parent) -> QWidget* {
        for (const RangeEditDecl& edit : edits) {
            if (declared.id == edit.spin) {
                auto* target = qobject_cast<NumericRangeEdit*>(FindControl(parent, edit.edit));
                return target ? new SpinArrows(target, parent) : nullptr;
            }
            if (declared.id == edit.edit) {
                const auto range = language.EditRange(declared.id);
                NumericRangeEdit* made = range && range->decimals > 0 ? new DecimalRangeEdit(parent)
                                                                      : new NumericRangeEdit(parent);
                if (edit.maxLength > 0) {
                    made->setMaxLength(edit.maxLength);
                }
                return made;
            }
        }
        return nullptr;
    };
}

void EnableRangeEdit(QWidget* form, const RangeEditDecl& declared, bool enabled) {
    for (const int id : {declared.edit, declared.spin}) {
        if (QWidget* control = FindControl(form, id)) {
            control->setEnabled(enabled);
        }
    }
}

} // namespace tav::gui
