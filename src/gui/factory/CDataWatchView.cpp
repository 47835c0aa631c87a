#include "gui/factory/CDataWatchView.h"

#include "gui/app/AppContext.h"
#include "gui/controls/CellMarks.h"
#include "gui/factory/FieldNames.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace tav::gui {
namespace {

constexpr int kChangeLabel = 3550;
constexpr int kDetailLabel = 3551;
constexpr int kMemoryLabel = 3552;
constexpr int kHeaderWidth = 66;
constexpr int kDataWidth = 26;

DialogTemplate WatchTemplate() {
    return {CDataWatchView::kTemplateId,
            QStringLiteral("Data Watch"),
            {{kChangeLabel, ControlKind::Label, QStringLiteral("Changes"), 0, 0},
             {CDataWatchView::kChangeList, ControlKind::ListBox, {}, 1, 0},
             {kDetailLabel, ControlKind::Label, QStringLiteral("Detail"), 2, 0},
             {CDataWatchView::kDetailEdit, ControlKind::MultiLineEdit, {}, 3, 0},
             {CDataWatchView::kClearButton, ControlKind::PushButton, QStringLiteral("Clear"), 4, 0},
             {kMemoryLabel, ControlKind::Label, QStringLiteral("Memory"), 0, 1},
             {CDataWatchView::kMemoryGrid, ControlKind::Custom, {}, 1, 1, 4, 1}}};
}

QString HexByte(std::uint8_t value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QTableWidgetItem* FixedItem(const QString& text, const QPalette& palette) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    CellMarks::MarkFixed(*item, palette);
    return item;
}

} // namespace

CDataWatchView::CDataWatchView(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const ControlMap controls = BuildForm(
        WatchTemplate(),
        [](const ControlSpec&, QWidget* owner) -> QWidget* { return new QTableWidget(owner); }, false);
    grid_ = qobject_cast<QTableWidget*>(controls.at(kMemoryGrid));
    list_ = qobject_cast<QListWidget*>(controls.at(kChangeList));
    detail_ = qobject_cast<QPlainTextEdit*>(controls.at(kDetailEdit));
    detail_->setReadOnly(true);
    list_->setMinimumWidth(190);
    NameAfterLabel(list_, controls.at(kChangeLabel));
    NameAfterLabel(detail_, controls.at(kDetailLabel));
    NameAfterLabel(grid_, controls.at(kMemoryLabel));
    SetUpGrid();
    connect(qobject_cast<QPushButton*>(controls.at(kClearButton)), &QPushButton::clicked, this,
            &CDataWatchView::ClearLog);
    connect(list_, &QListWidget::currentRowChanged, this, &CDataWatchView::ShowChange);
    connect(grid_, &QTableWidget::cellClicked, this, &CDataWatchView::SelectChangeAt);
    FormLayout()->setRowStretch(1, 1);
    FormLayout()->setColumnStretch(1, 1);
}

CDataWatchView::~CDataWatchView() = default;

void CDataWatchView::SetUpGrid() {
    grid_->setRowCount(kRows);
    grid_->setColumnCount(kColumns);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setMinimumSize(kHeaderWidth + 16 * kDataWidth + 24, 360);
    grid_->setColumnWidth(0, kHeaderWidth);
    QStringList& headings = headings_;
    headings = {Context().ControlText(kCornerText, QStringLiteral("Address"))};
    for (int c = 1; c < kColumns; ++c) {
        grid_->setColumnWidth(c, kDataWidth);
        headings << QStringLiteral("_%1").arg(c - 1, 0, 16).toUpper();
    }
    // The column headings are also the cells' headings for assistive tools.
    grid_->setHorizontalHeaderLabels(headings);
    for (int c = 0; c < kColumns; ++c) {
        grid_->setItem(0, c, FixedItem(headings[c], grid_->palette()));
    }
    for (int r = 1; r < kRows; ++r) {
        grid_->setItem(r, 0,
                       FixedItem(QStringLiteral("F:%1_").arg(r - 1, 3, 16, QLatin1Char('0')).toUpper(),
                                 grid_->palette()));
        for (int c = 1; c < kColumns; ++c) {
            grid_->setItem(r, c, new QTableWidgetItem);
        }
    }
    grid_->resizeRowsToContents();
    // The heading row stays in view while the bytes scroll: the grid's own header shows it, and
    // the row that holds it in the grid is not drawn a second time.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setRowHidden(0, true);
}

void CDataWatchView::OnInitialUpdate() {
    CDataContainer& container = Context().Container();
    const Image shown = container.image();
    container.StoreAll();
    const Image stored = container.image();
    // The document's image is left as it was; only Memory Update brings it up to date.
    container.image() = shown;
    TakeSnapshot(stored);
}

void CDataWatchView::TakeSnapshot(const Image& snapshot) {
    ClearLog();
    log_ = std::make_unique<ImageChangeLog>(snapshot);
    for (std::size_t a = 0; a < snapshot.size(); ++a) {
        const int column = static_cast<int>(a % 16 + 1);
        grid_->item(static_cast<int>(a / 16 + 1), column)->setText(HexByte(snapshot[a]));
    }
}

void CDataWatchView::RefreshFromImage() {
    if (!log_) {
        OnInitialUpdate();
        return;
    }
    const std::vector<ImageChange> found = log_->Compare(Context().Container().image());
    const QSignalBlocker quiet(list_);
    for (const ImageChange& change : found) {
        QTableWidgetItem* cell = grid_->item(change.Row(), change.Column());
        cell->setText(HexByte(change.after));
        CellMarks::MarkChanged(*cell, grid_->palette());
        list_->addItem(QString::fromStdString(change.LineText()));
    }
    if (!found.empty()) {
        // The last line becomes the list's current one, so that the list taking the focus later
        // does not move to its first line.
        list_->setCurrentRow(list_->count() - 1);
        const ImageChange& last = log_->Changes().back();
        FocusCell(last.Row(), last.Column());
        detail_->setPlainText(Shown(last.DetailText()));
    }
    grid_->viewport()->update();
}

void CDataWatchView::ClearLog() {
    if (log_) {
        for (const ImageChange& change : log_->Changes()) {
            CellMarks::ClearMark(*grid_->item(change.Row(), change.Column()));
        }
        log_->Clear();
    }
    const QSignalBlocker quiet(list_);
    list_->clear();
    detail_->clear();
    grid_->viewport()->update();
}

void CDataWatchView::ShowChange(int index) {
    // Every line of the list shows its change, however long the list has grown.
    if (!log_ || index < 0 || index >= static_cast<int>(log_->Changes().size())) {
        return;
    }
    const ImageChange& change = log_->Changes()[static_cast<std::size_t>(index)];
    FocusCell(change.Row(), change.Column());
    detail_->setPlainText(Shown(change.DetailText()));
}

void CDataWatchView::SelectChangeAt(int row, int column) {
    if (!log_) {
        return;
    }
    const auto& changes = log_->Changes();
    for (auto i = static_cast<int>(changes.size()) - 1; i >= 0; --i) {
        if (changes[static_cast<std::size_t>(i)].Row() == row &&
            changes[static_cast<std::size_t>(i)].Column() == column) {
            list_->setCurrentRow(i);
            return;
        }
    }
    list_->setCurrentRow(-1);
    list_->clearSelection();
}

void CDataWatchView::FocusCell(int row, int column) {
    grid_->setCurrentCell(row, column);
    grid_->scrollToItem(grid_->item(row, column));
}

} // namespace tav::gui
