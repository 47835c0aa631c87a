#pragma once

#include "ui/RadioDialogs.h"

namespace tav::gui {

class AppContext;

/// Stands in for the communication dialogs in a build that has none: every radio command tells
/// the user that it is not available and changes nothing.
class UnavailableRadioDialogs : public RadioDialogs {
public:
    explicit UnavailableRadioDialogs(AppContext& context) : context_(context) {}

    std::optional<RadioReadResult> ReadFromRadio(QWidget* parent) override;
    std::optional<FreqRangeRecord> WriteToRadio(QWidget* parent, Image& image) override;
    bool ChoosePort(QWidget* parent) override;

private:
    void TellNotAvailable(QWidget* parent);

    AppContext& context_;
};

} // namespace tav::gui
