#include "gui/comm/CDlgPassword.h"

#include "gui/controls/DialogButtons.h"
#include "gui/controls/FilterEdit.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

/// The length that only exactly so many digits satisfy.
constexpr int kExactLength = 5;

} // namespace

const DialogTemplate& CDlgPassword::Template(int resource) {
    static const DialogTemplate input{kInputDialog,
                                      "Input Password",
                                      {
                                          {kInputPrompt, ControlKind::Label, "Please Input Password:", 0, 0},
                                          {kInputEdit, ControlKind::Custom, {}, 1, 0},
                                      }};
    static const DialogTemplate password{
        kPasswordDialog,
        "Password",
        {
            {kPasswordPrompt, ControlKind::Label, "Please Input Password:", 0, 0},
            {kPasswordEdit, ControlKind::Custom, {}, 1, 0},
        }};
    return resource == kPasswordDialog ? password : input;
}

CDlgPassword::CDlgPassword(int resource, int maxLength, const CLanguage& language, QWidget* parent)
    : QDialog(parent), resource_(resource == kPasswordDialog ? kPasswordDialog : kInputDialog),
      maxLength_(maxLength) {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    outer->addLayout(grid);
    BuildTemplate(Template(resource_), this, grid, [this](const ControlSpec&, QWidget* parent) {
        edit_ = new FilterEdit(parent);
        return edit_;
    });
    edit_->SetAllowed("0123456789");
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMinimumWidth(280);
    if (maxLength_ > 0) {
        edit_->setMaxLength(maxLength_);
    }
    outer->addSpacing(8);
    outer->addWidget(new DialogButtons(this, resource_, false));
    TranslateDialog(this, resource_, language);
    edit_->setFocus();
}

void CDlgPassword::accept() {
    const QString typed = edit_->text();
    if (maxLength_ == kExactLength && typed.size() != kExactLength) {
        edit_->clear();
        edit_->setFocus();
        return;
    }
    password_ = typed;
    QDialog::accept();
}

} // namespace tav::gui
