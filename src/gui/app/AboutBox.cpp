#include "gui/app/AboutBox.h"

#include "core/app/Release.h"
#include "gui/app/AppContext.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/DialogTemplate.h"
#include "gui/ui/Translator.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace tav::gui {
namespace {

constexpr int kIconId = 101;
constexpr int kNameId = 102;
constexpr int kVersionId = 103;
constexpr int kPurposeId = 104;
constexpr int kOkId = 1;

} // namespace

AboutBox::AboutBox(AppContext& context, QWidget* parent) : QDialog(parent) {
    const DialogTemplate dialog{kDialogId,
                                QStringLiteral("About TAV Programmer"),
                                {{kIconId, ControlKind::Picture, {}, 0, 0, 3, 1},
                                 {kNameId, ControlKind::Label, QStringLiteral("TAV Programmer"), 0, 1},
                                 {kVersionId, ControlKind::Label, QStringLiteral("Version"), 1, 1},
                                 {kPurposeId, ControlKind::Label,
                                  QStringLiteral("Reads, edits, saves and writes the configuration of TAV "
                                                 "two-way radios."),
                                  2, 1}}};
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(6);
    layout->setContentsMargins(20, 20, 20, 16);
    const ControlMap controls = BuildTemplate(dialog, this, layout);
    TranslateDialog(this, kDialogId, context.Language());

    auto* icon = qobject_cast<QLabel*>(controls.at(kIconId));
    const QIcon programIcon = QApplication::windowIcon();
    icon->setPixmap(
        (programIcon.isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation) : programIcon)
            .pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* name = qobject_cast<QLabel*>(controls.at(kNameId));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    auto* version = qobject_cast<QLabel*>(controls.at(kVersionId));
    version->setText(QStringLiteral("%1 %2").arg(version->text(), QString::fromLatin1(kReleaseVersion)));
    qobject_cast<QLabel*>(controls.at(kPurposeId))->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    SetControlId(buttons->button(QDialogButtonBox::Ok), kOkId);
    layout->addWidget(buttons, 3, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    setMinimumWidth(380);
}

} // namespace tav::gui
