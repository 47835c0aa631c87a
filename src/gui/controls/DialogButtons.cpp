#include "gui/controls/DialogButtons.h"

#include "gui/controls/DialogHelp.h"
#include "gui/ui/ControlIds.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tav::gui {

DialogButtons::DialogButtons(QDialog* dialog, int helpTopic, bool showHelp) : QWidget(dialog) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    help_ = new QPushButton(QStringLiteral("Help"), this);
    SetControlId(ok_, kIdOk);
    SetControlId(cancel_, kIdCancel);
    SetControlId(help_, kIdHelp);
    for (QPushButton* button : {ok_, cancel_, help_}) {
        button->setMinimumWidth(88);
        row->addWidget(button);
    }
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    help_->setAutoDefault(false);
    help_->setVisible(showHelp);
    connect(ok_, &QPushButton::clicked, dialog, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, dialog, &QDialog::reject);
    connect(help_, &QPushButton::clicked, dialog,
            [dialog, helpTopic] { RequestDialogHelp(dialog, helpTopic); });
}

} // namespace tav::gui
