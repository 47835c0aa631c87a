#include "gui/ui/Translator.h"

#include "core/lang/CLanguage.h"
#include "gui/ui/ControlIds.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QWidget>

namespace tav::gui {
namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

void SetControlText(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else {
        widget->setWindowTitle(text);
    }
}

} // namespace

void TranslateDialog(QWidget* window, int dialogId, const CLanguage& language) {
    if (!window) {
        return;
    }
    if (const std::string caption = language.GetControlText(dialogId); !caption.empty()) {
        window->setWindowTitle(FromUtf8(caption));
    }
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const int id = ControlId(child);
        if (id == 0) {
            continue;
        }
        if (language.IsControlDisabled(id) != 0) {
            child->setEnabled(false);
        }
        const std::string text = language.GetControlText(id);
        if (text.empty()) {
            continue;
        }
        switch (ClassOf(child)) {
        case WindowClass::Button:
        case WindowClass::Static:
            SetControlText(child, FromUtf8(text));
            break;
        case WindowClass::ComboBox:
            if (auto* combo = qobject_cast<QComboBox*>(child)) {
                for (const ListItem& item : language.ListItems(id)) {
                    combo->addItem(FromUtf8(item.text), item.value);
                }
            }
            break;
        case WindowClass::ListBox:
            if (auto* list = qobject_cast<QListWidget*>(child)) {
                for (const ListItem& item : language.ListBoxItems(id)) {
                    auto* row = new QListWidgetItem(FromUtf8(item.text), list);
                    row->setData(Qt::UserRole, item.value);
                }
            }
            break;
        case WindowClass::Edit:
            if (auto* target = dynamic_cast<NumericRangeTarget*>(child)) {
                if (const auto range = language.EditRange(id)) {
                    target->SetNumericRange(*range);
                }
            }
            break;
        case WindowClass::Other:
            break;
        }
    }
}

} // namespace tav::gui
