#include "gui/views/FieldNames.h"

#include "gui/controls/NamedComboAccessible.h"

#include <QLabel>

namespace tav::gui {

QString NameFromLabel(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
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
            text->setBuddy(field->second);
            field->second->setAccessibleName(NameFromLabel(text->text()));
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
        label->setBuddy(field->second);
        field->second->setAccessibleName(NameFromLabel(label->text()));
    }
}

} // namespace tav::gui
