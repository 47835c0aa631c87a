#pragma once

#include "gui/app/AppContext.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tav::gui {

class CMainFrame;
class HelpHook;
class SimulatedRadioPort;

/// How the program was started.
struct StartOptions {
    /// The program directory (--home DIR); else TAV_HOME, else the executable's folder.
    std::optional<std::string> home;
    /// Attach a simulated radio in place of the communication port (--simulate).
    bool simulate = false;
    /// Show the start-up picture (--no-splash turns it off).
    bool splash = true;
    /// A data file to open after start-up.
    QString file;
    bool showUsage = false;
    /// What could not be understood on the command line (empty when all was).
    QString error;

    static StartOptions Parse(const QStringList& arguments);
    static QString Usage();
};

/// The application object: builds the shared context and the main window, makes the first
/// document, opens a file named on the command line, and shows the start-up picture.
class TavApplication : public QObject {
    Q_OBJECT
public:
    explicit TavApplication(StartOptions options);
    ~TavApplication() override;

    /// Makes the outside effects the shared context is built with (tests give their stand-ins
    /// here); without it the context uses the real ones.
    void SetEffects(std::function<AppEffects()> make) { makeEffects_ = std::move(make); }

    /// The start-up sequence; false when the program cannot run (it then ends).
    bool Start();

    AppContext& Context() const { return *context_; }
    CMainFrame* MainFrame() const { return frame_.get(); }
    /// The simulated radio's device, empty when none runs.
    QString SimulatedDevice() const;

private:
    /// Starts a simulated radio of the current model on a pseudo-terminal and makes the radio
    /// commands use it instead of the communication port. Tells the user when it cannot start.
    void StartSimulatedRadio();

    StartOptions options_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<HelpHook> hook_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<SimulatedRadioPort> simulator_;
    std::function<AppEffects()> makeEffects_;
};

} // namespace tav::gui
