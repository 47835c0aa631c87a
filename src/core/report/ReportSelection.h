#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

/// The parts of the configuration a report may hold, in the order it prints them.
enum class ReportItem : std::size_t {
    RadioInfo,
    Channels,
    ScanList,
    Personalities,
    TwoToneSystems,
    TwoToneCalls,
    AlertTones,
    Atis,
    Dos,
    PttId,
    Keys,
    Options,
};

/// Which of the report's twelve parts are printed. Every part is chosen until the user says else.
class ReportSelection {
public:
    static constexpr std::size_t kItemCount = 12;
    /// Control text of the print-selection dialog's caption; the items follow it in order.
    static constexpr int kDialogText = 7210;
    static constexpr int kFirstItemText = 7211;

    bool Has(ReportItem item) const { return chosen_[Index(item)]; }
    void Set(ReportItem item, bool on) { chosen_[Index(item)] = on; }
    void SetAll(bool on) { chosen_.fill(on); }
    bool Any() const;
    /// Only `item` is chosen (an editor's Print button prints its own part).
    static ReportSelection Only(ReportItem item);

    /// The command-line name of an item ("radio-info", "channels", ..., "options").
    static std::string_view Name(ReportItem item);
    static ReportItem ItemAt(std::size_t index) { return static_cast<ReportItem>(index); }
    /// The English name of an item, used when the language file has none.
    static std::string_view Fallback(ReportItem item);
    /// A comma-separated list of names; on a name that is not one of them, nothing and `bad` set.
    static std::optional<ReportSelection> Parse(std::string_view list, std::string& bad);
    /// The part an editor's Print button prints; nothing for an editor outside the report.
    static std::optional<ReportItem> ItemOfView(int viewId);

    bool operator==(const ReportSelection&) const = default;

private:
    static std::size_t Index(ReportItem item) { return static_cast<std::size_t>(item); }
    std::array<bool, kItemCount> chosen_{true, true, true, true, true, true,
                                         true, true, true, true, true, true};
};

} // namespace tav
