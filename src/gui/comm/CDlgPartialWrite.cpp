#include "gui/comm/CDlgPartialWrite.h"

#include "core/lang/CLanguage.h"
#include "gui/controls/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tav::gui {

CDlgPartialWrite::CDlgPartialWrite(const QString& title, const QString& text, bool canRestore,
                                   const CLanguage& language, QWidget* parent)
    : QDialog(parent), language_(language) {
    setWindowTitle(title);
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    text_ = new QLabel(text, this);
    text_->setWordWrap(true);
    text_->setMinimumWidth(460);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(text_, 1);
    outer->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    outer->addLayout(buttons);
    writeAgain_ = AddButton(kWriteAgainText, "Write Again", kWriteAgain);
    buttons->addWidget(writeAgain_);
    if (canRestore) {
        restore_ = AddButton(kRestoreBackupText, "Restore Backup", kRestoreBackup);
        buttons->addWidget(restore_);
    }
    close_ = AddButton(kCloseText, "Close", kClose);
    buttons->addWidget(close_);
    // With a backup, putting it back is the safe way; otherwise only writing again is.
    (restore_ ? restore_ : writeAgain_)->setDefault(true);
}

QPushButton* CDlgPartialWrite::AddButton(int textId, const char* fallback, int result) {
    QString caption = ToQt(language_.GetControlText(textId));
    if (caption.isEmpty()) {
        caption = QString::fromLatin1(fallback);
    }
    auto* button = new QPushButton(caption, this);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

} // namespace tav::gui
