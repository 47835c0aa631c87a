#include "gui/comm/CDlgComm.h"

#include "core/comm/Clock.h"
#include "core/comm/LinkMessages.h"
#include "core/compare/RadioVerify.h"
#include "core/lang/CLanguage.h"
#include "core/lang/MessageFormat.h"
#include "gui/comm/CDlgNote.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/comm/DialogRunner.h"
#include "gui/controls/DialogButtons.h"
#include "gui/controls/QtText.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"
#include "gui/ui/UserPrompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

/// The password the radio takes has at most this many digits.
constexpr int kPasswordDigits = 8;
/// How often the window looks whether the worker has ended.
constexpr int kPollMs = 20;

Clock& ClockOf(const CommSetup& setup) {
    return setup.clock ? *setup.clock : SystemClock::Instance();
}

} // namespace

const DialogTemplate& CDlgComm::Template() {
    static const DialogTemplate dialog{
        kDialogId,
        "Read from Radio",
        {
            {kStatus, ControlKind::Label,
             "Connect the radio to the programming cable, switch it on, then press OK.", 0, 0},
            {kProgress, ControlKind::Custom, {}, 1, 0},
        }};
    return dialog;
}

CDlgComm::CDlgComm(TransferRequest request, RadioImage& image, CommSetup setup, QWidget* parent)
    : QDialog(parent), request_(std::move(request)), image_(image), setup_(setup),
      session_(port_, ClockOf(setup), setup.tracer) {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->setSpacing(10);
    heading_ = new QLabel(this);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    heading_->setFont(headingFont);
    outer->addWidget(heading_);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    outer->addLayout(grid);
    const ControlMap controls =
        BuildTemplate(Template(), this, grid, [this](const ControlSpec&, QWidget* parent) {
            progress_ = new QProgressBar(parent);
            return progress_;
        });
    status_ = qobject_cast<QLabel*>(controls.at(kStatus));
    status_->setWordWrap(true);
    status_->setMinimumWidth(400);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 2);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(true);
    if (setup_.backupFirst && Direction() == TransferDirection::Write) {
        backup_ = AddOptionBox(
            outer, kBackupLabel,
            "&Back up the radio first (read it before writing, to put it back if the write fails)",
            setup_.backupFirst);
    }
    if (setup_.verifyAfterWrite && Direction() == TransferDirection::Write) {
        verify_ =
            AddOptionBox(outer, RadioVerify::kOptionLabel,
                         "&Verify after writing (read the radio back and compare)", setup_.verifyAfterWrite);
    }
    outer->addSpacing(4);
    auto* buttons = new DialogButtons(this, kDialogId, false);
    outer->addWidget(buttons);
    ok_ = buttons->Ok();
    cancel_ = buttons->Cancel();
    disconnect(ok_, nullptr, this, nullptr);
    connect(ok_, &QPushButton::clicked, this, &CDlgComm::Start);

    report_.status = TransferStatus::Cancelled;
    TranslateDialog(this, kDialogId, setup_.language);
    if (Direction() == TransferDirection::Write) {
        const QString title = Label(kWriteTitle);
        setWindowTitle(title.isEmpty() ? QStringLiteral("Write to Radio") : title);
    }
    heading_->setText(windowTitle());

    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &CDlgComm::CheckFinished);
    if (setup_.readBack) {
        QTimer::singleShot(0, this, &CDlgComm::Start);
    }
}

QCheckBox* CDlgComm::AddOptionBox(QVBoxLayout* layout, int labelId, const char* fallback, bool* value) {
    QString text = Label(labelId);
    if (text.isEmpty()) {
        text = QString::fromLatin1(fallback);
    }
    auto* box = new QCheckBox(text, this);
    box->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    box->setChecked(*value);
    connect(box, &QCheckBox::toggled, this, [value](bool on) { *value = on; });
    layout->addWidget(box);
    return box;
}

CDlgComm::~CDlgComm() {
    // The window only goes while a transfer runs when the program is torn down: every further
    // question is answered "cancel" and the worker is let finish.
    abandoned_ = true;
    while (worker_.Running()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
    }
    if (running_) {
        worker_.Wait();
    }
}

QString CDlgComm::Message(int messageId) const {
    return ToQt(setup_.language.GetMessageText(messageId));
}

QString CDlgComm::Label(int id) const {
    return ToQt(setup_.language.GetControlText(id));
}

void CDlgComm::Start() {
    if (running_) {
        return;
    }
    ok_->setEnabled(false);
    cancel_->setEnabled(false);
    for (QCheckBox* box : {verify_, backup_}) {
        if (box) {
            box->setEnabled(false);
        }
    }
    if (backup_) {
        request_.backupFirst = *setup_.backupFirst;
    }
    setCursor(Qt::BusyCursor);
    progress_->setValue(0);
    const QString connecting = Label(kConnectingText);
    status_->setText(connecting.isEmpty() ? QStringLiteral("Connecting to the radio...") : connecting);
    running_ = Run(request_, image_);
    if (running_) {
        poll_.start();
    } else {
        Finish(report_);
    }
}

bool CDlgComm::Run(const TransferRequest& request, RadioImage& image) {
    // Every call below comes from the worker; each is carried over to this window's thread and
    // the worker waits for it, as a blocking send would.
    TransferQuestions questions;
    questions.password = [this](int attempt) {
        std::optional<std::string> typed;
        QMetaObject::invokeMethod(
            this, [&] { typed = AskPassword(attempt); }, Qt::BlockingQueuedConnection);
        return typed;
    };
    questions.inform = [this](int messageId) {
        QMetaObject::invokeMethod(
            this, [&] { Tell(messageId); }, Qt::BlockingQueuedConnection);
    };
    questions.confirmNote = [this](int messageId) {
        bool confirmed = false;
        QMetaObject::invokeMethod(
            this, [&] { confirmed = ConfirmNote(messageId); }, Qt::BlockingQueuedConnection);
        return confirmed;
    };
    TransferEventSink events = [this](const TransferEvent& event) {
        QMetaObject::invokeMethod(
            this, [&] { OnEvent(event); }, Qt::BlockingQueuedConnection);
    };
    return worker_.Start(session_, request, image, std::move(questions), std::move(events));
}

bool CDlgComm::VerifyPlanned() const {
    return Direction() == TransferDirection::Write && setup_.verifyAfterWrite && *setup_.verifyAfterWrite;
}

void CDlgComm::StartReadBack() {
    readingBack_ = true;
    readBackRequest_ = request_;
    readBackRequest_.direction = TransferDirection::Read;
    // The radio just answered there: the read-back asks there first.
    if (report_.connection.ok() && report_.connection.port != 0) {
        readBackRequest_.rememberedPort = report_.connection.port;
    }
    running_ = Run(readBackRequest_, readBackImage_);
    if (running_) {
        poll_.start();
    } else {
        FinishReadBack(report_);
    }
}

void CDlgComm::FinishReadBack(const TransferReport& report) {
    readBackReport_ = report;
    unsetCursor();
    emit TransferEnded();
    if (!abandoned_) {
        QDialog::accept();
    }
}

int CDlgComm::BarValue(const TransferEvent& event) const {
    // Backing up, writing and reading back share one bar, each its part of it.
    const bool backup = Direction() == TransferDirection::Write && request_.backupFirst;
    const int parts = 1 + (backup ? 1 : 0) + (VerifyPlanned() ? 1 : 0);
    int part = 0;
    if (readingBack_) {
        part = parts - 1;
    } else if (backup && event.messageId == kMsgWriteProgress) {
        part = 1;
    }
    return (part * 100 + event.percent) / parts;
}

void CDlgComm::OnEvent(const TransferEvent& event) {
    if (abandoned_ || event.kind != TransferEvent::Kind::Progress) {
        return;
    }
    const bool reading = event.messageId == kMsgReadProgress;
    const bool backingUp = reading && Direction() == TransferDirection::Write && !readingBack_;
    const int labelId = readingBack_ ? kVerifyProgressText
                        : backingUp  ? kBackupProgressText
                                     : (reading ? kReadProgressText : kWriteProgressText);
    QString text = Label(labelId);
    if (text.isEmpty()) {
        text = readingBack_ ? QStringLiteral("Verifying: %d")
               : backingUp  ? QStringLiteral("Backing up: %d")
                            : (reading ? QStringLiteral("Reading: %d") : QStringLiteral("Writing: %d"));
    }
    status_->setText(ToQt(FillMessage(ToStd(text), event.percent)) + QStringLiteral("%"));
    progress_->setValue(BarValue(event));
}

std::optional<std::string> CDlgComm::AskPassword(int) {
    if (abandoned_) {
        return std::nullopt;
    }
    CDlgPassword dialog(CDlgPassword::kInputDialog, kPasswordDigits, setup_.language, this);
    if (setup_.runner.Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return ToStd(dialog.Password());
}

bool CDlgComm::ConfirmNote(int messageId) {
    if (abandoned_) {
        return false;
    }
    if (CDlgNote::DoNotWarn()) {
        return true;
    }
    CDlgNote dialog(messageId, setup_.language, this);
    return setup_.runner.Run(dialog) == QDialog::Accepted;
}

void CDlgComm::Tell(int messageId, const QString& detail) {
    if (abandoned_) {
        return;
    }
    QString text = Message(messageId);
    if (text.isEmpty()) {
        text = QStringLiteral("Message %1").arg(messageId);
    }
    if (!detail.isEmpty()) {
        text += QStringLiteral("\n\n") + detail;
    }
    setup_.prompts.Tell(this, windowTitle(), text,
                        messageId == kMsgReadDone || messageId == kMsgWriteDone ? PromptIcon::Information
                                                                                : PromptIcon::Warning);
}

void CDlgComm::CheckFinished() {
    if (worker_.Running()) {
        return;
    }
    poll_.stop();
    const TransferReport report = worker_.Wait();
    running_ = false;
    if (readingBack_) {
        FinishReadBack(report);
        return;
    }
    Finish(report);
}

void CDlgComm::Finish(const TransferReport& report) {
    report_ = report;
    if (report.status == TransferStatus::Completed && VerifyPlanned() && !abandoned_) {
        StartReadBack();
        return;
    }
    unsetCursor();
    emit TransferEnded();
    if (abandoned_) {
        return;
    }
    const std::string& detail = report.detail;
    switch (report.status) {
    case TransferStatus::Completed:
        status_->setText(Message(report.messageId));
        if (!setup_.readBack) {
            Tell(report.messageId);
        }
        QDialog::accept();
        return;
    case TransferStatus::NoRadio:
    case TransferStatus::PortBusy:
        // Nothing was sent to a radio: the user may check the cable and try again.
        status_->setText(Label(kStatus).isEmpty() ? Template().controls.front().text : Label(kStatus));
        Tell(report.messageId, ToQt(detail));
        ok_->setEnabled(true);
        cancel_->setEnabled(true);
        for (QCheckBox* box : {verify_, backup_}) {
            if (box) {
                box->setEnabled(true);
            }
        }
        return;
    case TransferStatus::BlockFailed:
        if (Direction() == TransferDirection::Write && report.written.Started()) {
            // The radio is partly written: the window that asked for the write tells how far it
            // got and offers what to do.
            break;
        }
        setup_.prompts.Tell(
            this, windowTitle(),
            ToQt(FillMessage(ToStd(Message(report.messageId)), report.failedAddress & 0xFFFF)),
            PromptIcon::Warning);
        break;
    case TransferStatus::RangeRefused:
        setup_.prompts.Tell(this, windowTitle(), ToQt(FillMessage(ToStd(Message(report.messageId)), detail)),
                            PromptIcon::Warning);
        break;
    case TransferStatus::IdentifyFailed:
    case TransferStatus::IdentityRefused:
    case TransferStatus::ModeRefused:
        Tell(report.messageId);
        break;
    case TransferStatus::Interrupted:
        Tell(report.messageId);
        break;
    case TransferStatus::NoteDeclined:
    case TransferStatus::Cancelled:
    case TransferStatus::PasswordCancelled:
    case TransferStatus::PasswordRefused: // each refusal was shown as it came
        break;
    }
    QDialog::reject();
}

void CDlgComm::reject() {
    if (running_) {
        return;
    }
    QDialog::reject();
}

void CDlgComm::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace tav::gui
