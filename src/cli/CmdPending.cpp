// Placeholder bodies while the data-file commands are being written.
#include <ostream>

#include "Commands.h"

namespace tav::cli {

const char* const kNewUsage = "Usage: tavctl new -o OUT\n";
const char* const kInfoUsage = "Usage: tavctl info FILE\n";
const char* const kNormalizeUsage = "Usage: tavctl normalize IN -o OUT\n";
const char* const kDiffUsage = "Usage: tavctl diff A B\n";

static ExitCode NotYet(CliContext& c) {
    c.err << "tavctl: not available yet\n";
    return ExitCode::Failure;
}
ExitCode RunNew(CliContext& c) { return NotYet(c); }
ExitCode RunInfo(CliContext& c) { return NotYet(c); }
ExitCode RunNormalize(CliContext& c) { return NotYet(c); }
ExitCode RunDiff(CliContext& c) { return NotYet(c); }

} // namespace tav::cli
