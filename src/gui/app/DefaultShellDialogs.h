#pragma once

#include "gui/app/ShellDialogs.h"

namespace tav::gui {

/// The settings dialogs as the program shows them: the Model Information and Language dialogs,
/// the About box; the factory commands tell that they are not available in this build.
class DefaultShellDialogs : public ShellDialogs {
public:
    std::optional<ModelChoice> ModelInformation(QWidget* parent, AppContext& context) override;
    std::optional<int> ChooseLanguage(QWidget* parent, AppContext& context) override;
    void About(QWidget* parent, AppContext& context) override;
    bool RunFactoryCommand(QWidget* parent, AppContext& context, int commandId) override;
};

/// Runs the Model Information dialog (dialog 1070) on the current identity.
std::optional<ModelChoice> RunModelInfoDialog(QWidget* parent, AppContext& context);
/// Runs the Language dialog (dialog 1037); the new index when another language was chosen.
std::optional<int> RunLanguageDialog(QWidget* parent, AppContext& context);

} // namespace tav::gui
