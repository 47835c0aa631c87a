#include "gui/app/CompareWindow.h"

#include "gui/app/AppContext.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

/// Texts of the compare window.
namespace CompareTexts {
constexpr int kTitle = 9530; ///< message: "Compare with %s: %d differences"
constexpr int kFirstHeading = 9481;
constexpr int kCopy = 9485;
constexpr int kClose = 9486;
constexpr int kTable = 9487;
constexpr int kByte = 9488;
constexpr int kAdded = 9489;
constexpr int kRemoved = 9490;
} // namespace CompareTexts

QString Hex(unsigned value, int width) {
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

} // namespace

CompareWindow::CompareWindow(AppContext& context, std::vector<ConfigDifference> differences,
                             const QString& otherName, QWidget* parent)
    : QDialog(parent), context_(context), differences_(std::move(differences)) {
    namespace T = CompareTexts;
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(FillIn(context_.Message(T::kTitle, QStringLiteral("Compare with %s: %d differences")),
                          {otherName, QString::number(differences_.size())}));
    table_ = new QTableWidget(this);
    table_->setAccessibleName(context_.ControlText(T::kTable, QStringLiteral("Differences")));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    FillTable();
    copy_ = new QPushButton(context_.ControlText(T::kCopy, QStringLiteral("Copy")), this);
    copy_->setAccessibleName(copy_->text());
    auto* close = new QPushButton(context_.ControlText(T::kClose, QStringLiteral("Close")), this);
    close->setAccessibleName(close->text());
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(LinesText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { OpenRow(row); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(table_, 1);
    column->addLayout(buttons);
    resize(720, 420);
}

QStringList CompareWindow::RowTexts(const ConfigDifference& difference) const {
    namespace T = CompareTexts;
    switch (difference.kind) {
    case ConfigDifference::Kind::Added:
        return {FromLanguage(difference.subject),
                context_.ControlText(T::kAdded, QStringLiteral("added")),
                {},
                {}};
    case ConfigDifference::Kind::Removed:
        return {FromLanguage(difference.subject),
                context_.ControlText(T::kRemoved, QStringLiteral("removed")),
                {},
                {}};
    case ConfigDifference::Kind::Byte:
        return {context_.ControlText(T::kByte, QStringLiteral("Byte")) + QStringLiteral(" 0x") +
                    Hex(static_cast<unsigned>(difference.byte.address), 4),
                {},
                Hex(difference.byte.before, 2),
                Hex(difference.byte.after, 2)};
    case ConfigDifference::Kind::Field:
        break;
    }
    return {FromLanguage(difference.subject), FromLanguage(difference.field), FromLanguage(difference.before),
            FromLanguage(difference.after)};
}

void CompareWindow::FillTable() {
    QStringList headings;
    for (int k = 0; k < kColumnCount; ++k) {
        static const char* const kFallback[] = {"Subject", "Field", "This Document", "Other"};
        headings << context_.ControlText(CompareTexts::kFirstHeading + k, QString::fromLatin1(kFallback[k]));
    }
    table_->setColumnCount(kColumnCount);
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(differences_.size()));
    for (std::size_t row = 0; row < differences_.size(); ++row) {
        const QStringList texts = RowTexts(differences_[row]);
        for (int k = 0; k < kColumnCount; ++k) {
            auto* item = new QTableWidgetItem(texts.value(k));
            // A screen reader names each cell by its column.
            item->setData(Qt::AccessibleDescriptionRole, headings[k]);
            table_->setItem(static_cast<int>(row), k, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
}

QString CompareWindow::LinesText() const {
    QStringList lines;
    for (const ConfigDifference& difference : differences_) {
        lines << FromLanguage(difference.LineText());
    }
    return lines.join(QLatin1Char('\n')) + (lines.isEmpty() ? QString() : QStringLiteral("\n"));
}

void CompareWindow::SetSideNames(const QString& first, const QString& second) {
    const std::pair<int, QString> sides[] = {{kThis, first}, {kOther, second}};
    for (const auto& [column, name] : sides) {
        table_->horizontalHeaderItem(column)->setText(name);
        for (int row = 0; row < table_->rowCount(); ++row) {
            if (QTableWidgetItem* item = table_->item(row, column)) {
                item->setData(Qt::AccessibleDescriptionRole, name);
            }
        }
    }
}

void CompareWindow::OpenRow(int row) {
    if (row < 0 || row >= static_cast<int>(differences_.size())) {
        return;
    }
    const ConfigDifference& difference = differences_[static_cast<std::size_t>(row)];
    if (difference.viewId != 0) {
        emit openRequested(difference.viewId, static_cast<int>(difference.record));
    }
}

} // namespace tav::gui
