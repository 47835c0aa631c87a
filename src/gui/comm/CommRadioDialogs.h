#pragma once

#include "gui/comm/DialogRunner.h"
#include "gui/ui/RadioDialogs.h"

#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace tav {
class CSettings;
class Clock;
class FrameTracer;
class PortProbe;
} // namespace tav

namespace tav::gui {

class UserPrompts;

/// The radio dialogs of the main window on the screen: the communication dialog in which Read and
/// Write run their transfer, and the Communication Port dialog. When the environment variable TAV_TRACE names
/// a file, every frame of a transfer is appended to it with its time.
class CommRadioDialogs : public RadioDialogs {
public:
    /// `runner` runs the communication and port dialogs and the password and note dialogs they
    /// open; null runs them on the screen.
    CommRadioDialogs(CSettings& settings, UserPrompts& prompts, DialogRunner* runner = nullptr);
    ~CommRadioDialogs() override;

    /// A write's dialog offers "Verify after writing" and "Back up the radio first", both
    /// remembered in the settings.
    TransferReport Transfer(QWidget* parent, const TransferRequest& request, RadioImage& image) override;
    TransferReport ReadBack(QWidget* parent, const TransferRequest& request, RadioImage& image) override;
    std::optional<TransferReport> TakeReadBack(RadioImage& image) override;
    bool ChoosePort(QWidget* parent) override;
    /// Kept in `Settings.ini` ("VerifyAfterWrite" in section Setting) from one run to the next.
    bool VerifyAfterWrite() const override;
    /// Kept in `Settings.ini` ("BackupBeforeWrite" in section Setting); on until the user turns it off.
    bool BackupBeforeWrite() const override;

    /// Tests: a clock for the link, a port probe.
    void SetClock(Clock* clock) { clock_ = clock; }
    void SetProbe(PortProbe* probe) { probe_ = probe; }
    void SetTracer(FrameTracer* tracer) { tracer_ = tracer; }

private:
    FrameTracer* Tracer();
    /// Keeps a yes/no choice of the write's dialog in the settings.
    void StoreChoice(const char* key, bool on);

    CSettings& settings_;
    UserPrompts& prompts_;
    ExecDialogRunner execRunner_;
    DialogRunner& runner_;
    Clock* clock_ = nullptr;
    PortProbe* probe_ = nullptr;
    FrameTracer* tracer_ = nullptr;
    std::ofstream traceFile_;
    std::unique_ptr<FrameTracer> fileTracer_;
    /// The last write's own read-back, until it is taken.
    std::optional<TransferReport> readBackReport_;
    RadioImage readBackImage_{};
};

} // namespace tav::gui
