#include "views/ViewRegistry.h"

#include "app/ViewTable.h"
#include "views/CCustomFormView.h"

namespace tav::gui {

CCustomFormView* ViewRegistry::Create(int viewId, AppContext& context, EditorHost& host,
                                      QWidget* parent) const {
    const auto found = factories_.find(viewId);
    if (found == factories_.end() || !found->second) {
        return nullptr;
    }
    CCustomFormView* view = found->second(context, host, parent);
    if (view) {
        view->SetViewId(viewId);
    }
    return view;
}

void RegisterStandardViews(ViewRegistry& /*registry*/) {
    // The radio information view joins here once its data block is in the container.
}

} // namespace tav::gui
