#pragma once

#include "core/app/RadioCommands.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace tav {
class DocumentViews;
}

namespace tav::gui {

class AppContext;

/// What the desktop program does after a write (or a restore) that stopped part way: it tells how
/// far the write got and offers Write Again and, when a backup was taken before the write,
/// Restore Backup, until the radio holds either the new data or the backup, or the user closes the
/// offer. Also tells when the radio history could not keep something.
class WriteRecovery {
public:
    /// One more write with fresh radio commands; nothing when it was refused before anything was
    /// sent (the refusal was told).
    using WriteAttempt = std::function<std::optional<TransferReport>(RadioCommands& commands)>;
    /// Message texts.
    static constexpr int kDoWithBackup = 9706;
    static constexpr int kDoWithoutBackup = 9707;
    static constexpr int kRestored = 9714;

    /// `log` receives the program log's lines.
    WriteRecovery(AppContext& context, DocumentViews& views, QWidget* parent,
                  std::function<void(const QString&)> log = {});

    /// After `report`, a write made with `commands` that failed: while the radio is partly
    /// written, the offer. The report of a write that completed through Write Again; nothing when
    /// the offer was closed, the backup was put back, or the radio was left as it was.
    std::optional<TransferReport> Offer(const TransferReport& report, const RadioCommands& commands,
                                        const WriteAttempt& again);

    /// Writes `entry` (a history entry, kept in `file`) back to the radio in the communication
    /// dialog; a restore that stops part way gets the offer too (Write Again restores it again).
    TransferReport Restore(const DataFileContent& entry, const std::string& file);

    /// Tells the first thing the history of `commands` could not keep.
    void TellHistoryProblem(const RadioCommands& commands);

    /// The sentences of the offer for `report`.
    QString OfferText(const TransferReport& report, bool withBackup) const;

private:
    RadioCommands Commands();
    TransferRunner Runner();
    RadioTarget Target() const;

    AppContext& context_;
    DocumentViews& views_;
    QWidget* parent_;
    std::function<void(const QString&)> log_;
};

} // namespace tav::gui
