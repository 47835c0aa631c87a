#include "core/lang/NoteText.h"

namespace tav {

std::string UnescapeNoteText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            char replacement = '\0';
            switch (text[i + 1]) {
            case 'n':
                replacement = '\n';
                break;
            case 't':
                replacement = '\t';
                break;
            case 'b':
                replacement = '\b';
                break;
            case 'r':
                replacement = '\r';
                break;
            default:
                break;
            }
            if (replacement != '\0') {
                result += replacement;
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

} // namespace tav
