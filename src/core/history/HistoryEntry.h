#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

/// What put an image into a radio's history.
enum class HistoryKind {
    Read,        ///< a read of the whole radio (also the read-back of a verify or an audit)
    BeforeWrite, ///< the radio's memory read just before a write: the restore point
    Written,     ///< the image a write sent (with its programming date once the write completed)
};

/// One event of a radio's history: its line in the radio's index and, under `name` + ".dat", the
/// image as a data file with its header.
struct HistoryEntry {
    std::string name; ///< "20240309T140559.123Z-read": the time, then the kind
    std::string time; ///< universal time, "2024-03-09T14:05:59.123Z"
    HistoryKind kind = HistoryKind::Read;
    std::string model;  ///< the model identifier of the image's header
    std::string band;   ///< the header's range, "136-174"
    std::string radio;  ///< the radio's label: its serial number (see RadioLabel)
    std::string file;   ///< the data file read into or written from; empty for none
    std::string port;   ///< the device on which the radio answered
    std::string result; ///< "ok", or how far a write got

    bool operator==(const HistoryEntry&) const = default;
};

/// "read", "before-write", "written".
std::string_view HistoryKindName(HistoryKind kind);
std::optional<HistoryKind> ParseHistoryKind(std::string_view name);

/// How the history names a radio: its serial number; "(no serial)" for a radio whose serial
/// number is empty, "(serial not read)" when a write's radio was never read (no backup was taken).
std::string RadioLabel(const std::optional<std::string>& serial);
inline constexpr std::string_view kNoSerialLabel = "(no serial)";
inline constexpr std::string_view kSerialNotReadLabel = "(serial not read)";

/// The folder of a radio below the history's folder: the label with every byte outside letters,
/// digits, '-', '_' and '.' (and a leading or trailing '.', and the first letter of a name that
/// Windows takes for a device such as COM1 or NUL) written as %XX, so that no serial number can
/// reach outside its folder or name a device; the two labels above stand as they are.
std::string RadioFolderName(std::string_view label);
/// The label back from a folder's name.
std::string RadioLabelOfFolder(std::string_view folder);

/// The universal time of an entry: "2024-03-09T14:05:59.123Z", and as the start of its name,
/// "20240309T140559.123Z".
std::string HistoryTimeText(std::chrono::system_clock::time_point time);
std::string HistoryNameTime(std::chrono::system_clock::time_point time);

} // namespace tav
