#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "core/data/CDataFile.h"
#include "core/util/PrintableText.h"

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
    if (Result loaded = CDataFile::Load(path, content); !loaded) {
        DocumentSession session(context.home);
        return Fail(context, session, loaded);
    }
    const DataFileHeader header = DataFileHeader::FromBytes(content.header);
    char flags[8];
    std::snprintf(flags, sizeof flags, "0x%02X", header.rangeFlags);
    // Every text from the file is escaped: it cannot add lines or steer the terminal.
    context.out << "model-id: " << EscapeControls(header.modelId) << '\n'
                << "model-name: " << EscapeControls(header.modelName) << '\n'
                << "range: " << header.RangeText() << '\n'
                << "firmware: " << EscapeControls(header.firmware) << '\n'
                << "data-version: " << EscapeControls(header.dataVersion) << '\n'
                << "range-flags: " << flags << '\n'
                << "signalling: " << static_cast<int>(header.signalType) << '\n'
                << "comment: " << EscapeControls(content.comment) << '\n';
    return ExitCode::Success;
}

} // namespace tav::cli
