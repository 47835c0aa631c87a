#pragma once

#include "core/app/RadioCommands.h"
#include "core/comm/CSerialPort.h"
#include "core/comm/Clock.h"
#include "core/comm/TransferSession.h"

#include <atomic>

namespace tav {
class DocumentSession;
} // namespace tav

namespace tav::cli {

class RadioCli;

/// What one radio command of tavctl holds while it talks to a radio: the serial port, the
/// transfer session on it (traced as the command's --trace asks, stopped by `stop`), the
/// questions and progress of the command line, and the document's radio commands. The port is
/// closed when the holder goes.
class RadioTransfer {
public:
    RadioTransfer(RadioCli& radio, DocumentSession& session, Clock& clock, const std::atomic<bool>& stop);
    RadioTransfer(const RadioTransfer&) = delete;
    RadioTransfer& operator=(const RadioTransfer&) = delete;

    RadioCommands& Commands() { return commands_; }
    /// Runs a transfer on this thread with the command line's questions and progress.
    TransferRunner Runner() { return RunOnThisThread(session_, ui_); }
    /// The answer to the new-range question.
    const YesNoQuestion& AskYesNo() const { return ui_.askYesNo; }

private:
    CSerialPort port_;
    TransferSession session_;
    const RadioCommandUi ui_;
    RadioCommands commands_;
};

} // namespace tav::cli
