#include "gui/comm/CommRadioDialogs.h"

#include "core/app/CSettings.h"
#include "core/app/UserFiles.h"
#include "core/comm/FrameTracer.h"
#include "core/comm/PortList.h"
#include "core/platform/PrivateProfile.h"
#include "gui/comm/CDlgComPort.h"
#include "gui/comm/CDlgComm.h"

#include <cstdlib>
#include <utility>

namespace tav::gui {

CommRadioDialogs::CommRadioDialogs(CSettings& settings, UserPrompts& prompts, DialogRunner* runner)
    : settings_(settings), prompts_(prompts), runner_(runner ? *runner : execRunner_) {}

CommRadioDialogs::~CommRadioDialogs() = default;

namespace {

constexpr const char* kVerifyKey = "VerifyAfterWrite";
constexpr const char* kBackupKey = "BackupBeforeWrite";

} // namespace

bool CommRadioDialogs::VerifyAfterWrite() const {
    return PrivateProfile::ReadInt(settings_.SettingsFile(), CSettings::kSettingSection, kVerifyKey, 0) != 0;
}

bool CommRadioDialogs::BackupBeforeWrite() const {
    return PrivateProfile::ReadInt(settings_.SettingsFile(), CSettings::kSettingSection, kBackupKey, 1) != 0;
}

void CommRadioDialogs::StoreChoice(const char* key, bool on) {
    if (const auto file = PrepareUserFile(settings_.Home(), CSettings::kSettingsFileName)) {
        // A failed write only means the next write's dialog shows the option as it was.
        std::ignore = PrivateProfile::WriteString(*file, CSettings::kSettingSection, key, on ? "1" : "0");
    }
}

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

TransferReport CommRadioDialogs::Transfer(QWidget* parent, const TransferRequest& request,
                                          RadioImage& image) {
    bool verify = VerifyAfterWrite();
    bool backup = request.backupFirst;
    CommSetup setup{settings_.Language(), prompts_, runner_, clock_, Tracer()};
    if (request.direction == TransferDirection::Write) {
        setup.verifyAfterWrite = &verify;
        setup.backupFirst = &backup;
    }
    CDlgComm dialog(request, image, setup, parent);
    runner_.Run(dialog);
    if (verify != VerifyAfterWrite()) {
        StoreChoice(kVerifyKey, verify);
    }
    // Only the user's own change of the box is remembered (a restore may start without a backup).
    if (request.direction == TransferDirection::Write && backup != request.backupFirst) {
        StoreChoice(kBackupKey, backup);
    }
    readBackReport_ = dialog.ReadBackReport();
    readBackImage_ = dialog.ReadBackImage();
    return dialog.Report();
}

std::optional<TransferReport> CommRadioDialogs::TakeReadBack(RadioImage& image) {
    if (!readBackReport_) {
        return std::nullopt;
    }
    image = readBackImage_;
    return std::exchange(readBackReport_, std::nullopt);
}

TransferReport CommRadioDialogs::ReadBack(QWidget* parent, const TransferRequest& request,
                                          RadioImage& image) {
    CommSetup setup{settings_.Language(), prompts_, runner_, clock_, Tracer()};
    setup.readBack = true;
    CDlgComm dialog(request, image, setup, parent);
    runner_.Run(dialog);
    return dialog.Report();
}

bool CommRadioDialogs::ChoosePort(QWidget* parent) {
    SerialPortProbe serialProbe;
    PortProbe& probe = probe_ ? *probe_ : serialProbe;
    CDlgComPort dialog(ListPorts(PortTable::LoadFromSettings(settings_.SettingsFile()), probe),
                       settings_.ComPort(), settings_.Language(), parent);
    if (runner_.Run(dialog) != QDialog::Accepted) {
        return false;
    }
    settings_.SetComPort(dialog.SelectedPort());
    return true;
}

} // namespace tav::gui
