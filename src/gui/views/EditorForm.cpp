#include "gui/views/EditorForm.h"

#include "gui/app/AppContext.h"
#include "gui/app/HelpSystem.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"
#include "gui/views/ControlChangeWatcher.h"

#include <QApplication>
#include <QGridLayout>
#include <QWidget>

namespace tav::gui {
namespace {

constexpr const char* kTemplateProperty = "tavTemplateId";

/// The control of the form that holds `widget` (the widget itself or the nearest ancestor
/// with a control id below the form).
QWidget* OwningControl(QWidget* form, QWidget* widget) {
    for (QWidget* w = widget; w && w != form; w = w->parentWidget()) {
        if (ControlId(w) != 0) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

void SetTemplateIdOf(QWidget* widget, int templateId) {
    widget->setProperty(kTemplateProperty, templateId);
}

int TemplateIdOf(const QWidget* widget) {
    const QVariant id = widget ? widget->property(kTemplateProperty) : QVariant();
    return id.isValid() ? id.toInt() : 0;
}

EditorForm::EditorForm(AppContext& context, EditorHost* host, int templateId)
    : context_(context), host_(host), templateId_(templateId) {}

EditorForm::~EditorForm() {
    if (watcher_) {
        watcher_->Detach();
    }
}

ControlMap EditorForm::BuildControls(QWidget* parent, QGridLayout* layout, const DialogTemplate& dialog,
                                     const ControlFactory& custom, bool watch) {
    ControlMap made = BuildTemplate(dialog, parent, layout, custom);
    for (const auto& [id, control] : made) {
        controls_[id] = control;
    }
    TranslateDialog(parent, templateId_, context_.Language());
    if (watch) {
        if (!watcher_) {
            watcher_ = new ControlChangeWatcher(FormWidget(),
                                                [this](int id, int code) { ControlChanged(id, code); });
        }
        for (const auto& [id, control] : made) {
            watcher_->Watch(control);
        }
    }
    return made;
}

void EditorForm::WatchControl(QWidget* control) {
    if (!watcher_) {
        watcher_ =
            new ControlChangeWatcher(FormWidget(), [this](int id, int code) { ControlChanged(id, code); });
    }
    watcher_->Watch(control);
    if (const int id = ControlId(control); id != 0) {
        controls_[id] = control;
    }
}

QWidget* EditorForm::Control(int controlId) const {
    const auto found = controls_.find(controlId);
    if (found != controls_.end() && found->second) {
        return found->second;
    }
    return FindControl(FormWidget(), controlId);
}

ControlMap EditorForm::Controls() const {
    ControlMap live;
    for (const auto& [id, control] : controls_) {
        if (control) {
            live[id] = control;
        }
    }
    return live;
}

void EditorForm::ControlChanged(int controlId, int notifyCode) {
    if (closing_ || inChange_ || !QualifiesForStore(notifyCode, controlId)) {
        return;
    }
    QWidget* control = FindControl(FormWidget(), controlId);
    if (!control) {
        return;
    }
    const WindowClass kind = ClassOf(control);
    if (kind != WindowClass::Button && kind != WindowClass::ComboBox && kind != WindowClass::Edit) {
        return;
    }
    // A reaction may ask the user something; focus leaving for that question is not a new event.
    inChange_ = true;
    switch (Order()) {
    case ChangeOrder::ReactThenStore:
        OnControlChanged(controlId, notifyCode);
        StoreView();
        SendDataChanged();
        break;
    case ChangeOrder::StoreThenReact:
        StoreView();
        OnControlChanged(controlId, notifyCode);
        SendDataChanged();
        break;
    case ChangeOrder::NotifyThenStore:
        OnControlChanged(controlId, notifyCode);
        SendDataChanged();
        StoreView();
        break;
    }
    inChange_ = false;
}

void EditorForm::CommitFocusedControl() {
    QWidget* focus = QApplication::focusWidget();
    QWidget* form = FormWidget();
    if (!focus || !form || !form->isAncestorOf(focus)) {
        return;
    }
    QWidget* control = OwningControl(form, focus);
    if (!control) {
        return;
    }
    switch (ClassOf(control)) {
    case WindowClass::Edit:
        ControlChanged(ControlId(control), NotifyCodes::kEditFocusLost);
        break;
    case WindowClass::ComboBox:
        ControlChanged(ControlId(control), NotifyCodes::kListFocusLost);
        break;
    default:
        break;
    }
}

void EditorForm::StoreOnDestroy() {
    if (closing_) {
        return;
    }
    if (StoresOnDestroy()) {
        StoreView();
    }
    closing_ = true;
    if (watcher_) {
        watcher_->Detach();
    }
}

void EditorForm::ContextHelp(QWidget* control) {
    HelpSystem& help = context_.Help();
    const int controlId = ControlId(OwningControl(FormWidget(), control));
    help.ShowFirstOf({controlId, templateId_});
}

void EditorForm::SendDataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    if (host_) {
        host_->DataChanged(wParam, notice);
    }
}

void EditorForm::SendRecordListChanged(NavigateCommand command) {
    RecordListNotice notice;
    notice.sender = this;
    notice.command = command;
    SendDataChanged(EditorMessages::kRecordListChanged, &notice);
}

} // namespace tav::gui
