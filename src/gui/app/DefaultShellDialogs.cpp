#include "gui/app/DefaultShellDialogs.h"

#include "gui/app/AboutBox.h"
#include "gui/app/AppContext.h"
#include "gui/app/DlgLanguage.h"
#include "gui/app/DlgModelInfo.h"
#include "gui/app/ShellTexts.h"
#include "gui/comm/DialogRunner.h"
#include "gui/factory/FactoryCommands.h"

namespace tav::gui {

std::optional<ModelChoice> RunModelInfoDialog(QWidget* parent, AppContext& context) {
    DlgModelInfo dialog(context.Settings(), parent);
    if (context.Runner().Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}

std::optional<int> RunLanguageDialog(QWidget* parent, AppContext& context) {
    DlgLanguage dialog(context.Settings(), parent);
    if (context.Runner().Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.ChosenLanguage();
}

std::optional<ModelChoice> DefaultShellDialogs::ModelInformation(QWidget* parent, AppContext& context) {
    return RunModelInfoDialog(parent, context);
}

std::optional<int> DefaultShellDialogs::ChooseLanguage(QWidget* parent, AppContext& context) {
    return RunLanguageDialog(parent, context);
}

void DefaultShellDialogs::About(QWidget* parent, AppContext& context) {
    AboutBox box(context, parent);
    context.Runner().Run(box);
}

bool DefaultShellDialogs::RunFactoryCommand(QWidget* parent, AppContext& context, int commandId) {
    return tav::gui::RunFactoryCommand(parent, context, commandId);
}

} // namespace tav::gui
