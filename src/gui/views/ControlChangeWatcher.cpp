#include "gui/views/ControlChangeWatcher.h"

#include "gui/ui/ControlIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QWidget>

namespace tav::gui {

bool QualifiesForStore(int notifyCode, int controlId) {
    const unsigned word =
        (static_cast<unsigned>(notifyCode) << 16) | (static_cast<unsigned>(controlId) & 0xFFFFu);
    if (word > 0x4FFFFu) {
        return notifyCode == NotifyCodes::kEditFocusLost;
    }
    return notifyCode == NotifyCodes::kListFocusLost || word < 0x20000u;
}

ControlChangeWatcher::ControlChangeWatcher(QWidget* form, Handler handler)
    : QObject(form), form_(form), handler_(std::move(handler)) {}

void ControlChangeWatcher::WatchAll() {
    if (!form_) {
        return;
    }
    for (QWidget* child : form_->findChildren<QWidget*>()) {
        if (ControlId(child) != 0) {
            Watch(child);
        }
    }
}

void ControlChangeWatcher::Watch(QWidget* control) {
    const int id = ControlId(control);
    if (!control || id == 0 || owners_.contains(control)) {
        return;
    }
    QPointer<QWidget> owner(control);
    switch (ClassOf(control)) {
    case WindowClass::Button:
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, owner] { Report(ControlId(owner), NotifyCodes::kClicked); });
        }
        break;
    case WindowClass::ComboBox:
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            connect(combo, &QComboBox::activated, this,
                    [this, owner] { Report(ControlId(owner), NotifyCodes::kSelectionChanged); });
        }
        break;
    default:
        break;
    }
    owners_.insert(control, owner);
    control->installEventFilter(this);
    for (QWidget* inner : control->findChildren<QWidget*>()) {
        if (!owners_.contains(inner)) {
            owners_.insert(inner, owner);
            inner->installEventFilter(this);
        }
    }
}

bool ControlChangeWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || !handler_) {
        return false;
    }
    const auto* focus = static_cast<QFocusEvent*>(event);
    if (focus->reason() == Qt::PopupFocusReason) {
        return false;
    }
    const QPointer<QWidget> owner = owners_.value(watched);
    if (!owner) {
        return false;
    }
    // Focus moving between the parts of one control (a drop-down and its edit) is no loss.
    if (QWidget* next = QApplication::focusWidget(); next && (next == owner || owner->isAncestorOf(next))) {
        return false;
    }
    switch (ClassOf(owner)) {
    case WindowClass::ComboBox:
        Report(ControlId(owner), NotifyCodes::kListFocusLost);
        break;
    case WindowClass::Edit:
        Report(ControlId(owner), NotifyCodes::kEditFocusLost);
        break;
    default:
        break;
    }
    return false;
}

void ControlChangeWatcher::Report(int controlId, int code) {
    if (handler_ && controlId != 0) {
        // The handler may end the form's life (a message box, a closed window): keep a copy.
        const Handler handler = handler_;
        handler(controlId, code);
    }
}

} // namespace tav::gui
