#include "gui/views/CViewChannelList.h"

#include "core/app/ChannelReferences.h"
#include "core/data/ChannelFields.h"
#include "core/data/ChannelListEdit.h"
#include "core/data/ChannelPaste.h"
#include "core/data/ImageMap.h"
#include "core/data/ToneTables.h"
#include "gui/app/AppContext.h"
#include "gui/app/ShellTexts.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/Mnemonics.h"
#include "gui/controls/QtText.h"
#include "gui/grid/CGridComboCell.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/ui/ControlIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <set>

namespace tav::gui {
namespace {

constexpr int kCtcssLimit = 5;
constexpr int kCdcssLimit = 3;
constexpr int kToneVisibleItems = 9;
constexpr int kNumberWidth = 30;

struct ButtonDecl {
    int id;
    const char* caption;
    QKeySequence::StandardKey key;
};

constexpr int kGridMinimumWidth = 320;
constexpr int kFindWidth = 160;
constexpr int kGridMinimumHeight = 160;

QString CellText(const CGridCtrl* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

CViewChannelList::CViewChannelList(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const DialogTemplate dialog{kTemplateId,
                                QStringLiteral("Channel List"),
                                {{kGrid, ControlKind::Custom, QStringLiteral("Channel"), 0, 0, 1, 1},
                                 {kLogLabel, ControlKind::Label, QStringLiteral("Messages"), 2, 0},
                                 {kLog, ControlKind::Custom, {}, 3, 0}}};
    const ControlMap controls = BuildForm(
        dialog,
        [this](const ControlSpec& declared, QWidget* owner) -> QWidget* {
            if (declared.id == kGrid) {
                grid_ = new CGridCtrl(owner);
                grid_->setAccessibleName(declared.text);
                return grid_;
            }
            log_ = new QPlainTextEdit(owner);
            log_->setReadOnly(true);
            log_->setMaximumBlockCount(500);
            log_->setFixedHeight(90);
            return log_;
        },
        false);
    if (auto* label = qobject_cast<QLabel*>(controls.at(kLogLabel))) {
        label->setBuddy(log_);
        log_->setAccessibleName(label->text().remove(QLatin1Char('&')));
    }
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The grid takes the editor's room and scrolls inside itself; buttons and messages stay in sight.
    FillView();
    FormLayout()->setRowStretch(0, 1);
    FormLayout()->setColumnStretch(0, 1);
    grid_->setMinimumSize(kGridMinimumWidth, kGridMinimumHeight);
    grid_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    MakeButtons();
    SetUpGrid();
    grid_->horizontalHeader()->setSectionsClickable(true);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CViewChannelList::SortBy);
    connect(grid_, &CGridCtrl::editEnded, this, [this](int row, int column) { StoreRow(row, column); });
    connect(grid_, &CGridCtrl::beginEdit, this, &CViewChannelList::PrepareCell);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!filling_ && row >= 0) {
            current_ = Context().Container().Channels().IdAt(static_cast<std::size_t>(row));
        }
    });
}

void CViewChannelList::MakeButtons() {
    const ButtonDecl buttons[] = {{kInsertButton, "Insert", QKeySequence::UnknownKey},
                                  {kDeleteButton, "Delete", QKeySequence::UnknownKey},
                                  {kMoveUpButton, "Move Up", QKeySequence::UnknownKey},
                                  {kMoveDownButton, "Move Down", QKeySequence::UnknownKey},
                                  {kUndoButton, "Undo", QKeySequence::Undo},
                                  {kRedoButton, "Redo", QKeySequence::Redo},
                                  {kCopyButton, "Copy", QKeySequence::Copy},
                                  {kPasteButton, "Paste", QKeySequence::Paste}};
    const std::map<int, std::function<void()>> actions{{kInsertButton, [this] { InsertChannel(); }},
                                                       {kDeleteButton, [this] { DeleteChannel(); }},
                                                       {kMoveUpButton, [this] { MoveChannel(-1); }},
                                                       {kMoveDownButton, [this] { MoveChannel(1); }},
                                                       {kUndoButton, [this] { Undo(); }},
                                                       {kRedoButton, [this] { Redo(); }},
                                                       {kCopyButton, [this] { CopyRows(); }},
                                                       {kPasteButton, [this] { PasteRows(); }}};
    QStringList captions;
    QStringList fallbacks;
    for (const ButtonDecl& declared : buttons) {
        fallbacks << QString::fromLatin1(declared.caption);
        captions << Context().ControlText(declared.id, fallbacks.back());
    }
    // Alt and a letter reach each button from the keyboard; the menu bar keeps its own letters.
    QStringList menuBar;
    for (int k = 0; k < ShellTexts::kMenuCount; ++k) {
        menuBar << Context().ControlText(ShellTexts::kFirstMenuCaption + k);
    }
    captions = Mnemonics::Assign(captions, fallbacks, menuBar);
    auto* row = new QHBoxLayout;
    for (std::size_t k = 0; k < std::size(buttons); ++k) {
        const ButtonDecl& declared = buttons[k];
        auto* button = new QPushButton(captions[static_cast<qsizetype>(k)]);
        SetControlId(button, declared.id);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, actions.at(declared.id));
        row->addWidget(button);
        AddRowCommand(button->text(), declared.id, actions.at(declared.id));
        if (declared.key != QKeySequence::UnknownKey) {
            keys_[declared.key] = actions.at(declared.id);
        }
    }
    connect(grid_, &CGridCtrl::commandKey, this, [this](QKeySequence::StandardKey key) {
        if (const auto found = keys_.find(key); found != keys_.end()) {
            found->second();
        }
    });
    row->addStretch(1);
    MakeFindBar(row);
    FormLayout()->addLayout(row, 1, 0);
}

void CViewChannelList::MakeFindBar(QHBoxLayout* row) {
    auto* label = new QLabel(Context().ControlText(kFindLabel, QStringLiteral("Fi&nd:")));
    find_ = new QLineEdit;
    find_->setClearButtonEnabled(true);
    find_->setMinimumWidth(kFindWidth);
    label->setBuddy(find_);
    find_->setAccessibleName(label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed());
    row->addWidget(label);
    row->addWidget(find_);
    connect(find_, &QLineEdit::textChanged, this, &CViewChannelList::Filter);
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    // Ctrl+F anywhere in the editor goes to the find field; F3 and Shift+F3 find again; Escape in
    // the field shows every row again and goes back to the grid.
    const auto addKey = [this](const QKeySequence& key, QWidget* on, const std::function<void()>& run) {
        auto* action = new QAction(on);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, run);
        on->addAction(action);
    };
    addKey(QKeySequence::Find, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    addKey(QKeySequence(Qt::Key_F3), this, [this] { FindNext(); });
    addKey(QKeySequence(Qt::SHIFT | Qt::Key_F3), this, [this] { FindNext(true); });
    addKey(QKeySequence(Qt::Key_Escape), find_, [this] {
        find_->clear();
        grid_->setFocus(Qt::ShortcutFocusReason);
    });
}

bool CViewChannelList::RowMatches(int row, const QString& text) const {
    for (int column = kRxFreq; column < kColumns; ++column) {
        if (CellText(grid_, row, column).contains(text, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

void CViewChannelList::Filter(const QString& text) {
    const QString wanted = text.trimmed();
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const bool shown = wanted.isEmpty() || row == grid_->currentRow() || RowMatches(row, wanted);
        grid_->setRowHidden(row, !shown);
    }
}

bool CViewChannelList::FindNext(bool backwards) {
    const QString wanted = find_->text().trimmed();
    const int rows = grid_->rowCount();
    if (wanted.isEmpty() || rows == 0) {
        return false;
    }
    // Cells in reading order from the current one, wrapping round.
    const int cells = rows * kColumns;
    const int start = std::max(grid_->currentRow(), 0) * kColumns + std::max(grid_->currentColumn(), 0);
    for (int step = 1; step <= cells; ++step) {
        const int at = ((start + (backwards ? -step : step)) % cells + cells) % cells;
        const int row = at / kColumns;
        const int column = at % kColumns;
        if (column > kNumber && !grid_->isRowHidden(row) &&
            CellText(grid_, row, column).contains(wanted, Qt::CaseInsensitive)) {
            grid_->setCurrentCell(row, column);
            grid_->scrollToItem(grid_->item(row, column));
            return true;
        }
    }
    return false;
}

std::vector<int> CViewChannelList::ColumnSelection(int row, int column) const {
    std::set<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
        if (index.column() != column) {
            return {};
        }
        rows.insert(index.row());
    }
    if (rows.size() < 2 || !rows.contains(row)) {
        return {};
    }
    return {rows.begin(), rows.end()};
}

bool CViewChannelList::SetColumn(const std::vector<int>& rows, int column, const QString& text) {
    CDataContainer& container = Context().Container();
    auto& channels = container.Channels();
    std::vector<std::pair<std::size_t, PastedChannelRow>> checked;
    for (const int row : rows) {
        TabRows shown = ParseTabText(ToStd(RowsText({row})));
        shown.front().at(static_cast<std::size_t>(column)) = ToStd(text);
        const auto read = ReadChannelRowFields(shown.front(), Context().Language(), container.Context(),
                                               container, LocaleDecimalSeparator());
        if (!read) {
            Note(FillIn(Context().Message(PasteText::kOnChannel, QStringLiteral("Channel %s: %s")),
                        {QString::number(row + 1), ToQt(read.result().detail())}));
            // Nothing was stored: the grid shows the channels as they are.
            FillGrid();
            return false;
        }
        checked.emplace_back(static_cast<std::size_t>(row), *read);
    }
    for (const auto& [row, values] : checked) {
        StorePastedRow(channels.At(row), values, Context().Language(), container.Context(), container);
    }
    ListChanged(NavigateCommand::GoTo);
    return true;
}

void CViewChannelList::AddRowCommand(const QString& caption, int id, const std::function<void()>& run) {
    // The grid's context menu holds the row commands; Insert and Delete also answer their keys
    // while the grid itself (not a cell being typed in) has the focus.
    auto* action = new QAction(caption, grid_);
    connect(action, &QAction::triggered, this, run);
    if (id == kInsertButton || id == kDeleteButton) {
        action->setShortcut(id == kInsertButton ? QKeySequence(Qt::Key_Insert)
                                                : QKeySequence(Qt::Key_Delete));
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    if (id == kUndoButton || id == kCopyButton) {
        auto* separator = new QAction(grid_);
        separator->setSeparator(true);
        grid_->addAction(separator);
    }
    grid_->addAction(action);
}

void CViewChannelList::SortBy(int column) {
    auto& channels = Context().Container().Channels();
    if (column <= kNumber || column >= kColumns || channels.Count() < 2) {
        return;
    }
    grid_->CommitEdit();
    // The same column again sorts the other way.
    const bool descending = sortColumn_ == column && !sortDescending_;
    std::vector<std::string> values;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        values.push_back(ToStd(CellText(grid_, row, column)));
    }
    values.resize(channels.Count());
    ReorderChannels(channels, SortOrder(values, descending));
    sortColumn_ = column;
    sortDescending_ = descending;
    ListChanged(NavigateCommand::GoTo);
}

void CViewChannelList::SetUpGrid() {
    const CLanguage& language = Context().Language();
    const std::vector<const ChannelField*> columns = ChannelGridFields();
    for (const ChannelField* field : columns) {
        if (field->listId == 0) {
            continue;
        }
        auto& items = lists_[field->gridColumn];
        for (const ListItem& item : language.ListItems(field->listId)) {
            items.emplace_back(item.value, ToQt(item.text));
        }
    }
    const char separator = LocaleDecimalSeparator();
    for (const std::string& tone : CtcssToneTexts(separator)) {
        tones_ << ToQt(tone);
    }
    for (const std::string& code : CdcssCodeTexts()) {
        codes_ << ToQt(code);
    }
    grid_->setColumnCount(kColumns);
    grid_->verticalHeader()->hide();
    QStringList headings{Context().ControlText(kNumberHeading, QStringLiteral("No."))};
    std::vector<int> widths{kNumberWidth};
    for (const ChannelField* field : columns) {
        headings << Context().ControlText(field->labelId, QString::fromLatin1(field->fallback));
        widths.push_back(field->gridWidth);
    }
    grid_->setHorizontalHeaderLabels(headings);
    const QFontMetrics metrics(grid_->horizontalHeader()->font());
    for (int column = 0; column < kColumns; ++column) {
        const int declared = widths[static_cast<std::size_t>(column)];
        grid_->setColumnWidth(column, std::max(declared, metrics.horizontalAdvance(headings[column]) + 16));
    }
    const DataContext& data = Context().Container().Context();
    grid_->SetFreqRange(data.rangeLowMHz, data.rangeHighMHz);
}

ChannelData* CViewChannelList::Current() const {
    auto& channels = Context().Container().Channels();
    const auto position = channels.PositionOf(current_);
    return position ? &channels.At(*position) : nullptr;
}

void CViewChannelList::OnInitialUpdate() {
    auto& channels = Context().Container().Channels();
    if (!Current()) {
        current_ = channels.IdAt(0);
    }
    FillGrid();
}

void CViewChannelList::LoadView() {
    FillGrid();
}

void CViewChannelList::FillGrid() {
    filling_ = true;
    // The model (and its range) may have changed since the grid was set up.
    const DataContext& data = Context().Container().Context();
    grid_->SetFreqRange(data.rangeLowMHz, data.rangeHighMHz);
    const auto& channels = Context().Container().Channels();
    grid_->setRowCount(static_cast<int>(channels.Count()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        FillRow(row);
    }
    if (const auto position = channels.PositionOf(current_)) {
        grid_->setCurrentCell(static_cast<int>(*position), std::max(grid_->currentColumn(), 1));
    }
    if (find_) {
        Filter(find_->text());
    }
    filling_ = false;
    grid_->viewport()->update();
}

void CViewChannelList::FillRow(int row) {
    CDataContainer& container = Context().Container();
    const ChannelData& channel = container.Channels().At(static_cast<std::size_t>(row));
    const std::vector<std::string> fields =
        ChannelRowFields(channel, Context().Language(), container, LocaleDecimalSeparator());
    const auto text = [&fields](int column) { return ToQt(fields[static_cast<std::size_t>(column - 1)]); };
    grid_->SetCell(row, kNumber, std::make_unique<CGridNoneCell>(QString::number(row + 1)));
    for (const int column : {kRxFreq, kTxFreq}) {
        auto cell = std::make_unique<CGridFreqEdit>();
        cell->SetValue(column == kRxFreq ? channel.RxFreq() : channel.TxFreq());
        grid_->SetCell(row, column, std::move(cell));
    }
    for (const auto& [column, items] : lists_) {
        auto cell = std::make_unique<CGridComboCell>();
        cell->SetValueItems(items);
        cell->setText(text(column));
        if (column == kAutoStartScan) {
            cell->SetValue(channel.AutoStartScan() ? 1 : 0);
        }
        grid_->SetCell(row, column, std::move(cell));
    }
    for (const int column : {kPersonality, kScanList}) {
        auto cell = std::make_unique<CGridComboCell>();
        cell->setText(text(column));
        grid_->SetCell(row, column, std::move(cell));
    }
    SetToneCells(row, kRxType, text(kRxCtcss), text(kRxCdcss));
    SetToneCells(row, kTxType, text(kTxCtcss), text(kTxCdcss));
}

void CViewChannelList::SetToneCells(int row, int typeColumn, const QString& ctcss, const QString& cdcss) {
    const CGridCell* type = grid_->Cell(row, typeColumn);
    const int toneType = Context().Language().ListTextToValue(
        typeColumn == kRxType ? ChannelData::kRxTypeList : ChannelData::kTxTypeList,
        ToStd(type ? type->text() : QString()));
    const ToneFieldState state = ChannelData::ToneFields(toneType);
    const auto make = [](bool editable, const QStringList& items, int limit,
                         const QString& text) -> std::unique_ptr<CGridCell> {
        if (!editable) {
            return std::make_unique<CGridNoneCell>(text);
        }
        auto cell = std::make_unique<CGridComboCell>(CGridComboCell::kDropDown);
        cell->SetItems(items);
        cell->SetVisibleItems(kToneVisibleItems);
        cell->SetTextLimit(limit);
        cell->setText(text);
        return cell;
    };
    grid_->SetCell(row, typeColumn + 1, make(state.ctcss, tones_, kCtcssLimit, ctcss));
    grid_->SetCell(row, typeColumn + 2, make(state.cdcss, codes_, kCdcssLimit, cdcss));
}

void CViewChannelList::PrepareCell(int row, int column) {
    auto* cell = dynamic_cast<CGridComboCell*>(grid_->Cell(row, column));
    if (!cell) {
        return;
    }
    const CDataContainer& container = Context().Container();
    QStringList items;
    if (column == kPersonality) {
        for (std::size_t k = 1; k <= container.Personalities().Count(); ++k) {
            items << QString::number(k);
        }
        cell->SetItems(items);
    } else if (column == kScanList) {
        items << Context().ControlText(ChannelData::kScanListControl, QStringLiteral("None"));
        for (std::size_t k = 1; k <= container.ScanLists().Count(); ++k) {
            items << QString::number(k);
        }
        cell->SetItems(items);
    }
}

void CViewChannelList::StoreRow(int row, int column) {
    auto& channels = Context().Container().Channels();
    if (row < 0 || static_cast<std::size_t>(row) >= channels.Count() || column <= kNumber) {
        return;
    }
    // Typed into a cell of a selection within one column: the value goes to every selected row.
    if (const std::vector<int> rows = ColumnSelection(row, column); !rows.empty()) {
        SetColumn(rows, column, CellText(grid_, row, column));
        return;
    }
    StoreRowCells(row, column);
    filling_ = true;
    FillRow(row);
    filling_ = false;
    grid_->viewport()->update();
    SendRecordListChanged(NavigateCommand::GoTo);
}

void CViewChannelList::StoreView() {
    // A cell still being typed in is taken first, as leaving it would.
    grid_->CommitEdit();
    auto& channels = Context().Container().Channels();
    const int rows = std::min(grid_->rowCount(), static_cast<int>(channels.Count()));
    for (int row = 0; row < rows; ++row) {
        StoreRowCells(row, kRxFreq);
    }
}

void CViewChannelList::StoreRowCells(int row, int column) {
    CDataContainer& container = Context().Container();
    ChannelData& channel = container.Channels().At(static_cast<std::size_t>(row));
    // What the cells hold goes through the same rules as the channel editor's fields.
    PastedChannelRow edited;
    ChannelUi& ui = edited.row.ui;
    channel.LoadUi(ui, Context().Language(), LocaleDecimalSeparator());
    ui.rxFreq = grid_->Cell(row, kRxFreq)->GetValue();
    ui.txFreq = grid_->Cell(row, kTxFreq)->GetValue();
    for (const ChannelField* field : ChannelGridFields()) {
        if (const auto* text = std::get_if<std::string ChannelUi::*>(&field->slot)) {
            ui.** text = ToStd(CellText(grid_, row, field->gridColumn));
        }
    }
    edited.row.autoStartScan = static_cast<int>(grid_->Cell(row, kAutoStartScan)->GetValue());
    const QString personality = CellText(grid_, row, kPersonality);
    const QString scanList = CellText(grid_, row, kScanList);
    bool ok = false;
    if (const int number = personality.toInt(&ok); ok && number >= 1) {
        edited.personalityPosition = static_cast<std::uint32_t>(number - 1);
    }
    if (scanList == Context().ControlText(ChannelData::kScanListControl, QStringLiteral("None"))) {
        edited.scanListPosition = 0;
    } else if (const int number = scanList.toInt(&ok); ok && number >= 1) {
        edited.scanListPosition = static_cast<std::uint32_t>(number);
    }
    StorePastedRow(channel, edited, Context().Language(), container.Context(), container);
    if (column == kPersonality && edited.personalityPosition != ChannelUi::kNoSelection) {
        channel.WithdrawProblem(Context().Problems(), ChannelData::kPersonalityControl);
    }
    if (column == kScanList && edited.scanListPosition != ChannelUi::kNoSelection) {
        channel.WithdrawProblem(Context().Problems(), ChannelData::kScanListControl);
    }
}

void CViewChannelList::NavigateRecord(int recordNumber, NavigateCommand command) {
    CDataContainer& container = Context().Container();
    auto& channels = container.Channels();
    const std::optional<std::size_t> before = channels.PositionOf(current_);
    std::optional<std::size_t> after;
    if (command == NavigateCommand::Delete) {
        if (!before) {
            return;
        }
        after = DeleteChannelRow(channels, before, Context().Problems(), [this, &container](std::size_t at) {
            ChannelReferences::RemoveAt(container, at, Context().Language());
        });
    } else {
        after = tav::NavigateRecord<ChannelData>(channels, before, command, recordNumber,
                                                 [&container, &channels] {
                                                     auto channel = container.MakeChannel(channels.Count());
                                                     channel->ResolveReferences(container);
                                                     return channel;
                                                 });
    }
    current_ = after ? channels.IdAt(*after) : kNoObject;
    ListChanged(command);
}

void CViewChannelList::ListChanged(NavigateCommand command) {
    ChannelReferences::Follow(Context().Container());
    FillGrid();
    SendRecordListChanged(command);
}

void CViewChannelList::SetCurrentRow(int row) {
    current_ = Context().Container().Channels().IdAt(static_cast<std::size_t>(std::max(row, 0)));
    grid_->setCurrentCell(row, std::max(grid_->currentColumn(), 1));
}

void CViewChannelList::InsertChannel() {
    CDataContainer& container = Context().Container();
    auto& channels = container.Channels();
    if (channels.Count() >= ImageMap::kChannelCapacity) {
        Note(Context().Message(PasteText::kNoRoom, QStringLiteral("The radio holds at most 16 channels.")));
        return;
    }
    const std::size_t position = channels.PositionOf(current_).value_or(channels.Count());
    auto channel = container.MakeChannel(channels.Count());
    channel->ResolveReferences(container);
    current_ = channel->Id();
    channels.Insert(position, std::move(channel));
    ListChanged(NavigateCommand::Add);
}

void CViewChannelList::DeleteChannel() {
    NavigateRecord(0, NavigateCommand::Delete);
}

void CViewChannelList::MoveChannel(int by) {
    auto& channels = Context().Container().Channels();
    const auto from = channels.PositionOf(current_);
    if (!from) {
        return;
    }
    const long to = static_cast<long>(*from) + by;
    if (to < 0 || static_cast<std::size_t>(to) >= channels.Count()) {
        return;
    }
    MoveChannelRow(channels, *from, static_cast<std::size_t>(to));
    ListChanged(NavigateCommand::GoTo);
}

void CViewChannelList::Undo() {
    grid_->CommitEdit();
    if (EditorHost* host = Host()) {
        host->UndoEdit();
    }
}

void CViewChannelList::Redo() {
    grid_->CommitEdit();
    if (EditorHost* host = Host()) {
        host->RedoEdit();
    }
}

QString CViewChannelList::RowsText(const std::vector<int>& rows) const {
    TabRows table;
    for (const int row : rows) {
        std::vector<std::string> fields;
        for (int column = 0; column < kColumns; ++column) {
            fields.push_back(ToStd(CellText(grid_, row, column)));
        }
        table.push_back(std::move(fields));
    }
    return ToQt(ToTabText(table));
}

void CViewChannelList::CopyRows() {
    std::set<int> rows;
    for (const QTableWidgetItem* item : grid_->selectedItems()) {
        rows.insert(item->row());
    }
    if (rows.empty() && grid_->currentRow() >= 0) {
        rows.insert(grid_->currentRow());
    }
    if (!rows.empty()) {
        QApplication::clipboard()->setText(RowsText({rows.begin(), rows.end()}));
    }
}

void CViewChannelList::PasteRows() {
    // One value pasted into a selection within one column sets every selected channel.
    const QString text = QApplication::clipboard()->text();
    if (const TabRows rows = ParseTabText(ToStd(text)); rows.size() == 1 && rows.front().size() == 1) {
        if (const std::vector<int> selected = ColumnSelection(grid_->currentRow(), grid_->currentColumn());
            !selected.empty()) {
            SetColumn(selected, grid_->currentColumn(), ToQt(rows.front().front()));
            return;
        }
    }
    const auto position = Context().Container().Channels().PositionOf(current_);
    PasteText(text, position ? static_cast<int>(*position) : 0);
}

int CViewChannelList::PasteText(const QString& text, int row) {
    CDataContainer& container = Context().Container();
    auto& channels = container.Channels();
    const TabRows rows = ParseTabText(ToStd(text));
    const std::size_t countBefore = channels.Count();
    int taken = 0;
    int refused = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t target = static_cast<std::size_t>(std::max(row, 0)) + i;
        const auto refuse = [&](const QString& reason) {
            ++refused;
            Note(FillIn(Context().Message(PasteText::kRowPrefix, QStringLiteral("Row %d: %s")),
                        {QString::number(i + 1), reason}));
        };
        if (target >= ImageMap::kChannelCapacity) {
            refuse(Context().Message(PasteText::kNoRoom));
            continue;
        }
        const auto pasted = ReadChannelRowFields(rows[i], Context().Language(), container.Context(),
                                                 container, LocaleDecimalSeparator());
        if (!pasted) {
            // The row check's detail is the whole reason, in the program's language.
            refuse(ToQt(pasted.result().detail()));
            continue;
        }
        while (channels.Count() <= target) {
            auto channel = container.MakeChannel(channels.Count());
            channel->ResolveReferences(container);
            channels.Append(std::move(channel));
        }
        StorePastedRow(channels.At(target), *pasted, Context().Language(), container.Context(), container);
        ++taken;
    }
    Note(FillIn(Context().Message(PasteText::kSummary, QStringLiteral("%d rows pasted, %d refused.")),
                {QString::number(taken), QString::number(refused)}));
    if (taken == 0) {
        return taken;
    }
    ListChanged(channels.Count() != countBefore ? NavigateCommand::Add : NavigateCommand::GoTo);
    return taken;
}

void CViewChannelList::Note(const QString& line) {
    log_->appendPlainText(line);
}

void CViewChannelList::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    if ((notice && notice->sender == static_cast<const EditorForm*>(this)) || grid_->Editor()) {
        return;
    }
    // Another editor changed a channel or a list: show the channels as they are now.
    if (wParam == EditorMessages::kRecordListChanged && !Current()) {
        current_ = Context().Container().Channels().IdAt(0);
    }
    FillGrid();
}

std::optional<RecordPosition> CViewChannelList::Position() const {
    const auto& channels = Context().Container().Channels();
    const auto position = channels.PositionOf(current_);
    return RecordPosition{position ? static_cast<int>(*position) + 1 : 0, static_cast<int>(channels.Count())};
}

} // namespace tav::gui
