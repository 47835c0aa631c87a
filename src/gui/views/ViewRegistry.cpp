#include "gui/views/ViewRegistry.h"

#include "core/app/ViewTable.h"
#include "gui/audio/QtToneSound.h"
#include "gui/audio/SoundFileChooser.h"
#include "gui/factory/CDataWatchView.h"
#include "gui/factory/CViewEmbedded.h"
#include "gui/factory/CViewTestFreq.h"
#include "gui/views/CCustomFormView.h"
#include "gui/views/CViewAlertTone.h"
#include "gui/views/CViewAtis.h"
#include "gui/views/CViewBtnKey.h"
#include "gui/views/CViewChannel.h"
#include "gui/views/CViewChannelList.h"
#include "gui/views/CViewDos.h"
#include "gui/views/CViewKDS12PTTID.h"
#include "gui/views/CViewMis.h"
#include "gui/views/CViewPassword.h"
#include "gui/views/CViewPersonality.h"
#include "gui/views/CViewRadio.h"
#include "gui/views/CViewScan.h"
#include "gui/views/CViewTToneCall.h"
#include "gui/views/CViewTToneSystem.h"
#include "gui/views/PasswordEntry.h"

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

namespace {

/// Keys, options, passwords and alert tones; the sound device and the dialogs they use are made
/// once and shared by every view the registry makes.
void RegisterSettingsViews(ViewRegistry& registry) {
    registry.Register(ViewIds::kKeys, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewBtnKey(context, &host, parent);
    });
    registry.Register(ViewIds::kMisc, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewMis(context, &host, parent);
    });
    auto entry = std::make_shared<DialogPasswordEntry>();
    registry.Register(ViewIds::kPassword, [entry](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewPassword(context, &host, entry, parent);
    });
    auto sound = std::make_shared<QtToneSound>();
    auto files = std::make_shared<QtSoundFileChooser>();
    registry.Register(ViewIds::kAlertTone,
                      [sound, files](AppContext& context, EditorHost& host, QWidget* parent) {
                          return new CViewAlertTone(context, &host, sound, files, parent);
                      });
}

} // namespace

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
    registry.Register(ViewIds::kChannel, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewChannel(context, &host, parent);
    });
    registry.Register(ViewIds::kChannelList, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewChannelList(context, &host, parent);
    });
    registry.Register(ViewIds::kScan, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new CViewScan(context, &host, parent);
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
    RegisterSettingsViews(registry);
}

} // namespace tav::gui
