#include "core/app/RadioCommands.h"

#include "core/app/CDataContainer.h"
#include "core/app/CModelList.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"

#include <algorithm>

namespace tav {

RadioCommands::RadioCommands(CSettings& settings, Document& document, CDataContainer& container,
                             FreqRangeTable& ranges, DocumentViews& views)
    : settings_(settings), document_(document), container_(container), ranges_(ranges), views_(views) {}

TransferRequest RadioCommands::MakeRequest(TransferDirection direction, const RadioTarget& target) const {
    TransferRequest request;
    request.direction = direction;
    request.device = target.device;
    request.ports = PortTable::LoadFromSettings(settings_.SettingsFile());
    request.rememberedPort = target.port.value_or(settings_.ComPort());
    request.factoryLevel = settings_.IsFactoryLevel();
    request.rules.currentModelId = settings_.ModelId();
    request.rules.acceptedModelId = settings_.Language().GetModelText(Document::kAcceptedModelText1);
    request.documentRange = settings_.FreqRange();
    return request;
}

void RadioCommands::RememberPort(const TransferReport& report) {
    // The port on which the radio answered is the one tried first next time.
    if (report.connection.ok() && report.connection.port != 0) {
        settings_.SetComPort(report.connection.port);
    }
}

void RadioCommands::OfferRange(const TransferReport& report, const RadioCommandUi& ui) {
    const FrequencyBand& band = report.band;
    const FreqRangeRecord record{static_cast<std::uint32_t>(std::max(band.lowMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.highMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.lowMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.highMHz, 0)), band.flag};
    lastRangeOffer_ = ranges_.OfferNewRange(settings_, record, ui.askYesNo);
}

TransferReport RadioCommands::Read(TransferSession& session, const RadioTarget& target,
                                   const RadioCommandUi& ui, RadioImage& received) {
    received.fill(0);
    RadioImage buffer{};
    const TransferReport report =
        session.Run(MakeRequest(TransferDirection::Read, target), buffer, ui.questions, ui.events);
    RememberPort(report);
    if (report.identityAccepted) {
        // The radio passed its check: its identity becomes the data's, whatever the blocks do.
        const RadioIdentity& radio = report.identity;
        settings_.SetModelId(radio.modelId);
        settings_.SetModelName(radio.modelName);
        settings_.SetSignalType(radio.signalling);
        settings_.SetFirmwareVersion(radio.firmware);
        settings_.SetPrevFreqRange(settings_.FreqRange());
        settings_.SetFreqRange(report.band.RangeText());
        ranges_.LoadFor(settings_);
    }
    if (!report.ok()) {
        return report;
    }
    // The data now comes from the radio, not from the file it was opened from.
    document_.ForgetPath();
    OfferRange(report, ui);
    received = buffer;
    views_.CloseAllEditors();
    container_.image() = buffer;
    document_.UpdateDataContext();
    container_.LoadAll();
    views_.DataReloaded();
    return report;
}

Outcome<TransferReport> RadioCommands::Write(TransferSession& session, const RadioTarget& target,
                                             const RadioCommandUi& ui) {
    if (Result checked = document_.CheckReferences(); !checked) {
        return checked;
    }
    views_.StoreAllEditors();
    container_.StoreAll();
    // The image goes out through a copy, so that only a completed write stamps the date into it.
    RadioImage image = container_.image();
    TransferReport report =
        session.Run(MakeRequest(TransferDirection::Write, target), image, ui.questions, ui.events);
    RememberPort(report);
    if (!report.ok()) {
        return report;
    }
    container_.image() = image;
    OfferRange(report, ui);
    container_.RadioInfo().LoadFromImage(container_.image());
    views_.DataReloaded();
    return report;
}

} // namespace tav
