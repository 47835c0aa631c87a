#pragma once

#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/app/RadioCommands.h"
#include "core/data/ProblemList.h"
#include "core/util/Result.h"

#include <filesystem>

namespace tav {

/// A second document beside the one being edited, to compare it with: its own settings read from
/// the program folder (never written back), data container, range table and problem list. Opening
/// a file or reading a radio into it leaves the edited document, its identity and its windows as
/// they were.
class SideDocument {
public:
    explicit SideDocument(const ProgramHome& home);
    SideDocument(const SideDocument&) = delete;
    SideDocument& operator=(const SideDocument&) = delete;

    CSettings& Settings() { return settings_; }
    CDataContainer& Container() { return container_; }
    const CDataContainer& Container() const { return container_; }

    /// Opens a data file into this document (the checks of Open).
    Result Open(const std::filesystem::path& path);
    /// Read from Radio into this document, through the same steps as the edited document's read;
    /// the new-range question is answered No, so the model list stays as it is.
    TransferReport Read(const TransferRunner& transfer, const RadioTarget& target);

private:
    CSettings settings_;
    CDataContainer container_;
    FreqRangeTable ranges_;
    ProblemList problems_;
    Document document_;
    DocumentViews views_;
};

} // namespace tav
