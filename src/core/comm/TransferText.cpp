#include "core/comm/TransferText.h"

#include "core/comm/LinkMessages.h"
#include "core/lang/BuiltInMessages.h"
#include "core/lang/TextLookup.h"

#include <cstdio>

namespace tav {
namespace {

/// One conversion as read from a text: "%" flags width conversion.
struct Conversion {
    std::size_t length = 0; ///< characters from the '%' to the conversion letter, both included
    bool zeroPad = false;
    bool leftAlign = false;
    int width = 0;
    char letter = 0;
};

/// Reads the conversion starting at `at` (a '%'); a length of 0 when none can be read.
Conversion ReadConversion(std::string_view text, std::size_t at) {
    Conversion c;
    std::size_t i = at + 1;
    while (i < text.size() && (text[i] == '0' || text[i] == '-')) {
        (text[i] == '0' ? c.zeroPad : c.leftAlign) = true;
        ++i;
    }
    for (int digits = 0; i < text.size() && digits < 2 && text[i] >= '0' && text[i] <= '9'; ++digits, ++i) {
        c.width = c.width * 10 + (text[i] - '0');
    }
    if (i < text.size()) {
        c.letter = text[i];
        c.length = i - at + 1;
    }
    return c;
}

std::string Pad(std::string text, const Conversion& c) {
    const std::size_t width = static_cast<std::size_t>(c.width);
    if (text.size() >= width) {
        return text;
    }
    const std::size_t fill = width - text.size();
    if (c.leftAlign) {
        return text + std::string(fill, ' ');
    }
    if (c.zeroPad && !text.empty() && text[0] == '-') {
        return "-" + std::string(fill, '0') + text.substr(1);
    }
    return std::string(fill, c.zeroPad ? '0' : ' ') + text;
}

std::string NumberAs(long long value, char letter) {
    char digits[32];
    switch (letter) {
    case 'x':
        std::snprintf(digits, sizeof digits, "%llx", static_cast<unsigned long long>(value));
        break;
    case 'X':
        std::snprintf(digits, sizeof digits, "%llX", static_cast<unsigned long long>(value));
        break;
    case 'u':
        std::snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(value));
        break;
    default:
        std::snprintf(digits, sizeof digits, "%lld", value);
        break;
    }
    return digits;
}

/// Copies `pattern`, replacing "%%" and the first conversion that `accepts` takes by `insert`.
template <class Accepts, class Insert>
std::string Substitute(std::string_view pattern, Accepts accepts, Insert insert) {
    std::string out;
    bool done = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        const Conversion c = ReadConversion(pattern, i);
        if (!done && c.length > 0 && accepts(c.letter)) {
            out += Pad(insert(c.letter), c);
            done = true;
            i += c.length - 1;
            continue;
        }
        out += '%';
    }
    return out;
}

} // namespace

std::string FormatNumberText(std::string_view pattern, long long value) {
    return Substitute(
        pattern,
        [](char letter) {
            return letter == 'd' || letter == 'i' || letter == 'u' || letter == 'x' || letter == 'X';
        },
        [value](char letter) { return NumberAs(value, letter); });
}

std::string FormatStringText(std::string_view pattern, std::string_view value) {
    return Substitute(
        pattern, [](char letter) { return letter == 's'; }, [value](char) { return std::string(value); });
}

std::string ExpandNoteEscapes(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char replaced = next == 'n'   ? '\n'
                                  : next == 't' ? '\t'
                                  : next == 'b' ? '\b'
                                  : next == 'r' ? '\r'
                                                : 0;
            if (replaced != 0) {
                out += replaced;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

namespace {

std::string MessageOrBuiltIn(const TextLookup& texts, int messageId) {
    std::string text = texts.GetMessageText(messageId);
    return text.empty() ? BuiltInMessageText(messageId) : text;
}

} // namespace

std::string PartialWriteText(const TextLookup& texts, const TransferReport& report) {
    const WrittenRanges& written = report.written;
    if (!written.Started()) {
        return {};
    }
    std::string text = MessageOrBuiltIn(texts, kMsgMayBePartial);
    if (!written.NewData().empty()) {
        text += ' ' + FormatStringText(MessageOrBuiltIn(texts, kMsgNewDataAt), written.NewDataText());
    }
    if (written.Unsure()) {
        text += ' ' + FormatStringText(MessageOrBuiltIn(texts, kMsgUnsureBlock), written.Unsure()->Text());
    }
    return text + ' ' + MessageOrBuiltIn(texts, kMsgRestHoldsOld);
}

std::string TransferReportText(const TextLookup& texts, const TransferReport& report) {
    if (report.messageId == 0) {
        return {};
    }
    std::string text = texts.GetMessageText(report.messageId);
    if (text.empty()) {
        text = BuiltInMessageText(report.messageId);
    }
    switch (report.messageId) {
    case kMsgReadFailed:
    case kMsgWriteFailed:
    case kMsgBackupFailed:
        // The window shows the low 16 bits of the address.
        return FormatNumberText(text, report.failedAddress & 0xFFFF);
    case kMsgRangeOutsideRadio:
    case kMsgBandNotValid:
        return FormatStringText(text, report.detail);
    default:
        return text;
    }
}

} // namespace tav
