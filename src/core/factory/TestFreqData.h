#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"
#include "core/data/FreqCodec.h"
#include "core/util/NumberText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// The text form of the test-frequency table: receive texts of channels 0-15, transmit texts of
/// channels 0-15, receive texts of tuning points 0-4, transmit texts of tuning points 0-4.
using TestFreqTexts = std::array<std::string, 42>;

/// The factory test-frequency table: sixteen test channels and five tuning frequencies, each a
/// receive and a transmit BcdFreq with its StepCode. The frequencies are 32-bit words held (and
/// stored in the image) least significant byte first; 0 is an empty frequency.
class TestFreqData : public FeatureData {
public:
    static constexpr std::size_t kSize = 205;
    static constexpr std::size_t kChannelCount = 16;
    static constexpr std::size_t kTuningCount = 5;
    static constexpr std::size_t kChannelStride = 10;
    static constexpr std::size_t kChannelRxOffset = 0;
    static constexpr std::size_t kChannelTxOffset = 4;
    static constexpr std::size_t kChannelRxStepOffset = 8;
    static constexpr std::size_t kChannelTxStepOffset = 9;
    static constexpr std::size_t kTuningRxOffset = 160;   ///< + 4 × i
    static constexpr std::size_t kTuningTxOffset = 180;   ///< + 4 × i
    static constexpr std::size_t kTuningStepOffset = 200; ///< + i: low nibble receive, high nibble transmit
    static constexpr std::uint32_t kOffsetCount = 15000;  ///< 150 kHz between the default pairs

    static constexpr int kViewId = 4000;
    static constexpr int kChannelGridId = 4010;
    static constexpr int kTuningGridId = 4011;
    static constexpr int kHeaderListId = 4014;

    /// Positions in the text form.
    static constexpr std::size_t ChannelRxText(std::size_t k) { return k; }
    static constexpr std::size_t ChannelTxText(std::size_t k) { return kChannelCount + k; }
    static constexpr std::size_t TuningRxText(std::size_t i) { return 2 * kChannelCount + i; }
    static constexpr std::size_t TuningTxText(std::size_t i) { return 2 * kChannelCount + kTuningCount + i; }

    TestFreqData();

    /// One field per frequency, in the order of the text form (field k holds text k); a field's
    /// value is its text with '.' as the decimal point.
    static const BlockFieldTable<TestFreqTexts>& EditorFields();

    /// Defaults spread over the current frequency range.
    void SetDefaults(const DataContext& context) override;
    void SetRangeDefaults(int lowMHz, int highMHz);
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    TestFreqTexts ToTexts(char separator = kDefaultDecimalSeparator) const;
    /// Each text read as megahertz, truncated to 10 Hz, put on its raster (off-raster values are
    /// rounded down to 12.5 kHz) and stored with its step code; an empty text stores 0 with step
    /// code 0.
    void FromTexts(const TestFreqTexts& texts, char separator = kDefaultDecimalSeparator);

    BcdFreq ChannelRx(std::size_t k) const;
    BcdFreq ChannelTx(std::size_t k) const;
    std::uint8_t ChannelRxStep(std::size_t k) const;
    std::uint8_t ChannelTxStep(std::size_t k) const;
    BcdFreq TuningRx(std::size_t i) const;
    BcdFreq TuningTx(std::size_t i) const;
    std::uint8_t TuningRxStep(std::size_t i) const;
    std::uint8_t TuningTxStep(std::size_t i) const;

    /// Puts a frequency count on its raster and stores it with its step code (0 stays empty).
    void SetChannel(std::size_t k, std::uint32_t rxCount, std::uint32_t txCount);
    void SetTuning(std::size_t i, std::uint32_t rxCount, std::uint32_t txCount);
};

/// A stored test frequency as text: empty for 0 and for 0xFFFFFFFF, otherwise "%.5f" megahertz.
std::string TestFreqText(BcdFreq bcd, char separator = kDefaultDecimalSeparator);

/// A test-frequency text as a count of 10 Hz: the decimal megahertz value truncated (not rounded)
/// to five decimals, read exactly; '.' or `separator` is the decimal point. Empty or unreadable
/// text and negative numbers give 0; values beyond eight digits saturate.
std::uint32_t ParseTestFreqText(std::string_view text, char separator = kDefaultDecimalSeparator);

} // namespace tav
