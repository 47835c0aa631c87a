#include "gui/views/FieldNames.h"

#include "gui/controls/NamedComboAccessible.h"

#include <QLabel>

namespace tav::gui {

QString FieldNameOf(const QString& labelText) {
    QString name = labelText;
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
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
        field->second->setAccessibleName(FieldNameOf(label->text()));
    }
}

} // namespace tav::gui
