#pragma once

#include "core/util/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

class CDataContainer;
class TextLookup;

/// A row of a channel CSV that was not taken, and why. Rows count as the file's lines: the header
/// is row 1, and blank lines count too.
struct CsvRefusal {
    std::size_t row = 0;
    std::string reason;
};

/// What an import did.
struct ChannelImportReport {
    std::size_t taken = 0;
    std::vector<CsvRefusal> refused;
    bool applied = false; ///< the document's channels were replaced
};

/// The channel list as its grid shows it: the column headings (the number column first) and one
/// row of cell texts per channel.
struct ChannelListTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

ChannelListTable ChannelListCells(const CDataContainer& container, const TextLookup& texts);

/// The channel list as CSV: a header row of the channel list's column headings and one row per
/// channel with the values as the list shows them.
std::string ExportChannelCsv(const CDataContainer& container, const TextLookup& texts);

/// Reads channels from CSV by column name (unknown columns are ignored), either in the channel
/// list's own layout or in the common layout with Location, Frequency, Duplex, Offset, Tone,
/// rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, Mode and Power columns. Each row is checked as a
/// row typed into the channel list would be, and more strictly: a value the list would silently
/// move (off the range or the raster) is refused. The rows taken replace the document's channels
/// in order, keeping what the file does not say of an existing channel; nothing changes when a row
/// is refused unless `skipBad` is set, or when no row is taken at all.
ChannelImportReport ImportChannelCsv(std::string_view text, CDataContainer& container,
                                     const TextLookup& texts, bool skipBad);

/// What ImportChannelCsv would take and refuse, by the same checks, without changing the channels
/// (so that the user can be asked first).
ChannelImportReport CheckChannelCsv(std::string_view text, CDataContainer& container,
                                    const TextLookup& texts);

/// Reads a CSV file of channels whole. Only a regular file is read: a FIFO, a device or a folder,
/// a file that cannot be read, or one far larger than any channel list (in bytes or in cells)
/// fails at once (never waiting for a writer) with message 9490 and "<path>: <reason>" as detail.
Outcome<std::string> ReadChannelCsvFile(const std::filesystem::path& path);

} // namespace tav
