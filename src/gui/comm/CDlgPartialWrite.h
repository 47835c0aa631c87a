#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// After a write that stopped part way: what happened, which addresses hold the new data, and the
/// two ways to make the radio whole again: write the data again, or put back the backup taken just
/// before the write (offered only when there is one). Close leaves the radio as it is.
class CDlgPartialWrite : public QDialog {
    Q_OBJECT
public:
    /// The dialog's results.
    enum Choice { kClose = QDialog::Rejected, kWriteAgain = 2, kRestoreBackup = 3 };
    /// Label texts of the buttons.
    static constexpr int kWriteAgainText = 9732;
    static constexpr int kRestoreBackupText = 9733;
    static constexpr int kCloseText = 9749;

    CDlgPartialWrite(const QString& title, const QString& text, bool canRestore, const CLanguage& language,
                     QWidget* parent = nullptr);

    QLabel* Text() const { return text_; }
    QPushButton* WriteAgainButton() const { return writeAgain_; }
    /// Null when no backup was taken.
    QPushButton* RestoreButton() const { return restore_; }
    QPushButton* CloseButton() const { return close_; }

private:
    QPushButton* AddButton(int textId, const char* fallback, int result);

    const CLanguage& language_;
    QLabel* text_ = nullptr;
    QPushButton* writeAgain_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace tav::gui
