#include "gui/app/WriteRecovery.h"

#include "core/comm/TransferText.h"
#include "gui/app/AppContext.h"
#include "gui/comm/CDlgPartialWrite.h"
#include "gui/comm/DialogRunner.h"

namespace tav::gui {

WriteRecovery::WriteRecovery(AppContext& context, DocumentViews& views, QWidget* parent,
                             std::function<void(const QString&)> log)
    : context_(context), views_(views), parent_(parent), log_(std::move(log)) {}

RadioCommands WriteRecovery::Commands() {
    return context_.Session().Radio(views_);
}

TransferRunner WriteRecovery::Runner() {
    return [this](const TransferRequest& request, RadioImage& image) {
        return context_.Radio().Transfer(parent_, request, image);
    };
}

RadioTarget WriteRecovery::Target() const {
    // The simulated radio, when one is attached; otherwise the port table from the remembered port.
    return RadioTarget{context_.RadioDevice(), std::nullopt};
}

QString WriteRecovery::OfferText(const TransferReport& report, bool withBackup) const {
    QString text = FromLanguage(TransferReportText(context_.Language(), report));
    const QString partial = FromLanguage(PartialWriteText(context_.Language(), report));
    if (!partial.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + partial;
    }
    const QString todo =
        withBackup
            ? context_.Message(kDoWithBackup, QStringLiteral("Write the data again, or restore the backup "
                                                             "taken just before the write."))
            : context_.Message(kDoWithoutBackup, QStringLiteral("Write the data again."));
    return text + QStringLiteral("\n\n") + todo;
}

void WriteRecovery::TellHistoryProblem(const RadioCommands& commands) {
    if (const std::optional<Result>& problem = commands.HistoryProblem()) {
        const QString text =
            FillIn(context_.Message(problem->messageId(),
                                    QStringLiteral("The radio history could not be saved (%s).")),
                   {FromLanguage(problem->detail())});
        context_.Prompts().Tell(parent_, context_.Title(), text, PromptIcon::Warning);
    }
}

std::optional<TransferReport> WriteRecovery::Offer(const TransferReport& first, const RadioCommands& commands,
                                                   const WriteAttempt& again) {
    // The backup of the first attempt is what the radio held before any of them.
    const std::optional<DataFileContent> backup = commands.LastBackupContent();
    const std::string backupFile =
        commands.LastBackup() ? context_.Session()
                                    .History()
                                    .EntryFile(commands.LastBackup()->radio, commands.LastBackup()->name)
                                    .string()
                              : std::string();
    TransferReport report = first;
    while (!report.ok() && report.written.Started()) {
        CDlgPartialWrite dialog(context_.Title(), OfferText(report, backup.has_value()), backup.has_value(),
                                context_.Language(), parent_);
        const int choice = context_.Runner().Run(dialog);
        RadioCommands next = Commands();
        if (choice == CDlgPartialWrite::kWriteAgain) {
            const std::optional<TransferReport> written = again(next);
            TellHistoryProblem(next);
            if (!written || written->ok()) {
                return written;
            }
            report = *written;
        } else if (choice == CDlgPartialWrite::kRestoreBackup && backup) {
            // The radio is to hold what it held: a backup of its broken state is of no use.
            report = next.Restore(Runner(), Target(), *backup, backupFile, WriteOptions{false, std::nullopt});
            TellHistoryProblem(next);
            if (report.ok() && log_) {
                log_(context_.Message(kRestored,
                                      QStringLiteral("The radio has been restored from its history.")));
            }
        } else {
            break;
        }
    }
    return std::nullopt;
}

TransferReport WriteRecovery::Restore(const DataFileContent& entry, const std::string& file) {
    const WriteOptions options{context_.Radio().BackupBeforeWrite(), std::nullopt};
    const WriteAttempt attempt = [&](RadioCommands& commands) -> std::optional<TransferReport> {
        return commands.Restore(Runner(), Target(), entry, file, options);
    };
    RadioCommands commands = Commands();
    TransferReport report = *attempt(commands);
    TellHistoryProblem(commands);
    if (!report.ok()) {
        const std::optional<TransferReport> again = Offer(report, commands, attempt);
        if (!again) {
            return report;
        }
        report = *again;
    }
    if (log_) {
        log_(context_.Message(kRestored, QStringLiteral("The radio has been restored from its history.")));
    }
    return report;
}

} // namespace tav::gui
