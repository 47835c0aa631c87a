#include "gui/grid/CGridCell.h"

#include "core/data/FreqEntryRules.h"
#include "gui/controls/CFreqCellEdit.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/QtText.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/grid/CGridTextEdit.h"

#include <QApplication>
#include <QPalette>

namespace tav::gui {

CGridCell::CGridCell(const QString& text) : QTableWidgetItem(text, kCellType) {
    setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QWidget* CGridCell::Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey) {
    return new CGridTextEdit(grid, row, column, rect, text(), startKey);
}

CGridNoneCell::CGridNoneCell(const QString& text) : CGridCell(text) {
    setFlags(flags() & ~Qt::ItemIsEditable);
    setBackground(QApplication::palette().color(QPalette::Button));
}

std::uint32_t CGridFreqEdit::GetValue() const {
    return FreqCellBcdFromText(ToStd(text()), LocaleDecimalSeparator());
}

void CGridFreqEdit::SetValue(std::uint32_t bcd) {
    setText(ToQt(FreqCellTextFromBcd(bcd, LocaleDecimalSeparator())));
}

QWidget* CGridFreqEdit::Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey) {
    CFreqCellEdit::Setup setup;
    setup.cell = rect;
    setup.row = row;
    setup.column = column;
    setup.initialText = text();
    setup.startKey = startKey;
    setup.minCount = grid.MinCount();
    setup.maxCount = grid.MaxCount();
    setup.allowEmpty = true;
    auto* edit = new CFreqCellEdit(grid.viewport(), setup);
    QObject::connect(edit, &CFreqCellEdit::EditEnded, &grid, &CGridCtrl::EndEdit);
    return edit;
}

QWidget* CGridBCDEditCell::Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey) {
    return new CGridTextEdit(grid, row, column, rect, text(), startKey);
}

} // namespace tav::gui
