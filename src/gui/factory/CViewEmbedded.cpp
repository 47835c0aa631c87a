#include "gui/factory/CViewEmbedded.h"

#include "core/factory/EmbeddedData.h"
#include "gui/app/AppContext.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/comm/DialogRunner.h"
#include "gui/factory/FactoryPort.h"
#include "gui/factory/FieldNames.h"
#include "gui/views/BlockFieldControls.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace tav::gui {
namespace {

constexpr int kPasswordRefused = 1176;
constexpr int kPasswordAttempts = 3;
constexpr int kPasswordDigits = 8;

DialogTemplate EmbeddedTemplate() {
    DialogTemplate dialog{CViewEmbedded::kTemplateId, QStringLiteral("Embedded Data"), {}};
    int row = 0;
    for (const BlockField<EmbeddedUi>& field : EmbeddedData::EditorFields()) {
        dialog.controls.push_back(BlockFieldControls::LabelSpec(field, row, 0));
        dialog.controls.push_back({field.controlId, ControlKind::Edit, {}, row, 1});
        ++row;
    }
    dialog.controls.push_back(
        {CViewEmbedded::kWriteButton, ControlKind::PushButton, QStringLiteral("Write"), row, 1});
    return dialog;
}

} // namespace

CViewEmbedded::CViewEmbedded(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent), port_(std::make_unique<FactoryPort>(context)) {
    const ControlMap controls = BuildForm(EmbeddedTemplate());
    for (const BlockField<EmbeddedUi>& field : EmbeddedData::EditorFields()) {
        auto* edit = qobject_cast<QLineEdit*>(controls.at(field.controlId));
        edit->setMaxLength(static_cast<int>(field.bytes.size));
        edit->setMinimumWidth(320);
        NameAfterLabel(edit, controls.at(field.labelId));
    }
    connect(qobject_cast<QPushButton*>(controls.at(kWriteButton)), &QPushButton::clicked, this,
            &CViewEmbedded::WriteToRadio);
}

CViewEmbedded::~CViewEmbedded() = default;

void CViewEmbedded::OnInitialUpdate() {
    LoadView();
    QTimer::singleShot(kStartDelayMs, this, &CViewEmbedded::ReadFromRadio);
}

void CViewEmbedded::LoadView() {
    EmbeddedUi ui;
    Context().Container().Embedded().LoadUi(ui);
    BlockFieldControls::ShowAll(EmbeddedData::EditorFields(), ui, *this);
}

void CViewEmbedded::StoreView() {
    EmbeddedUi ui;
    Context().Container().Embedded().LoadUi(ui);
    BlockFieldControls::TakeAll(EmbeddedData::EditorFields(), ui, *this);
    Context().Container().Embedded().StoreUi(ui);
}

bool CViewEmbedded::ReadFromRadio() {
    CDataContainer& container = Context().Container();
    TransferQuestions questions;
    questions.password = [this](int) -> std::optional<std::string> {
        CDlgPassword dialog(CDlgPassword::kPasswordDialog, kPasswordDigits, Context().Language(), this);
        if (Context().Runner().Run(dialog) != QDialog::Accepted) {
            return std::nullopt;
        }
        return ToCore(dialog.Password());
    };
    questions.inform = [this](int messageId) { Context().Tell(this, messageId); };
    Image image = container.image();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report =
        port_->Link().ReadEmbeddedData(port_->Request(TransferDirection::Read), image, questions);
    QApplication::restoreOverrideCursor();
    if (report.identityAccepted) {
        TakeOverRadioIdentity(window(), Context(), report, IdentityTakeOver::EmbeddedRead);
    }
    if (!report.ok()) {
        port_->Tell(this, report);
        CloseWindow();
        return false;
    }
    container.Embedded().LoadFromImage(image);
    LoadView();
    return true;
}

bool CViewEmbedded::AskStoredPassword() {
    const std::string stored = Context().Container().Embedded().Password();
    for (int attempt = 0; attempt < kPasswordAttempts; ++attempt) {
        CDlgPassword dialog(CDlgPassword::kPasswordDialog, kPasswordDigits, Context().Language(), this);
        if (Context().Runner().Run(dialog) != QDialog::Accepted) {
            return false;
        }
        if (ToCore(dialog.Password()) == stored) {
            return true;
        }
        Context().Tell(this, kPasswordRefused);
    }
    return false;
}

bool CViewEmbedded::WriteToRadio() {
    CommitFocusedControl();
    StoreView();
    EmbeddedData& embedded = Context().Container().Embedded();
    if (embedded.HasPassword() && !AskStoredPassword()) {
        return false;
    }
    Image image = Context().Container().image();
    embedded.StoreToImage(image);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report =
        port_->Link().WriteEmbeddedData(port_->Request(TransferDirection::Write), image);
    QApplication::restoreOverrideCursor();
    port_->Tell(this, report);
    return report.ok();
}

void CViewEmbedded::CloseWindow() {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) {
            // Closed once the read's message has been answered and this call has returned.
            QTimer::singleShot(0, frame, &QMdiSubWindow::close);
            return;
        }
    }
}

} // namespace tav::gui
