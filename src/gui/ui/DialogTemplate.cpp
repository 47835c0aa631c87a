#include "gui/ui/DialogTemplate.h"

#include "gui/ui/ControlIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tav::gui {

ControlMap BuildTemplate(const DialogTemplate& dialog, QWidget* parent, QGridLayout* layout,
                         const ControlFactory& custom) {
    ControlMap controls;
    if (!dialog.caption.isEmpty()) {
        parent->setWindowTitle(dialog.caption);
    }
    for (const ControlSpec& decl : dialog.controls) {
        QWidget* widget = nullptr;
        switch (decl.kind) {
        case ControlKind::Label:
            widget = new QLabel(decl.text, parent);
            break;
        case ControlKind::PushButton:
            widget = new QPushButton(decl.text, parent);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(decl.text, parent);
            break;
        case ControlKind::RadioButton:
            widget = new QRadioButton(decl.text, parent);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(decl.text, parent);
            break;
        case ControlKind::ComboBox:
            widget = new QComboBox(parent);
            break;
        case ControlKind::EditableCombo: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            widget = combo;
            break;
        }
        case ControlKind::ListBox:
            widget = new QListWidget(parent);
            break;
        case ControlKind::Edit:
            widget = new QLineEdit(decl.text, parent);
            break;
        case ControlKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(decl.text, parent);
            edit->setReadOnly(true);
            widget = edit;
            break;
        }
        case ControlKind::MultiLineEdit: {
            auto* edit = new QPlainTextEdit(decl.text, parent);
            edit->setTabChangesFocus(true);
            widget = edit;
            break;
        }
        case ControlKind::Picture: {
            auto* label = new QLabel(parent);
            SetWindowClass(label, WindowClass::Static);
            widget = label;
            break;
        }
        case ControlKind::Custom:
            widget = custom ? custom(decl, parent) : nullptr;
            break;
        }
        if (!widget) {
            continue;
        }
        if (decl.id != 0) {
            SetControlId(widget, decl.id);
            controls[decl.id] = widget;
        }
        if (layout) {
            layout->addWidget(widget, decl.row, decl.column, decl.rowSpan, decl.columnSpan);
        }
        if (decl.hidden) {
            widget->hide();
        }
    }
    return controls;
}

} // namespace tav::gui
