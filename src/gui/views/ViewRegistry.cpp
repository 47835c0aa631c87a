#include "gui/views/ViewRegistry.h"

#include "core/app/ViewTable.h"
#include "gui/views/CCustomFormView.h"
#include "gui/views/CViewChannel.h"
#include "gui/views/CViewChannelList.h"
#include "gui/views/CViewRadio.h"
#include "gui/views/CViewScan.h"

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

void RegisterStandardViews(ViewRegistry& registry) {
    registry.Register(ViewIds::kRadio, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewRadio(context, &host, parent);
    });
    registry.Register(ViewIds::kChannel, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewChannel(context, &host, parent);
    });
    registry.Register(ViewIds::kChannelList, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewChannelList(context, &host, parent);
    });
    registry.Register(ViewIds::kScan, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewScan(context, &host, parent);
    });
}

} // namespace tav::gui
