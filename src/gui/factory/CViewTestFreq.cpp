#include "gui/factory/CViewTestFreq.h"

#include "gui/app/AppContext.h"
#include "gui/controls/CellMarks.h"
#include "gui/factory/FieldNames.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace tav::gui {
namespace {

constexpr int kChannelLabel = 4012;
constexpr int kTuningLabel = 4013;
constexpr int kRxColumn = 1;
constexpr int kTxColumn = 2;

DialogTemplate TestFreqTemplate() {
    return {CViewTestFreq::kTemplateId,
            QStringLiteral("Test Frequency"),
            {{kChannelLabel, ControlKind::Label, QStringLiteral("Test Channels"), 0, 0},
             {CViewTestFreq::kChannelGrid, ControlKind::Custom, {}, 1, 0},
             {kTuningLabel, ControlKind::Label, QStringLiteral("Tuning Frequencies"), 2, 0},
             {CViewTestFreq::kTuningGrid, ControlKind::Custom, {}, 3, 0}}};
}

/// Frequency cells take megahertz with at most three whole and five decimal digits, so no text
/// can name a frequency beyond what the block's eight digits hold.
QRegularExpression FreqCellPattern(char separator) {
    const QString point = QRegularExpression::escape(QString(QLatin1Char(separator)));
    return QRegularExpression(QStringLiteral("^[0-9]{0,3}(?:[%1\\.][0-9]{0,5})?$").arg(point));
}

class FreqCellDelegate : public QStyledItemDelegate {
public:
    FreqCellDelegate(char separator, QObject* parent) : QStyledItemDelegate(parent), separator_(separator) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new QRegularExpressionValidator(FreqCellPattern(separator_), edit));
        return edit;
    }

private:
    char separator_;
};

void ShowCell(QTableWidget* grid, int row, int column, const std::string& text) {
    if (QTableWidgetItem* cell = grid->item(row, column)) {
        cell->setText(QString::fromStdString(text));
    }
}

} // namespace

CViewTestFreq::CViewTestFreq(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const ControlMap controls = BuildForm(
        TestFreqTemplate(),
        [](const ControlSpec&, QWidget* owner) -> QWidget* { return new QTableWidget(owner); }, false);
    channels_ = qobject_cast<QTableWidget*>(controls.at(kChannelGrid));
    tuning_ = qobject_cast<QTableWidget*>(controls.at(kTuningGrid));
    NameAfterLabel(channels_, controls.at(kChannelLabel));
    NameAfterLabel(tuning_, controls.at(kTuningLabel));
    SetUpGrid(channels_, static_cast<int>(TestFreqData::kChannelCount) + 1);
    SetUpGrid(tuning_, static_cast<int>(TestFreqData::kTuningCount) + 1);
}

void CViewTestFreq::SetUpGrid(QTableWidget* grid, int rows) {
    const QSignalBlocker quiet(grid);
    grid->setRowCount(rows);
    grid->setColumnCount(3);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setItemDelegate(new FreqCellDelegate(Context().Settings().DecimalSeparator(), grid));
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    QStringList headings;
    for (const ListItem& item : Context().Language().ListItems(TestFreqData::kHeaderListId)) {
        headings << FromLanguage(item.text);
    }
    while (headings.size() < 3) {
        headings << QString();
    }
    grid->setHorizontalHeaderLabels(headings.mid(0, 3));
    for (int c = 0; c < 3; ++c) {
        auto* header = new QTableWidgetItem(headings[c]);
        header->setFlags(Qt::ItemIsEnabled);
        CellMarks::MarkFixed(*header, grid->palette());
        grid->setItem(0, c, header);
    }
    for (int r = 1; r < rows; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r));
        number->setFlags(Qt::ItemIsEnabled);
        CellMarks::MarkFixed(*number, grid->palette());
        grid->setItem(r, 0, number);
        grid->setItem(r, kRxColumn, new QTableWidgetItem);
        grid->setItem(r, kTxColumn, new QTableWidgetItem);
    }
    grid->setColumnWidth(0, 48);
    grid->setColumnWidth(kRxColumn, 150);
    grid->setColumnWidth(kTxColumn, 150);
    grid->resizeRowsToContents();
    grid->setMinimumWidth(370);
    grid->setMinimumHeight(grid->rowHeight(0) * rows + 6);
    connect(grid, &QTableWidget::itemChanged, this, &CViewTestFreq::CellEdited);
}

QTableWidgetItem* CViewTestFreq::CellOf(std::size_t textIndex) const {
    using T = TestFreqData;
    constexpr std::size_t kChannelTexts = 2 * T::kChannelCount;
    const bool channel = textIndex < kChannelTexts;
    const std::size_t rows = channel ? T::kChannelCount : T::kTuningCount;
    const std::size_t k = channel ? textIndex : textIndex - kChannelTexts;
    QTableWidget* grid = channel ? channels_ : tuning_;
    return grid->item(static_cast<int>(k % rows) + 1, k < rows ? kRxColumn : kTxColumn);
}

void CViewTestFreq::LoadView() {
    loading_ = true;
    const TestFreqTexts texts =
        Context().Container().TestFreqs().ToTexts(Context().Settings().DecimalSeparator());
    for (std::size_t k = 0; k < texts.size(); ++k) {
        QTableWidgetItem* cell = CellOf(k);
        ShowCell(cell->tableWidget(), cell->row(), cell->column(), texts[k]);
    }
    loading_ = false;
}

void CViewTestFreq::StoreView() {
    TestFreqTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k] = CellOf(k)->text().trimmed().toStdString();
    }
    Context().Container().TestFreqs().FromTexts(texts, Context().Settings().DecimalSeparator());
}

void CViewTestFreq::CellEdited(QTableWidgetItem* item) {
    if (loading_ || IsClosing() || !item || item->row() == 0 || item->column() == 0) {
        return;
    }
    // A text that names no frequency changes nothing: the cell shows the stored value again.
    if (!FreqCellPattern(Context().Settings().DecimalSeparator()).match(item->text().trimmed()).hasMatch()) {
        LoadView();
        return;
    }
    StoreView();
    // The cell shows what was kept: the value on its raster.
    LoadView();
    SendDataChanged();
}

} // namespace tav::gui
