#include "core/lang/ListText.h"

#include "core/platform/AsciiText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tav::ListText {
namespace {

/// (a * b) / c with the product formed before the truncating division, as the conversions define
/// it; nothing when the product or the quotient does not fit.
std::optional<long long> MulDiv(long long a, long long b, long long c) {
    long long product = 0;
    if (__builtin_mul_overflow(a, b, &product) || c == 0 || (product == LLONG_MIN && c == -1)) {
        return std::nullopt;
    }
    return product / c;
}

std::optional<long long> Add(long long a, long long b) {
    long long sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

std::optional<int> ToInt(long long value) {
    if (value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

/// The number a typed text stands for, read as "%f" reads it (leading blanks, trailing text ignored).
std::optional<double> ScanDouble(std::string_view text) {
    const std::string copy(text);
    char* endPtr = nullptr;
    const double value = std::strtod(copy.c_str(), &endPtr);
    if (endPtr == copy.c_str() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

/// Shown number of a typed text before the divisor: the text times the divisor, the 0.001 absorbing
/// the error of the binary fraction. The magnitude is truncated, so that negative numbers convert
/// as their positive counterparts do.
std::optional<long long> TypedToShown(const NumericRange& range, std::string_view text) {
    if (range.decimals > 0) {
        const auto typed = ScanDouble(text);
        if (!typed) {
            return std::nullopt;
        }
        const double scaled = static_cast<double>(range.divisor) * *typed;
        const double magnitude = std::floor(std::fabs(scaled) + 0.001);
        if (magnitude > 9.0e18) {
            return LLONG_MAX; // far outside any list; the caller's conversion then fails
        }
        const auto whole = static_cast<long long>(magnitude);
        return scaled < 0 ? -whole : whole;
    }
    int typed = 0;
    if (!AsciiText::ScanInt(text, typed)) {
        return std::nullopt;
    }
    return static_cast<long long>(typed) * range.divisor;
}

} // namespace

std::vector<std::string_view> SplitItems(std::string_view listText) {
    std::vector<std::string_view> items;
    while (true) {
        const auto cut = listText.find(';');
        items.push_back(listText.substr(0, cut));
        if (cut == std::string_view::npos) {
            break;
        }
        listText.remove_prefix(cut + 1);
    }
    return items;
}

ItemKind Classify(std::string_view item) {
    const auto dot = item.find('.');
    if (dot != std::string_view::npos && dot > 0) {
        return ItemKind::Value;
    }
    const auto colon = item.find(':');
    if (colon != std::string_view::npos && colon > 0) {
        return ItemKind::Range;
    }
    return ItemKind::Other;
}

std::optional<NumericRange> ParseRange(std::string_view text) {
    int numbers[7] = {};
    for (int i = 0; i < 7; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != ':') {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
        if (!AsciiText::ScanInt(text, numbers[i])) {
            return std::nullopt;
        }
    }
    return NumericRange{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6]};
}

bool IsUsable(const NumericRange& range) {
    return range.divisor != 0 && range.step != 0 && range.decimals <= kMaxDecimals;
}

std::size_t ItemCount(const NumericRange& range) {
    if (!IsUsable(range)) {
        return 0;
    }
    const long long span = static_cast<long long>(range.end) - range.start;
    if ((span > 0 && range.step < 0) || (span < 0 && range.step > 0)) {
        return 0;
    }
    const long long count = span / range.step + 1;
    return count > static_cast<long long>(kMaxItems) ? kMaxItems : static_cast<std::size_t>(count);
}

std::string FormatShown(const NumericRange& range, long long number) {
    char text[64];
    if (range.decimals > 0) {
        std::snprintf(text, sizeof text, "%.*f", range.decimals,
                      static_cast<double>(number) / static_cast<double>(range.divisor));
    } else {
        const long long shown =
            (number == LLONG_MIN && range.divisor == -1) ? number : number / range.divisor;
        std::snprintf(text, sizeof text, "%lld", shown);
    }
    return text;
}

std::optional<ValueItem> ParseValueItem(std::string_view item) {
    if (Classify(item) != ItemKind::Value) {
        return std::nullopt;
    }
    const auto dot = item.find('.');
    return ValueItem{AsciiText::ParseLeadingInt(item.substr(0, dot)), item.substr(dot + 1)};
}

std::vector<ListItem> Items(std::string_view listText) {
    std::vector<ListItem> items;
    for (const auto item : SplitItems(listText)) {
        if (items.size() >= kMaxItems) {
            break;
        }
        switch (Classify(item)) {
        case ItemKind::Value: {
            const auto parsed = ParseValueItem(item);
            items.push_back(ListItem{parsed->value, std::string(parsed->text)});
            break;
        }
        case ItemKind::Range: {
            const auto range = ParseRange(item);
            if (!range) {
                break;
            }
            const std::size_t count = std::min(ItemCount(*range), kMaxItems - items.size());
            for (std::size_t k = 0; k < count; ++k) {
                const long long index = static_cast<long long>(k);
                const auto raw = ToInt(range->first + index * range->increment);
                if (!raw) {
                    break; // raw values beyond the int range stand for nothing the radio stores
                }
                items.push_back(ListItem{*raw, FormatShown(*range, range->start + index * range->step)});
            }
            break;
        }
        case ItemKind::Other:
            break;
        }
    }
    return items;
}

std::vector<ListItem> ValueItems(std::string_view listText) {
    std::vector<ListItem> items;
    for (const auto item : SplitItems(listText)) {
        if (const auto parsed = ParseValueItem(item)) {
            items.push_back(ListItem{parsed->value, std::string(parsed->text)});
        }
    }
    return items;
}

std::vector<std::string> Texts(std::string_view listText) {
    std::vector<std::string> texts;
    for (auto& item : Items(listText)) {
        const auto comma = item.text.find(',');
        if (comma != std::string::npos) {
            item.text.resize(comma);
        }
        texts.push_back(std::move(item.text));
    }
    return texts;
}

std::string ValueToText(std::string_view listText, int value) {
    const long long v = value;
    for (const auto item : SplitItems(listText)) {
        switch (Classify(item)) {
        case ItemKind::Value: {
            const auto parsed = ParseValueItem(item);
            if (parsed->value == value) {
                return std::string(parsed->text);
            }
            break;
        }
        case ItemKind::Range: {
            const auto range = ParseRange(item);
            if (!range || !IsUsable(*range)) {
                break;
            }
            if (range->increment == 0) {
                // Every item has the raw value `first`; the first of them answers.
                if (v == range->first) {
                    return FormatShown(*range, range->start);
                }
                break;
            }
            const auto span =
                MulDiv(static_cast<long long>(range->end) - range->start, range->increment, range->step);
            const auto last = span ? Add(range->first, *span) : std::nullopt;
            if (!last || v < range->first || v > *last) {
                break;
            }
            const auto offset = MulDiv(v - range->first, range->step, range->increment);
            const auto shown = offset ? Add(range->start, *offset) : std::nullopt;
            if (!shown) {
                break;
            }
            return FormatShown(*range, *shown);
        }
        case ItemKind::Other:
            break;
        }
    }
    return {};
}

int TextToValue(std::string_view listText, std::string_view text) {
    for (const auto item : SplitItems(listText)) {
        switch (Classify(item)) {
        case ItemKind::Value: {
            const auto parsed = ParseValueItem(item);
            if (parsed->text == text) {
                return parsed->value;
            }
            break;
        }
        case ItemKind::Range: {
            const auto range = ParseRange(item);
            if (!range || !IsUsable(*range)) {
                break;
            }
            const auto shown = TypedToShown(*range, text);
            if (!shown) {
                break;
            }
            // Any number is converted, also one outside the range; one beyond the int range is not.
            const auto distance = Add(*shown, -static_cast<long long>(range->start));
            const auto offset = distance ? MulDiv(*distance, range->increment, range->step) : std::nullopt;
            const auto sum = offset ? Add(*offset, range->first) : std::nullopt;
            const auto raw = sum ? ToInt(*sum) : std::nullopt;
            return raw ? *raw : -1;
        }
        case ItemKind::Other:
            break;
        }
    }
    return -1;
}

} // namespace tav::ListText
