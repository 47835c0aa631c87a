#pragma once

#include <QString>

namespace tav::gui {

class AppContext;
class CMainFrame;

/// The File menu's commands on the document: New, Open, Open recent, Save and Save As, with
/// their questions, messages, the window title and the recent-file list.
class FileCommands {
public:
    FileCommands(AppContext& context, CMainFrame& frame);

    /// Why a new document is made.
    enum class NewKind {
        Command, ///< the New command: asks first, empties the problem list
        StartUp, ///< the first document of the run: asks nothing
        Replace  ///< a model or language change: asks nothing, keeps the problem list
    };

    /// New. False when the user cancelled or the range table could not be had (the program
    /// must then end, see Fatal).
    bool New(NewKind kind);
    /// Open through the file dialog.
    bool Open();
    /// Opens a file named on the command line or dropped on the window.
    bool OpenPath(const QString& path);
    /// Opens a recent-file entry (commands 57616-57619).
    bool OpenRecent(int commandId);
    /// Save (Save As when the document has no file yet). True when the data was written.
    bool Save();
    /// Save As through the file dialog. True when the data was written.
    bool SaveAs();

    /// The one question before the data is replaced (New, Open, Open recent, a dropped file): with
    /// changes not saved yet, Yes saves them first, No discards them and Cancel keeps the data.
    /// True when the data may be replaced.
    bool MayReplaceData();

    /// Whether the last New failed for want of the range table (the program must end).
    bool Fatal() const { return fatal_; }

private:
    bool OpenChecked(const QString& path);
    void Opened(const QString& path, bool addToRecent);

    AppContext& context_;
    CMainFrame& frame_;
    bool fatal_ = false;
};

} // namespace tav::gui
