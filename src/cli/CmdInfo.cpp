#include "cli/ArgList.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "core/data/CDataFile.h"

#include <cstdio>
#include <ostream>

namespace tav::cli {

const char* const kInfoUsage =
    "Usage: tavctl info FILE\n"
    "\n"
    "Shows a data file's header and comment, one field per line:\n"
    "model-id, model-name, range, firmware, data-version, range-flags, signalling, comment.\n";

ExitCode RunInfo(CliContext& context) {
    ArgList args;
    args.Positional("FILE");
    if (!args.Parse(context.args)) {
        return UsageError(context, "info", args.error(), kInfoUsage);
    }
    if (args.HelpRequested()) {
        context.out << kInfoUsage;
        return ExitCode::Success;
    }
    const std::string path = *args.Get("FILE");
    DataFileContent content;
    if (const DataFileError error = CDataFile::Load(path, content); error != DataFileError::None) {
        CliSession session(context.home);
        return session.Fail(context,
                            Result::Fail(Document::kNotDataFile, path + ": " + DataFileErrorText(error)));
    }
    const DataFileHeader header = DataFileHeader::FromBytes(content.header);
    char flags[8];
    std::snprintf(flags, sizeof flags, "0x%02X", header.rangeFlags);
    context.out << "model-id: " << header.modelId << '\n'
                << "model-name: " << header.modelName << '\n'
                << "range: " << header.RangeText() << '\n'
                << "firmware: " << header.firmware << '\n'
                << "data-version: " << header.dataVersion << '\n'
                << "range-flags: " << flags << '\n'
                << "signalling: " << static_cast<int>(header.signalType) << '\n'
                << "comment: " << content.comment << '\n';
    return ExitCode::Success;
}

} // namespace tav::cli
