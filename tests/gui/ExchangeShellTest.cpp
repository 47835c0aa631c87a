// File › Compare and the channel list's CSV export and import inside the main window: the compare
// window lists the differences and opens their editors, the radio is read beside the document
// without touching it, and an import tells what it took and refused before it replaces anything.

#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CompareWindow.h"
#include "gui/app/ExchangeCommands.h"
#include "gui/app/NavigationTree.h"
#include "gui/views/CViewChannel.h"

#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

class ExchangeShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;

    CDataContainer& Data() { return ctx_->context->Container(); }

    /// Gives channel `position` of the edited document a new receive frequency.
    void SetRx(std::size_t position, std::uint32_t bcd) {
        ChannelUi ui;
        const TextLookup& texts = ctx_->context->Language();
        Data().Channels().At(position).LoadUi(ui, texts);
        ui.rxFreq = bcd;
        Data().Channels().At(position).StoreUi(ui, texts, Data().Context());
    }
    /// The edited document saved to `name` in the program folder.
    QString SaveCopy(const std::string& name) {
        DocumentViews none;
        const Result saved = ctx_->context->Doc().SaveAs(ctx_->home / name, "", none);
        return saved ? ctx_->Path(name) : QString();
    }
    Image StoredImage() {
        Data().StoreAll();
        return Data().image();
    }
    /// Exports the channels to `name` through the menu command.
    QString Export(const std::string& name) {
        ctx_->files->QueueCsv(ctx_->Path(name));
        return frame_->RunCommand(Commands::kExportChannels) && std::filesystem::exists(ctx_->home / name)
                   ? ctx_->Path(name)
                   : QString();
    }

private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        frame_ = std::make_unique<CMainFrame>(**ctx_);
        QVERIFY(ShowActive(frame_.get()));
    }
    void cleanup() {
        frame_.reset();
        ctx_.reset();
    }

    void compareWindowListsAChangedChannelAndOpensItsEditor() {
        const QString master = SaveCopy("master.dat");
        QVERIFY(!master.isEmpty());
        SetRx(2, 0x15002500);
        ctx_->files->QueueOpen(master);
        QVERIFY(frame_->RunCommand(Commands::kCompareFile));
        CompareWindow* window = frame_->Exchange().Window();
        QVERIFY(window && window->isVisible());
        QVERIFY(ShowActive(window));
        QTableWidget* table = window->Table();
        QCOMPARE(table->rowCount(), 1);
        QVERIFY(window->windowTitle().contains(QStringLiteral("master.dat")));
        QVERIFY(window->windowTitle().contains(QStringLiteral(": 1 ")));
        QCOMPARE(table->item(0, CompareWindow::kSubject)->text(), QStringLiteral("Channel 3"));
        QCOMPARE(table->item(0, CompareWindow::kField)->text(), QStringLiteral("RX Frequency (MHz)"));
        QCOMPARE(table->item(0, CompareWindow::kThis)->text(), QStringLiteral("150.02500"));
        QVERIFY(!table->accessibleName().isEmpty());
        QCOMPARE(table->horizontalHeaderItem(CompareWindow::kOther)->text(), QStringLiteral("Other"));
        QTest::mouseClick(window->CopyButton(), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().startsWith(
            QStringLiteral("Channel 3 \u00B7 RX Frequency (MHz): 150.02500 -> ")));
        window->grab().save(QStringLiteral("/tmp/compare.png"));

        const QRect cell = table->visualItemRect(table->item(0, CompareWindow::kField));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        CChildFrame* child = frame_->EditorFrame(ViewIds::kChannel);
        QVERIFY(child);
        auto* channel = qobject_cast<CViewChannel*>(child->View());
        QVERIFY(channel);
        QCOMPARE(channel->Position()->current, 3);
    }

    void compareWithAFileNamesItsComment() {
        DocumentViews none;
        QVERIFY(ctx_->context->Doc().SaveAs(ctx_->home / "master.dat", "Fleet A", none));
        QVERIFY(ctx_->context->Doc().SaveAs(ctx_->home / "mine.dat", "Mine", none));
        ctx_->files->QueueOpen(ctx_->Path("master.dat"));
        QVERIFY(frame_->RunCommand(Commands::kCompareFile));
        CompareWindow* window = frame_->Exchange().Window();
        QVERIFY(window);
        const std::vector<ConfigDifference>& found = window->Differences();
        QCOMPARE(found.size(), std::size_t{1});
        QCOMPARE(found[0].field, std::string("Comment"));
        QCOMPARE(found[0].before, std::string("Mine"));
        QCOMPARE(found[0].after, std::string("Fleet A"));
    }

    void compareWithTheRadioLeavesTheDocumentAlone() {
        Data().StoreAll();
        RadioImage radio = Data().image();
        // Embedded data a write never sends, as a radio holds it after a verified write.
        std::fill_n(radio.begin() + static_cast<long>(ImageMap::kEmbedded), 128, std::uint8_t{0x00});
        const Image before = StoredImage();
        SetRx(0, 0x14500000);
        Data().StoreAll();
        const Image edited = Data().image();
        ctx_->radio->answers.push_back(
            {RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174), radio});
        QVERIFY(frame_->RunCommand(Commands::kCompareRadio));
        QCOMPARE(ctx_->radio->requests.back().direction, TransferDirection::Read);
        CompareWindow* window = frame_->Exchange().Window();
        QVERIFY(window);
        // The channel only: what a write never sends (identity, embedded data) is no difference.
        const std::vector<ConfigDifference>& found = window->Differences();
        for (const ConfigDifference& d : found) {
            qInfo("%s", d.LineText().c_str());
        }
        QCOMPARE(found.size(), std::size_t{1});
        QCOMPARE(found[0].viewId, ViewIds::kChannel);
        QCOMPARE(found[0].record, std::size_t{1});
        QCOMPARE(found[0].before, std::string("145.00000"));
        QVERIFY(StoredImage() == edited);
        QVERIFY(before != edited);
        // A read that did not complete shows nothing.
        QVERIFY(frame_->RunCommand(Commands::kCompareRadio));
        QVERIFY(StoredImage() == edited);
    }

    void importTellsTakenAndRefusedRowsAndAsksFirst() {
        const QString csv = Export("channels.csv");
        QVERIFY(!csv.isEmpty());
        std::string text = tav::test::ReadText(ctx_->home / "channels.csv");
        // Row 3 of the file (the second channel) gets a frequency outside the radio's range.
        std::vector<std::string> lines;
        for (std::size_t from = 0, to; (to = text.find('\n', from)) != std::string::npos; from = to + 1) {
            lines.push_back(text.substr(from, to - from + 1));
        }
        QVERIFY(lines.size() > 3);
        const std::size_t comma = lines[2].find(',');
        lines[2] =
            lines[2].substr(0, comma + 1) + "999.00000" + lines[2].substr(lines[2].find(',', comma + 1));
        text.clear();
        for (const std::string& line : lines) {
            text += line;
        }
        tav::test::WriteText(ctx_->home / "edited.csv", text);
        const std::size_t count = Data().Channels().Count();
        const Image before = StoredImage();

        // Refused rows: No keeps every channel.
        ctx_->files->QueueCsv(ctx_->Path("edited.csv"));
        ctx_->prompts->Queue(PromptAnswer::No);
        QVERIFY(frame_->RunCommand(Commands::kImportChannels));
        const QString asked = ctx_->prompts->Last()->text;
        QVERIFY2(asked.contains(QStringLiteral("%1 rows taken, 1 refused.").arg(count - 1)),
                 qPrintable(asked));
        QVERIFY2(asked.contains(QStringLiteral("Row 3: ")), qPrintable(asked));
        QVERIFY(asked.contains(QStringLiteral("999.00000")));
        QVERIFY(StoredImage() == before);

        // Yes takes the good rows; the refused row's channel stays as it was.
        const std::uint32_t refusedRx = Data().Channels().At(1).RxFreq();
        frame_->Tree()->OpenItem(frame_->Tree()->RecordItem(ViewIds::kChannel, 1));
        ctx_->files->QueueCsv(ctx_->Path("edited.csv"));
        ctx_->prompts->Queue(PromptAnswer::Yes);
        QVERIFY(frame_->RunCommand(Commands::kImportChannels));
        QCOMPARE(Data().Channels().Count(), count);
        QCOMPARE(Data().Channels().At(1).RxFreq(), refusedRx);
        QCOMPARE(frame_->Tree()->RecordItemCount(ViewIds::kChannel), static_cast<int>(count));

        // A file that cannot be read is told, and changes nothing.
        ctx_->files->QueueCsv(ctx_->Path("missing.csv"));
        QVERIFY(frame_->RunCommand(Commands::kImportChannels));
        QVERIFY(ctx_->prompts->Last()->text.contains(QStringLiteral("missing.csv")));
        QCOMPARE(Data().Channels().Count(), count);
    }

    void importOfWhatIsNoFileIsRefusedAtOnce() {
        const Image before = StoredImage();
        std::filesystem::create_directory(ctx_->home / "folder.csv");
        std::vector<std::pair<std::string, QString>> cases = {
            {"folder.csv", QStringLiteral("Is a directory")}};
#ifndef _WIN32
        // A FIFO with no writer would hold the window until one came.
        QCOMPARE(::mkfifo((ctx_->home / "pipe.csv").c_str(), 0600), 0);
        cases.emplace_back("pipe.csv", QStringLiteral("a FIFO"));
#endif
        for (const auto& [name, reason] : cases) {
            ctx_->files->QueueCsv(ctx_->Path(name));
            QVERIFY(frame_->RunCommand(Commands::kImportChannels));
            QVERIFY(ctx_->prompts->Last());
            const QString told = ctx_->prompts->Last()->text;
            QVERIFY2(told.contains(reason) && told.contains(QString::fromStdString(name)), qPrintable(told));
            QVERIFY(StoredImage() == before);
        }
    }

    void exportNeverReplacesTheOpenDataFile() {
        QVERIFY(!SaveCopy("open.dat").isEmpty());
        std::filesystem::create_hard_link(ctx_->home / "open.dat", ctx_->home / "other.csv");
        const std::vector<std::uint8_t> bytes = tav::test::ReadBytes(ctx_->home / "open.dat");
        for (const char* name : {"open.dat", "other.csv"}) {
            ctx_->files->QueueCsv(ctx_->Path(name));
            QVERIFY(frame_->RunCommand(Commands::kExportChannels));
            QVERIFY(ctx_->prompts->Last());
            const QString told = ctx_->prompts->Last()->text;
            QVERIFY2(told.contains(QStringLiteral("the open data file")), qPrintable(told));
            QVERIFY(tav::test::ReadBytes(ctx_->home / "open.dat") == bytes);
        }
        QVERIFY(!Export("channels.csv").isEmpty());
    }

    void exportThenImportGivesTheSameImage() {
        SetRx(1, 0x15512500);
        const Image before = StoredImage();
        const QString csv = Export("round.csv");
        QVERIFY(!csv.isEmpty());
        ctx_->files->QueueCsv(csv);
        ctx_->prompts->Queue(PromptAnswer::Yes);
        QVERIFY(frame_->RunCommand(Commands::kImportChannels));
        QVERIFY(ctx_->prompts->Last()->text.contains(QStringLiteral(", 0 refused.")));
        QVERIFY(StoredImage() == before);
    }
};

QTEST_MAIN(ExchangeShellTest)
#include "ExchangeShellTest.moc"
