#pragma once

class QWidget;

namespace tav::gui {

class AppContext;

/// The Program menu's factory commands: Adjustment (the tuning dialog on a radio in tuning mode),
/// Factory Mode (the model data dialog) and Write Tune Data (the tuning block to the radio).
/// True when the command changed the current model's identity or data, so that the main window
/// closes its editors and shows the new identity.
bool RunFactoryCommand(QWidget* mainWindow, AppContext& context, int commandId);

bool RunAdjustment(QWidget* mainWindow, AppContext& context);
bool RunFactoryMode(QWidget* mainWindow, AppContext& context);
bool RunWriteTuneData(QWidget* mainWindow, AppContext& context);

} // namespace tav::gui
