#include "gui/app/RadioHistoryWindow.h"

#include "core/data/CDataFile.h"
#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/ExchangeCommands.h"
#include "gui/app/FileCommands.h"
#include "gui/app/WriteRecovery.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tav::gui {
namespace {

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return label;
}

} // namespace

RadioHistoryWindow::RadioHistoryWindow(AppContext& context, CMainFrame& frame)
    : QDialog(&frame), context_(context), frame_(frame) {
    setObjectName(QStringLiteral("RadioHistoryWindow"));
    setWindowTitle(context_.ControlText(kTitle, QStringLiteral("Radio History")));
    radios_ = new QListWidget(this);
    entries_ = new QTableWidget(this);
    entries_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    entries_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entries_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    entries_->verticalHeader()->hide();
    entries_->setColumnCount(kColumnCount);
    static const char* const kHeadings[] = {"Time (UTC)", "Kind", "Model", "Band", "File", "Port", "Result"};
    QStringList headings;
    for (int k = 0; k < kColumnCount; ++k) {
        headings << context_.ControlText(kFirstHeading + k, QString::fromLatin1(kHeadings[k]));
    }
    entries_->setHorizontalHeaderLabels(headings);
    entries_->horizontalHeader()->setStretchLastSection(true);

    open_ = AddButton(kOpenText, "&Open");
    compareEntries_ = AddButton(kCompareEntriesText, "Compare Two &Entries");
    compareDocument_ = AddButton(kCompareDocumentText, "Compare with &Document");
    restore_ = AddButton(kRestoreText, "&Restore to Radio...");
    QPushButton* close = AddButton(kCloseText, "Close");

    auto* left = new QVBoxLayout;
    left->addWidget(BuddyLabel(context_.ControlText(kRadiosLabel, QStringLiteral("Radios")), radios_, this));
    left->addWidget(radios_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(
        BuddyLabel(context_.ControlText(kEntriesLabel, QStringLiteral("Entries")), entries_, this));
    right->addWidget(entries_, 1);
    auto* panes = new QHBoxLayout;
    panes->addLayout(left, 1);
    panes->addLayout(right, 4);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {open_, compareEntries_, compareDocument_, restore_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addLayout(panes, 1);
    column->addLayout(buttons);

    connect(radios_, &QListWidget::currentTextChanged, this, [this](const QString& radio) {
        radio_ = radio;
        FillEntries();
    });
    connect(entries_, &QTableWidget::itemSelectionChanged, this, &RadioHistoryWindow::UpdateButtons);
    connect(entries_, &QTableWidget::cellActivated, this, [this](int, int) { OpenSelected(); });
    connect(open_, &QPushButton::clicked, this, &RadioHistoryWindow::OpenSelected);
    connect(compareEntries_, &QPushButton::clicked, this, &RadioHistoryWindow::CompareSelectedEntries);
    connect(compareDocument_, &QPushButton::clicked, this, &RadioHistoryWindow::CompareWithDocument);
    connect(restore_, &QPushButton::clicked, this, &RadioHistoryWindow::RestoreSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(980, 460);
    Refresh();
}

QPushButton* RadioHistoryWindow::AddButton(int textId, const char* fallback) {
    auto* button = new QPushButton(context_.ControlText(textId, QString::fromLatin1(fallback)), this);
    button->setAccessibleName(QString(button->text()).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

void RadioHistoryWindow::Refresh() {
    const QString keep = radio_;
    const QSignalBlocker quiet(radios_);
    radios_->clear();
    for (const std::string& radio : context_.Session().History().Radios()) {
        radios_->addItem(FromLanguage(radio));
    }
    if (!ShowRadio(keep) && radios_->count() > 0) {
        ShowRadio(radios_->item(0)->text());
    } else if (radios_->count() == 0) {
        radio_.clear();
        FillEntries();
    }
}

bool RadioHistoryWindow::ShowRadio(const QString& radio) {
    const QList<QListWidgetItem*> found = radios_->findItems(radio, Qt::MatchExactly);
    if (radio.isEmpty() || found.isEmpty()) {
        return false;
    }
    {
        const QSignalBlocker quiet(radios_);
        radios_->setCurrentItem(found.front());
    }
    radio_ = radio;
    FillEntries();
    return true;
}

void RadioHistoryWindow::FillEntries() {
    shown_ =
        radio_.isEmpty() ? std::vector<HistoryEntry>() : context_.Session().History().Entries(ToCore(radio_));
    // The newest first: the entry wanted after a write is at the top.
    std::reverse(shown_.begin(), shown_.end());
    entries_->clearSelection();
    entries_->setRowCount(static_cast<int>(shown_.size()));
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        const HistoryEntry& e = shown_[row];
        const QString kind = context_.ControlText(kFirstKindText + static_cast<int>(e.kind),
                                                  FromLanguage(std::string(HistoryKindName(e.kind))));
        const QString texts[kColumnCount] = {FromLanguage(e.time),  kind,
                                             FromLanguage(e.model), FromLanguage(e.band),
                                             FromLanguage(e.file),  FromLanguage(e.port),
                                             FromLanguage(e.result)};
        for (int k = 0; k < kColumnCount; ++k) {
            auto* item = new QTableWidgetItem(texts[k]);
            item->setData(Qt::AccessibleDescriptionRole, entries_->horizontalHeaderItem(k)->text());
            entries_->setItem(static_cast<int>(row), k, item);
        }
    }
    entries_->resizeColumnsToContents();
    if (!shown_.empty()) {
        entries_->selectRow(0);
    }
    UpdateButtons();
}

std::vector<HistoryEntry> RadioHistoryWindow::SelectedEntries() const {
    std::vector<int> rows;
    for (const QModelIndex& index : entries_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<HistoryEntry> selected;
    for (const int row : rows) {
        if (row >= 0 && row < static_cast<int>(shown_.size())) {
            selected.push_back(shown_[static_cast<std::size_t>(row)]);
        }
    }
    return selected;
}

void RadioHistoryWindow::UpdateButtons() {
    const std::size_t count = SelectedEntries().size();
    for (QPushButton* single : {open_, compareDocument_, restore_}) {
        single->setEnabled(count == 1);
    }
    compareEntries_->setEnabled(count == 2);
}

QString RadioHistoryWindow::EntryName(const HistoryEntry& entry) const {
    return FillIn(context_.ControlText(kEntryName, QStringLiteral("history entry %s")),
                  {FromLanguage(entry.name)});
}

std::filesystem::path RadioHistoryWindow::FileOf(const HistoryEntry& entry) const {
    return context_.Session().History().EntryFile(entry.radio, entry.name);
}

void RadioHistoryWindow::OpenSelected() {
    const std::vector<HistoryEntry> selected = SelectedEntries();
    if (selected.size() == 1) {
        // As a file opened from the disk: the unsaved-changes question first.
        frame_.Files().OpenPath(FromLanguage(FileOf(selected.front()).string()));
    }
}

void RadioHistoryWindow::CompareWithDocument() {
    const std::vector<HistoryEntry> selected = SelectedEntries();
    if (selected.size() == 1) {
        frame_.Exchange().CompareWithPath(FileOf(selected.front()), EntryName(selected.front()));
    }
}

void RadioHistoryWindow::CompareSelectedEntries() {
    const std::vector<HistoryEntry> selected = SelectedEntries();
    if (selected.size() == 2) {
        // The older entry on the left, as the change went.
        const HistoryEntry& older = selected[1];
        const HistoryEntry& newer = selected[0];
        frame_.Exchange().CompareFiles(FileOf(older), EntryName(older), FileOf(newer), EntryName(newer));
    }
}

void RadioHistoryWindow::RestoreSelected() {
    const std::vector<HistoryEntry> selected = SelectedEntries();
    if (selected.size() != 1) {
        return;
    }
    const HistoryEntry& entry = selected.front();
    DataFileContent content;
    if (const Result loaded = context_.Session().History().Load(entry.radio, entry.name, content); !loaded) {
        context_.TellFailure(this, loaded);
        return;
    }
    if (context_.Ask(this, kRestoreQuestion, PromptButtons::YesNo, PromptIcon::Question,
                     QStringLiteral("Write this history entry to the radio? What the radio holds now is "
                                    "replaced.")) != PromptAnswer::Yes) {
        return;
    }
    WriteRecovery(context_, frame_, this, [this](const QString& line) {
        frame_.Log(line);
    }).Restore(content, FileOf(entry).string());
    Refresh();
}

} // namespace tav::gui
