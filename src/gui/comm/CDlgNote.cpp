#include "gui/comm/CDlgNote.h"

#include "gui/controls/DialogButtons.h"
#include "gui/controls/QtText.h"
#include "core/lang/CLanguage.h"
#include "core/lang/NoteText.h"
#include "gui/ui/Translator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

bool& DoNotWarnFlag() {
    static bool doNotWarn = false;
    return doNotWarn;
}

/// Note text as a label shows it: line ends of any kind become line feeds, backspaces go.
QString ShownNote(const std::string& text) {
    QString shown = ToQt(UnescapeNoteText(text));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    shown.remove(QChar('\b'));
    return shown;
}

} // namespace

const DialogTemplate& CDlgNote::Template() {
    static const DialogTemplate dialog{
        kDialogId,
        "Note",
        {
            {kText, ControlKind::Label,
             "Keep the radio switched on and the cable connected until the write is complete.", 0, 1},
            {kCheck, ControlKind::CheckBox, "Do not show this note again", 1, 1},
        }};
    return dialog;
}

bool CDlgNote::DoNotWarn() {
    return DoNotWarnFlag();
}

void CDlgNote::SetDoNotWarn(bool doNotWarn) {
    DoNotWarnFlag() = doNotWarn;
}

CDlgNote::CDlgNote(int textNumber, const CLanguage& language, QWidget* parent) : QDialog(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    outer->addLayout(grid);
    const ControlMap controls = BuildTemplate(Template(), this, grid);
    text_ = qobject_cast<QLabel*>(controls.at(kText));
    check_ = qobject_cast<QCheckBox*>(controls.at(kCheck));
    text_->setWordWrap(true);
    text_->setMinimumWidth(380);
    text_->setTextFormat(Qt::PlainText);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);

    outer->addSpacing(8);
    outer->addWidget(new DialogButtons(this, kDialogId, false));

    TranslateDialog(this, kDialogId, language);
    if (textNumber != 0) {
        text_->setText(ShownNote(language.GetMessageText(textNumber)));
        if (const std::string caption = language.GetMessageText(kCheckText); !caption.empty()) {
            check_->setText(ToQt(caption));
        }
    }
    check_->setChecked(DoNotWarn());
}

void CDlgNote::done(int result) {
    SetDoNotWarn(check_->isChecked());
    QDialog::done(result);
}

} // namespace tav::gui
