#pragma once

#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/app/RadioCommands.h"
#include "core/data/DataFileExtras.h"
#include "core/data/ProblemList.h"
#include "core/history/RadioHistory.h"
#include "core/util/Result.h"

#include <filesystem>
#include <string>

namespace tav {

class CLanguage;

/// Everything one document needs, held together: the settings read from the program folder (with
/// the language), the data container, the model's frequency-range table, the problem list and the
/// document that opens, saves, reads and writes them. The desktop program edits one; tavctl's
/// commands and the compare's second document each have their own.
class DocumentSession {
public:
    /// Whether the settings go back to `Settings.ini` when the session ends: the desktop program's
    /// own document keeps what the user chose; a tool or a side document leaves the file alone.
    enum class SettingsOnExit { Write, Discard };

    /// The radio history goes into `historyFolder`, its entries named by `clock`'s time.
    explicit DocumentSession(ProgramHome home, SettingsOnExit onExit = SettingsOnExit::Discard,
                             const HistoryFolder& historyFolder = SystemHistoryFolder::Instance(),
                             const UtcClock& clock = SystemUtcClock::Instance());
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    CSettings& Settings() { return settings_; }
    const CSettings& Settings() const { return settings_; }
    CLanguage& Language();
    const CLanguage& Language() const;
    CDataContainer& Container() { return container_; }
    const CDataContainer& Container() const { return container_; }
    FreqRangeTable& Ranges() { return ranges_; }
    ProblemList& Problems() { return problems_; }
    const ProblemList& Problems() const { return problems_; }
    Document& Doc() { return document_; }
    /// The windows of a session that has none: every notice is ignored.
    DocumentViews& Views() { return views_; }

    /// Every radio's history, keeping as many entries per radio as `Settings.ini` asks.
    RadioHistory& History();

    /// Read from Radio, Write to Radio and Verify for this document, its changes shown in `views`
    /// (which must outlive the commands); every read and write joins the history.
    RadioCommands Radio(DocumentViews& views);
    /// The same for a session without windows.
    RadioCommands Radio() { return Radio(views_); }

    /// Opens a data file into this document (every check of Open).
    Result Open(const std::filesystem::path& path);
    /// Read from Radio into this document with the new-range question answered No, so that the
    /// model list stays as it is (the compare's side document).
    TransferReport ReadKeepingRanges(const TransferRunner& transfer, const RadioTarget& target);

    /// What a save of this document writes beside the image: the range flags of its frequency
    /// range and the comment its file holds (a save keeps that comment).
    DataFileExtras SaveExtras() const;

    /// The language text of a message, or its built-in English wording.
    std::string MessageText(int messageId) const;

private:
    CSettings settings_;
    CDataContainer container_;
    FreqRangeTable ranges_;
    ProblemList problems_;
    Document document_;
    DocumentViews views_;
    RadioHistory history_;
};

} // namespace tav
