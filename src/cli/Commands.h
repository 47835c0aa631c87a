#pragma once

#include "cli/CliContext.h"

namespace tav::cli {

// Each command lives in its own source file.
ExitCode RunNew(CliContext& context);
ExitCode RunInfo(CliContext& context);
ExitCode RunNormalize(CliContext& context);
ExitCode RunDiff(CliContext& context);

extern const char* const kNewUsage;
extern const char* const kInfoUsage;
extern const char* const kNormalizeUsage;
extern const char* const kDiffUsage;
ExitCode RunCompare(CliContext& context);
extern const char* const kCompareUsage;
ExitCode RunExportCsv(CliContext& context);
ExitCode RunImportCsv(CliContext& context);
extern const char* const kExportCsvUsage;
extern const char* const kImportCsvUsage;

ExitCode RunReport(CliContext& context);
extern const char* const kReportUsage;

ExitCode RunSimulate(CliContext& context);
extern const char* const kSimulateUsage;

ExitCode RunRead(CliContext& context);
ExitCode RunWrite(CliContext& context);
ExitCode RunVerify(CliContext& context);
extern const char* const kReadUsage;
extern const char* const kWriteUsage;
extern const char* const kVerifyUsage;
ExitCode RunHistory(CliContext& context);
ExitCode RunAudit(CliContext& context);
extern const char* const kHistoryUsage;
extern const char* const kAuditUsage;

} // namespace tav::cli
