#include "gui/factory/FactoryPort.h"

#include "core/app/CSettings.h"
#include "core/app/RadioCommands.h"
#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/NavigationTree.h"

#include <QApplication>
#include <algorithm>

namespace tav::gui {

FactoryPort::FactoryPort(AppContext& context) : context_(context), link_(port_, clock_) {}

FactoryPort::~FactoryPort() {
    link_.link().Close();
}

TransferRequest FactoryPort::Request(TransferDirection direction) const {
    return MakeTransferRequest(context_.Settings(), direction,
                               RadioTarget{context_.RadioDevice(), std::nullopt});
}

void FactoryPort::RememberPort(const TransferReport& report) {
    if (report.connection.port > 0) {
        context_.Settings().SetComPort(report.connection.port);
    }
}

void FactoryPort::Tell(QWidget* parent, const TransferReport& report) const {
    if (report.messageId == 0) {
        return;
    }
    QString text = context_.Message(report.messageId);
    QString detail = QString::fromStdString(report.detail);
    if (report.status == TransferStatus::BlockFailed && detail.isEmpty()) {
        detail = QStringLiteral("%1").arg(report.failedAddress, 4, 16, QLatin1Char('0')).toUpper();
    }
    const bool hasPlace = text.contains(QStringLiteral("%04X")) || text.contains(QStringLiteral("%s"));
    if (hasPlace) {
        text.replace(QStringLiteral("%04X"), detail).replace(QStringLiteral("%s"), detail);
        detail.clear();
    }
    if (report.status == TransferStatus::NoRadio || report.status == TransferStatus::PortBusy) {
        detail = QString::fromStdString(report.connection.Explain());
    }
    const PromptIcon icon = report.ok() ? PromptIcon::Information : PromptIcon::Warning;
    context_.Prompts().Ask(parent, context_.Title(),
                           detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail,
                           PromptButtons::Ok, icon);
}

void TakeOverRadioIdentity(QWidget* mainWindow, AppContext& context, const TransferReport& report,
                           IdentityTakeOver kind) {
    CSettings& settings = context.Settings();
    settings.SetPrevFreqRange(settings.FreqRange());
    if (!report.identity.modelId.empty()) {
        settings.SetModelId(report.identity.modelId);
    }
    if (!report.identity.modelName.empty()) {
        settings.SetModelName(report.identity.modelName);
    }
    if (!report.identity.firmware.empty()) {
        settings.SetFirmwareVersion(report.identity.firmware);
    }
    settings.SetSignalType(report.identity.signalling);
    const FrequencyBand& band = report.band;
    if (band.lowMHz > 0 || band.highMHz > 0) {
        settings.SetFreqRange(band.RangeText());
    }
    // A model list that cannot be read leaves the fallback range.
    static_cast<void>(context.Ranges().LoadFor(settings));
    if (auto* frame = qobject_cast<CMainFrame*>(mainWindow)) {
        const auto low = static_cast<std::uint32_t>(std::max(band.lowMHz, 0));
        const auto high = static_cast<std::uint32_t>(std::max(band.highMHz, 0));
        frame->OfferNewRange({low, high, low, high, band.flag});
        if (kind == IdentityTakeOver::FactoryConnection) {
            frame->CloseAllEditors();
        }
        frame->Tree()->SetRootText(FromLanguage(settings.ModelName()));
        frame->RefreshStatusBar();
    }
    context.Doc().UpdateDataContext();
    if (kind == IdentityTakeOver::FactoryConnection && band.lowMHz > 0 && band.highMHz > 0) {
        context.Container().TestFreqs().SetRangeDefaults(band.lowMHz, band.highMHz);
    }
}

} // namespace tav::gui
