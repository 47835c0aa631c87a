#include "core/app/ViewTable.h"

#include <array>

namespace tav {
namespace {

constexpr std::array<ViewInfo, 17> kViews{{
    {ViewIds::kRadio, "CViewRadio", 0},
    {ViewIds::kKeys, "CViewBtnKey", 0},
    {ViewIds::kMisc, "CViewMis", 0},
    {ViewIds::kPassword, "CViewPassword", 0},
    {ViewIds::kAtis, "CViewAtis", 0},
    {ViewIds::kPttId, "CViewKDS12PTTID", 0},
    {ViewIds::kDos, "CViewDos", 0},
    {ViewIds::kAlertTone, "CViewAlertTone", 8},
    {ViewIds::kChannel, "CViewChannel", 16},
    {ViewIds::kChannelList, "CViewChannelList", 16},
    {ViewIds::kPersonality, "CViewPersonality", 8},
    {ViewIds::kTwoToneSystem, "CViewTToneSystem", 4},
    {ViewIds::kTwoToneCall, "CViewTToneCall", 16},
    {ViewIds::kScan, "CViewScan", 1},
    {ViewIds::kEmbedded, "CViewEmbedded", 0},
    {ViewIds::kTestFreq, "CViewTestFreq", 0},
    {ViewIds::kChangeLog, "CDataWatchView", 0},
}};

} // namespace

std::span<const ViewInfo> ViewTable::Views() {
    return kViews;
}

const ViewInfo* ViewTable::Find(int viewId) {
    for (const ViewInfo& view : kViews) {
        if (view.viewId == viewId) {
            return &view;
        }
    }
    return nullptr;
}

int ViewTable::MapEditorCommand(int commandId) {
    if (commandId == 32806) {
        return ViewIds::kAlertTone;
    }
    if (commandId == 32890 || commandId == 32892) {
        return commandId + 1;
    }
    if (commandId >= 32819 && commandId <= 32884 && commandId != 32858 && commandId != 32864) {
        return commandId + 1;
    }
    return commandId;
}

} // namespace tav
