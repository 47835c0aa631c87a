#include "gui/factory/FieldNames.h"

#include <QLabel>
#include <QTableWidgetItem>

namespace tav::gui {

void NameAfterLabel(QWidget* field, QWidget* label) {
    auto* text = qobject_cast<QLabel*>(label);
    if (!field || !text) {
        return;
    }
    QString name = text->text().remove(QLatin1Char('&')).trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    text->setBuddy(field);
    field->setAccessibleName(name.trimmed());
}

} // namespace tav::gui
