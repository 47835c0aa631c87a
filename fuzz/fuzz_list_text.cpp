// The list texts of the language files: splitting, the two kinds of item, the drop-down and
// list-box fills and the conversions between raw values and item texts in both directions.
//
// Input: a typed text, a newline, a raw value in decimal, a newline, then the list text.
#include "FuzzSupport.h"
#include "core/lang/ListText.h"
#include "core/platform/AsciiText.h"

#include <climits>
#include <string>

namespace {

using namespace tav;
namespace LT = tav::ListText;

std::string_view NextLine(std::string_view& text) {
    const auto lf = text.find('\n');
    const auto line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    return line;
}

/// A range whose items and conversions agree exactly: positive step and increment, a divisor
/// that is a power of ten shown with enough decimals (or 1 with whole numbers).
bool ConvertsExactly(const NumericRange& r) {
    if (!LT::IsUsable(r) || r.step <= 0 || r.increment <= 0 || r.end < r.start) {
        return false;
    }
    int digits = 0;
    for (long long d = r.divisor; d > 1; d /= 10) {
        if (d % 10 != 0) {
            return false;
        }
        ++digits;
    }
    return r.divisor >= 1 && r.decimals >= digits && (r.decimals == 0 || digits > 0 || r.divisor == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::AsText(std::span(data, size));
    const std::string typed(NextLine(input));
    int value = 0;
    std::string_view number = NextLine(input);
    if (!AsciiText::ScanInt(number, value)) {
        value = -1;
    }
    const std::string_view list = input;

    const auto pieces = LT::SplitItems(list);
    for (const auto item : pieces) {
        FUZZ_CHECK(item.find(';') == std::string_view::npos);
        if (LT::Classify(item) == LT::ItemKind::Range) {
            if (const auto range = LT::ParseRange(item); range && LT::IsUsable(*range)) {
                FUZZ_CHECK(LT::ItemCount(*range) <= LT::kMaxItems);
                (void)LT::FormatShown(*range, range->start);
            }
        }
    }
    const auto items = LT::Items(list);
    FUZZ_CHECK(items.size() <= LT::kMaxItems);
    const auto texts = LT::Texts(list);
    FUZZ_CHECK(texts.size() == items.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        FUZZ_CHECK(texts[i].find(',') == std::string::npos &&
                   items[i].text.compare(0, texts[i].size(), texts[i]) == 0);
    }
    const auto valueItems = LT::ValueItems(list);
    FUZZ_CHECK(valueItems.size() <= pieces.size());

    (void)LT::ValueToText(list, value);
    (void)LT::TextToValue(list, typed);
    for (std::size_t i = 0; i < items.size() && i < 64; ++i) {
        (void)LT::ValueToText(list, items[i].value);
        (void)LT::TextToValue(list, items[i].text);
    }

    // A list of one range item that converts exactly: every item converts to its text and back.
    if (pieces.size() == 1 && LT::Classify(list) == LT::ItemKind::Range) {
        const auto range = LT::ParseRange(list);
        if (range && ConvertsExactly(*range)) {
            for (std::size_t i = 0; i < items.size() && i < 64; ++i) {
                const std::string text = LT::ValueToText(list, items[i].value);
                FUZZ_CHECK(text == items[i].text);
                FUZZ_CHECK(LT::TextToValue(list, text) == items[i].value);
            }
        }
    }
    return 0;
}
