#include "gui/views/PasswordEntry.h"

#include "core/data/PasswordsData.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/controls/FilterEdit.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/FieldNames.h"

#include <QLabel>

namespace tav::gui {

std::optional<QString> DialogPasswordEntry::AskPassword(QWidget* parent, const CLanguage& language,
                                                        const QString& prompt) {
    CDlgPassword dialog(CDlgPassword::kPasswordDialog, static_cast<int>(PasswordsData::kFieldSize), language,
                        parent);
    auto* label = qobject_cast<QLabel*>(FindControl(&dialog, CDlgPassword::kPasswordPrompt));
    if (label && !prompt.isEmpty()) {
        label->setText(prompt);
    }
    if (label) {
        label->setBuddy(dialog.Edit());
        dialog.Edit()->setAccessibleName(NameFromLabel(label->text()));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Password();
}

} // namespace tav::gui
