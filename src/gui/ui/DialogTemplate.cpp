#include "ui/DialogTemplate.h"

#include "ui/ControlIds.h"

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
    for (const ControlSpec& spec : dialog.controls) {
        QWidget* widget = nullptr;
        switch (spec.kind) {
        case ControlKind::Label:
            widget = new QLabel(spec.text, parent);
            break;
        case ControlKind::PushButton:
            widget = new QPushButton(spec.text, parent);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(spec.text, parent);
            break;
        case ControlKind::RadioButton:
            widget = new QRadioButton(spec.text, parent);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(spec.text, parent);
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
            widget = new QLineEdit(spec.text, parent);
            break;
        case ControlKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(spec.text, parent);
            edit->setReadOnly(true);
            widget = edit;
            break;
        }
        case ControlKind::MultiLineEdit: {
            auto* edit = new QPlainTextEdit(spec.text, parent);
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
            widget = custom ? custom(spec, parent) : nullptr;
            break;
        }
        if (!widget) {
            continue;
        }
        if (spec.id != 0) {
            SetControlId(widget, spec.id);
            controls[spec.id] = widget;
        }
        if (layout) {
            layout->addWidget(widget, spec.row, spec.column, spec.rowSpan, spec.columnSpan);
        }
        if (spec.hidden) {
            widget->hide();
        }
    }
    return controls;
}

} // namespace tav::gui
