#pragma once

#include "cli/ArgList.h"
#include "cli/CliContext.h"
#include "cli/TraceFile.h"
#include "core/app/RadioCommands.h"
#include "core/comm/Clock.h"
#include "core/comm/FrameTracer.h"

#include <memory>
#include <string>

namespace tav {
class CSettings;
class DocumentSession;
} // namespace tav

namespace tav::cli {

/// What `tavctl read` and `tavctl write` share: the options naming the radio, the password and the
/// trace; the answers to the questions the desktop program would ask (No unless --yes; the firmware
/// note and the password may also be answered at a terminal); progress on a terminal; the messages.
class RadioCli {
public:
    RadioCli(CliContext& context, DocumentSession& session, const ArgList& args);
    ~RadioCli();
    RadioCli(const RadioCli&) = delete;
    RadioCli& operator=(const RadioCli&) = delete;

    /// Declares --port, --device, --password, --yes and --trace.
    static void DeclareOptions(ArgList& args);
    /// The usage error in the options (exactly one of --port and --device, or with `manyRadios`
    /// any number of them, at least one; a port 1-16 or COMn, 1 to 8 password digits); empty when
    /// they are fine.
    static std::string CheckOptions(const ArgList& args, bool manyRadios = false);
    /// The usage error of a radio named twice (the same port, path or device, see RepeatedRadio),
    /// naming the repeated option; empty when each radio is named once.
    static std::string CheckRepeatedRadios(const ArgList& args, const CSettings& settings);

    RadioTarget Target() const;
    /// Opens the --trace file; false (the message printed) when it cannot be written or names
    /// the command's input or output file.
    bool OpenTrace();
    /// Flushes the trace; false (the message printed) when some of it could not be written.
    bool FinishTrace();
    FrameTracer* Tracer() { return tracer_.get(); }
    RadioCommandUi Ui();

    /// Prints the differences a verify found on stderr and the sentence saying that the radio
    /// does not hold the data; returns ExitCode::Failure.
    ExitCode FailVerify(const std::vector<ConfigDifference>& differences);

    /// Prints a transfer's failure ("tavctl: " and its sentence, and what explains it);
    /// returns ExitCode::Failure.
    ExitCode Fail(const TransferReport& report);
    /// "tavctl: " and a language text on stderr.
    void Tell(int messageId);
    /// Tells the first thing the radio history could not keep (the operation's outcome stands).
    void TellHistoryProblem(const RadioCommands& commands);
    /// After a write (or restore) that failed or was stopped: whether it changed the radio, which
    /// addresses hold the new data, and the commands that put it right: the restore of `backup`
    /// when a backup was taken, and `again`, the write run anew.
    void ExplainStoppedWrite(const TransferReport& report, const std::optional<HistoryEntry>& backup,
                             const std::string& again);
    /// "tavctl", with "--home DIR" when this program folder is not the one tavctl finds itself.
    std::string CommandPrefix() const;
    /// " --device PATH", and " --yes" when the command was given it: what a command run anew
    /// needs to reach the same radio and confirm the note again.
    std::string RadioWords(const std::string& device) const;

    /// Ends the progress line and, on a terminal, tells that the transfer completed. An accepted
    /// new range that could not be written to the model list is reported here too.
    void Completed(const TransferReport& report);

private:
    std::optional<std::string> AskPassword(int attempt);
    bool ConfirmNote(int messageId);
    bool AskYesNo(const std::string& question);
    void Progress(const TransferEvent& event);
    std::string ReadTerminalLine(bool hidden);
    void EndProgressLine();

    CliContext& context_;
    DocumentSession& session_;
    const ArgList& args_;
    TraceFile traceFile_;
    std::unique_ptr<StreamFrameTracer> tracer_;
    bool progressShown_ = false;
    int refusals_ = 0;
};

/// The commands with their session and clock given (tests use a clock that skips the pauses).
ExitCode RunRead(CliContext& context, DocumentSession& session, Clock& clock);
ExitCode RunWrite(CliContext& context, DocumentSession& session, Clock& clock);
ExitCode RunVerify(CliContext& context, DocumentSession& session, Clock& clock);
ExitCode RunHistory(CliContext& context, DocumentSession& session, Clock& clock);
ExitCode RunAudit(CliContext& context, DocumentSession& session, Clock& clock);

/// An audit's result for one radio: "same", or "N differences: " and the first fields named.
std::string DifferencesText(const std::vector<ConfigDifference>& differences);

} // namespace tav::cli
