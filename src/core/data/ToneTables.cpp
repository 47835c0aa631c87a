#include "core/data/ToneTables.h"

#include "core/data/ToneCodec.h"

#include <algorithm>

namespace tav {

bool IsStandardTone(std::uint16_t value) {
    return std::find(CtcssToneTable.begin(), CtcssToneTable.end(), value) != CtcssToneTable.end();
}

bool IsStandardCode(int digits) {
    return std::find(CdcssCodeTable.begin(), CdcssCodeTable.end(), digits) != CdcssCodeTable.end();
}

std::vector<std::string> CtcssToneTexts(char separator) {
    std::vector<std::string> texts;
    texts.reserve(CtcssToneTable.size());
    for (const std::uint16_t tone : CtcssToneTable) {
        texts.push_back(FormatTone(tone, separator));
    }
    return texts;
}

std::vector<std::string> CdcssCodeTexts() {
    std::vector<std::string> texts;
    texts.reserve(CdcssCodeTable.size());
    for (const std::uint16_t code : CdcssCodeTable) {
        std::string text = std::to_string(code);
        text.insert(0, text.size() < 3 ? 3 - text.size() : 0, '0');
        texts.push_back(std::move(text));
    }
    return texts;
}

std::string DefaultCtcssText(char separator) {
    return FormatTone(CtcssToneTable.front(), separator);
}

} // namespace tav
