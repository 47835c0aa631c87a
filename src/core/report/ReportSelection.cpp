#include "core/report/ReportSelection.h"

#include "core/app/ViewTable.h"

#include <algorithm>
#include <utility>

namespace tav {

namespace {

struct ItemNames {
    std::string_view name;
    std::string_view fallback;
};

constexpr std::array<ItemNames, ReportSelection::kItemCount> kNames = {{
    {"radio-info", "Radio Information"},
    {"channels", "Channels"},
    {"scan-list", "Scan List"},
    {"personalities", "Personalities"},
    {"two-tone-systems", "Two-Tone Systems"},
    {"two-tone-calls", "Two-Tone Calls"},
    {"alert-tones", "Alert Tones"},
    {"atis", "ATIS"},
    {"dos", "DOS"},
    {"ptt-id", "PTT-ID"},
    {"keys", "Programmable Keys"},
    {"options", "Options"},
}};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool ReportSelection::Any() const {
    return std::any_of(chosen_.begin(), chosen_.end(), [](bool on) { return on; });
}

ReportSelection ReportSelection::Only(ReportItem item) {
    ReportSelection selection;
    selection.SetAll(false);
    selection.Set(item, true);
    return selection;
}

std::string_view ReportSelection::Name(ReportItem item) {
    return kNames[Index(item)].name;
}

std::string_view ReportSelection::Fallback(ReportItem item) {
    return kNames[Index(item)].fallback;
}

std::optional<ReportSelection> ReportSelection::Parse(std::string_view list, std::string& bad) {
    ReportSelection selection;
    selection.SetAll(false);
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = Trim(list.substr(0, comma));
        const auto found = std::find_if(kNames.begin(), kNames.end(),
                                        [name](const ItemNames& item) { return item.name == name; });
        if (found == kNames.end()) {
            bad = std::string(name);
            return std::nullopt;
        }
        selection.chosen_[static_cast<std::size_t>(found - kNames.begin())] = true;
        if (comma == std::string_view::npos) {
            return selection;
        }
        list.remove_prefix(comma + 1);
    }
}

std::optional<ReportItem> ReportSelection::ItemOfView(int viewId) {
    static constexpr std::pair<int, ReportItem> kViews[] = {
        {ViewIds::kRadio, ReportItem::RadioInfo},
        {ViewIds::kChannel, ReportItem::Channels},
        {ViewIds::kChannelList, ReportItem::Channels},
        {ViewIds::kScan, ReportItem::ScanList},
        {ViewIds::kPersonality, ReportItem::Personalities},
        {ViewIds::kTwoToneSystem, ReportItem::TwoToneSystems},
        {ViewIds::kTwoToneCall, ReportItem::TwoToneCalls},
        {ViewIds::kAlertTone, ReportItem::AlertTones},
        {ViewIds::kAtis, ReportItem::Atis},
        {ViewIds::kDos, ReportItem::Dos},
        {ViewIds::kPttId, ReportItem::PttId},
        {ViewIds::kKeys, ReportItem::Keys},
        {ViewIds::kMisc, ReportItem::Options},
    };
    for (const auto& [view, item] : kViews) {
        if (view == viewId) {
            return item;
        }
    }
    return std::nullopt;
}

} // namespace tav
