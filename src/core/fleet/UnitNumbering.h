#pragma once

#include "core/fleet/FleetIdentity.h"
#include "core/util/Result.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace tav {

class FileLock;

/// Hands out the unit identities of a fleet, one per radio in the order the radios start: the
/// first values given, then each the next of the one before. With a numbering file the values
/// handed out are kept there, so that the next session (or another program at the same time)
/// goes on after them and never hands out one of them again.
///
/// The file is a few lines of text:
///
///     ; unit identities given to radios; the next radio gets the value after these
///     last-atis=000000000104
///     last-ptt-id=0012
///
/// A value in the file wins over the first value given; a field the file does not hold starts
/// at the first value given. A value is used up as soon as its radio starts, whatever becomes of
/// the write, so two radios never share one.
class UnitNumbering {
public:
    /// A file that is not a numbering file is left as it is; the detail names it.
    static constexpr int kNotNumberingFileMessage = 9764;

    UnitNumbering(FleetIdentity first, std::optional<std::filesystem::path> file);

    /// Whether radios get identities at all.
    bool Active() const { return !first_.Empty() || file_.has_value(); }
    /// Before anything is written: that the file can be read and that `count` more radios (0: not
    /// known) get values inside each field's range.
    Result Check(unsigned count);
    /// The identity of the radio that starts now; the value is used up (the file rewritten
    /// atomically under its lock before this returns).
    Outcome<FleetIdentity> Take();

    /// The file's text for the values last handed out, and back.
    static std::string Format(const FleetIdentity& last);
    static std::optional<FleetIdentity> Parse(const std::string& text);

private:
    /// The identity the next radio gets after `last` (nothing handed out yet: the first values).
    Outcome<FleetIdentity> After(const std::optional<FleetIdentity>& last) const;
    Outcome<std::optional<FleetIdentity>> ReadFile() const;
    /// The values handed out last (nothing yet: none); with a file, read under its lock, which
    /// `lock` then holds.
    Outcome<std::optional<FleetIdentity>> LastGiven(std::unique_ptr<FileLock>& lock) const;

    const FleetIdentity first_;
    const std::optional<std::filesystem::path> file_;
    std::mutex mutex_;
    std::optional<FleetIdentity> last_; ///< without a file: the values handed out last
};

} // namespace tav
