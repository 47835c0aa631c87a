#include "gui/app/TavApplication.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/FileCommands.h"
#include "gui/app/HelpHook.h"
#include "gui/app/ShellTexts.h"
#include "gui/app/SimulatedRadioPort.h"
#include "gui/app/SplashWindow.h"

#include <QApplication>
#include <QDir>

namespace tav::gui {

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--home")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("--home needs a folder");
                return options;
            }
            options.home = arguments[++i].toStdString();
        } else if (argument.startsWith(QLatin1String("--home="))) {
            options.home = argument.mid(7).toStdString();
        } else if (argument == QLatin1String("--simulate")) {
            options.simulate = true;
        } else if (argument == QLatin1String("--no-splash")) {
            options.splash = false;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.showUsage = true;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            options.error = QStringLiteral("unknown option %1").arg(argument);
            return options;
        } else if (options.file.isEmpty()) {
            options.file = argument;
        } else {
            options.error = QStringLiteral("only one data file can be opened");
            return options;
        }
    }
    return options;
}

QString StartOptions::Usage() {
    return QStringLiteral("Usage: tavprog [--home DIR] [--simulate] [--no-splash] [DATAFILE]\n"
                          "       tavprog --version\n"
                          "  --home DIR    program folder with the language files and the model list\n"
                          "                (default: TAV_HOME, else the program's own folder, or\n"
                          "                ../share/tav-programmer beside it when installed)\n"
                          "  --simulate    attach a simulated radio as a communication port\n"
                          "  --no-splash   start without the start-up picture\n"
                          "  DATAFILE      a data file to open\n");
}

TavApplication::TavApplication(StartOptions options) : options_(std::move(options)) {}

TavApplication::~TavApplication() {
    if (hook_) {
        qApp->removeEventFilter(hook_.get());
    }
    // The window goes before the data it shows; the simulated radio last.
    frame_.reset();
    hook_.reset();
    context_.reset();
    simulator_.reset();
}

QString TavApplication::SimulatedDevice() const {
    return simulator_ ? QString::fromStdString(simulator_->DevicePath()) : QString();
}

void TavApplication::StartSimulatedRadio() {
    CSettings& settings = context_->Settings();
    // The simulated radio holds the defaults of the current model, as a new radio would.
    CDataContainer radio;
    radio.Context() = context_->Container().Context();
    radio.ClearLists();
    radio.CreateDefaults();
    radio.RadioInfo().SetSerialNumber("SIM-00000001");
    radio.StoreAll();

    SimulatedRadioSpec decl;
    std::copy(radio.image().begin(), radio.image().end(), decl.memory.begin());
    decl.modelId = settings.ModelId();
    decl.modelName = settings.ModelName();
    decl.firmware = Document::kProgramVersion;
    decl.signalling = static_cast<std::uint8_t>(settings.SignalType());
    const auto [low, high] = FreqRangeTable::CurrentRangeLimits(settings.FreqRange());
    decl.lowMHz = low;
    decl.highMHz = high;
    decl.bandFlags = context_->Ranges().CurrentRangeFlags(settings.FreqRange());

    auto simulator = std::make_unique<SimulatedRadioPort>();
    if (const Result started = simulator->Start(decl); !started) {
        context_->Tell(frame_.get(), ShellTexts::kSimulatorFailed, FromLanguage(started.detail()),
                       PromptIcon::Warning, QStringLiteral("The simulated radio could not be started."));
        return;
    }
    simulator_ = std::move(simulator);
    context_->SetRadioDevice(simulator_->DevicePath());
    frame_->Log(FillIn(
        context_->Message(ShellTexts::kSimulatedRadio, QStringLiteral("Simulated radio attached on %s")),
        {SimulatedDevice()}));
}

bool TavApplication::Start() {
    context_ = std::make_unique<AppContext>(ProgramHome::Resolve(options_.home),
                                            makeEffects_ ? makeEffects_() : AppEffects{});
    hook_ = std::make_unique<HelpHook>(context_->Help());
    qApp->installEventFilter(hook_.get());

    frame_ = std::make_unique<CMainFrame>(*context_);
    if (!frame_->Files().New(FileCommands::NewKind::StartUp)) {
        return false;
    }
    // The first editor of a new document is the radio information.
    frame_->OpenEditor(ViewIds::kRadio,
                       context_->ControlText(ViewIds::kRadio, QStringLiteral("Radio Information")));
    if (options_.simulate) {
        StartSimulatedRadio();
    }
    if (!options_.file.isEmpty()) {
        // A file that cannot be opened was told about; the new document stays.
        frame_->Files().OpenPath(QDir::current().absoluteFilePath(options_.file));
    }

    const QString picture =
        QDir(QString::fromStdString(context_->Settings().Home().dir().string()))
            .filePath(QString::fromStdString(CSettings::SplashFileFor(context_->Settings().LanguageIndex())));
    if (options_.splash) {
        auto* splash = new SplashWindow(picture, frame_.get());
        splash->Start();
    } else {
        ShowMaximizedOnScreen(frame_.get());
    }
    return true;
}

} // namespace tav::gui
