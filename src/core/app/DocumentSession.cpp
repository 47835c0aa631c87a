#include "core/app/DocumentSession.h"

#include "core/lang/BuiltInMessages.h"
#include "core/lang/CLanguage.h"

namespace tav {

DocumentSession::DocumentSession(ProgramHome home, SettingsOnExit onExit, const HistoryFolder& historyFolder,
                                 const UtcClock& clock)
    : settings_(std::move(home)),
      problems_([this](int controlId) { return settings_.Language().IsControlDisabled(controlId) != 0; }),
      document_(settings_, container_, ranges_, problems_), history_(historyFolder, clock) {
    if (onExit == SettingsOnExit::Discard) {
        settings_.CancelExitWrite();
    }
}

CLanguage& DocumentSession::Language() {
    return settings_.Language();
}

const CLanguage& DocumentSession::Language() const {
    return settings_.Language();
}

RadioHistory& DocumentSession::History() {
    // The setting may have changed since the last look.
    history_.SetKeep(RadioHistory::KeepFromSettings(settings_.SettingsFile()));
    return history_;
}

RadioCommands DocumentSession::Radio(DocumentViews& views) {
    return RadioCommands(settings_, document_, container_, ranges_, views, &History());
}

Result DocumentSession::Open(const std::filesystem::path& path) {
    return document_.Open(path, views_);
}

TransferReport DocumentSession::ReadKeepingRanges(const TransferRunner& transfer, const RadioTarget& target) {
    RadioImage received{};
    return Radio().Read(transfer, target, YesNoQuestion(), received);
}

DataFileExtras DocumentSession::SaveExtras() const {
    DataFileExtras extras;
    extras.rangeFlags = ranges_.CurrentRangeFlags(settings_.FreqRange());
    if (!document_.Path().empty()) {
        extras.comment = DataFileExtras::Read(document_.Path()).comment;
    }
    return extras;
}

std::string DocumentSession::MessageText(int messageId) const {
    std::string text = settings_.Language().GetMessageText(messageId);
    if (text.empty()) {
        text = BuiltInMessageText(messageId);
    }
    return text;
}

} // namespace tav
