#pragma once

#include "core/comm/TransferSession.h"

class QWidget;

namespace tav::gui {

/// The radio commands' dialogs: the communication dialog in which a read or a write runs (with
/// its port search, identity checks, password and firmware note) and the Communication Port
/// dialog. The main window asks through this, so its tests can put a stand-in in place.
class RadioDialogs {
public:
    virtual ~RadioDialogs() = default;
    /// Runs the transfer `request` asks for on `image` in the communication dialog, which also tells
    /// the user how it ended. The report says how; Cancelled when the dialog was closed before
    /// anything was sent.
    virtual TransferReport Transfer(QWidget* parent, const TransferRequest& request, RadioImage& image) = 0;
    /// The read-back after a write ("Verify after writing"): a read in the communication dialog
    /// that starts at once. By default an ordinary transfer.
    virtual TransferReport ReadBack(QWidget* parent, const TransferRequest& request, RadioImage& image) {
        return Transfer(parent, request, image);
    }
    /// The read-back the last write's dialog made itself after a completed write with "Verify after
    /// writing" (one run, one progress): its report, and the radio's contents in `image` when it
    /// completed. Nothing when that dialog read nothing back; the caller then reads back itself.
    virtual std::optional<TransferReport> TakeReadBack(RadioImage& /*image*/) { return std::nullopt; }
    /// Whether the user asked for "Verify after writing" in the last write's dialog.
    virtual bool VerifyAfterWrite() const { return false; }
    /// Whether a write reads the radio first and keeps it as the restore point ("Back up the radio
    /// first" in the write's dialog, which may change it for the write it runs).
    virtual bool BackupBeforeWrite() const { return false; }
    /// The Communication Port dialog; true when a new port was chosen (the settings hold it).
    virtual bool ChoosePort(QWidget* parent) = 0;
};

} // namespace tav::gui
