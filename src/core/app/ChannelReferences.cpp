#include "core/app/ChannelReferences.h"

#include "core/app/CDataContainer.h"
#include "core/lang/TextLookup.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tav::ChannelReferences {
namespace {

/// Whether a drop-down position names a channel that leaves.
bool Leaves(std::uint32_t position, const Leaving& leaving) {
    return position != ScanMembersUi::kNoSelection && leaving(position);
}

/// The members in use that stay move up, in their order, and the number of entries shrinks to
/// them: the scan list keeps scanning the channels that stay.
void CompactMembers(ScanMembersUi& ui, const Leaving& leaving) {
    const std::size_t inUse = std::min(ScanListData::EnabledMembers(ui.entries), ui.members.size());
    std::vector<std::uint32_t> kept;
    for (std::size_t k = 0; k < inUse; ++k) {
        if (ui.members[k] != ScanMembersUi::kNoSelection && !leaving(ui.members[k])) {
            kept.push_back(ui.members[k]);
        }
    }
    ui.members.fill(ScanMembersUi::kNoSelection);
    std::copy(kept.begin(), kept.end(), ui.members.begin());
    ui.entries = std::to_string(kept.size());
}

void ForgetInScanList(ScanListData& scanList, CDataContainer& container, const Leaving& leaving,
                      const TextLookup& texts) {
    ScanSettingsUi settings;
    ScanMembersUi members;
    scanList.LoadSettings(settings, texts, container);
    scanList.LoadMembers(members, texts, container);
    for (std::uint32_t* position : {&settings.designatedChannel, &settings.priorityChannel}) {
        if (Leaves(*position, leaving)) {
            *position = ScanSettingsUi::kNoSelection;
        }
    }
    CompactMembers(members, leaving);
    scanList.StoreSettings(settings, texts, container);
    scanList.StoreMembers(members, texts, container);
}

} // namespace

void Forget(CDataContainer& container, const Leaving& leaving, const TextLookup& texts) {
    for (auto& scanList : container.ScanLists()) {
        ForgetInScanList(*scanList, container, leaving, texts);
    }
    const auto& channels = container.Channels();
    for (auto& call : container.TwoToneCalls()) {
        const auto position = channels.PositionOf(call->RevertChannelRef());
        if (position && leaving(*position)) {
            call->ForgetRevertChannel();
        }
    }
}

void Follow(CDataContainer& container) {
    for (auto& scanList : container.ScanLists()) {
        scanList->RenumberChannels(container);
    }
    for (auto& call : container.TwoToneCalls()) {
        call->ResolveReferences(container);
    }
}

void Remove(CDataContainer& container, const Leaving& leaving, const TextLookup& texts) {
    Forget(container, leaving, texts);
    auto& channels = container.Channels();
    for (std::size_t position = channels.Count(); position-- > 0;) {
        if (leaving(position)) {
            channels.Remove(position);
        }
    }
    Follow(container);
}

void RemoveAt(CDataContainer& container, std::size_t position, const TextLookup& texts) {
    Remove(
        container, [position](std::size_t at) { return at == position; }, texts);
}

} // namespace tav::ChannelReferences
