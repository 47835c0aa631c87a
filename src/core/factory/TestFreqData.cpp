#include "core/factory/TestFreqData.h"

#include "core/data/FreqRaster.h"
#include "core/data/ImageMap.h"
#include "core/factory/FactoryCodecs.h"
#include "core/lang/NoTextLookup.h"

#include <algorithm>
#include <deque>
#include <iterator>

namespace tav {

static_assert(TestFreqData::kSize == ImageMap::kTestFreqsSize);
static_assert(TestFreqData::kTuningStepOffset + TestFreqData::kTuningCount == TestFreqData::kSize);

namespace {

constexpr int kDecimals = 5;

std::uint32_t ReadLe32(std::span<const std::uint8_t> b, std::size_t o) {
    return std::uint32_t{b[o]} | (std::uint32_t{b[o + 1]} << 8) | (std::uint32_t{b[o + 2]} << 16) |
           (std::uint32_t{b[o + 3]} << 24);
}

void WriteLe32(std::span<std::uint8_t> b, std::size_t o, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) {
        b[o + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

/// A count on its raster: the BcdFreq and the step code to store; 0 is empty (0, code 0).
struct Stored {
    BcdFreq bcd = 0;
    std::uint8_t step = 0;
};

Stored Classify(std::uint32_t count) {
    if (count == 0) {
        return {};
    }
    const StepClass step = ClassifyStep(count);
    return {FreqToBcd(step.count), static_cast<std::uint8_t>(step.code)};
}

/// A count from whole megahertz plus an offset, kept within what eight digits hold.
std::uint32_t Count(std::int64_t mhz, std::int64_t offset) {
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(mhz * kCountsPerMHz + offset, 0, static_cast<std::int64_t>(kMaxFreqCount)));
}

/// The text form's entry at `index`.
BlockSlot<TestFreqTexts> TextSlot(std::size_t index) {
    return {[index](const TestFreqTexts& texts) { return BlockValue(texts[index]); },
            [index](TestFreqTexts& texts, const BlockValue& value) {
                texts[index] = std::get<std::string>(value);
            }};
}

BlockField<TestFreqTexts> FreqField(std::string key, std::string label, std::size_t index, FieldBytes at,
                                    FieldBytes step) {
    // The table is built once and lives as long as the program: its keys and labels with it.
    static std::deque<std::string> names;
    names.push_back(std::move(key));
    const char* keyText = names.back().c_str();
    names.push_back(std::move(label));
    const char* labelText = names.back().c_str();
    return BlockRow<TestFreqTexts>(keyText, 0, labelText, BlockCodec::Rule, 0, TextSlot(index))
        .At(at)
        .AlsoIn(step)
        .WithRule(kTestFreqRule);
}

/// `from` with each decimal separator turned to `to`.
std::string WithSeparator(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

} // namespace

const BlockFieldTable<TestFreqTexts>& TestFreqData::EditorFields() {
    static const BlockFieldTable<TestFreqTexts> table = [] {
        BlockFieldTable<TestFreqTexts> rows;
        for (const bool transmit : {false, true}) {
            const std::string dir = transmit ? "_tx" : "_rx";
            const std::string heading = transmit ? " TX Frequency[MHz]" : " RX Frequency[MHz]";
            for (std::size_t k = 0; k < kChannelCount; ++k) {
                const std::size_t at = kChannelStride * k;
                const std::string n = std::to_string(k + 1);
                const std::size_t freq = at + (transmit ? kChannelTxOffset : kChannelRxOffset);
                const std::size_t step = at + (transmit ? kChannelTxStepOffset : kChannelRxStepOffset);
                rows.push_back(FreqField("channel_" + n + dir, "Channel " + n + heading,
                                         transmit ? ChannelTxText(k) : ChannelRxText(k), {freq, 4},
                                         StepCodeAt(step)));
            }
        }
        for (const bool transmit : {false, true}) {
            const std::string dir = transmit ? "_tx" : "_rx";
            const std::string heading = transmit ? " TX Frequency[MHz]" : " RX Frequency[MHz]";
            for (std::size_t i = 0; i < kTuningCount; ++i) {
                const std::string n = std::to_string(i + 1);
                const std::size_t freq = (transmit ? kTuningTxOffset : kTuningRxOffset) + 4 * i;
                // Both step codes of a tuning frequency share a byte: receive low, transmit high.
                const std::uint8_t nibble = transmit ? 0xF0 : 0x0F;
                rows.push_back(FreqField("tuning_" + n + dir, "Tuning Frequency " + n + heading,
                                         transmit ? TuningTxText(i) : TuningRxText(i), {freq, 4},
                                         StepCodeAt(kTuningStepOffset + i, nibble)));
            }
        }
        return rows;
    }();
    return table;
}

TestFreqData::TestFreqData() : FeatureData(kSize) {}

void TestFreqData::SetDefaults(const DataContext& context) {
    SetRangeDefaults(context.rangeLowMHz, context.rangeHighMHz);
}

void TestFreqData::SetRangeDefaults(int lowMHz, int highMHz) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0);
    const std::int64_t l = lowMHz;
    const std::int64_t h = highMHz;
    const std::int64_t d = (l + h) / 2;
    const std::int64_t e = (l + d) / 2;
    const std::int64_t f = (l + e) / 2;
    const std::int64_t g = (d + e) / 2;
    const std::int64_t k = (h + d) / 2;
    const std::int64_t i = (d + k) / 2;
    const std::int64_t m = (h + k) / 2;
    constexpr std::int64_t up = kOffsetCount;
    constexpr std::int64_t down = -static_cast<std::int64_t>(kOffsetCount);

    struct Pair {
        std::int64_t mhz;
        std::int64_t rxOffset;
    };
    const Pair channels[] = {{l, up}, {f, up},   {e, down}, {g, down}, {d, up},
                             {i, up}, {k, down}, {m, down}, {h, down}};
    for (std::size_t c = 0; c < std::size(channels); ++c) {
        SetChannel(c, Count(channels[c].mhz, channels[c].rxOffset), Count(channels[c].mhz, 0));
    }
    const Pair tuning[] = {{l, up}, {e, up}, {d, up}, {k, up}, {h, down}};
    for (std::size_t t = 0; t < std::size(tuning); ++t) {
        SetTuning(t, Count(tuning[t].mhz, tuning[t].rxOffset), Count(tuning[t].mhz, 0));
    }
}

void TestFreqData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kTestFreqs, Bytes());
}

void TestFreqData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kTestFreqs, Bytes());
}

BcdFreq TestFreqData::ChannelRx(std::size_t k) const {
    return ReadLe32(Bytes(), kChannelStride * k + kChannelRxOffset);
}
BcdFreq TestFreqData::ChannelTx(std::size_t k) const {
    return ReadLe32(Bytes(), kChannelStride * k + kChannelTxOffset);
}
std::uint8_t TestFreqData::ChannelRxStep(std::size_t k) const {
    return Bytes()[kChannelStride * k + kChannelRxStepOffset];
}
std::uint8_t TestFreqData::ChannelTxStep(std::size_t k) const {
    return Bytes()[kChannelStride * k + kChannelTxStepOffset];
}
BcdFreq TestFreqData::TuningRx(std::size_t i) const {
    return ReadLe32(Bytes(), kTuningRxOffset + 4 * i);
}
BcdFreq TestFreqData::TuningTx(std::size_t i) const {
    return ReadLe32(Bytes(), kTuningTxOffset + 4 * i);
}
std::uint8_t TestFreqData::TuningRxStep(std::size_t i) const {
    return Bytes()[kTuningStepOffset + i] & 0x0F;
}
std::uint8_t TestFreqData::TuningTxStep(std::size_t i) const {
    return Bytes()[kTuningStepOffset + i] >> 4;
}

void TestFreqData::SetChannel(std::size_t k, std::uint32_t rxCount, std::uint32_t txCount) {
    auto bytes = Bytes();
    const Stored rx = Classify(rxCount);
    const Stored tx = Classify(txCount);
    WriteLe32(bytes, kChannelStride * k + kChannelRxOffset, rx.bcd);
    WriteLe32(bytes, kChannelStride * k + kChannelTxOffset, tx.bcd);
    bytes[kChannelStride * k + kChannelRxStepOffset] = rx.step;
    bytes[kChannelStride * k + kChannelTxStepOffset] = tx.step;
}

void TestFreqData::SetTuning(std::size_t i, std::uint32_t rxCount, std::uint32_t txCount) {
    auto bytes = Bytes();
    const Stored rx = Classify(rxCount);
    const Stored tx = Classify(txCount);
    WriteLe32(bytes, kTuningRxOffset + 4 * i, rx.bcd);
    WriteLe32(bytes, kTuningTxOffset + 4 * i, tx.bcd);
    bytes[kTuningStepOffset + i] = static_cast<std::uint8_t>((rx.step & 0x0F) | (tx.step << 4));
}

TestFreqTexts TestFreqData::ToTexts(char separator) const {
    TestFreqTexts texts;
    LoadBlockFields(EditorFields(), Bytes(), texts, NoTextLookup::Instance());
    for (std::string& text : texts) {
        text = WithSeparator(std::move(text), '.', separator);
    }
    return texts;
}

void TestFreqData::FromTexts(const TestFreqTexts& texts, char separator) {
    TestFreqTexts stored;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        stored[k] = WithSeparator(texts[k], separator, '.');
    }
    StoreBlockFields(EditorFields(), stored, Bytes(), NoTextLookup::Instance());
}

std::string TestFreqText(BcdFreq bcd, char separator) {
    if (bcd == 0 || bcd == kNoFreq) {
        return {};
    }
    return FormatFreq(BcdToFreq(bcd), separator);
}

std::uint32_t ParseTestFreqText(std::string_view text, char separator) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    // Whole megahertz, then up to five decimals; further decimals are cut off.
    std::uint64_t whole = 0;
    bool any = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        whole = std::min<std::uint64_t>(whole * 10 + static_cast<unsigned>(text[i] - '0'), kMaxFreqCount);
        any = true;
    }
    std::uint64_t fraction = 0;
    int decimals = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == separator)) {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            any = true;
            if (decimals < kDecimals) {
                fraction = fraction * 10 + static_cast<unsigned>(text[i] - '0');
                ++decimals;
            }
        }
    }
    if (!any) {
        return 0;
    }
    for (; decimals < kDecimals; ++decimals) {
        fraction *= 10;
    }
    const std::uint64_t count = whole * kCountsPerMHz + fraction;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(count, kMaxFreqCount));
}

} // namespace tav
