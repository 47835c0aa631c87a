#pragma once

#include "gui/ui/DialogTemplate.h"

#include <QDialog>

namespace tav {
class CLanguage;
}

namespace tav::gui {

class FilterEdit;

/// The password dialogs: a prompt and an edit that takes digits only, up to a maximum length.
/// Two templates share the behaviour: 141 ("Input Password", asked before a transfer) and 6359
/// ("Password", the factory and password editors). With a maximum length of 5 only exactly five
/// digits are accepted: anything else clears the edit and keeps the dialog open.
class CDlgPassword : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInputDialog = 141;
    static constexpr int kInputPrompt = 1131;
    static constexpr int kInputEdit = 1132;
    static constexpr int kPasswordDialog = 6359;
    static constexpr int kPasswordPrompt = 6360;
    static constexpr int kPasswordEdit = 6361;
    static const DialogTemplate& Template(int resource);

    /// `resource` is kInputDialog or kPasswordDialog.
    CDlgPassword(int resource, int maxLength, const CLanguage& language, QWidget* parent = nullptr);

    /// The digits typed (after OK).
    const QString& Password() const { return password_; }
    FilterEdit* Edit() const { return edit_; }
    int Resource() const { return resource_; }

    void accept() override;

private:
    int resource_;
    int maxLength_;
    FilterEdit* edit_ = nullptr;
    QString password_;
};

} // namespace tav::gui
