#include "core/app/SideDocument.h"

namespace tav {

SideDocument::SideDocument(const ProgramHome& home)
    : settings_(home), document_(settings_, container_, ranges_, problems_) {
    settings_.CancelExitWrite();
}

Result SideDocument::Open(const std::filesystem::path& path) {
    return document_.Open(path, views_);
}

TransferReport SideDocument::Read(const TransferRunner& transfer, const RadioTarget& target) {
    RadioImage received{};
    return RadioCommands(settings_, document_, container_, ranges_, views_)
        .Read(transfer, target, YesNoQuestion(), received);
}

} // namespace tav
