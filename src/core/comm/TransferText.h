#pragma once

#include "core/comm/TransferSession.h"

#include <string>
#include <string_view>

namespace tav {

class TextLookup;

/// Puts one number into a language text at its first conversion (%d, %i, %u, %x or %X, with the
/// flags '0', '-' and a width of up to two digits, as printf reads them), and turns "%%" into "%".
/// Every other '%' sequence is kept as it stands: the texts come from a file the user may edit,
/// so they are never handed to printf.
std::string FormatNumberText(std::string_view pattern, long long value);

/// The same for a text inserted at the first "%s".
std::string FormatStringText(std::string_view pattern, std::string_view value);

/// A note text as the note shows it: the two-character sequences "\n", "\t", "\b" and "\r" become
/// a line feed, a tab, a backspace and a carriage return.
std::string ExpandNoteEscapes(std::string_view text);

/// The sentence to show for a transfer report: its language text with the failed block's address
/// (texts 1138 and 1139, "%04X") or the radio's range (text 1142, "%s") put in. Empty when the
/// report names no text; a text missing from the language file reads "message N".
std::string TransferReportText(const TextLookup& texts, const TransferReport& report);

/// After a write that stopped part way: that the radio may be partly written, which addresses
/// hold the new data, which block may hold either and that the rest holds what it held before.
/// Empty when the write never reached the radio's memory.
std::string PartialWriteText(const TextLookup& texts, const TransferReport& report);

} // namespace tav
