#include "core/data/ToneEntryRules.h"

#include "core/data/FreqEntryRules.h"
#include "core/data/ToneCodec.h"

namespace tav {

std::string CtcssEditAllowedChars(char separator) {
    return FreqEditAllowedChars(separator);
}

std::string CommitCtcssEdit(std::string_view text, char separator) {
    return FormatTone(ParseCtcss(text, separator), separator);
}

} // namespace tav
