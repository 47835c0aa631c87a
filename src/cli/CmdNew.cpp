#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "core/app/CModelList.h"
#include "core/app/FreqRangeTable.h"
#include "core/platform/FileAccess.h"
#include "core/util/NumberText.h"
#include "core/util/RangeText.h"

#include <ostream>

namespace tav::cli {

const char* const kNewUsage =
    "Usage: tavctl new -o OUT [--model-id ID] [--model-name NAME] [--range LOW-HIGH] [--signal N]\n"
    "                  [--comment TEXT]\n"
    "\n"
    "Makes a data file as the New command does: the built-in defaults of the model, then the\n"
    "model's default data file if there is one; saved as Save As saves. The identity is read from\n"
    "Settings.ini; the options override it. A model name alone finds its identifier in Model.dat.\n"
    "\n"
    "  -o, --output OUT      the data file to write\n"
    "  --model-id ID         model identifier\n"
    "  --model-name NAME     model name\n"
    "  --range LOW-HIGH      frequency range in whole MHz, e.g. 136-174\n"
    "  --signal N            signalling type\n"
    "  --comment TEXT        the file's comment\n";

namespace {

/// A range as the option takes it: exactly "LOW-HIGH" in whole MHz, the lower limit first.
bool ParseRangeOption(const std::string& text, int& low, int& high) {
    const auto range = ParseRange(text);
    if (!range || FormatRange(range->first, range->second) != text) {
        return false;
    }
    low = range->first;
    high = range->second;
    return low > 0 && high > low && high < 1000;
}

/// A whole decimal number, nothing after it.
bool ParseInt(const std::string& text, int& value) {
    std::size_t consumed = 0;
    const auto number = ReadDecimalInteger(text, &consumed);
    if (!number || consumed != text.size()) {
        return false;
    }
    value = SaturateToInt32(*number);
    return true;
}

/// The identity the options give, over the one of the settings. A model named without a range
/// gets its first range from the model list unless the current range is one of its own.
void TakeIdentity(const ArgList& args, int low, int high, int signal, CSettings& settings) {
    if (const auto name = args.Get("--model-name")) {
        settings.SetModelName(*name);
        if (!args.Has("--model-id")) {
            CModelList models(settings.ModelFile(), settings.ModelId());
            if (std::string id = models.FindModelId(*name); !id.empty()) {
                settings.SetModelId(id);
            }
        }
    }
    if (const auto id = args.Get("--model-id")) {
        settings.SetModelId(*id);
    }
    if (args.Has("--range")) {
        settings.SetFreqRange(FormatRange(low, high));
    } else if (args.Has("--model-name") || args.Has("--model-id")) {
        const CModelList models(settings.ModelFile(), settings.ModelId());
        const auto [currentLow, currentHigh] = FreqRangeTable::CurrentRangeLimits(settings.FreqRange());
        FreqRangeRecord first;
        if (!models.HasRange(currentLow, currentHigh) && models.GetRange(0, first)) {
            settings.SetFreqRange(FormatRange(first.low, first.high));
        }
    }
    if (args.Has("--signal")) {
        settings.SetSignalType(signal);
    }
}

} // namespace

ExitCode RunNew(CliContext& context) {
    ArgList args;
    args.Option("-o").Option("--output").Option("--model-id").Option("--model-name").Option("--range");
    args.Option("--signal").Option("--comment");
    if (!args.Parse(context.args)) {
        return UsageError(context, "new", args.error(), kNewUsage);
    }
    if (args.HelpRequested()) {
        context.out << kNewUsage;
        return ExitCode::Success;
    }
    const auto output = args.Get("-o") ? args.Get("-o") : args.Get("--output");
    if (!output || output->empty()) {
        return UsageError(context, "new", "missing -o OUT", kNewUsage);
    }
    int low = 0;
    int high = 0;
    if (const auto range = args.Get("--range"); range && !ParseRangeOption(*range, low, high)) {
        return UsageError(context, "new", "--range takes LOW-HIGH in whole MHz, e.g. 136-174", kNewUsage);
    }
    int signal = 0;
    if (const auto text = args.Get("--signal");
        text && (!ParseInt(*text, signal) || signal < 0 || signal > 255)) {
        return UsageError(context, "new", "--signal takes a number from 0 to 255", kNewUsage);
    }

    DocumentSession session(context.home);
    if (Result writable = CheckSaveTarget(*output); !writable) {
        return Fail(context, session, writable);
    }
    CSettings& settings = session.Settings();
    TakeIdentity(args, low, high, signal, settings);
    if (!session.Doc().IsAcceptedModel(settings.ModelId())) {
        return Fail(context, session,
                    Result::Fail(Document::kModelNotListed, "model identifier '" + settings.ModelId() + "'"));
    }
    Document& document = session.Doc();
    if (Result made = document.New(session.Views()); !made) {
        return Fail(context, session, made);
    }
    if (Result saved = document.SaveAs(*output, args.GetOr("--comment", ""), session.Views()); !saved) {
        return Fail(context, session, saved);
    }
    return ExitCode::Success;
}

} // namespace tav::cli
