#include "core/app/RadioSerialNumber.h"

#include "core/comm/LinkMessages.h"
#include "core/data/ImageMap.h"
#include "core/data/RadioInfoData.h"

#include <array>
#include <span>

namespace tav {
namespace {

bool EnterReadMode(RadioLink& link, const TransferQuestions& questions, TransferReport& report) {
    switch (link.SetMode(LinkMode::Read)) {
    case ModeAnswer::Accepted:
        return true;
    case ModeAnswer::NoAnswer:
        FailTransfer(link, report, TransferStatus::ModeRefused, kMsgNoRadio);
        return false;
    case ModeAnswer::PasswordRequired:
        break;
    }
    switch (RunPasswordProcedure(link, PasswordKind::Read, questions)) {
    case PasswordOutcome::Accepted:
        return true;
    case PasswordOutcome::Cancelled:
        FailTransfer(link, report, TransferStatus::PasswordCancelled, 0);
        return false;
    case PasswordOutcome::Refused:
        FailTransfer(link, report, TransferStatus::PasswordRefused, kMsgPasswordRefused);
        return false;
    }
    return false;
}

TransferReport ReadSerialSteps(RadioLink& link, const TransferRequest& request,
                               const TransferQuestions& questions, std::string& serial) {
    TransferReport report;
    report.connection = request.device ? link.ConnectDevice(*request.device)
                                       : link.ConnectRadio(request.ports, request.rememberedPort);
    if (!CheckConnection(link, report)) {
        return report;
    }
    if (!link.Identify(report.identity)) {
        return FailTransfer(link, report, TransferStatus::IdentifyFailed, kMsgIdentifyFailed);
    }
    report.identified = true;
    if (!EnterReadMode(link, questions, report)) {
        return report;
    }
    constexpr std::uint32_t address = ImageMap::kRadioInfo + RadioInfoData::kSerialNumberOffset;
    std::array<std::uint8_t, RadioInfoData::kSerialNumberSize> bytes{};
    if (!link.ReadMemory(address, bytes)) {
        FailTransfer(link, report, TransferStatus::BlockFailed, kMsgReadFailed, BlockAddressText(address));
        report.failedAddress = address;
        return report;
    }
    link.SetMode(LinkMode::End);
    link.Close();
    serial = SerialNumberText(bytes);
    report.status = TransferStatus::Completed;
    report.messageId = kMsgReadDone;
    return report;
}

} // namespace

std::string ImageSerialNumber(std::span<const std::uint8_t> image) {
    constexpr std::size_t start = ImageMap::kRadioInfo + RadioInfoData::kSerialNumberOffset;
    if (image.size() < start + RadioInfoData::kSerialNumberSize) {
        return {};
    }
    return SerialNumberText(image.subspan(start, RadioInfoData::kSerialNumberSize));
}

TransferReport ReadSerialNumber(RadioLink& link, const TransferRequest& request,
                                const TransferQuestions& questions, std::string& serial) {
    serial.clear();
    TransferReport report = ReadSerialSteps(link, request, questions, serial);
    if (!report.ok() && link.StopRequested()) {
        FailTransfer(link, report, TransferStatus::Interrupted, kMsgInterrupted);
    }
    return report;
}

} // namespace tav
