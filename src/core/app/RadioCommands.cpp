#include "core/app/RadioCommands.h"

#include "core/app/CDataContainer.h"
#include "core/app/CModelList.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/compare/RadioVerify.h"

#include <algorithm>

namespace tav {

RadioCommands::RadioCommands(CSettings& settings, Document& document, CDataContainer& container,
                             FreqRangeTable& ranges, DocumentViews& views)
    : settings_(settings), document_(document), container_(container), ranges_(ranges), views_(views) {}

TransferRequest MakeTransferRequest(const CSettings& settings, TransferDirection direction,
                                    const RadioTarget& target) {
    TransferRequest request;
    request.direction = direction;
    request.device = target.device;
    request.ports = PortTable::LoadFromSettings(settings.SettingsFile());
    request.rememberedPort = target.port.value_or(settings.ComPort());
    request.factoryLevel = settings.IsFactoryLevel();
    request.rules.currentModelId = settings.ModelId();
    request.rules.acceptedModelIds = Document::AcceptedModelIds(settings.Language());
    request.documentRange = settings.FreqRange();
    return request;
}

TransferRequest RadioCommands::MakeRequest(TransferDirection direction, const RadioTarget& target) const {
    return MakeTransferRequest(settings_, direction, target);
}

void RadioCommands::RememberPort(const TransferReport& report) {
    // The port on which the radio answered is the one tried first next time.
    if (report.connection.ok() && report.connection.port != 0) {
        settings_.SetComPort(report.connection.port);
    }
}

void RadioCommands::OfferRange(const TransferReport& report, const YesNoQuestion& askYesNo) {
    const FrequencyBand& band = report.band;
    const FreqRangeRecord record{static_cast<std::uint32_t>(std::max(band.lowMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.highMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.lowMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.highMHz, 0)), band.flag};
    lastRangeOffer_ = ranges_.OfferNewRange(settings_, record, askYesNo);
}

void RadioCommands::TakeRadioIdentity(const TransferReport& report) {
    const RadioIdentity& radio = report.identity;
    settings_.SetModelId(radio.modelId);
    settings_.SetModelName(radio.modelName);
    settings_.SetSignalType(radio.signalling);
    settings_.SetFirmwareVersion(radio.firmware);
    settings_.SetPrevFreqRange(settings_.FreqRange());
    settings_.SetFreqRange(report.band.RangeText());
    // A model list that cannot be read leaves the table its fallback range: nothing to tell.
    static_cast<void>(ranges_.LoadFor(settings_));
}

TransferReport RadioCommands::Read(const TransferRunner& transfer, const RadioTarget& target,
                                   const YesNoQuestion& askYesNo, RadioImage& received) {
    received.fill(0);
    RadioImage buffer{};
    const TransferReport report = transfer(MakeRequest(TransferDirection::Read, target), buffer);
    RememberPort(report);
    if (!report.ok()) {
        return report;
    }
    // The identity and the image are taken over together, so that they always belong together.
    TakeRadioIdentity(report);
    // The data now comes from the radio, not from the file it was opened from.
    document_.ForgetPath();
    OfferRange(report, askYesNo);
    received = buffer;
    views_.CloseAllEditors();
    container_.image() = buffer;
    document_.UpdateDataContext();
    container_.LoadAll();
    document_.MarkUnchanged();
    views_.DataReloaded();
    views_.DocumentReplaced();
    return report;
}

Outcome<TransferReport> RadioCommands::Write(const TransferRunner& transfer, const RadioTarget& target,
                                             const YesNoQuestion& askYesNo) {
    if (Result checked = document_.CheckReferences(); !checked) {
        return checked;
    }
    views_.StoreAllEditors();
    container_.StoreAll();
    // The image goes out through a copy, so that only a completed write stamps the date into it.
    RadioImage image = container_.image();
    TransferReport report = transfer(MakeRequest(TransferDirection::Write, target), image);
    RememberPort(report);
    if (!report.ok()) {
        return report;
    }
    container_.image() = image;
    OfferRange(report, askYesNo);
    container_.RadioInfo().LoadFromImage(container_.image());
    views_.DataReloaded();
    return report;
}

TransferReport RadioCommands::Verify(const TransferRunner& transfer, const RadioTarget& target,
                                     std::vector<ConfigDifference>& differences) {
    differences.clear();
    views_.StoreAllEditors();
    container_.StoreAll();
    const TransferRequest request = MakeRequest(TransferDirection::Read, target);
    RadioImage radio{};
    const TransferReport report = transfer(request, radio);
    RememberPort(report);
    if (report.ok()) {
        differences =
            RadioVerify(*container_.Context().texts, request.factoryLevel).Compare(container_, radio);
    }
    return report;
}

TransferRunner RunOnThisThread(TransferSession& session, const RadioCommandUi& ui) {
    return [&session, &ui](const TransferRequest& request, RadioImage& image) {
        return session.Run(request, image, ui.questions, ui.events);
    };
}

} // namespace tav
