// The channel list grid: cell rules and the row stored at the end of an edit, undo and redo,
// copy and paste with refused rows, insert, delete and move with scan members following, each
// checked through the bytes a save writes.

#include "CellAccessibility.h"
#include "ShellTestSupport.h"
#include "core/data/ScanListData.h"
#include "gui/grid/CGridCell.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/views/CViewChannelList.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr std::size_t kChannelTable = 0x285;
constexpr std::size_t kChannelSize = 24;
constexpr std::size_t kMembers = 0x119B + 24;

const Image& Saved(AppContext& context) {
    context.Container().StoreAll();
    return context.Container().image();
}

QByteArray ChannelBytes(AppContext& context, int k, int offset, int count) {
    const Image& image = Saved(context);
    return QByteArray(reinterpret_cast<const char*>(image.data() + kChannelTable + kChannelSize * k + offset),
                      count);
}

/// The channel number stored for scan list member k.
int Member(AppContext& context, int k) {
    const Image& image = Saved(context);
    return image[kMembers + 2 * k] << 8 | image[kMembers + 2 * k + 1];
}

} // namespace

class ChannelListTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<UndoHost> host_;
    std::unique_ptr<CViewChannelList> view_;

    CGridCtrl* Grid() const { return view_->Grid(); }

    /// Edits a cell as a user does: starts typing, types and presses Return.
    void EditCell(int row, int column, const QString& text) {
        QVERIFY(Grid()->StartEdit(row, column, text.isEmpty() ? 13 : text.at(0).unicode()));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor);
        if (auto* combo = qobject_cast<QComboBox*>(editor); combo && !combo->isEditable()) {
            combo->setCurrentIndex(combo->findText(text));
        } else if (text.size() > 1) {
            QTest::keyClicks(editor, text.mid(1));
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(1);
    }

    void SetChannelCount(int count) {
        auto& container = ctx_->context->Container();
        auto& list = container.Channels();
        while (static_cast<int>(list.Count()) > count) {
            list.Remove(list.Count() - 1);
        }
        while (static_cast<int>(list.Count()) < count) {
            list.Append(container.MakeChannel(list.Count()));
        }
        container.FixUpReferences();
        view_->LoadView();
    }

private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        host_ = std::make_unique<UndoHost>(**ctx_);
        view_ = std::make_unique<CViewChannelList>(**ctx_, host_.get());
        host_->SetEditor(view_.get());
        view_->OnInitialUpdate();
        QVERIFY(ShowActive(view_.get()));
        SetChannelCount(4);
        host_->History().Reset();
    }
    void cleanup() {
        view_.reset();
        host_.reset();
        ctx_.reset();
    }

    void cellEditStoresItsRow_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frequency on 12.5 kHz")
            << 1 << "150.0125" << 4 << QByteArray("15001250") << "150.01250";
        QTest::newRow("frequency on no raster")
            << 1 << "150.003" << 4 << QByteArray("15000250") << "150.00000";
        QTest::newRow("frequency clamped") << 1 << "999" << 4 << QByteArray("17400000") << "174.00000";
        QTest::newRow("frequency cleared") << 5 << "" << 8 << QByteArray("ffffffff") << "";
        QTest::newRow("non-standard tone") << 3 << "69.4" << 12 << QByteArray("72b6") << "69.4";
        QTest::newRow("power") << 10 << "Low" << 17 << QByteArray("02") << "Low";
        QTest::newRow("auto start scan") << 13 << "On" << 20 << QByteArray("40") << "On";
    }
    void cellEditStoresItsRow() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, offset);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        const QByteArray references = ChannelBytes(**ctx_, 1, 18, 2);
        const int atis = ChannelBytes(**ctx_, 1, 20, 1).at(0) & 0x80;
        if (typed.isEmpty()) {
            Grid()->item(1, column)->setText(QString());
            QVERIFY(Grid()->StartEdit(1, column, 13));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            EditCell(1, column, typed);
        }
        QCOMPARE(ChannelBytes(**ctx_, 1, offset, stored.size() / 2).toHex(), stored);
        QCOMPARE(Grid()->item(1, column)->text(), shown);
        QCOMPARE(ChannelBytes(**ctx_, 1, 18, 2), references);
        QCOMPARE(ChannelBytes(**ctx_, 1, 20, 1).at(0) & 0x80, atis);
    }

    void toneTypeDecidesWhichToneCellEdits_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("ctcss");
        QTest::addColumn<bool>("cdcss");
        QTest::newRow("none") << "None" << false << false;
        QTest::newRow("CTCSS") << "CTCSS" << true << false;
        QTest::newRow("CDCSS") << "CDCSS" << false << true;
    }
    void toneTypeDecidesWhichToneCellEdits() {
        QFETCH(QString, type);
        QFETCH(bool, ctcss);
        QFETCH(bool, cdcss);
        EditCell(0, CViewChannelList::kTxType, type);
        QCOMPARE(Grid()->Cell(0, CViewChannelList::kTxCtcss)->Editable(), ctcss);
        QCOMPARE(Grid()->Cell(0, CViewChannelList::kTxCdcss)->Editable(), cdcss);
        QVERIFY(!Grid()->StartEdit(0, CViewChannelList::kNumber, 'x'));
        QCOMPARE(static_cast<std::uint8_t>(ChannelBytes(**ctx_, 0, 14, 1).at(0)) >> 6,
                 ctcss ? 1 : (cdcss ? 2 : 0));
    }

    void undoAndRedoRestoreEveryStep() {
        const QByteArray before = ChannelBytes(**ctx_, 0, 0, 24 * 4);
        const QStringList typed{"140", "141", "142", "143", "144", "145"};
        for (const QString& text : typed) {
            EditCell(0, CViewChannelList::kRxFreq, text);
        }
        view_->MoveChannel(1);
        const QByteArray after = ChannelBytes(**ctx_, 0, 0, 24 * 4);
        QCOMPARE(host_->History().Stack().index(), typed.size() + 1);
        for (int i = 0; i <= typed.size(); ++i) {
            view_->Undo();
        }
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), before);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Y, Qt::ControlModifier);
        for (int i = 0; i < typed.size(); ++i) {
            view_->Redo();
        }
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), after);
        // Fifty and more steps are kept; an edit that changes nothing is none.
        for (int i = 0; i < 60; ++i) {
            EditCell(0, CViewChannelList::kRxFreq, QString::number(140 + i % 2));
        }
        EditCell(0, CViewChannelList::kRxFreq, QStringLiteral("141"));
        QVERIFY(host_->History().Stack().index() >= 50);
    }

    // Ctrl+F goes to the find field; what is typed there hides the rows without it, F3 moves to the
    // next cell holding it, moving a channel works on the right channel while rows are hidden, a
    // refill keeps the filter, and Escape shows every row again.
    void findFiltersRowsAndMovesToMatches() {
        EditCell(2, CViewChannelList::kRxFreq, QStringLiteral("150.125"));
        EditCell(3, CViewChannelList::kTxFreq, QStringLiteral("150.125"));
        Grid()->setCurrentCell(0, CViewChannelList::kRxFreq);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), view_->FindEdit());
        QCOMPARE(view_->FindEdit()->accessibleName(), QStringLiteral("Find"));
        QTest::keyClicks(view_->FindEdit(), QStringLiteral("150.12"));
        QVERIFY(Grid()->isRowHidden(1));
        QVERIFY(!Grid()->isRowHidden(2) && !Grid()->isRowHidden(3));
        QVERIFY(!Grid()->isRowHidden(0)); // the current row stays in sight
        QTest::keyClick(view_->FindEdit(), Qt::Key_Return);
        QCOMPARE(std::make_pair(Grid()->currentRow(), Grid()->currentColumn()),
                 std::make_pair(2, int(CViewChannelList::kRxFreq)));
        QTest::keyClick(view_->FindEdit(), Qt::Key_F3);
        QCOMPARE(std::make_pair(Grid()->currentRow(), Grid()->currentColumn()),
                 std::make_pair(3, int(CViewChannelList::kTxFreq)));
        QTest::keyClick(view_->FindEdit(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(Grid()->currentRow(), 2);
        // Channel 4 moves up over channel 3, hidden rows or not; the filter holds after the refill.
        view_->SetCurrentRow(3);
        const QByteArray third = ChannelBytes(**ctx_, 2, 0, 24);
        const QByteArray fourth = ChannelBytes(**ctx_, 3, 0, 24);
        view_->MoveChannel(-1);
        QCOMPARE(ChannelBytes(**ctx_, 2, 0, 24), fourth);
        QCOMPARE(ChannelBytes(**ctx_, 3, 0, 24), third);
        QVERIFY(Grid()->isRowHidden(1));
        view_->FindEdit()->setFocus();
        QTest::keyClick(view_->FindEdit(), Qt::Key_Escape);
        QVERIFY(view_->FindEdit()->text().isEmpty());
        for (int row = 0; row < Grid()->rowCount(); ++row) {
            QVERIFY(!Grid()->isRowHidden(row));
        }
    }

    // A value typed into a cell of a selection within one column goes to every selected channel, as
    // one step for Undo; one refused value refuses them all with the channel's number and reason.
    void typingIntoAColumnSelectionSetsEveryRow() {
        const QByteArray before = ChannelBytes(**ctx_, 0, 0, 24 * 4);
        const auto select = [this](int from, int to, int column) {
            Grid()->clearSelection();
            Grid()->setCurrentCell(from, column);
            Grid()->setRangeSelected(QTableWidgetSelectionRange(from, column, to, column), true);
        };
        select(0, 2, CViewChannelList::kTxFreq);
        EditCell(0, CViewChannelList::kTxFreq, QStringLiteral("151.5"));
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(ChannelBytes(**ctx_, k, 8, 4).toHex(), QByteArray("15150000"));
        }
        QCOMPARE(ChannelBytes(**ctx_, 3, 0, 24), before.mid(72, 24));
        QCOMPARE(host_->History().Stack().index(), 1);
        view_->Undo();
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), before);
        // One value pasted does the same.
        select(1, 3, CViewChannelList::kRxFreq);
        QApplication::clipboard()->setText(QStringLiteral("152.25"));
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
        for (int k = 1; k < 4; ++k) {
            QCOMPARE(ChannelBytes(**ctx_, k, 4, 4).toHex(), QByteArray("15225000"));
        }
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24), before.mid(0, 24));
        view_->Undo();
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), before);
        // A tone no radio has is refused for the first channel checked: no channel changes.
        select(1, 2, CViewChannelList::kRxCtcss);
        EditCell(1, CViewChannelList::kRxCtcss, QStringLiteral("300.5"));
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), before);
        QVERIFY2(view_->Log()->toPlainText().contains(QStringLiteral("Channel 2:")),
                 qPrintable(view_->Log()->toPlainText()));
    }

    void pasteTakesGoodRowsAndRefusesBadOnes() {
        const QByteArray before = ChannelBytes(**ctx_, 0, 0, 24 * 4);
        const QString good = view_->RowsText({2}).trimmed();
        QString moved = good;
        moved.replace(QStringLiteral("137.32500"), QStringLiteral("150.00000"));
        const QString text =
            QStringLiteral("%1\r\nabc\tCTCSS\n%2\n%3\n")
                .arg(moved, QString(moved).replace(QStringLiteral("CTCSS"), QStringLiteral("Tone")),
                     QString(moved).replace(QStringLiteral("150.00000"), QStringLiteral("9.5")));
        QCOMPARE(view_->PasteText(text, 0), 1);
        QCOMPARE(ChannelBytes(**ctx_, 0, 4, 4).toHex(), QByteArray("15000000"));
        QCOMPARE(ChannelBytes(**ctx_, 1, 0, 24 * 3), before.mid(24, 24 * 3));
        const QString log = view_->Log()->toPlainText();
        QVERIFY2(log.contains(QStringLiteral("Row 2:")) && log.contains(QStringLiteral("Row 3:")) &&
                     log.contains(QStringLiteral("Row 4:")),
                 qPrintable(log));
        view_->Undo();
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), before);
    }

    // A pasted value the editors would move is refused with its reason, never moved.
    void pasteRefusesWhatTheEditorsWouldMoveWithTheReason() {
        const struct {
            const char* shown;
            const char* pasted;
            const char* reason;
        } cases[] = {
            {"137.32500", "137.32600", "Row 1: RX Frequency (MHz) 137.32600 is on no channel raster"},
            {"137.32500", "137.3250001", "Row 1: RX Frequency (MHz) '137.3250001' is finer than 10 Hz"},
            {"141.3", "300.04", "Row 1: RX CTCSS (Hz) '300.04' is not a tone of 40.0-300.0 Hz"},
        };
        for (const auto& c : cases) {
            const QByteArray before = ChannelBytes(**ctx_, 2, 0, 24);
            QString row = view_->RowsText({2});
            QVERIFY2(row.contains(QLatin1String(c.shown)), qPrintable(row));
            row.replace(QLatin1String(c.shown), QLatin1String(c.pasted));
            QCOMPARE(view_->PasteText(row, 2), 0);
            QCOMPARE(ChannelBytes(**ctx_, 2, 0, 24), before);
            const QString log = view_->Log()->toPlainText();
            QVERIFY2(log.contains(QLatin1String(c.reason)), qPrintable(log));
        }
    }

    void pastedRowsPastTheEndBecomeChannelsUpToSixteen() {
        const QString row = view_->RowsText({0});
        QString rows;
        for (int i = 0; i < 14; ++i) {
            rows += row;
        }
        QCOMPARE(view_->PasteText(rows, 3), 13);
        QCOMPARE(ctx_->context->Container().Channels().Count(), std::size_t(16));
        QCOMPARE(ChannelBytes(**ctx_, 15, 4, 14), ChannelBytes(**ctx_, 0, 4, 14));
        QCOMPARE(Grid()->rowCount(), 16);
    }

    void insertDeleteAndMoveKeepScanMembers_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<int>("count");
        QTest::newRow("insert before 2") << "insert" << 1 << QList<int>{1, 3, 4, 5} << 5;
        QTest::newRow("delete 2") << "delete" << 1 << QList<int>{1, 2, 3, 255} << 3;
        QTest::newRow("move 1 down") << "down" << 0 << QList<int>{2, 1, 3, 4} << 4;
        QTest::newRow("move 4 up") << "up" << 3 << QList<int>{1, 2, 4, 3} << 4;
        QTest::newRow("move 1 up stays") << "up" << 0 << QList<int>{1, 2, 3, 4} << 4;
        QTest::newRow("Insert key before 2") << "Insert key" << 1 << QList<int>{1, 3, 4, 5} << 5;
        QTest::newRow("Delete key on 2") << "Delete key" << 1 << QList<int>{1, 2, 3, 255} << 3;
    }
    void insertDeleteAndMoveKeepScanMembers() {
        QFETCH(QString, operation);
        QFETCH(int, row);
        QFETCH(QList<int>, members);
        QFETCH(int, count);
        const QByteArray moving = ChannelBytes(**ctx_, row, 0, 24);
        view_->SetCurrentRow(row);
        if (operation.endsWith(QLatin1String(" key"))) {
            Grid()->setFocus();
            QTest::keyClick(Grid(), operation.startsWith('I') ? Qt::Key_Insert : Qt::Key_Delete);
            operation = operation.startsWith('I') ? QStringLiteral("insert") : QStringLiteral("delete");
        } else if (operation == QLatin1String("insert")) {
            view_->InsertChannel();
        } else if (operation == QLatin1String("delete")) {
            view_->DeleteChannel();
        } else {
            view_->MoveChannel(operation == QLatin1String("up") ? -1 : 1);
        }
        QCOMPARE(ctx_->context->Container().Channels().Count(), std::size_t(count));
        for (int k = 0; k < members.size(); ++k) {
            QCOMPARE(Member(**ctx_, k), members[k]);
        }
        if (operation != QLatin1String("insert") && operation != QLatin1String("delete")) {
            const int to = std::clamp(row + (operation == QLatin1String("up") ? -1 : 1), 0, count - 1);
            QCOMPARE(ChannelBytes(**ctx_, row == 0 && operation == QLatin1String("up") ? 0 : to, 0, 24),
                     moving);
        }
        QCOMPARE(Grid()->rowCount(), count);
    }

    // A click on a heading sorts the channels by that column, the other way on a second click; the
    // scan list keeps naming the same channels, and one Undo puts the old order back.
    void headingClickSortsAndScanMembersFollow() {
        const QByteArray before = ChannelBytes(**ctx_, 0, 0, 24 * 4);
        const QByteArray first = ChannelBytes(**ctx_, 0, 0, 24);
        const QByteArray last = ChannelBytes(**ctx_, 3, 0, 24);
        EditCell(1, CViewChannelList::kRxFreq, QStringLiteral("170"));
        QHeaderView* heading = Grid()->horizontalHeader();
        const QPoint at(heading->sectionViewportPosition(CViewChannelList::kRxFreq) + 5,
                        heading->height() / 2);
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24), first);
        QCOMPARE(ChannelBytes(**ctx_, 3, 4, 4).toHex(), QByteArray("17000000"));
        QCOMPARE(QList<int>({Member(**ctx_, 0), Member(**ctx_, 1)}), QList<int>({1, 4}));
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(ChannelBytes(**ctx_, 0, 4, 4).toHex(), QByteArray("17000000"));
        QCOMPARE(ChannelBytes(**ctx_, 3, 0, 24), first);
        QCOMPARE(ChannelBytes(**ctx_, 1, 0, 24), last);
        QCOMPARE(QList<int>({Member(**ctx_, 0), Member(**ctx_, 1)}), QList<int>({4, 1}));
        QCOMPARE(Grid()->item(0, CViewChannelList::kRxFreq)->text(), QStringLiteral("170.00000"));
        view_->Undo();
        view_->Undo();
        view_->Undo();
        QCOMPARE(ChannelBytes(**ctx_, 0, 0, 24 * 4), before);
    }

    void storingTheViewTakesACellStillBeingTyped() {
        QVERIFY(Grid()->StartEdit(2, CViewChannelList::kTxFreq, '1'));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("60"));
        view_->StoreView();
        QCOMPARE(ChannelBytes(**ctx_, 2, 8, 4).toHex(), QByteArray("16000000"));
    }

    void deleteKeepsTheOnlyChannel() {
        SetChannelCount(1);
        view_->SetCurrentRow(0);
        view_->DeleteChannel();
        QCOMPARE(ctx_->context->Container().Channels().Count(), std::size_t(1));
        QCOMPARE(Grid()->rowCount(), 1);
        QCOMPARE(view_->Position()->current, 0);
    }

    // The grid takes the editor's room and scrolls inside itself: the editor does not scroll the
    // buttons and messages away, however many columns the grid has.
    void gridScrollsInsideTheEditor() {
        view_->resize(920, 420);
        view_->show();
        QApplication::processEvents();
        QCOMPARE(view_->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(view_->verticalScrollBar()->maximum(), 0);
        QVERIFY(Grid()->horizontalScrollBar()->maximum() > 0);
        QVERIFY(Grid()->width() > 800);
        const QRect shown = view_->viewport()->rect();
        for (QPushButton* button : view_->findChildren<QPushButton*>()) {
            const QRect at(button->mapTo(view_->viewport(), QPoint()), button->size());
            QVERIFY2(shown.intersects(at), qPrintable(button->text()));
        }
    }

    void cellsAreNamedByTheirColumnHeading() {
        // A screen reader reads the value as the cell's name and the heading of its column.
        QCOMPARE(CellAnnounced(Grid(), 0, CViewChannelList::kRxFreq),
                 std::make_pair(Grid()->item(0, CViewChannelList::kRxFreq)->text(),
                                QStringLiteral("RX Frequency (MHz)")));
        QCOMPARE(CellAnnounced(Grid(), 2, CViewChannelList::kAutoStartScan),
                 std::make_pair(QStringLiteral("Off"), QStringLiteral("Auto Start Scan")));
        QCOMPARE(Grid()->horizontalHeaderItem(0)->text(), QStringLiteral("No."));
        if (qEnvironmentVariableIsSet("TAV_SHOTS")) {
            view_->resize(1300, 560);
            view_->grab().save(QStringLiteral("/tmp/chanshots/channel_list.png"));
        }
    }
};

QTEST_MAIN(ChannelListTest)
#include "ChannelListTest.moc"
