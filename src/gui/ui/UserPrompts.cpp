#include "gui/ui/UserPrompts.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace tav::gui {

PromptAnswer QtUserPrompts::Ask(QWidget* parent, const QString& caption, const QString& text,
                                PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (buttonText_) {
        const struct {
            QMessageBox::StandardButton button;
            int id;
            const char* fallback;
        } labels[] = {{QMessageBox::Ok, kOkText, "OK"},
                      {QMessageBox::Cancel, kCancelText, "Cancel"},
                      {QMessageBox::Yes, kYesText, "&Yes"},
                      {QMessageBox::No, kNoText, "&No"}};
        for (const auto& label : labels) {
            if (QAbstractButton* button = box.button(label.button)) {
                button->setText(buttonText_(label.id, QString::fromLatin1(label.fallback)));
            }
        }
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

} // namespace tav::gui
