#pragma once

#include "gui/controls/FilterEdit.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tav::gui {

/// An edit for a string of decimal digits kept two per byte (high nibble first), such as a radio
/// password or an identity code. Only digits can be typed; when the edit loses the focus the text
/// is padded with leading zeros to the field's digit count and packed into its bytes.
class DigitStringEdit : public FilterEdit {
    Q_OBJECT
public:
    explicit DigitStringEdit(QWidget* parent = nullptr);

    /// Shows `digitCount` / 2 bytes of `bytes` (the count is made even, 0 to 64).
    void SetBytes(std::span<const std::uint8_t> bytes, int digitCount);
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    int DigitCount() const { return digits_; }

    void Commit() override;

private:
    int digits_;
    std::vector<std::uint8_t> bytes_;
};

} // namespace tav::gui
