#pragma once

#include "gui/ui/DialogTemplate.h"

#include <vector>

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// A numeric range edit of a template with the spin arrows beside it.
struct RangeEditDecl {
    int edit = 0;
    int spin = 0;
    int maxLength = 0;
};

/// Makes the template's Custom controls named in `edits`: a numeric range edit (one that takes
/// decimals when the language file's range for it has any) limited to its length, and its spin
/// arrows, which must come after the edit in the template.
ControlFactory RangeEditFactory(const CLanguage& language, std::vector<RangeEditDecl> edits);

/// The spin arrows bound to an edit are enabled with it.
void EnableRangeEdit(QWidget* form, const RangeEditDecl& declared, bool enabled);

} // namespace tav::gui
