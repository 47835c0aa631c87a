// The grid's cells: how each shows its value, which opens an editor, and how the in-place editors
// start, type and end.

#include "CellAccessibility.h"
#include "ShellTestSupport.h"
#include "gui/grid/CGridCell.h"
#include "gui/grid/CGridComboCell.h"
#include "gui/grid/CGridCtrl.h"

#include <QSignalSpy>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

class GridCellsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGridCtrl> grid_;

    void Put(std::unique_ptr<CGridCell> cell) { grid_->SetCell(0, 0, std::move(cell)); }

private slots:
    void init() {
        grid_ = std::make_unique<CGridCtrl>();
        grid_->setRowCount(1);
        grid_->setColumnCount(1);
        grid_->setHorizontalHeaderLabels({QStringLiteral("RX Frequency (MHz)")});
        grid_->SetFreqRange(400, 470);
        grid_->resize(400, 200);
        QVERIFY(ShowActive(grid_.get()));
    }
    void cleanup() { grid_.reset(); }

    void frequencyCellShowsAndReadsItsValue_data() {
        QTest::addColumn<uint>("bcd");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<uint>("read");
        QTest::newRow("on a raster") << 0x40012500u << "400.12500" << 0x40012500u;
        QTest::newRow("on no raster") << 0x40000250u << "400.00000" << 0x40000000u;
        QTest::newRow("none") << 0xFFFFFFFFu << "" << 0xFFFFFFFFu;
    }
    void frequencyCellShowsAndReadsItsValue() {
        QFETCH(uint, bcd);
        QFETCH(QString, shown);
        QFETCH(uint, read);
        CGridFreqEdit cell;
        cell.SetValue(bcd);
        QCOMPARE(cell.text(), shown);
        QCOMPARE(cell.GetValue(), read);
    }

    void inPlaceEditsStartTypeAndEnd_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("startKey");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("endKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ended");
        QTest::newRow("frequency typed over")
            << "freq" << int('4') << "00.0037" << int(Qt::Key_Return) << "400.00250" << true;
        QTest::newRow("frequency drops letters")
            << "freq" << int('4') << "1x0" << int(Qt::Key_Tab) << "410.00000" << true;
        QTest::newRow("frequency clamped silently")
            << "freq" << int('9') << "99" << int(Qt::Key_Return) << "470.00000" << true;
        QTest::newRow("frequency escape")
            << "freq" << int('4') << "3" << int(Qt::Key_Escape) << "401.00000" << true;
        QTest::newRow("text typed over")
            << "text" << int('x') << "y!" << int(Qt::Key_Return) << "xy!" << true;
        QTest::newRow("text from return keeps")
            << "text" << 13 << "z" << int(Qt::Key_Return) << "abcz" << true;
        QTest::newRow("text escape") << "text" << int('x') << "y" << int(Qt::Key_Escape) << "abc" << true;
        QTest::newRow("none cell opens nothing") << "none" << int('4') << "" << 0 << "abc" << false;
    }
    void inPlaceEditsStartTypeAndEnd() {
        QFETCH(QString, kind);
        QFETCH(int, startKey);
        QFETCH(QString, typed);
        QFETCH(int, endKey);
        QFETCH(QString, text);
        QFETCH(bool, ended);
        if (kind == QLatin1String("freq")) {
            auto cell = std::make_unique<CGridFreqEdit>();
            cell->SetValue(0x40100000);
            Put(std::move(cell));
        } else if (kind == QLatin1String("text")) {
            Put(std::make_unique<CGridBCDEditCell>(QStringLiteral("abc")));
        } else {
            Put(std::make_unique<CGridNoneCell>(QStringLiteral("abc")));
        }
        QSignalSpy ends(grid_.get(), &CGridCtrl::editEnded);
        QCOMPARE(grid_->StartEdit(0, 0, startKey), ended);
        if (ended) {
            QWidget* editor = grid_->Editor();
            QVERIFY(editor);
            QTest::keyClicks(editor, typed);
            QTest::keyClick(editor, static_cast<Qt::Key>(endKey));
            QTest::qWait(1);
        } else {
            QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {},
                               grid_->visualItemRect(grid_->item(0, 0)).center());
            QVERIFY(!grid_->Editor());
        }
        QCOMPARE(ends.size(), ended ? 1 : 0);
        QCOMPARE(grid_->item(0, 0)->text(), text);
    }

    void dropDownCellKeepsTheValueOfItsItem() {
        auto owned = std::make_unique<CGridComboCell>();
        CGridComboCell* cell = owned.get();
        cell->SetValueItems({{0, QStringLiteral("Off")}, {1, QStringLiteral("On")}});
        cell->SetValue(1);
        Put(std::move(owned));
        QCOMPARE(cell->text(), QStringLiteral("On"));
        QVERIFY(grid_->StartEdit(0, 0, 13));
        auto* combo = qobject_cast<QComboBox*>(grid_->Editor());
        QVERIFY(combo && !combo->isEditable());
        QCOMPARE(combo->count(), 2);
        combo->setCurrentIndex(0);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(cell->text(), QStringLiteral("Off"));
        QCOMPARE(cell->GetValue(), 0u);
        QCOMPARE(CellAnnounced(grid_.get(), 0, 0),
                 std::make_pair(QStringLiteral("Off"), QStringLiteral("RX Frequency (MHz)")));
    }
};

QTEST_MAIN(GridCellsTest)
#include "GridCellsTest.moc"
