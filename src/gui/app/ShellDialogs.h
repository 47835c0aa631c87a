#pragma once

#include "core/app/ModelChoice.h"

#include <optional>
#include <string>

class QWidget;

namespace tav::gui {

class AppContext;

/// The settings dialogs and factory functions the main window runs: Model Information, Language,
/// About and the factory commands. The main window asks through this, so tests answer in advance.
class ShellDialogs {
public:
    virtual ~ShellDialogs() = default;
    /// The Model Information dialog; the choice when it was closed with OK.
    virtual std::optional<ModelChoice> ModelInformation(QWidget* parent, AppContext& context) = 0;
    /// The Language dialog; the new language index when another language was chosen.
    virtual std::optional<int> ChooseLanguage(QWidget* parent, AppContext& context) = 0;
    /// The About box.
    virtual void About(QWidget* parent, AppContext& context) = 0;
    /// A factory command (Adjustment, Factory Mode, Write Tune Data); true when it changed the data.
    virtual bool RunFactoryCommand(QWidget* parent, AppContext& context, int commandId) = 0;
};

} // namespace tav::gui
