#include "gui/views/CViewPassword.h"

#include "core/data/PasswordsData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/FilterEdit.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/FieldNames.h"
#include "gui/views/PasswordEntry.h"

#include <QGridLayout>
#include <QPushButton>

namespace tav::gui {
namespace {

// Each edit's label carries the number before the edit's.
constexpr int kLabelOffset = 1;

DialogTemplate PasswordTemplate() {
    using P = PasswordsData;
    return DialogTemplate{
        P::kTemplateId,
        QStringLiteral("Password"),
        {
            {P::kPowerOnEditId - kLabelOffset, ControlKind::Label, QStringLiteral("Power-On Password"), 0, 0,
             1, 1, true},
            {P::kPowerOnEditId, ControlKind::Custom, {}, 0, 1, 1, 1, true},
            {P::kWriteDealerEditId - kLabelOffset, ControlKind::Label,
             QStringLiteral("Write/Tune/Dealer Password"), 1, 0},
            {P::kWriteDealerEditId, ControlKind::Custom, {}, 1, 1},
            {P::kChangeButtonId, ControlKind::PushButton, QStringLiteral("..."), 1, 2},
            {P::kReadEditId - kLabelOffset, ControlKind::Label, QStringLiteral("Read Password"), 2, 0},
            {P::kReadEditId, ControlKind::Custom, {}, 2, 1},
        }};
}

QWidget* MakeDigitEdit(const ControlSpec&, QWidget* parent) {
    auto* edit = new FilterEdit(parent);
    edit->SetAllowed("0123456789");
    edit->setMaxLength(CViewPassword::kMaxDigits);
    edit->setMinimumWidth(160);
    return edit;
}

} // namespace

CViewPassword::CViewPassword(AppContext& context, EditorHost* host, std::shared_ptr<PasswordEntry> entry,
                             QWidget* parent)
    : CCustomFormView(context, host, PasswordsData::kTemplateId, parent), entry_(std::move(entry)) {
    using P = PasswordsData;
    const ControlMap controls = BuildForm(PasswordTemplate(), MakeDigitEdit);
    NameFieldsByLabels(controls, {{P::kPowerOnEditId - kLabelOffset, P::kPowerOnEditId},
                                  {P::kWriteDealerEditId - kLabelOffset, P::kWriteDealerEditId},
                                  {P::kReadEditId - kLabelOffset, P::kReadEditId}});
    if (QLineEdit* write = Edit(P::kWriteDealerEditId)) {
        write->setEchoMode(QLineEdit::Password);
        write->setReadOnly(true);
    }
    if (auto* button = qobject_cast<QPushButton*>(Control(P::kChangeButtonId))) {
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
    using P = PasswordsData;
    PasswordsUi ui;
    Context().Container().Passwords().LoadUi(ui);
    writeDealer_ = ui.writeDealer;
    const std::pair<int, const std::string*> texts[] = {{P::kPowerOnEditId, &ui.powerOn},
                                                        {P::kWriteDealerEditId, &ui.writeDealer},
                                                        {P::kReadEditId, &ui.read}};
    for (const auto& [id, text] : texts) {
        if (QLineEdit* edit = Edit(id)) {
            edit->setText(FromLanguage(NormalizePasswordText(*text)));
        }
    }
}

void CViewPassword::StoreView() {
    using P = PasswordsData;
    PasswordsUi ui;
    PasswordsData& passwords = Context().Container().Passwords();
    passwords.LoadUi(ui);
    // A stored text the edit cannot show whole (bytes that are no digits) is kept until changed.
    const auto take = [this](int id, std::string& stored) {
        const QLineEdit* edit = Edit(id);
        const std::string typed = edit ? NormalizePasswordText(ToCore(edit->text())) : stored;
        if (typed != NormalizePasswordText(stored)) {
            stored = typed;
        }
    };
    take(P::kPowerOnEditId, ui.powerOn);
    take(P::kReadEditId, ui.read);
    ui.writeDealer = writeDealer_;
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
    writeDealer_ = NormalizePasswordText(ToCore(*first));
    if (QLineEdit* edit = Edit(PasswordsData::kWriteDealerEditId)) {
        edit->setText(FromLanguage(writeDealer_));
    }
}

} // namespace tav::gui
