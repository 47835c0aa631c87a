#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/OutputTarget.h"
#include "core/csv/ChannelCsv.h"
#include "core/data/CDataFile.h"
#include "core/lang/CachedTextLookup.h"
#include "core/platform/AtomicFile.h"
#include "core/util/PrintableText.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tav::cli {

const char* const kExportCsvUsage =
    "Usage: tavctl export-csv FILE -o OUT.csv\n"
    "\n"
    "Writes the channels of a data file as CSV: a header row of the channel list's column headings,\n"
    "then one row per channel with the values as the channel list shows them. OUT.csv may not be the\n"
    "data file (by any path or link).\n";

const char* const kImportCsvUsage =
    "Usage: tavctl import-csv FILE IN.csv -o OUT [--skip-bad]\n"
    "\n"
    "Replaces the channels of FILE by the rows of IN.csv and saves the result to OUT. Columns are read\n"
    "by name, in the channel list's layout (as export-csv writes it) or in the common layout with\n"
    "Location, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, Mode and\n"
    "Power columns; other columns are ignored, ',' or ';' separates, a UTF-8 BOM is accepted. A\n"
    "column the file lacks (or a column named twice, which is refused) keeps nothing of the file: the\n"
    "channel keeps its own value there. When the file has the No. column (or Location, counted from\n"
    "0) each row goes to the channel it names; otherwise rows are taken in file order. Each row is\n"
    "checked as a row typed into the channel list, and a value the editors would move (off the band,\n"
    "off the raster, a tone outside the standard list's limits) is refused; every refused row is\n"
    "told on stderr as 'row N: Channel C: reason'. When any row is refused nothing is written and\n"
    "the exit status is 1, unless --skip-bad is given, which takes the good rows and leaves a\n"
    "refused row's channel as it was. IN.csv must be a regular file of at most 4 MiB and 65536\n"
    "cells; OUT may be FILE but not IN.csv.\n";

namespace {

std::optional<std::string> OutputOf(const ArgList& args) {
    const auto output = args.Get("-o") ? args.Get("-o") : args.Get("--output");
    return output && !output->empty() ? output : std::nullopt;
}

ExitCode Trouble(CliContext& context, const std::string& message) {
    // A message may quote a path as given, which may hold any byte.
    context.err << "tavctl: " << EscapeControls(message) << '\n';
    return ExitCode::Failure;
}

/// Tells each refused row on stderr as "row N: reason", a block of lines at a time: the error
/// stream writes every insertion at once, which for thousands of rows costs more than the check.
void TellRefusals(CliContext& context, const std::vector<CsvRefusal>& refused) {
    constexpr std::size_t kBlockBytes = 64 * 1024;
    std::string block;
    for (const CsvRefusal& refusal : refused) {
        // A reason quotes the file's cells, which may hold any byte.
        block += "row " + std::to_string(refusal.row) + ": " + EscapeControls(refusal.reason) + '\n';
        if (block.size() >= kBlockBytes) {
            context.err << block;
            block.clear();
        }
    }
    context.err << block;
}

} // namespace

ExitCode RunExportCsv(CliContext& context) {
    ArgList args;
    args.Positional("FILE").Option("-o").Option("--output");
    if (!args.Parse(context.args)) {
        return UsageError(context, "export-csv", args.error(), kExportCsvUsage);
    }
    if (args.HelpRequested()) {
        context.out << kExportCsvUsage;
        return ExitCode::Success;
    }
    const auto output = OutputOf(args);
    if (!output) {
        return UsageError(context, "export-csv", "missing -o OUT.csv", kExportCsvUsage);
    }
    const std::string input = *args.Get("FILE");
    if (const auto refused =
            RefuseOutput(context, "export-csv", kExportCsvUsage, {{input, "the data file"}}, *output)) {
        return *refused;
    }
    DocumentSession session(context.home);
    if (Result opened = session.Doc().Open(input, session.Views()); !opened) {
        return Fail(context, session, opened);
    }
    const CDataContainer& container = session.Container();
    if (Result written =
            WriteFileAtomically(*output, ExportChannelCsv(container, *container.Context().texts));
        !written) {
        return Trouble(context, written.detail());
    }
    return ExitCode::Success;
}

ExitCode RunImportCsv(CliContext& context) {
    ArgList args;
    args.Positional("FILE").Positional("IN.csv").Option("-o").Option("--output").Flag("--skip-bad");
    if (!args.Parse(context.args)) {
        return UsageError(context, "import-csv", args.error(), kImportCsvUsage);
    }
    if (args.HelpRequested()) {
        context.out << kImportCsvUsage;
        return ExitCode::Success;
    }
    const auto output = OutputOf(args);
    if (!output) {
        return UsageError(context, "import-csv", "missing -o OUT", kImportCsvUsage);
    }
    const std::string input = *args.Get("FILE");
    const std::string csvFile = *args.Get("IN.csv");
    // The data file itself may be the output (its channels replaced in place); the CSV file may not.
    if (const auto refused =
            RefuseOutput(context, "import-csv", kImportCsvUsage, {{csvFile, "the CSV file"}}, *output)) {
        return *refused;
    }
    DocumentSession session(context.home);
    if (Result opened = session.Doc().Open(input, session.Views()); !opened) {
        return Fail(context, session, opened);
    }
    const Outcome<std::string> csv = ReadChannelCsvFile(csvFile);
    if (!csv) {
        return Trouble(context, csv.result().detail());
    }
    CDataContainer& container = session.Container();
    // Every row is checked with the same few texts: they are read from the language file once.
    const CachedTextLookup texts(*container.Context().texts);
    const ChannelImportReport report = ImportChannelCsv(*csv, container, texts, args.Has("--skip-bad"));
    TellRefusals(context, report.refused);
    if (!report.applied) {
        return Trouble(context, report.taken == 0
                                    ? "no channel taken; nothing written"
                                    : "rows were refused; nothing written (--skip-bad takes the good ones)");
    }
    std::string comment;
    CDataFile::ReadComment(input, comment);
    if (Result saved = session.Doc().SaveAsWithComment(*output, comment, session.Views()); !saved) {
        return Fail(context, session, saved);
    }
    return ExitCode::Success;
}

} // namespace tav::cli
