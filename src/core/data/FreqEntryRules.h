#pragma once

#include "core/data/FreqCodec.h"
#include "core/data/FreqRaster.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// Language text shown when a typed frequency was moved into the model's range.
inline constexpr int kFreqOutOfRangeText = 1164;

/// The characters a frequency edit lets through: the digits and the decimal separator.
std::string FreqEditAllowedChars(char separator = kDefaultDecimalSeparator);

/// The limits of a frequency edit, in counts. A count between `outerLow` and `low` (or between
/// `high` and `outerHigh`) passes as typed but is reported; beyond the outer bounds it is clamped.
struct FreqEditRange {
    std::uint32_t low = 0;
    std::uint32_t high = kMaxFreqCount;
    std::uint32_t outerLow = 0;
    std::uint32_t outerHigh = kMaxFreqCount;

    bool operator==(const FreqEditRange&) const = default;
};

/// The range of the model, lowMHz to highMHz, as all four bounds (the channel editor's use). A
/// reversed pair is put in order, so that a damaged range never makes the bounds cross.
FreqEditRange MakeFreqEditRange(std::int64_t lowMHz, std::int64_t highMHz);

/// How a count compared with the range.
enum class FreqRangeResult : std::int8_t {
    ClampedToLow = -2,
    BelowButAccepted = -1,
    Inside = 0,
    AboveButAccepted = 1,
    ClampedToHigh = 2,
};

struct FreqRangeCheck {
    std::uint32_t count;
    FreqRangeResult result;

    bool operator==(const FreqRangeCheck&) const = default;
};

FreqRangeCheck CheckFreqRange(std::uint32_t count, const FreqEditRange& range);

/// What a frequency edit keeps and shows. An empty edit keeps kNoFreq and StepCode::None.
struct FreqEditState {
    BcdFreq bcd = kNoFreq;
    StepCode stepCode = StepCode::None;
    std::string text;

    bool operator==(const FreqEditState&) const = default;
};

/// The outcome of a frequency edit losing the focus.
struct FreqEditCommit {
    FreqEditState state;
    FreqRangeResult rangeResult = FreqRangeResult::Inside;

    /// True when the owner must show language text kFreqOutOfRangeText (once per correction).
    bool OutOfRange() const { return rangeResult != FreqRangeResult::Inside; }
};

/// Text typed into a frequency edit to its kept value: empty text (when allowed) is no frequency;
/// otherwise the text is parsed, checked against the range and snapped to a channel raster, and
/// the text becomes the kept frequency with five decimals.
FreqEditCommit CommitFreqEdit(std::string_view text, bool allowEmpty, const FreqEditRange& range,
                              char separator = kDefaultDecimalSeparator);

/// A stored frequency as a frequency edit shows it: kNoFreq is an empty edit; a frequency on no
/// raster is shown (and later stored) rounded down to 12.5 kHz.
FreqEditState ShowFreqEditBcd(BcdFreq bcd, char separator = kDefaultDecimalSeparator);

/// A stored frequency as the editors, the report and the export show it (the edit's text), and
/// what is actually stored where that differs, so that a compare hides nothing: a value on no
/// raster is followed by " (off raster: 137.82581)", one that holds no decimal frequency by
/// " (stored: 1A2B3C4D)". Empty for kNoFreq.
std::string ShownFreqText(BcdFreq bcd, char separator = kDefaultDecimalSeparator);

/// The outcome of a grid frequency cell's in-place edit losing the focus.
struct FreqCellCommit {
    /// GridStepCode::Empty when the cell was left empty.
    GridStepCode code = GridStepCode::Empty;
    std::uint32_t count = 0;
    std::string text;

    bool operator==(const FreqCellCommit&) const = default;
};

/// The grid's rule: empty text (when allowed) stays empty; otherwise parse, clamp silently to
/// [minCount, maxCount] and snap with the grid's rasters (down to 2.5 kHz).
FreqCellCommit CommitFreqCell(std::string_view text, bool allowEmpty, std::uint32_t minCount,
                              std::uint32_t maxCount, char separator = kDefaultDecimalSeparator);

/// Whether the grid's in-place frequency edit types `character`: digits, '.', the locale's
/// separator and backspace; other characters below 32 get the edit's default handling and are
/// not asked about here.
bool FreqCellAcceptsChar(char32_t character, char separator = kDefaultDecimalSeparator);

/// A frequency cell's text for a stored frequency: empty for kNoFreq; a frequency on no raster
/// rounded down to 12.5 kHz.
std::string FreqCellTextFromBcd(BcdFreq bcd, char separator = kDefaultDecimalSeparator);

/// A frequency cell's stored value for its text: kNoFreq for empty text.
BcdFreq FreqCellBcdFromText(std::string_view text, char separator = kDefaultDecimalSeparator);

} // namespace tav
