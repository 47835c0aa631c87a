#pragma once

#include "core/data/ChannelData.h"
#include "core/data/ChannelFields.h"
#include "core/data/ObjectId.h"
#include "gui/views/CCustomFormView.h"

#include <QKeySequence>
#include <QStringList>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;

namespace tav {
class ChannelData;
}

namespace tav::gui {

class CGridCtrl;

/// The channel list (form 3770): every channel as a row of the grid, edited in place. The end of a
/// cell edit stores its row into the channel and shows the row again as stored. Beyond the record
/// bar it inserts, deletes and moves channels (scan list members follow them), undoes and redoes
/// each change, and copies rows to and pastes rows from tab-separated text (a spreadsheet's);
/// rows that cannot be taken are listed with their reason below the grid.
class CViewChannelList : public CCustomFormView, public ChannelGridColumns {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3770;
    static constexpr int kGrid = 3771;
    static constexpr int kInsertButton = 3772;
    static constexpr int kDeleteButton = 3773;
    static constexpr int kMoveUpButton = 3774;
    static constexpr int kMoveDownButton = 3775;
    static constexpr int kUndoButton = 3776;
    static constexpr int kRedoButton = 3777;
    static constexpr int kCopyButton = 3778;
    static constexpr int kPasteButton = 3779;
    static constexpr int kLogLabel = 3792;
    static constexpr int kLog = 3793;
    static constexpr int kNumberHeading = 3794;
    static constexpr int kFindLabel = 3798;

    CViewChannelList(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void LoadView() override;
    /// Stores every row as it stands.
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    std::optional<RecordPosition> Position() const override;

    CGridCtrl* Grid() const { return grid_; }
    QPlainTextEdit* Log() const { return log_; }
    ChannelData* Current() const;
    /// Makes the channel at a 0-based row current (and the grid's current row).
    void SetCurrentRow(int row);

    void InsertChannel();
    void DeleteChannel();
    void MoveChannel(int by);
    /// The document's Undo and Redo (the window's history), after the cell being typed in is taken.
    void Undo();
    void Redo();
    /// Copies the selected rows (the current one when none is selected) as tab-separated text.
    void CopyRows();
    /// Pastes tab-separated rows from the current row on, as one step that Undo takes back.
    void PasteRows();
    /// The rows as tab-separated text, without the clipboard.
    QString RowsText(const std::vector<int>& rows) const;
    /// Pastes tab-separated text from `row` on; returns the number of rows taken.
    int PasteText(const QString& text, int row);
    /// Shows only the rows with a cell holding `text` (any case; all rows when empty); the current
    /// row stays shown. Refilling the grid keeps the filter.
    void Filter(const QString& text);
    /// Makes the next (or previous) cell holding the find text current, among the rows shown.
    bool FindNext(bool backwards = false);
    QLineEdit* FindEdit() const { return find_; }
    /// Sets one column of several channels to one value, as typing into a cell of a selection
    /// within one column does: every row is checked first, one refused value refuses them all
    /// (named with its channel and reason), and it is one step for Undo.
    bool SetColumn(const std::vector<int>& rows, int column, const QString& text);
    /// Sorts the channels by a column's shown values (a heading's click): the channels are
    /// renumbered, what names them follows, and it is one step for Undo. The same column again
    /// sorts the other way.
    void SortBy(int column);

private:
    void SetUpGrid();
    void FillGrid();
    void FillRow(int row);
    void SetToneCells(int row, int typeColumn, const QString& ctcss, const QString& cdcss);
    /// Stores a row at the end of an edit of `column` and shows it again as stored.
    void StoreRow(int row, int column);
    void StoreRowCells(int row, int column);
    void PrepareCell(int row, int column);
    /// After the list changed: scan lists follow, the grid is filled again, the editors are told.
    void ListChanged(NavigateCommand command);
    void MakeButtons();
    void MakeFindBar(QHBoxLayout* row);
    bool RowMatches(int row, const QString& text) const;
    /// The rows of a selection that lies within one column and holds `row`; empty otherwise.
    std::vector<int> ColumnSelection(int row, int column) const;
    void AddRowCommand(const QString& caption, int id, const std::function<void()>& run);
    void Note(const QString& line);

    CGridCtrl* grid_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QLineEdit* find_ = nullptr;
    ObjectId current_ = kNoObject;
    int sortColumn_ = -1;
    bool sortDescending_ = false;
    /// Items of the drop-down columns, read once from the language file: (value, text).
    std::map<int, std::vector<std::pair<int, QString>>> lists_;
    QStringList tones_;
    QStringList codes_;
    /// What the grid's command keys do.
    std::map<QKeySequence::StandardKey, std::function<void()>> keys_;
    bool filling_ = false;
};

} // namespace tav::gui
