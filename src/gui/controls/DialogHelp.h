#pragma once

#include <functional>

class QWidget;

namespace tav::gui {

/// Opens the help topic `topic` (a dialog or control id) for `window`.
using DialogHelpHandler = std::function<void(QWidget* window, int topic)>;

/// The program's help opens topics through this handler (the application installs it); without
/// one a Help button does nothing.
void SetDialogHelpHandler(DialogHelpHandler handler);
/// Asks for the help topic of a dialog.
void RequestDialogHelp(QWidget* window, int topic);

} // namespace tav::gui
