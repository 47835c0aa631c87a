#include "app/UnavailableRadioDialogs.h"

#include "app/AppContext.h"
#include "app/ShellTexts.h"

namespace tav::gui {

void UnavailableRadioDialogs::TellNotAvailable(QWidget* parent) {
    context_.Tell(parent, ShellTexts::kNotAvailable, {}, PromptIcon::Information,
                  QStringLiteral("This function is not available in this version of the program."));
}

std::optional<RadioReadResult> UnavailableRadioDialogs::ReadFromRadio(QWidget* parent) {
    TellNotAvailable(parent);
    return std::nullopt;
}

std::optional<FreqRangeRecord> UnavailableRadioDialogs::WriteToRadio(QWidget* parent, Image&) {
    TellNotAvailable(parent);
    return std::nullopt;
}

bool UnavailableRadioDialogs::ChoosePort(QWidget* parent) {
    TellNotAvailable(parent);
    return false;
}

} // namespace tav::gui
