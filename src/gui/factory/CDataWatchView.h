#pragma once

#include "core/factory/ImageChangeLog.h"
#include "gui/views/CCustomFormView.h"

#include <QStringList>
#include <memory>

class QListWidget;
class QPlainTextEdit;
class QTableWidget;

namespace tav::gui {

/// The data watch (form 3509): the whole data image as a 513 x 17 hexadecimal grid (a header row
/// and a header column around 512 rows of 16 bytes) and the list of every byte that changed since
/// the view last looked. It compares only when Memory Update asks it to (RefreshFromImage); each
/// changed byte is listed, its cell turns green, and the last change is focused and detailed.
class CDataWatchView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3509;
    static constexpr int kCornerText = 3510;
    static constexpr int kDetailEdit = 3546;
    static constexpr int kMemoryGrid = 3547;
    static constexpr int kClearButton = 3548;
    static constexpr int kChangeList = 3549;
    static constexpr int kRows = 513;
    static constexpr int kColumns = 17;

    CDataWatchView(AppContext& context, EditorHost* host, QWidget* parent = nullptr);
    ~CDataWatchView() override;

    /// Takes the snapshot of the image as the current data makes it, so that the first Memory
    /// Update lists what was edited since the view opened rather than every byte the image had
    /// not yet taken over from the data.
    void OnInitialUpdate() override;
    /// Starts watching from `snapshot`: the log is emptied and the grid shows it.
    void TakeSnapshot(const Image& snapshot);
    /// Memory Update: logs every byte that differs from the snapshot.
    void RefreshFromImage() override;
    /// The Clear button: empties the log and takes the colours back; the snapshot is kept.
    void ClearLog();

    QTableWidget* Grid() const { return grid_; }
    QListWidget* ChangeList() const { return list_; }
    QPlainTextEdit* Detail() const { return detail_; }

protected:
    bool StoresOnDestroy() const override { return false; }

private:
    void SetUpGrid();
    void ShowChange(int index);
    void SelectChangeAt(int row, int column);
    void FocusCell(int row, int column);

    std::unique_ptr<ImageChangeLog> log_;
    QStringList headings_;
    QTableWidget* grid_ = nullptr;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* detail_ = nullptr;
};

} // namespace tav::gui
