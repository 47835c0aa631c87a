#pragma once

#include "gui/controls/NumericRangeEdit.h"

#include <QString>

namespace tav {
class TextLookup;
}

namespace tav::gui {

/// A numeric range edit in which raw value 0 means "off", shown as the language's word for it
/// (language text 1174). When it loses the focus it takes the value back: the off word, an empty
/// text and any number below one step are off; other numbers are snapped down and clamped.
class NumericRangeOffEdit : public NumericRangeEdit {
    Q_OBJECT
public:
    explicit NumericRangeOffEdit(QWidget* parent = nullptr);
    /// Takes the off word from the language.
    NumericRangeOffEdit(const TextLookup& texts, QWidget* parent = nullptr);

    void SetOffText(const QString& offText) { offText_ = offText; }
    const QString& OffText() const { return offText_; }
    bool IsOff() const { return raw_ == 0; }

    void SetRaw(std::int32_t raw) override;
    void Commit() override;

private:
    QString offText_ = QStringLiteral("Off");
};

} // namespace tav::gui
