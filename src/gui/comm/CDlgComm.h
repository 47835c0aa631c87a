#pragma once

#include "core/comm/CSerialPort.h"
#include "core/comm/TransferSession.h"
#include "core/comm/TransferWorker.h"
#include "gui/ui/DialogTemplate.h"

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QProgressBar;
class QVBoxLayout;
class QPushButton;

namespace tav {
class CLanguage;
class Clock;
class FrameTracer;
} // namespace tav

namespace tav::gui {

class DialogRunner;
class UserPrompts;

/// What a communication dialog works with besides the image.
struct CommSetup {
    const CLanguage& language;
    UserPrompts& prompts;
    /// Runs the password and note dialogs the transfer asks for.
    DialogRunner& runner;
    /// The link's clock; the system clock when null.
    Clock* clock = nullptr;
    /// Sees every frame on the line when set.
    FrameTracer* tracer = nullptr;
    /// A write offers "Verify after writing" when set: the check box shows it and changes it.
    bool* verifyAfterWrite = nullptr;
    /// A write offers "Back up the radio first" when set: the check box shows it and changes it,
    /// and the write reads the radio first when it is on.
    bool* backupFirst = nullptr;
    /// The read-back after a write: it starts at once (the radio is connected already) and
    /// its completion is not told, since the comparison that follows is what the user wants.
    bool readBack = false;
};

/// The dialog of a full read or write of the radio: a title, a status line and a progress bar.
/// OK starts the transfer the request describes (prepared by the radio commands), which runs on a worker
/// thread: it finds the radio, identifies and checks it, asks for the radio's password when the radio wants
/// one and, before a write, shows the firmware note; then it moves the blocks and reports progress after each
/// one. The worker's questions and reports come to this window's thread and are answered there while the
/// worker waits. Once started, the transfer cannot be cancelled; when no radio answers the dialog stays open
/// for another try, any other failure closes it (Rejected), a completed transfer ends with Accepted.
///
/// A read fills `image` only when every block arrived; a completed write stamps the programming
/// date into `image`. Until OK is pressed the report says Cancelled.
class CDlgComm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 1601;
    static constexpr int kReadTitle = 1601;
    static constexpr int kWriteTitle = 1602;
    static constexpr int kStatus = 1603;
    static constexpr int kReadProgressText = 1604;
    static constexpr int kWriteProgressText = 1605;
    static constexpr int kProgress = 1611;
    /// Progress of the read-back after a write ("Verifying: %d").
    static constexpr int kVerifyProgressText = 9131;
    /// "Back up the radio first" and the progress of that backup ("Backing up: %d").
    static constexpr int kBackupLabel = 9730;
    static constexpr int kBackupProgressText = 9731;
    /// Status shown while the radio is searched and checked.
    static constexpr int kConnectingText = 9120;
    static const DialogTemplate& Template();

    CDlgComm(TransferRequest request, RadioImage& image, CommSetup setup, QWidget* parent = nullptr);
    ~CDlgComm() override;

    TransferDirection Direction() const { return request_.direction; }
    /// True while the worker runs.
    bool Running() const { return running_; }
    /// The outcome of the last transfer.
    const TransferReport& Report() const { return report_; }
    /// The radio's band (after the identity check).
    const FrequencyBand& RadioBand() const { return report_.band; }

    QLabel* Status() const { return status_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    /// "Verify after writing"; null unless a write was given the option.
    QCheckBox* VerifyBox() const { return verify_; }
    /// "Back up the radio first"; null unless a write was given the option.
    QCheckBox* BackupBox() const { return backup_; }
    /// With "Verify after writing" on, a completed write reads the radio back in the same run (one
    /// progress, half writing, half reading) and tells neither end: the comparison that follows is
    /// the one result. The read-back's report; nothing when there was none.
    const std::optional<TransferReport>& ReadBackReport() const { return readBackReport_; }
    /// What the read-back found in the radio (filled only when it completed).
    const RadioImage& ReadBackImage() const { return readBackImage_; }

public slots:
    /// The OK button: starts the transfer.
    void Start();
    void reject() override;

signals:
    /// The transfer ended (the dialog closes unless no radio answered).
    void TransferEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// A check box of the write's options, bound to `value`.
    QCheckBox* AddOptionBox(QVBoxLayout* layout, int labelId, const char* fallback, bool* value);
    /// The bar's share of each part of the run: backup, write, read-back.
    int BarValue(const TransferEvent& event) const;
    void OnEvent(const TransferEvent& event);
    std::optional<std::string> AskPassword(int attempt);
    bool ConfirmNote(int messageId);
    void Tell(int messageId, const QString& detail = {});
    void CheckFinished();
    void Finish(const TransferReport& report);
    /// Starts the worker on a request; false when it could not start.
    bool Run(const TransferRequest& request, RadioImage& image);
    /// After a completed write with "Verify after writing": reads the radio back.
    void StartReadBack();
    void FinishReadBack(const TransferReport& report);
    bool VerifyPlanned() const;
    QString Message(int messageId) const;
    QString Label(int id) const;

    TransferRequest request_;
    RadioImage& image_;
    CommSetup setup_;
    CSerialPort port_;
    TransferSession session_;
    TransferWorker worker_;
    TransferReport report_;
    TransferRequest readBackRequest_;
    RadioImage readBackImage_{};
    std::optional<TransferReport> readBackReport_;
    bool readingBack_ = false;
    QTimer poll_;
    bool running_ = false;
    std::atomic<bool> abandoned_{false};

    QLabel* heading_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* backup_ = nullptr;
};

} // namespace tav::gui
