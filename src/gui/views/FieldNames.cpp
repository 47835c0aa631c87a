#include "gui/views/FieldNames.h"

#include "gui/controls/NamedComboAccessible.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace tav::gui {

QString NameFromLabel(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

void NameField(QLabel& label, QWidget& field) {
    UseNamedComboAccessibility();
    label.setBuddy(&field);
    const QString name = NameFromLabel(label.text());
    field.setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(&field); combo && combo->lineEdit()) {
        combo->lineEdit()->setAccessibleName(name);
    }
}

void NameFieldsByLabels(const ControlMap& controls, std::initializer_list<std::pair<int, int>> labelToField) {
    UseNamedComboAccessibility();
    for (const auto& [labelId, fieldId] : labelToField) {
        const auto label = controls.find(labelId);
        const auto field = controls.find(fieldId);
        if (label == controls.end() || field == controls.end()) {
            continue;
        }
        if (auto* text = qobject_cast<QLabel*>(label->second)) {
            NameField(*text, *field->second);
        }
    }
}

void NameFieldsByLabels(const ControlMap& controls) {
    UseNamedComboAccessibility();
    for (const auto& [id, widget] : controls) {
        auto* label = qobject_cast<QLabel*>(widget);
        const auto field = controls.find(id + 1);
        if (!label || field == controls.end() || qobject_cast<QLabel*>(field->second)) {
            continue;
        }
        NameField(*label, *field->second);
    }
}

} // namespace tav::gui
