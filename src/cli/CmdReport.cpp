#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/OutputTarget.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/WallClock.h"
#include "core/report/ConfigReport.h"
#include "core/report/ReportHtml.h"

#include <algorithm>
#include <cctype>
#include <ostream>

namespace tav::cli {

const char* const kReportUsage =
    "Usage: tavctl report FILE -o OUT.html|OUT.pdf [--sections LIST]\n"
    "\n"
    "Writes the configuration of a data file as a report: radio information, channels, scan list,\n"
    "personalities, two-tone systems and calls, alert tones, ATIS, DOS, PTT-ID, keys and options,\n"
    "with the editors' labels and values (passwords only as set or not set). The output's extension\n"
    "chooses HTML (.html, .htm) or PDF (.pdf). --sections takes a comma-separated list of the parts\n"
    "to print, by default all of them:\n"
    "  radio-info, channels, scan-list, personalities, two-tone-systems, two-tone-calls,\n"
    "  alert-tones, atis, dos, ptt-id, keys, options\n";

namespace {

enum class ReportFormat { Html, Pdf, Unknown };

ReportFormat FormatOf(const std::filesystem::path& output) {
    std::string extension = output.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".html" || extension == ".htm") {
        return ReportFormat::Html;
    }
    return extension == ".pdf" ? ReportFormat::Pdf : ReportFormat::Unknown;
}

ExitCode Trouble(CliContext& context, const std::string& message) {
    context.err << "tavctl: " << message << '\n';
    return ExitCode::Failure;
}

} // namespace

ExitCode RunReport(CliContext& context) {
    ArgList args;
    args.Positional("FILE").Option("-o").Option("--output").Option("--sections");
    if (!args.Parse(context.args)) {
        return UsageError(context, "report", args.error(), kReportUsage);
    }
    if (args.HelpRequested()) {
        context.out << kReportUsage;
        return ExitCode::Success;
    }
    const auto output = args.Get("-o") ? args.Get("-o") : args.Get("--output");
    if (!output || output->empty()) {
        return UsageError(context, "report", "missing -o OUT.html or -o OUT.pdf", kReportUsage);
    }
    const ReportFormat format = FormatOf(*output);
    if (format == ReportFormat::Unknown) {
        return UsageError(context, "report", "the output must end in .html, .htm or .pdf", kReportUsage);
    }
    ReportSelection selection;
    if (const auto sections = args.Get("--sections")) {
        std::string bad;
        const auto parsed = ReportSelection::Parse(*sections, bad);
        if (!parsed) {
            return UsageError(context, "report", "unknown section '" + bad + "'", kReportUsage);
        }
        selection = *parsed;
    }
    const std::string input = *args.Get("FILE");
    if (const auto refused =
            RefuseOutput(context, "report", kReportUsage, {{input, "the data file"}}, *output)) {
        return *refused;
    }
    if (format == ReportFormat::Pdf && !context.pdf) {
        return Trouble(context, "this build of tavctl cannot write PDF; write .html instead");
    }
    DocumentSession session(context.home);
    if (Result opened = session.Doc().Open(input, session.Views()); !opened) {
        return Fail(context, session, opened);
    }
    const CDataContainer& container = session.Container();
    const TextLookup& texts = *container.Context().texts;
    const std::string html = ReportHtml::Write(
        ConfigReport::Build(container, texts, ReportSource::Describe(input, SystemWallClock()), selection));
    std::string bytes = html;
    if (format == ReportFormat::Pdf) {
        const std::optional<std::string> pdf = context.pdf(html);
        if (!pdf) {
            return Trouble(context, *output + ": the PDF could not be made");
        }
        bytes = *pdf;
    }
    if (Result written = WriteFileAtomically(*output, bytes); !written) {
        return Trouble(context, written.detail());
    }
    return ExitCode::Success;
}

} // namespace tav::cli
