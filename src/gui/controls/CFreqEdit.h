#pragma once

#include "gui/controls/FilterEdit.h"
#include "core/data/FreqEntryRules.h"

#include <cstdint>

namespace tav::gui {

/// The frequency edit of the channel editor: megahertz with five decimals, at most 9 characters,
/// digits and the decimal separator. When it loses the focus the typed frequency is moved into
/// the model's range (the owner is told, to show language text 1164) and onto a channel raster;
/// the edit then holds the stored form (BcdFreq) and the step code of what it shows.
class CFreqEdit : public FilterEdit {
    Q_OBJECT
public:
    explicit CFreqEdit(QWidget* parent = nullptr);

    /// The model's range in whole MHz, as all four bounds.
    void SetRange(std::int64_t lowMHz, std::int64_t highMHz);
    void SetRange(const FreqEditRange& range) { range_ = range; }
    const FreqEditRange& Range() const { return range_; }
    /// Whether an empty edit is a valid entry (no frequency); true after construction.
    void SetAllowEmpty(bool allowEmpty) { allowEmpty_ = allowEmpty; }
    bool AllowEmpty() const { return allowEmpty_; }

    /// Shows a stored frequency (kNoFreq: empty).
    void SetBcd(BcdFreq bcd);
    BcdFreq GetBcd() const { return state_.bcd; }
    StepCode GetStepCode() const { return state_.stepCode; }

    char DecimalSeparator() const { return separator_; }
    void SetDecimalSeparator(char separator);

    void Commit() override;

signals:
    /// A typed frequency lay outside the range and was corrected. Sent after the focus change has
    /// finished (queued), so the owner may show the message box at once.
    void OutOfRange(int messageId);

private:
    FreqEditRange range_;
    FreqEditState state_;
    bool allowEmpty_ = true;
    char separator_;
};

} // namespace tav::gui
