#pragma once

#include "core/history/HistoryEntry.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QListWidget;
class QPushButton;
class QTableWidget;

namespace tav::gui {

class AppContext;
class CMainFrame;

/// Program > Radio History: the radios the history holds, by serial number, and the entries of
/// the one chosen (time, kind, model, band, file, port, result), newest first. An entry opens as
/// the document, is compared with the document or with a second entry (the compare window), or is
/// written back to the radio with the checks of any write.
class RadioHistoryWindow : public QDialog {
    Q_OBJECT
public:
    /// Columns of the entries.
    enum Column { kTime, kKind, kModel, kBand, kFile, kPort, kResult, kColumnCount };
    /// Texts of the window.
    static constexpr int kTitle = 9735;
    static constexpr int kRadiosLabel = 9736;
    static constexpr int kEntriesLabel = 9737;
    static constexpr int kFirstHeading = 9738;
    static constexpr int kOpenText = 9745;
    static constexpr int kCompareEntriesText = 9746;
    static constexpr int kCompareDocumentText = 9747;
    static constexpr int kRestoreText = 9748;
    static constexpr int kCloseText = 9749;
    static constexpr int kFirstKindText = 9750;
    static constexpr int kEntryName = 9753; ///< "history entry %s"
    static constexpr int kRestoreQuestion = 9715;

    RadioHistoryWindow(AppContext& context, CMainFrame& frame);

    QListWidget* Radios() const { return radios_; }
    QTableWidget* Entries() const { return entries_; }
    QPushButton* OpenButton() const { return open_; }
    QPushButton* CompareEntriesButton() const { return compareEntries_; }
    QPushButton* CompareDocumentButton() const { return compareDocument_; }
    QPushButton* RestoreButton() const { return restore_; }

    /// Reads the history again, keeping the radio shown.
    void Refresh();
    /// Shows the entries of a radio; false when the history holds no such radio.
    bool ShowRadio(const QString& radio);
    /// The entries selected in the table, in the table's order.
    std::vector<HistoryEntry> SelectedEntries() const;

    /// The buttons' commands on the selection.
    void OpenSelected();
    void CompareSelectedEntries();
    void CompareWithDocument();
    void RestoreSelected();

private:
    void FillEntries();
    void UpdateButtons();
    QPushButton* AddButton(int textId, const char* fallback);
    QString EntryName(const HistoryEntry& entry) const;
    std::filesystem::path FileOf(const HistoryEntry& entry) const;

    AppContext& context_;
    CMainFrame& frame_;
    QString radio_;
    std::vector<HistoryEntry> shown_;
    QListWidget* radios_ = nullptr;
    QTableWidget* entries_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* compareEntries_ = nullptr;
    QPushButton* compareDocument_ = nullptr;
    QPushButton* restore_ = nullptr;
};

} // namespace tav::gui
