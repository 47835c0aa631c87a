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
    std::size_t channel = 0; ///< the channel (1-based) the row names or would fill; 0: none
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

/// The channel list as CSV: a header row of the "No." column and the headings of every field of the
/// channel form, and one row per channel with the values exact (frequencies as stored, so that a
/// frequency on no raster is not moved, and no frequency as an empty cell), so that importing the
/// file again gives the same channels.
std::string ExportChannelCsv(const CDataContainer& container, const TextLookup& texts);

/// Reads channels from CSV by column name (unknown columns are ignored; a column the import reads
/// that the header names twice refuses the file), either in the channel list's own layout or in the
/// common layout with Location, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode,
/// DtcsPolarity, Mode and Power columns. Each row is checked by the channel row check: a value the
/// editors would silently move (off the range or the raster, a tone outside its limits) is refused.
/// Without a number column the rows taken replace the document's channels in order; with the "No."
/// column (or the common layout's 0-based Location) each row goes to the channel it names, the list
/// then ends with the last channel named, and a channel no row names is kept. What the file does not
/// say of an existing channel is kept. Nothing changes when a row is refused unless `skipBad` is
/// set (a refused row then leaves its channel as it was), or when no row is taken at all. Each
/// refusal names the file line and the channel.
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
