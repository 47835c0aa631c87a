#include "gui/views/ViewRegistry.h"

#include "core/app/ViewTable.h"
#include "gui/factory/CDataWatchView.h"
#include "gui/factory/CViewEmbedded.h"
#include "gui/factory/CViewTestFreq.h"
#include "gui/views/CCustomFormView.h"
#include "gui/views/CViewAtis.h"
#include "gui/views/CViewDos.h"
#include "gui/views/CViewKDS12PTTID.h"
#include "gui/views/CViewPersonality.h"
#include "gui/views/CViewRadio.h"
#include "gui/views/CViewTToneCall.h"
#include "gui/views/CViewTToneSystem.h"

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
    registry.Register(ViewIds::kChangeLog, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CDataWatchView(context, &host, parent);
    });
    registry.Register(ViewIds::kTestFreq, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewTestFreq(context, &host, parent);
    });
    registry.Register(ViewIds::kEmbedded, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewEmbedded(context, &host, parent);
    });
    registry.Register(ViewIds::kAtis, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewAtis(context, &host, parent);
    });
    registry.Register(ViewIds::kDos, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewDos(context, &host, parent);
    });
    registry.Register(ViewIds::kPttId, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewKDS12PTTID(context, &host, parent);
    });
    registry.Register(ViewIds::kPersonality, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewPersonality(context, &host, parent);
    });
    registry.Register(ViewIds::kTwoToneSystem, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewTToneSystem(context, &host, parent);
    });
    registry.Register(ViewIds::kTwoToneCall, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewTToneCall(context, &host, parent);
    });
}

} // namespace tav::gui
