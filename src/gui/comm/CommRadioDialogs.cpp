#include "gui/comm/CommRadioDialogs.h"

#include "core/app/CSettings.h"
#include "gui/comm/CDlgComPort.h"
#include "gui/comm/CDlgComm.h"
#include "core/comm/FrameTracer.h"
#include "core/comm/PortList.h"

#include <algorithm>
#include <cstdlib>

namespace tav::gui {
namespace {

FreqRangeRecord BandRecord(const FrequencyBand& band) {
    const auto low = static_cast<std::uint32_t>(std::max(band.lowMHz, 0));
    const auto high = static_cast<std::uint32_t>(std::max(band.highMHz, 0));
    return {low, high, low, high, band.flag};
}

} // namespace

CommRadioDialogs::CommRadioDialogs(CSettings& settings, UserPrompts& prompts, DialogRunner* runner)
    : settings_(settings), prompts_(prompts), runner_(runner ? *runner : execRunner_) {}

CommRadioDialogs::~CommRadioDialogs() = default;

FrameTracer* CommRadioDialogs::Tracer() {
    if (tracer_) {
        return tracer_;
    }
    if (!fileTracer_) {
        const char* path = std::getenv("TAV_TRACE");
        if (!path || !*path) {
            return nullptr;
        }
        traceFile_.open(path, std::ios::app);
        if (!traceFile_) {
            return nullptr;
        }
        fileTracer_ = std::make_unique<StreamFrameTracer>(traceFile_);
    }
    return fileTracer_.get();
}

std::optional<RadioReadResult> CommRadioDialogs::ReadFromRadio(QWidget* parent) {
    RadioReadResult result;
    CDlgComm dialog(TransferDirection::Read, result.image,
                    CommSetup{settings_, prompts_, runner_, clock_, Tracer(), device_}, parent);
    if (runner_.Run(dialog) != QDialog::Accepted || !dialog.Report().ok()) {
        return std::nullopt;
    }
    const TransferReport& report = dialog.Report();
    result.band = BandRecord(report.band);
    result.modelId = report.identity.modelId;
    result.modelName = report.identity.modelName;
    result.firmware = report.identity.firmware;
    result.signalType = report.identity.signalling;
    return result;
}

std::optional<FreqRangeRecord> CommRadioDialogs::WriteToRadio(QWidget* parent, Image& image) {
    CDlgComm dialog(TransferDirection::Write, image,
                    CommSetup{settings_, prompts_, runner_, clock_, Tracer(), device_}, parent);
    if (runner_.Run(dialog) != QDialog::Accepted || !dialog.Report().ok()) {
        return std::nullopt;
    }
    return BandRecord(dialog.Report().band);
}

bool CommRadioDialogs::ChoosePort(QWidget* parent) {
    SerialPortProbe serialProbe;
    PortProbe& probe = probe_ ? *probe_ : serialProbe;
    CDlgComPort dialog(ListPorts(PortTableFromSettings(settings_), probe), settings_.ComPort(),
                       settings_.Language(), parent);
    if (runner_.Run(dialog) != QDialog::Accepted) {
        return false;
    }
    settings_.SetComPort(dialog.SelectedPort());
    return true;
}

} // namespace tav::gui
