#include "core/fleet/FleetOutcome.h"

namespace tav {

std::string FailureWord(TransferStatus status) {
    switch (status) {
    case TransferStatus::NoRadio:
    case TransferStatus::ModeRefused:
        return "no radio";
    case TransferStatus::PortBusy:
        return "port busy";
    case TransferStatus::IdentityRefused:
    case TransferStatus::RangeRefused:
        return "refused";
    case TransferStatus::PasswordCancelled:
    case TransferStatus::PasswordRefused:
        return "password refused";
    case TransferStatus::NoteDeclined:
        return "note not confirmed";
    case TransferStatus::Interrupted:
        return "interrupted";
    default:
        return "failed";
    }
}

bool FleetOutcome::ok() const {
    return !refused && write.ok() && (!verify || verify->ok()) && differences.empty();
}

std::string FleetOutcome::ResultText() const {
    if (refused) {
        return "not written";
    }
    if (!write.ok()) {
        return FailureWord(write.status);
    }
    if (!verify) {
        return "written";
    }
    if (verify->status == TransferStatus::Interrupted) {
        return "written, read-back interrupted";
    }
    if (!verify->ok()) {
        return "written, read-back " + FailureWord(verify->status);
    }
    if (!differences.empty()) {
        const std::size_t count = differences.size();
        return "written, not verified: " + std::to_string(count) +
               (count == 1 ? " difference" : " differences");
    }
    return "written and verified";
}

} // namespace tav
