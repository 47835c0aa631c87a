// The factory editors without a radio: the data watch after a Memory Update and the test
// frequencies with their defaults and raster rounding, each checked through the image bytes.
#include "CellAccessibility.h"
#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/factory/CDataWatchView.h"
#include "gui/factory/CViewTestFreq.h"

#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr int kFullFactory = 9;

std::uint32_t StoredWord(const Image& image, std::size_t offset) {
    // The test-frequency words lie least significant byte first.
    return image[offset] | (image[offset + 1] << 8) | (image[offset + 2] << 16) |
           (static_cast<std::uint32_t>(image[offset + 3]) << 24);
}

} // namespace

class FactoryViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ctx_ = std::make_unique<TestContext>(kFullFactory); }
    void cleanup() { ctx_.reset(); }

    void gridShowsTheWholeImageWithHeadings();
    void memoryUpdateLogsEachChangedByte_data();
    void memoryUpdateLogsEachChangedByte();
    void clearKeepsTheSnapshot();
    void selectionFollowsListAndGrid();
    void memoryUpdateFromTheMainFrameReachesTheOpenWatch();
    void testFrequenciesStartFromTheRangeDefaults();
    void editedCellsAreStoredOnTheirRaster_data();
    void editedCellsAreStoredOnTheirRaster();
    void typingIntoACellStoresIt();

private:
    std::unique_ptr<TestContext> ctx_;
};

void FactoryViewsTest::gridShowsTheWholeImageWithHeadings() {
    CountingHost host;
    Image& image = ctx_->context->Container().image();
    image[0x1FFF] = 0xA5;
    CDataWatchView view(**ctx_, &host);
    view.TakeSnapshot(image);
    QTableWidget* grid = view.Grid();
    QCOMPARE(grid->rowCount(), 513);
    QCOMPARE(grid->columnCount(), 17);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Address"));
    QCOMPARE(grid->item(0, 16)->text(), QStringLiteral("_F"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("F:000_"));
    QCOMPARE(grid->item(512, 0)->text(), QStringLiteral("F:1FF_"));
    QCOMPARE(grid->item(512, 16)->text(), QStringLiteral("A5"));
    QCOMPARE(grid->item(27, 4)->text(),
             QStringLiteral("%1").arg(image[0x1A3], 2, 16, QLatin1Char('0')).toUpper());
    QCOMPARE(view.ChangeList()->accessibleName(), QStringLiteral("Changes"));
    QCOMPARE(view.Detail()->accessibleName(), QStringLiteral("Detail"));
}

void FactoryViewsTest::memoryUpdateLogsEachChangedByte_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("detail");
    QTest::newRow("mid image") << 0x1A3 << 0x0C << 0xC8 << "$E.0x1A3:0C->C8" << 27 << 4
                               << "$E.0x1A3:12->200\n$E.0x1A3:00001100\n->11001000";
    QTest::newRow("first byte") << 0x0 << 0xFF << 0x00 << "$E.0x0:FF->00" << 1 << 1
                                << "$E.0x0:255->00\n$E.0x0:11111111\n->00000000";
    QTest::newRow("last byte") << 0x1FFF << 0x01 << 0x80 << "$E.0x1FFF:01->80" << 512 << 16
                               << "$E.0x1FFF:01->128\n$E.0x1FFF:00000001\n->10000000";
}

void FactoryViewsTest::memoryUpdateLogsEachChangedByte() {
    QFETCH(int, address);
    QFETCH(int, before);
    QFETCH(int, after);
    Image& image = ctx_->context->Container().image();
    image[address] = static_cast<std::uint8_t>(before);
    CountingHost host;
    CDataWatchView view(**ctx_, &host);
    view.TakeSnapshot(image);
    image[address] = static_cast<std::uint8_t>(after);
    view.RefreshFromImage();
    QCOMPARE(view.ChangeList()->count(), 1);
    QTEST(view.ChangeList()->item(0)->text(), "line");
    QTEST(view.Grid()->currentRow(), "row");
    QTEST(view.Grid()->currentColumn(), "column");
    QTableWidgetItem* cell = view.Grid()->item(view.Grid()->currentRow(), view.Grid()->currentColumn());
    // A changed byte is marked in the colours of a selection, as the palette gives them.
    QCOMPARE(cell->background().color(), view.Grid()->palette().color(QPalette::Highlight));
    QCOMPARE(cell->foreground().color(), view.Grid()->palette().color(QPalette::HighlightedText));
    QCOMPARE(cell->text(), QStringLiteral("%1").arg(after, 2, 16, QLatin1Char('0')).toUpper());
    QTEST(view.Detail()->toPlainText(), "detail");
    QCOMPARE(view.ChangeList()->currentRow(), 0);

    // A second look with nothing changed adds nothing and keeps the detail.
    view.RefreshFromImage();
    QCOMPARE(view.ChangeList()->count(), 1);
    QTEST(view.Detail()->toPlainText(), "detail");
    // A byte changed twice is listed twice, each time against the value last seen.
    image[address] = static_cast<std::uint8_t>(before);
    view.RefreshFromImage();
    QCOMPARE(view.ChangeList()->count(), 2);
    QCOMPARE(view.ChangeList()->currentRow(), 1);
    QCOMPARE(view.Grid()->item(view.Grid()->currentRow(), view.Grid()->currentColumn())->text(),
             QStringLiteral("%1").arg(before, 2, 16, QLatin1Char('0')).toUpper());
}

void FactoryViewsTest::clearKeepsTheSnapshot() {
    Image& image = ctx_->context->Container().image();
    CountingHost host;
    CDataWatchView view(**ctx_, &host);
    view.TakeSnapshot(image);
    image[0x10] ^= 0xFF;
    image[0x11] ^= 0x0F;
    view.RefreshFromImage();
    QCOMPARE(view.ChangeList()->count(), 2);
    view.ClearLog();
    QCOMPARE(view.ChangeList()->count(), 0);
    QVERIFY(view.Detail()->toPlainText().isEmpty());
    QCOMPARE(view.Grid()->item(2, 1)->background().style(), Qt::NoBrush);
    QCOMPARE(view.Grid()->item(2, 2)->background().style(), Qt::NoBrush);
    view.RefreshFromImage();
    QCOMPARE(view.ChangeList()->count(), 0);
}

void FactoryViewsTest::selectionFollowsListAndGrid() {
    Image& image = ctx_->context->Container().image();
    CountingHost host;
    CDataWatchView view(**ctx_, &host);
    view.TakeSnapshot(image);
    // More lines than the grid has rows: every line must still show its change.
    for (std::size_t a = 0; a < 600; ++a) {
        image[a] ^= 0x55;
    }
    view.RefreshFromImage();
    QCOMPARE(view.ChangeList()->count(), 600);
    view.ChangeList()->setCurrentRow(514);
    QCOMPARE(view.Detail()->toPlainText().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("$E.0x202:%1->%2")
                 .arg(image[0x202] ^ 0x55, 2, 10, QLatin1Char('0'))
                 .arg(image[0x202], 2, 10, QLatin1Char('0')));
    QCOMPARE(view.Grid()->currentRow(), 0x202 / 16 + 1);
    QCOMPARE(view.Grid()->currentColumn(), 0x202 % 16 + 1);

    emit view.Grid()->cellClicked(2, 3); // address 0x12
    QCOMPARE(view.ChangeList()->currentRow(), 0x12);
    emit view.Grid()->cellClicked(100, 3); // never changed
    QCOMPARE(view.ChangeList()->currentRow(), -1);
}

void FactoryViewsTest::memoryUpdateFromTheMainFrameReachesTheOpenWatch() {
    CMainFrame frame(**ctx_);
    CDataContainer& container = ctx_->context->Container();
    CChildFrame* child = frame.OpenEditor(ViewIds::kChangeLog, QStringLiteral("Data Watch"));
    QVERIFY(child);
    auto* view = qobject_cast<CDataWatchView*>(child->View());
    QVERIFY(view);
    container.TestFreqs().SetChannel(15, 4001250, 4001250); // channel 15 was empty
    QVERIFY(frame.RunCommand(Commands::kMemoryUpdate));
    const std::size_t address = ImageMap::kTestFreqs + 15 * TestFreqData::kChannelStride;
    const QString expected = QStringLiteral("$E.0x%1:00->%2")
                                 .arg(QString::number(address, 16).toUpper())
                                 .arg(container.image()[address], 2, 16, QLatin1Char('0'))
                                 .toUpper()
                                 .replace(QStringLiteral("$E.0X"), QStringLiteral("$E.0x"));
    QCOMPARE(view->ChangeList()->item(0)->text(), expected);
    QCOMPARE(view->ChangeList()->count(), 8); // the bytes of the two words that differ, two step codes
    QCOMPARE(frame.MdiArea()->activeSubWindow(), child);
}

void FactoryViewsTest::testFrequenciesStartFromTheRangeDefaults() {
    // The test program folder's model covers 136-174 MHz: D 155, E 145, F 140, K 164, H 174.
    CountingHost host;
    CViewTestFreq view(**ctx_, &host);
    view.OnInitialUpdate();
    const struct {
        QTableWidget* grid;
        int row;
        const char* rx;
        const char* tx;
    } expected[] = {
        {view.ChannelGrid(), 1, "136.15000", "136.00000"}, {view.ChannelGrid(), 2, "140.15000", "140.00000"},
        {view.ChannelGrid(), 9, "173.85000", "174.00000"}, {view.ChannelGrid(), 10, "", ""},
        {view.TuningGrid(), 3, "155.15000", "155.00000"},  {view.TuningGrid(), 5, "173.85000", "174.00000"}};
    for (const auto& e : expected) {
        QCOMPARE(e.grid->item(e.row, 1)->text(), QString::fromLatin1(e.rx));
        QCOMPARE(e.grid->item(e.row, 2)->text(), QString::fromLatin1(e.tx));
        QCOMPARE(e.grid->item(e.row, 0)->text(), QString::number(e.row));
        // A screen reader reads the frequency as the cell's name and the column's heading with it.
        QCOMPARE(CellAnnounced(e.grid, e.row, 2),
                 std::make_pair(QString::fromLatin1(e.tx), QStringLiteral("TX Frequency[MHz]")));
    }
    QCOMPARE(view.ChannelGrid()->rowCount(), 17);
    QCOMPARE(view.TuningGrid()->rowCount(), 6);
    QCOMPARE(view.ChannelGrid()->item(0, 1)->text(), QStringLiteral("RX Frequency[MHz]"));
    QCOMPARE(view.TuningGrid()->item(0, 0)->text(), QStringLiteral("No."));
}

void FactoryViewsTest::editedCellsAreStoredOnTheirRaster_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<uint>("bcd");
    QTest::addColumn<int>("step");
    QTest::newRow("off raster rounds down") << "400.126"
                                            << "400.12500" << 0x40012500u << 6;
    QTest::newRow("on 12.5 kHz") << "400.125"
                                 << "400.12500" << 0x40012500u << 6;
    QTest::newRow("whole megahertz") << "155"
                                     << "155.00000" << 0x15500000u << -1;
    QTest::newRow("empty") << ""
                           << "" << 0u << 0;
}

void FactoryViewsTest::editedCellsAreStoredOnTheirRaster() {
    QFETCH(QString, typed);
    CountingHost host;
    CViewTestFreq view(**ctx_, &host);
    view.OnInitialUpdate();
    view.ChannelGrid()->item(4, 1)->setText(typed); // channel 3, receive
    QTEST(view.ChannelGrid()->item(4, 1)->text(), "shown");
    QCOMPARE(host.calls.size(), std::size_t(1));
    CDataContainer& container = ctx_->context->Container();
    container.StoreAll();
    const std::size_t offset = ImageMap::kTestFreqs + 3 * TestFreqData::kChannelStride;
    QTEST(StoredWord(container.image(), offset), "bcd");
    QFETCH(int, step);
    if (step >= 0) {
        QCOMPARE(int(container.image()[offset + TestFreqData::kChannelRxStepOffset]), step);
    }

    view.TuningGrid()->item(1, 2)->setText(typed); // tuning point 0, transmit
    container.StoreAll();
    QTEST(StoredWord(container.image(), ImageMap::kTestFreqs + TestFreqData::kTuningTxOffset), "bcd");
}

void FactoryViewsTest::typingIntoACellStoresIt() {
    CountingHost host;
    CViewTestFreq view(**ctx_, &host);
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    QTableWidget* grid = view.ChannelGrid();
    grid->setFocus();
    grid->setCurrentCell(2, 1);
    QTest::keyClick(grid->viewport(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "1x50.0126"); // the letter is refused as it is typed
    QCOMPARE(editor->text(), QStringLiteral("150.0126"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid->item(2, 1)->text(), QStringLiteral("150.01250")); // the commit is queued
    QCOMPARE(ctx_->context->Container().TestFreqs().ChannelRx(1), BcdFreq(0x15001250));
    QCOMPARE(host.calls.size(), std::size_t(1));

    // A text that is no frequency loses nothing.
    grid->item(2, 2)->setText(QStringLiteral("12x.5"));
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("140.00000"));
    QCOMPARE(host.calls.size(), std::size_t(1));
}

QTEST_MAIN(FactoryViewsTest)
#include "FactoryViewsTest.moc"
