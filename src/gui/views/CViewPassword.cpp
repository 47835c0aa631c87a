#include "gui/views/CViewPassword.h"

#include "core/data/PasswordsData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/FilterEdit.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"
#include "gui/views/PasswordEntry.h"

#include <QGridLayout>
#include <QPushButton>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

constexpr int kEditMinimumWidth = 160;

DialogTemplate PasswordTemplate() {
    using P = PasswordsData;
    const auto& fields = P::EditorFields();
    const auto& powerOn = BlockFieldAt(fields, P::kPowerOnEditId);
    const auto& writeDealer = BlockFieldAt(fields, P::kWriteDealerEditId);
    const auto& read = BlockFieldAt(fields, P::kReadEditId);
    // The power-on / keylock password is kept as it is: its row is hidden.
    return DialogTemplate{P::kTemplateId,
                          QStringLiteral("Password"),
                          {
                              B::LabelSpec(powerOn, 0, 0, 1, true),
                              B::ControlSpecOf(powerOn, 0, 1, true),
                              B::LabelSpec(writeDealer, 1, 0),
                              B::ControlSpecOf(writeDealer, 1, 1),
                              {P::kChangeButtonId, ControlKind::PushButton, QStringLiteral("..."), 1, 2},
                              B::LabelSpec(read, 2, 0),
                              B::ControlSpecOf(read, 2, 1),
                          }};
}

QWidget* MakeDigitEdit(const ControlSpec&, QWidget* parent) {
    auto* edit = new FilterEdit(parent);
    edit->SetAllowed("0123456789");
    edit->setMaxLength(CViewPassword::kMaxDigits);
    edit->setMinimumWidth(kEditMinimumWidth);
    return edit;
}

} // namespace

CViewPassword::CViewPassword(AppContext& context, EditorHost* host, std::shared_ptr<PasswordEntry> entry,
                             QWidget* parent)
    : CCustomFormView(context, host, PasswordsData::kTemplateId, parent), entry_(std::move(entry)) {
    const ControlMap controls = BuildForm(PasswordTemplate(), MakeDigitEdit);
    FormFields::NameFields(controls, B::LabelPairs(PasswordsData::EditorFields()));
    if (QLineEdit* write = Edit(PasswordsData::kWriteDealerEditId)) {
        write->setEchoMode(QLineEdit::Password);
        write->setReadOnly(true);
    }
    if (auto* button = qobject_cast<QPushButton*>(Control(PasswordsData::kChangeButtonId))) {
        button->setAutoDefault(false);
        button->setMaximumWidth(40);
    }
    FormLayout()->setColumnMinimumWidth(0, 180);
    FormLayout()->setVerticalSpacing(10);
}

QLineEdit* CViewPassword::Edit(int editId) const {
    return qobject_cast<QLineEdit*>(Control(editId));
}

void CViewPassword::LoadView() {
    PasswordsUi ui;
    Context().Container().Passwords().LoadUi(ui);
    for (const BlockField<PasswordsUi>& field : PasswordsData::EditorFields()) {
        B::Show(Control(field.controlId), field,
                NormalizePasswordText(std::get<std::string>(field.slot.get(ui))));
    }
}

void CViewPassword::StoreView() {
    PasswordsData& passwords = Context().Container().Passwords();
    PasswordsUi ui;
    passwords.LoadUi(ui);
    // A stored text the edit cannot show whole (bytes that are no digits) is kept until changed.
    for (const BlockField<PasswordsUi>& field : PasswordsData::EditorFields()) {
        const std::optional<BlockValue> shown = B::Shown(Control(field.controlId), field);
        const std::string stored = std::get<std::string>(field.slot.get(ui));
        if (shown) {
            const std::string typed = NormalizePasswordText(std::get<std::string>(*shown));
            if (typed != NormalizePasswordText(stored)) {
                field.slot.set(ui, typed);
            }
        }
    }
    passwords.StoreUi(ui);
}

void CViewPassword::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == PasswordsData::kChangeButtonId) {
        ChangeWritePassword();
    }
}

void CViewPassword::ChangeWritePassword() {
    if (!entry_) {
        return;
    }
    const CLanguage& language = Context().Language();
    const std::optional<QString> first = entry_->AskPassword(this, language, {});
    if (!first) {
        return;
    }
    const std::optional<QString> again = entry_->AskPassword(
        this, language,
        Context().ControlText(kConfirmPrompt, QStringLiteral("Please enter the password again:")));
    if (!again) {
        return;
    }
    if (*again != *first) {
        Context().Tell(this, kEntriesDiffer, {}, PromptIcon::Warning,
                       QStringLiteral("The two entries differ. The password was not changed."));
        return;
    }
    // The edit holds the new password until the next store.
    if (QLineEdit* edit = Edit(PasswordsData::kWriteDealerEditId)) {
        edit->setText(FromLanguage(NormalizePasswordText(ToCore(*first))));
    }
}

} // namespace tav::gui
