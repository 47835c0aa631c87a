#include "gui/ui/ControlIds.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace tav::gui {
namespace {

constexpr const char* kIdProperty = "tavControlId";
constexpr const char* kClassProperty = "tavWindowClass";

} // namespace

void SetControlId(QWidget* widget, int id) {
    widget->setProperty(kIdProperty, id);
    widget->setObjectName(QStringLiteral("ctl%1").arg(id));
}

int ControlId(const QWidget* widget) {
    const QVariant id = widget ? widget->property(kIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : 0;
}

QWidget* FindControl(QWidget* root, int id) {
    if (!root || id == 0) {
        return nullptr;
    }
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (ControlId(child) == id) {
            return child;
        }
    }
    return nullptr;
}

WindowClass ClassOf(const QWidget* w) {
    if (!w) {
        return WindowClass::Other;
    }
    if (const QVariant claimed = w->property(kClassProperty); claimed.isValid()) {
        return static_cast<WindowClass>(claimed.toInt());
    }
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w)) {
        return WindowClass::Button;
    }
    if (qobject_cast<const QLabel*>(w)) {
        return WindowClass::Static;
    }
    if (qobject_cast<const QComboBox*>(w)) {
        return WindowClass::ComboBox;
    }
    if (qobject_cast<const QListWidget*>(w)) {
        return WindowClass::ListBox;
    }
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) {
        return WindowClass::Edit;
    }
    return WindowClass::Other;
}

void SetWindowClass(QWidget* widget, WindowClass windowClass) {
    widget->setProperty(kClassProperty, static_cast<int>(windowClass));
}

const char* WindowClassName(WindowClass windowClass) {
    switch (windowClass) {
    case WindowClass::Button:
        return "Button";
    case WindowClass::Static:
        return "Static";
    case WindowClass::ComboBox:
        return "ComboBox";
    case WindowClass::ListBox:
        return "ListBox";
    case WindowClass::Edit:
        return "Edit";
    case WindowClass::Other:
        break;
    }
    return "";
}

} // namespace tav::gui
