#include "core/data/ChannelRowCheck.h"

#include "core/data/ChannelListEdit.h"
#include "core/data/FreqEntryRules.h"
#include "core/data/RecordKind.h"
#include "core/data/ToneEntryRules.h"
#include "core/lang/TextLookup.h"

#include <algorithm>
#include <cctype>

namespace tav {

namespace {

/// Digits a frequency text may carry after its decimal point: one count is 10 Hz.
constexpr std::size_t kFreqDecimals = 5;
/// The longest whole number a position cell holds.
constexpr std::size_t kMaxPositionDigits = 4;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool IsPoint(char c, char separator) {
    return c == '.' || c == separator;
}

/// Digits with at most one decimal point ('.' or `separator`).
bool IsDecimal(const std::string& text, char separator) {
    std::size_t points = 0;
    std::size_t digits = 0;
    for (const char c : text) {
        points += IsPoint(c, separator) ? 1 : 0;
        digits += std::isdigit(static_cast<unsigned char>(c)) ? 1 : 0;
    }
    return digits > 0 && digits + points == text.size() && points <= 1;
}

std::string Dotted(std::string text, char separator) {
    std::replace(text.begin(), text.end(), separator, '.');
    return text;
}

/// True when the text has a digit other than 0 past the fifth decimal, which the editors would
/// round away.
bool FinerThan10Hz(const std::string& text, char separator) {
    const auto point =
        std::find_if(text.begin(), text.end(), [separator](char c) { return IsPoint(c, separator); });
    if (point == text.end() || static_cast<std::size_t>(text.end() - point) <= kFreqDecimals + 1) {
        return false;
    }
    return std::any_of(point + 1 + kFreqDecimals, text.end(), [](char c) { return c != '0'; });
}

std::optional<std::uint32_t> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > kMaxPositionDigits ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(std::stoul(text));
}

ToneType TypeOf(const TextLookup& texts, int listId, const std::string& text) {
    const int value = texts.ListTextToValue(listId, text);
    return value < 0 ? ToneType::None : static_cast<ToneType>(value & 0x03);
}

} // namespace

std::string FillReason(const TextLookup& texts, int id, const char* english,
                       std::initializer_list<std::string> values) {
    std::string format = texts.GetMessageText(id);
    if (format.empty()) {
        format = english;
    }
    std::string text;
    auto next = values.begin();
    for (std::size_t k = 0; k < format.size(); ++k) {
        if (format[k] == '%' && k + 1 < format.size() && format[k + 1] == '%') {
            text += '%';
            ++k;
        } else if (format[k] == '%' && k + 1 < format.size() && format[k + 1] == 's' &&
                   next != values.end()) {
            text += *next++;
            ++k;
        } else {
            text += format[k];
        }
    }
    return text;
}

ChannelRowCheck::ChannelRowCheck(const TextLookup& texts, const DataContext& context,
                                 const RecordDirectory& directory, char separator)
    : texts_(texts), context_(context), directory_(directory), separator_(separator) {}

Outcome<ChannelUi> ChannelRowCheck::Check(const ChannelRowTexts& row, const ChannelUi& current) const {
    ChannelUi values = current;
    // The table lists each tone type before its tones, so a tone is read under the row's type.
    for (const ChannelField& field : ChannelFieldTable()) {
        const std::optional<std::string>& text = row[static_cast<std::size_t>(field.id)];
        if (!text || !Used(field, values)) {
            continue;
        }
        if (Result read = Read(field, *text, values); !read) {
            return read;
        }
    }
    // The editors drop a TX frequency whose channel has no RX frequency.
    if (values.rxFreq == kNoFreq && values.txFreq != kNoFreq) {
        const ChannelField& tx = ChannelFieldOf(ChannelFieldId::TxFreq);
        return Refuse(RowCheckText::kTxWithoutRx, "%s %s needs an RX frequency",
                      {ChannelFieldLabel(tx, texts_), FormatFreq(BcdToFreq(values.txFreq))});
    }
    return values;
}

bool ChannelRowCheck::Used(const ChannelField& field, const ChannelUi& values) const {
    if (!field.toneType) {
        return true;
    }
    const ChannelField& type = ChannelFieldOf(*field.toneType);
    return ChannelFieldUsed(
        field, TypeOf(texts_, type.listId, values.*std::get<std::string ChannelUi::*>(type.slot)));
}

Result ChannelRowCheck::Read(const ChannelField& field, const std::string& text, ChannelUi& values) const {
    switch (field.codec) {
    case ChannelCodec::Frequency:
        return ReadFrequency(field, text, values.*std::get<std::uint32_t ChannelUi::*>(field.slot));
    case ChannelCodec::ToneType:
    case ChannelCodec::ListItem:
        return ReadListItem(field, text, values.*std::get<std::string ChannelUi::*>(field.slot));
    case ChannelCodec::Ctcss:
    case ChannelCodec::Cdcss:
        return ReadTone(field, text, values.*std::get<std::string ChannelUi::*>(field.slot));
    case ChannelCodec::Personality:
    case ChannelCodec::ScanList:
        return ReadPosition(field, text, values.*std::get<std::uint32_t ChannelUi::*>(field.slot));
    case ChannelCodec::Switch:
        return ReadSwitch(field, text, values.*std::get<int ChannelUi::*>(field.slot));
    }
    return Result::Ok();
}

Result ChannelRowCheck::ReadFrequency(const ChannelField& field, const std::string& text,
                                      std::uint32_t& target) const {
    const std::string heading = ChannelFieldLabel(field, texts_);
    if (text.empty()) {
        target = kNoFreq;
        return Result::Ok();
    }
    if (!IsDecimal(text, separator_)) {
        return Refuse(RowCheckText::kNotFrequency, "%s '%s' is not a frequency", {heading, text});
    }
    if (FinerThan10Hz(text, separator_)) {
        return Refuse(RowCheckText::kFinerThan10Hz, "%s '%s' is finer than 10 Hz", {heading, text});
    }
    const std::string dotted = Dotted(text, separator_);
    const std::uint32_t count = ParseFreq(dotted, '.');
    const std::uint32_t low = MHzToCount(context_.rangeLowMHz);
    const std::uint32_t high = MHzToCount(context_.rangeHighMHz);
    if (count < low || count > high) {
        return Refuse(RowCheckText::kOutsideRange, "%s %s is outside %s-%s MHz",
                      {heading, FormatFreq(count), std::to_string(context_.rangeLowMHz),
                       std::to_string(context_.rangeHighMHz)});
    }
    if (CommitFreqCell(dotted, false, low, high, '.').count != count) {
        return Refuse(RowCheckText::kOffRaster, "%s %s is on no channel raster",
                      {heading, FormatFreq(count)});
    }
    target = FreqToBcd(count);
    return Result::Ok();
}

Result ChannelRowCheck::ReadListItem(const ChannelField& field, const std::string& text,
                                     std::string& target) const {
    const int value = texts_.ListTextToValue(field.listId, text);
    if (value < 0) {
        return Refuse(RowCheckText::kNotChoice, "%s '%s' is not one of its choices",
                      {ChannelFieldLabel(field, texts_), text});
    }
    target = texts_.ListValueToText(field.listId, value);
    return Result::Ok();
}

Result ChannelRowCheck::ReadTone(const ChannelField& field, const std::string& text,
                                 std::string& target) const {
    const std::string heading = ChannelFieldLabel(field, texts_);
    if (field.codec == ChannelCodec::Cdcss) {
        if (text.empty() || text.size() > kCdcssEditMaxChars ||
            text.find_first_not_of(kCdcssEditAllowedChars) != std::string::npos) {
            return Refuse(RowCheckText::kNotCode, "%s '%s' is not a code of three octal digits",
                          {heading, text});
        }
        target = std::string(kCdcssEditMaxChars - text.size(), '0') + text;
        return Result::Ok();
    }
    // The tone edit would move a tone outside 40.0-300.0 Hz to the nearer limit; within them it
    // keeps the tenths and drops the rest (69.35 is 69.3).
    const double hertz =
        IsDecimal(text, separator_) ? ReadDecimalNumber(text, separator_).value_or(0.0) : 0.0;
    if (hertz * 10.0 < kCtcssMinValue || hertz * 10.0 > kCtcssMaxValue) {
        return Refuse(RowCheckText::kNotTone, "%s '%s' is not a tone of 40.0-300.0 Hz", {heading, text});
    }
    target = FormatTone(ParseCtcss(text, separator_));
    return Result::Ok();
}

Result ChannelRowCheck::ReadPosition(const ChannelField& field, const std::string& text,
                                     std::uint32_t& target) const {
    if (text.empty()) {
        return Result::Ok();
    }
    const std::string heading = ChannelFieldLabel(field, texts_);
    if (field.codec == ChannelCodec::Personality) {
        const std::size_t count = directory_.Count(RecordKind::Personality);
        const auto number = WholeNumber(text);
        if (!number || *number < 1 || *number > count) {
            return Refuse(RowCheckText::kNoPersonality, "%s '%s' names none of the %s personalities",
                          {heading, text, std::to_string(count)});
        }
        target = *number - 1;
        return Result::Ok();
    }
    const auto number =
        Lower(text) == Lower(NoScanListText(texts_)) ? std::optional<std::uint32_t>(0) : WholeNumber(text);
    if (!number || *number > directory_.Count(RecordKind::ScanList)) {
        return Refuse(RowCheckText::kNoScanList, "%s '%s' names no scan list", {heading, text});
    }
    target = *number;
    return Result::Ok();
}

Result ChannelRowCheck::ReadSwitch(const ChannelField& field, const std::string& text, int& target) const {
    if (text.empty()) {
        return Result::Ok();
    }
    const int value = texts_.ListTextToValue(field.listId, text);
    const auto number = WholeNumber(text);
    if ((value < 0 || value > 1) && (!number || *number > 1)) {
        return Refuse(RowCheckText::kNotChoice, "%s '%s' is not one of its choices",
                      {ChannelFieldLabel(field, texts_), text});
    }
    target = value >= 0 && value <= 1 ? value : static_cast<int>(*number);
    return Result::Ok();
}

Result ChannelRowCheck::Refuse(int id, const char* english, std::initializer_list<std::string> values) const {
    return Result::Fail(id, FillReason(texts_, id, english, values));
}

void StoreChannelValues(ChannelData& channel, const ChannelUi& values, const TextLookup& texts,
                        const DataContext& context, const RecordDirectory& directory) {
    StoreChannelRow(channel, ChannelRow{values, values.autoStartScan}, texts, context);
    ChannelUi misc;
    channel.LoadMisc(misc, directory);
    misc.personalityPosition = values.personalityPosition;
    misc.scanListPosition = values.scanListPosition;
    misc.autoStartScan = values.autoStartScan;
    misc.atis = values.atis;
    channel.StoreMisc(misc, directory);
}

} // namespace tav
