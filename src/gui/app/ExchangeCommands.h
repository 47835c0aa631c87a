#pragma once

#include "core/compare/ConfigCompare.h"
#include "core/util/Result.h"

#include <QPointer>
#include <QString>
#include <filesystem>
#include <vector>

namespace tav {
class CDataContainer;
struct DataFileExtras;
struct ChannelImportReport;
} // namespace tav

namespace tav::gui {

class AppContext;
class CMainFrame;
class CompareWindow;

/// The File menu's commands that exchange data with something beside the edited document:
/// Compare (with another data file or with the radio, read into a document of its own) and the
/// channel list's CSV export and import.
class ExchangeCommands {
public:
    ExchangeCommands(AppContext& context, CMainFrame& frame);

    /// Compares the edited document with a data file chosen in the file dialog and shows the
    /// differences; nullptr when no file was chosen or it could not be opened (the user was told).
    CompareWindow* CompareWithFile();
    /// Compares the edited document with the data file `file` (a history entry), named `name`.
    CompareWindow* CompareWithPath(const std::filesystem::path& file, const QString& name);
    /// Compares two data files (two history entries) with each other; the edited document takes
    /// no part. The window's value columns are headed by their names.
    CompareWindow* CompareFiles(const std::filesystem::path& first, const QString& firstName,
                                const std::filesystem::path& second, const QString& secondName);
    /// Reads the radio in the communication dialog into a document of its own and shows the
    /// differences; nullptr when the read did not complete (the dialog told why).
    CompareWindow* CompareWithRadio();
    /// The compare window shown last, while it is open.
    CompareWindow* Window() const;

    /// Writes the channel list to a CSV file chosen in the file dialog. True when written.
    bool ExportChannels();
    /// Reads channels from a CSV file chosen in the file dialog: shows what was taken and refused,
    /// asks before replacing the channels, and lets the open editors and the tree show the new
    /// list. True when the channels were replaced.
    bool ImportChannels();

private:
    /// The differences between the edited document and a data file opened beside it, the file's
    /// range flags and comment included.
    CompareWindow* ShowDifferences(const CDataContainer& other, const DataFileExtras& otherExtras,
                                   const QString& otherName);
    CompareWindow* ShowList(std::vector<ConfigDifference> differences, const QString& otherName);
    /// Opens the editor of a difference's field through the navigation tree's item of it.
    void OpenDifference(int viewId, int record);
    /// The edited document's data objects and image as its editors hold them now.
    void StoreEdits();
    QString ImportSummary(const ChannelImportReport& report) const;
    /// The channel list as CSV into `file`, which may not be the open data file.
    Result WriteChannels(const std::filesystem::path& file);

    AppContext& context_;
    CMainFrame& frame_;
    QPointer<CompareWindow> window_;
};

} // namespace tav::gui
