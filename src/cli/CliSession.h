#pragma once

#include "cli/CliContext.h"
#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/data/ProblemList.h"
#include "core/util/Result.h"

#include <memory>
#include <string>

namespace tav::cli {

/// The program's document objects for one command: settings read from the program directory
/// (never written back: a command leaves the user's settings as they were), the data container,
/// the range table, the problem list and the document.
class CliSession {
public:
    explicit CliSession(const ProgramHome& home);

    CSettings& settings() { return settings_; }
    CDataContainer& container() { return container_; }
    FreqRangeTable& ranges() { return ranges_; }
    ProblemList& problems() { return problems_; }
    Document& document() { return document_; }
    DocumentViews& views() { return views_; }

    /// "tavctl: <language message>" (and the detail) on stderr; returns ExitCode::Failure.
    ExitCode Fail(CliContext& context, const Result& result) const;
    /// The language text of a message, or its built-in English wording.
    std::string MessageText(int messageId) const;

private:
    CSettings settings_;
    CDataContainer container_;
    FreqRangeTable ranges_;
    ProblemList problems_;
    Document document_;
    DocumentViews views_;
};

/// Prints a usage error and the command's usage; returns ExitCode::Usage.
ExitCode UsageError(CliContext& context, const std::string& command, const std::string& error,
                    const char* usage);

} // namespace tav::cli
