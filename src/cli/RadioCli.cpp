#include "cli/RadioCli.h"

#include "cli/CliMessages.h"
#include "cli/EchoOff.h"
#include "cli/RepeatedRadio.h"
#include "core/app/CSettings.h"
#include "core/comm/LinkMessages.h"
#include "core/comm/TransferText.h"
#include "core/compare/RadioVerify.h"
#include "core/history/HistoryEntry.h"
#include "core/util/PrintableText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <istream>
#include <ostream>

namespace tav::cli {
namespace {

constexpr int kPasswordAttempts = 3;
constexpr std::size_t kPasswordDigits = 8;
// Label texts of the transfer's status line.
constexpr int kReadingLabel = 1604;
constexpr int kWritingLabel = 1605;
// What the messages after a stopped write offer to run.
constexpr int kMsgRestoreCommand = 9708;
constexpr int kMsgNoBackupWriteAgain = 9709;
constexpr int kMsgWriteAgainCommand = 9716;

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

} // namespace

RadioCli::RadioCli(CliContext& context, DocumentSession& session, const ArgList& args)
    : context_(context), session_(session), args_(args) {}

RadioCli::~RadioCli() = default;

void RadioCli::DeclareOptions(ArgList& args) {
    args.Option("--port").Option("--device").Option("--password").Flag("--yes").Option("--trace");
}

std::string RadioCli::CheckOptions(const ArgList& args, bool manyRadios) {
    const auto radios = args.GetAll({"--port", "--device"});
    if (manyRadios ? radios.empty() : args.Has("--port") == args.Has("--device") || radios.size() > 1) {
        return manyRadios ? "give --port N or --device PATH, once for each radio"
                          : "give either --port N or --device PATH";
    }
    for (const auto& [name, value] : radios) {
        if (name == "--port" && !PortTable::ParsePortNumber(value)) {
            return "--port takes a port number from 1 to 16 (or COM1 to COM16)";
        }
        if (name == "--device" && value.empty()) {
            return "--device takes the path of a serial device";
        }
    }
    if (const auto password = args.Get("--password");
        password && (password->empty() || !AllDigits(*password) || password->size() > kPasswordDigits)) {
        return "--password takes 1 to 8 digits";
    }
    if (const auto trace = args.Get("--trace"); trace && trace->empty()) {
        return "--trace takes a file name";
    }
    return {};
}

std::string RadioCli::CheckRepeatedRadios(const ArgList& args, const CSettings& settings) {
    const PortTable ports = PortTable::LoadFromSettings(settings.SettingsFile());
    if (const auto repeated = RepeatedRadio(ports).Find(args.GetAll({"--port", "--device"}))) {
        return *repeated + " names a radio given before; give each radio once";
    }
    return {};
}

RadioTarget RadioCli::Target() const {
    RadioTarget target;
    if (const auto device = args_.Get("--device")) {
        target.device = *device;
    }
    if (const auto port = args_.Get("--port")) {
        target.port = PortTable::ParsePortNumber(*port);
    }
    return target;
}

bool RadioCli::OpenTrace() {
    const auto trace = args_.Get("--trace");
    if (!trace) {
        return true;
    }
    std::vector<std::filesystem::path> others;
    for (const char* name : {"-o", "--output", "IN"}) {
        if (const auto file = args_.Get(name)) {
            others.emplace_back(*file);
        }
    }
    if (Result opened = traceFile_.Open(*trace, others); !opened) {
        context_.err << "tavctl: " << opened.detail() << '\n';
        return false;
    }
    tracer_ = std::make_unique<StreamFrameTracer>(traceFile_.Stream());
    return true;
}

bool RadioCli::FinishTrace() {
    if (Result finished = traceFile_.Finish(); !finished) {
        EndProgressLine();
        context_.err << "tavctl: " << finished.detail() << '\n';
        return false;
    }
    return true;
}

RadioCommandUi RadioCli::Ui() {
    RadioCommandUi ui;
    ui.questions.password = [this](int attempt) { return AskPassword(attempt); };
    ui.questions.inform = [this](int messageId) {
        EndProgressLine();
        if (messageId == kMsgPasswordRefused) {
            // The last refusal (without a terminal: the only one) is reported as the failure.
            if (++refusals_ >= kPasswordAttempts || !context_.inputIsTerminal) {
                return;
            }
            context_.err << "tavctl: " << session_.MessageText(messageId) << " (attempt " << refusals_
                         << " of " << kPasswordAttempts << ")\n";
            return;
        }
        context_.err << "tavctl: " << session_.MessageText(messageId) << '\n';
    };
    ui.questions.confirmNote = [this](int messageId) { return ConfirmNote(messageId); };
    ui.askYesNo = [this](const std::string& question) { return AskYesNo(question); };
    ui.events = [this](const TransferEvent& event) { Progress(event); };
    return ui;
}

std::string RadioCli::ReadTerminalLine(bool hidden) {
    std::string line;
    if (hidden) {
        const EchoOff quiet;
        std::getline(context_.in, line);
        context_.err << '\n';
    } else {
        std::getline(context_.in, line);
    }
    return line;
}

std::optional<std::string> RadioCli::AskPassword(int attempt) {
    const auto given = args_.Get("--password");
    if (!context_.inputIsTerminal) {
        // Without a terminal the given password is all there is: once refused, it is not sent
        // again (the same digits cannot become right, and a radio may count the refusals).
        return attempt == 1 ? given : std::nullopt;
    }
    if (attempt == 1 && given) {
        return given;
    }
    EndProgressLine();
    context_.err << "Password of the radio (attempt " << attempt << " of " << kPasswordAttempts
                 << ", empty line to cancel): " << std::flush;
    const std::string line = ReadTerminalLine(true);
    if (!context_.in || line.empty()) {
        return std::nullopt;
    }
    // As the password box does: digits only, at most 8 of them.
    std::string digits;
    for (const char c : line) {
        if (std::isdigit(static_cast<unsigned char>(c)) && digits.size() < kPasswordDigits) {
            digits += c;
        }
    }
    return digits;
}

bool RadioCli::ConfirmNote(int messageId) {
    EndProgressLine();
    context_.err << "Note: " << ExpandNoteEscapes(session_.MessageText(messageId)) << '\n';
    if (args_.Has("--yes")) {
        return true;
    }
    if (!context_.inputIsTerminal) {
        return false;
    }
    context_.err << "Write to the radio now? [y/N] " << std::flush;
    const std::string answer = ReadTerminalLine(false);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

bool RadioCli::AskYesNo(const std::string& question) {
    EndProgressLine();
    const bool yes = args_.Has("--yes");
    context_.err << question << ' ' << (yes ? "Yes (--yes)" : "No (give --yes to answer Yes)") << '\n';
    return yes;
}

void RadioCli::Progress(const TransferEvent& event) {
    if (!context_.errorIsTerminal) {
        return;
    }
    if (event.kind != TransferEvent::Kind::Progress) {
        EndProgressLine();
        return;
    }
    const bool reading = event.messageId == kMsgReadProgress;
    std::string label =
        session_.Settings().Language().GetControlText(reading ? kReadingLabel : kWritingLabel);
    if (label.empty()) {
        label = reading ? "Reading: %d" : "Writing: %d";
    }
    context_.err << '\r' << FormatNumberText(label, event.percent) << '%' << std::flush;
    progressShown_ = true;
}

void RadioCli::EndProgressLine() {
    if (progressShown_) {
        context_.err << '\n';
        progressShown_ = false;
    }
}

ExitCode RadioCli::Fail(const TransferReport& report) {
    EndProgressLine();
    switch (report.status) {
    case TransferStatus::Interrupted:
        context_.err << "tavctl: " << TransferReportText(session_.Settings().Language(), report) << '\n';
        return ExitCode::Interrupted;
    case TransferStatus::PasswordCancelled:
        if (refusals_ > 0) {
            context_.err << "tavctl: " << session_.MessageText(kMsgPasswordRefused) << '\n';
            return ExitCode::Failure;
        }
        context_.err << "tavctl: the radio asks for a password; give it with --password DIGITS\n";
        return ExitCode::Failure;
    case TransferStatus::NoteDeclined:
        context_.err
            << "tavctl: the note was not confirmed, so the radio was not written (give --yes to write)\n";
        return ExitCode::Failure;
    default:
        break;
    }
    context_.err << "tavctl: " << TransferReportText(session_.Settings().Language(), report);
    if (report.status == TransferStatus::IdentityRefused && !report.detail.empty()) {
        context_.err << (report.messageId == kMsgModelRefused ? " (radio model " : " (radio firmware ")
                     << EscapeControls(report.detail) << ")";
    }
    context_.err << '\n';
    if (report.status == TransferStatus::NoRadio || report.status == TransferStatus::PortBusy) {
        // Which ports were tried and why each gave nothing.
        std::size_t start = 0;
        while (start < report.detail.size()) {
            const auto end = report.detail.find('\n', start);
            const std::string line =
                report.detail.substr(start, end == std::string::npos ? end : end - start);
            if (!line.empty()) {
                context_.err << "  " << line << '\n';
            }
            start = end == std::string::npos ? report.detail.size() : end + 1;
        }
    }
    return ExitCode::Failure;
}

ExitCode RadioCli::FailVerify(const std::vector<ConfigDifference>& differences) {
    EndProgressLine();
    for (const ConfigDifference& difference : differences) {
        context_.err << EscapeControls(difference.LineText()) << '\n';
    }
    context_.err << "tavctl: " << session_.MessageText(RadioVerify::kDiffersMessage) << " ("
                 << differences.size() << (differences.size() == 1 ? " difference)\n" : " differences)\n");
    return ExitCode::Failure;
}

void RadioCli::Tell(int messageId) {
    EndProgressLine();
    context_.err << "tavctl: " << session_.MessageText(messageId) << '\n';
}

void RadioCli::TellHistoryProblem(const RadioCommands& commands) {
    if (const std::optional<Result>& problem = commands.HistoryProblem()) {
        EndProgressLine();
        context_.err << "tavctl: "
                     << FormatStringText(session_.MessageText(problem->messageId()),
                                         EscapeControls(problem->detail()))
                     << '\n';
    }
}

void RadioCli::ExplainStoppedWrite(const TransferReport& report, const std::optional<HistoryEntry>& backup,
                                   const std::string& again) {
    if (!report.written.Started()) {
        // A write that failed or was stopped before its first block left the radio as it was.
        if (report.status == TransferStatus::Interrupted ||
            (report.status == TransferStatus::BlockFailed && report.messageId == kMsgWriteFailed)) {
            Tell(kMsgNothingWritten);
        }
        return;
    }
    EndProgressLine();
    context_.err << "tavctl: " << PartialWriteText(session_.Settings().Language(), report) << '\n';
    if (backup) {
        context_.err << "tavctl: " << session_.MessageText(kMsgRestoreCommand) << "\n  " << CommandPrefix()
                     << " history " << ShellWord(backup->radio) << " --restore " << ShellWord(backup->name)
                     << RadioWords(report.connection.device) << '\n';
        context_.err << "tavctl: " << session_.MessageText(kMsgWriteAgainCommand) << "\n  " << again << '\n';
        return;
    }
    context_.err << "tavctl: " << session_.MessageText(kMsgNoBackupWriteAgain) << "\n  " << again << '\n';
}

std::string RadioCli::CommandPrefix() const {
    // The folder tavctl finds without --home, as ProgramHome::Resolve finds it.
    const char* env = std::getenv("TAV_HOME");
    const std::filesystem::path found = env != nullptr && *env != '\0'
                                            ? std::filesystem::absolute(env)
                                            : ProgramHome::SharedFolderFor(ExecutableDir());
    std::error_code ec;
    if (std::filesystem::equivalent(found, context_.home.dir(), ec)) {
        return "tavctl";
    }
    return "tavctl --home " + ShellWord(context_.home.dir().string());
}

std::string RadioCli::RadioWords(const std::string& device) const {
    return " --device " + ShellWord(device) + (args_.Has("--yes") ? " --yes" : "");
}

void RadioCli::Completed(const TransferReport& report) {
    EndProgressLine();
    if (session_.Ranges().OfferWriteFailed()) {
        context_.err << "tavctl: " << session_.MessageText(FreqRangeTable::kRangeNotSavedMessage) << " ("
                     << session_.Settings().Home().UserFile(CSettings::kModelFileName).string() << ")\n";
    }
    if (context_.errorIsTerminal) {
        context_.err << session_.MessageText(report.messageId) << '\n';
    }
}

} // namespace tav::cli
