#include "app/DefaultShellDialogs.h"

#include "app/AboutBox.h"
#include "app/AppContext.h"
#include "app/ShellTexts.h"

namespace tav::gui {
namespace {

void TellNotAvailable(QWidget* parent, AppContext& context) {
    context.Tell(parent, ShellTexts::kNotAvailable, {}, PromptIcon::Information,
                 QStringLiteral("This function is not available in this version of the program."));
}

} // namespace

std::optional<ModelChoice> RunModelInfoDialog(QWidget* parent, AppContext& context) {
    // The Model Information dialog is not part of this build yet.
    TellNotAvailable(parent, context);
    return std::nullopt;
}

std::optional<int> RunLanguageDialog(QWidget* parent, AppContext& context) {
    // The Language dialog is not part of this build yet.
    TellNotAvailable(parent, context);
    return std::nullopt;
}

std::optional<ModelChoice> DefaultShellDialogs::ModelInformation(QWidget* parent, AppContext& context) {
    return RunModelInfoDialog(parent, context);
}

std::optional<int> DefaultShellDialogs::ChooseLanguage(QWidget* parent, AppContext& context) {
    return RunLanguageDialog(parent, context);
}

void DefaultShellDialogs::About(QWidget* parent, AppContext& context) {
    AboutBox box(context, parent);
    box.exec();
}

bool DefaultShellDialogs::RunFactoryCommand(QWidget* parent, AppContext& context, int) {
    TellNotAvailable(parent, context);
    return false;
}

} // namespace tav::gui
