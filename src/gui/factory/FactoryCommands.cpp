#include "gui/factory/FactoryCommands.h"

#include "core/factory/ModelData.h"
#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"
#include "gui/comm/DialogRunner.h"
#include "gui/factory/CDlgFactoryMode.h"
#include "gui/factory/CDlgTuning.h"
#include "gui/factory/FactoryPort.h"

#include <QApplication>

namespace tav::gui {
namespace {

/// The factory connection in a mode; on success the radio's identity has become the current one.
bool ConnectFactory(QWidget* mainWindow, AppContext& context, FactoryPort& port, LinkMode mode) {
    const TransferDirection rules =
        mode == LinkMode::Write ? TransferDirection::Write : TransferDirection::Read;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report = port.Link().Connect(port.Request(rules), mode);
    QApplication::restoreOverrideCursor();
    port.RememberPort(report);
    if (report.identityAccepted) {
        TakeOverRadioIdentity(mainWindow, context, report);
    }
    if (!report.ok()) {
        port.Tell(mainWindow, report);
    }
    return report.ok();
}

} // namespace

bool RunFactoryCommand(QWidget* mainWindow, AppContext& context, int commandId) {
    switch (commandId) {
    case Commands::kAdjustment:
        return RunAdjustment(mainWindow, context);
    case Commands::kFactoryMode:
        return RunFactoryMode(mainWindow, context);
    case Commands::kWriteTuneData:
        return RunWriteTuneData(mainWindow, context);
    default:
        return false;
    }
}

bool RunAdjustment(QWidget* mainWindow, AppContext& context) {
    FactoryPort port(context);
    const bool connected = ConnectFactory(mainWindow, context, port, LinkMode::Tune);
    if (connected) {
        CDlgTuning dialog(context, port.Radio(), mainWindow);
        context.Runner().Run(dialog);
    }
    port.Link().EndSession();
    return connected;
}

bool RunWriteTuneData(QWidget* mainWindow, AppContext& context) {
    if (auto* frame = qobject_cast<CMainFrame*>(mainWindow)) {
        frame->StoreAllEditors();
    }
    CDataContainer& container = context.Container();
    container.Tune().StoreToImage(container.image());
    FactoryPort port(context);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report =
        port.Link().WriteTuneData(port.Request(TransferDirection::Write), container.image());
    QApplication::restoreOverrideCursor();
    port.RememberPort(report);
    if (report.identityAccepted) {
        TakeOverRadioIdentity(mainWindow, context, report);
    }
    port.Tell(mainWindow, report);
    return report.identityAccepted;
}

bool RunFactoryMode(QWidget* mainWindow, AppContext& context) {
    FactoryPort port(context);
    CDlgFactoryMode dialog(context, port, mainWindow);
    context.Runner().Run(dialog);
    const IdentityChanges& accepted = dialog.Accepted();
    CSettings& settings = context.Settings();
    ModelData& model = context.Container().Model();
    if (accepted.modelName) {
        settings.SetModelName(context.Container().RadioInfo().ModelName());
    }
    if (accepted.range) {
        const std::string range = model.RangeTextFromLimits();
        int low = 0;
        int high = 0;
        if (std::sscanf(range.c_str(), "%d-%d", &low, &high) == 2) {
            const FreqRangeRecord record{static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(high),
                                         static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(high),
                                         context.Container().RadioInfo().RangeCode()};
            auto* frame = qobject_cast<CMainFrame*>(mainWindow);
            const int offered = frame ? frame->OfferNewRange(record) : 0;
            if (offered == 0 || offered == 2) {
                settings.SetFreqRange(range);
            }
        }
    }
    if (accepted.signalType) {
        settings.SetSignalType(context.Container().RadioInfo().SignalType());
    }
    const bool changed = accepted.modelName || accepted.range || accepted.signalType;
    if (changed) {
        context.Doc().UpdateDataContext();
    }
    return changed;
}

} // namespace tav::gui
