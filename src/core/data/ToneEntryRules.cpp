#include "data/ToneEntryRules.h"

#include "data/FreqEntryRules.h"
#include "data/ToneCodec.h"

namespace tav {

std::string CtcssEditAllowedChars(char separator) {
    return FreqEditAllowedChars(separator);
}

std::string CommitCtcssEdit(std::string_view text, char separator) {
    return FormatTone(ParseCtcss(text, separator), separator);
}

} // namespace tav
