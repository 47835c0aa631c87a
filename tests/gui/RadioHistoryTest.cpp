// The radio history in the desktop program: Program > Radio History lists the radios and their
// entries, an entry opens, compares and is written back; Write to Radio backs the radio up first
// and, when a write stops part way, offers Write Again and Restore Backup until the radio is whole.
#include "ShellTestSupport.h"
#include "core/comm/LinkMessages.h"
#include "core/data/ImageMap.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CompareWindow.h"
#include "gui/app/ExchangeCommands.h"
#include "gui/app/RadioHistoryWindow.h"
#include "gui/comm/CDlgComm.h"
#include "gui/comm/CDlgNote.h"
#include "gui/comm/CDlgPartialWrite.h"
#include "gui/comm/CommRadioDialogs.h"
#include "sim/RadioSimulator.h"
#include "support/ManualClock.h"
#include "support/SteppingUtcClock.h"

#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr int kWaitMs = 20000;

/// Checks made inside a dialog's answer, verified once the command has ended.
QStringList failures;
#define CHECK(condition)                                                                                     \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            failures << QStringLiteral("%1:%2").arg(#condition).arg(__LINE__);                               \
        }                                                                                                    \
    } while (false)

DataFileHeader V300Header() {
    DataFileHeader header;
    header.modelId = "TAV-V300";
    header.modelName = "TAV 310";
    header.lowMHz = 136;
    header.highMHz = 174;
    header.firmware = "1.04.01";
    header.rangeFlags = 0x80;
    return header;
}

BlockPlan SentPlan() {
    BlockPlan plan = FullWritePlan(false);
    plan.push_back(DateBlock());
    return plan;
}

/// A write that stopped after `blocks` blocks, the next one sent but not acknowledged.
TransferReport StoppedWrite(std::size_t blocks) {
    TransferReport report = RadioReport(TransferStatus::BlockFailed, "TAV-V300", "TAV 310", 136, 174);
    report.messageId = kMsgWriteFailed;
    report.failedAddress = SentPlan()[blocks].address;
    report.written = WrittenRanges::After(SentPlan(), blocks, true);
    return report;
}

RadioImage WithSerial(RadioImage memory, const std::string& serial) {
    std::fill_n(memory.begin() + 0x48, 16, 0);
    std::copy(serial.begin(), serial.end(), memory.begin() + 0x48);
    return memory;
}

RadioImage Pattern(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 7 + (i >> 8) + salt) & 0xFF);
    }
    return image;
}

/// The partial-write offer's answer: checks what it offers, then presses a button.
ScriptedDialogRunner::Answer Choose(int choice, bool restoreOffered, const QString& mustSay = {}) {
    return [=](QDialog& dialog) {
        auto* offer = dynamic_cast<CDlgPartialWrite*>(&dialog);
        CHECK(offer != nullptr);
        if (!offer) {
            return static_cast<int>(QDialog::Rejected);
        }
        CHECK((offer->RestoreButton() != nullptr) == restoreOffered);
        CHECK(offer->Text()->text().contains(QStringLiteral("may be only partly written")));
        CHECK(mustSay.isEmpty() || offer->Text()->text().contains(mustSay));
        for (QPushButton* button :
             {offer->WriteAgainButton(), offer->RestoreButton(), offer->CloseButton()}) {
            CHECK(!button || button->accessibleName() == button->text());
        }
        QPushButton* pressed = choice == CDlgPartialWrite::kWriteAgain      ? offer->WriteAgainButton()
                               : choice == CDlgPartialWrite::kRestoreBackup ? offer->RestoreButton()
                                                                            : offer->CloseButton();
        if (pressed) {
            pressed->click();
        }
        return offer->result();
    };
}

/// The communication dialog's answer: OK, then wait for its end; `watch` sees it while it runs.
ScriptedDialogRunner::Answer PressOk(std::function<void(CDlgComm&)> watch = {}) {
    return [watch](QDialog& dialog) {
        auto* comm = dynamic_cast<CDlgComm*>(&dialog);
        CHECK(comm != nullptr);
        if (!comm) {
            return static_cast<int>(QDialog::Rejected);
        }
        comm->show();
        comm->OkButton()->click();
        (void)QTest::qWaitFor(
            [&] {
                if (watch) {
                    watch(*comm);
                }
                return comm->isHidden();
            },
            kWaitMs);
        return comm->result();
    };
}

} // namespace

class RadioHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void theWindowListsRadiosAndTheirEntriesNewestFirst();
    void anEntryOpensAndIsComparedWithTheDocumentOrAnotherEntry();
    void anEntryIsWrittenBackAfterTheQuestionWithTheChecksOfAWrite();
    void aPartlyWrittenRadioIsOfferedWriteAgainAndRestoreBackup();
    void overASimulatedRadioTheOfferMakesTheRadioWholeAgain();
    void aHistoryThatCannotBeKeptIsToldAndTheReadStands();

private:
    CMainFrame& Frame() { return *frame_; }
    RadioHistoryWindow* OpenHistory() {
        Frame().RunCommand(Commands::kRadioHistory);
        return Frame().findChild<RadioHistoryWindow*>();
    }
    QString LogText() const {
        return qobject_cast<QPlainTextEdit*>(frame_->LogBar()->widget())->toPlainText();
    }
    void SelectRows(RadioHistoryWindow* window, std::initializer_list<int> rows) {
        window->Entries()->clearSelection();
        for (const int row : rows) {
            window->Entries()->selectionModel()->select(window->Entries()->model()->index(row, 0),
                                                        QItemSelectionModel::Select |
                                                            QItemSelectionModel::Rows);
        }
    }

    ScriptedDialogRunner runner_;
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;
    /// The document's image and one whose first channel receives elsewhere.
    Image document_ = BlankImage();
    Image changed_ = BlankImage();
    std::vector<HistoryEntry> recorded_;
};

void RadioHistoryTest::init() {
    failures.clear();
    frame_.reset();
    ctx_.reset();
    runner_ = ScriptedDialogRunner();
    ctx_ = std::make_unique<TestContext>(0, &runner_);
    frame_ = std::make_unique<CMainFrame>(**ctx_);
    // The document as loaded from its own image, so that an entry of that image equals it.
    CDataContainer& container = ctx_->context->Container();
    container.StoreAll();
    container.LoadAll();
    container.StoreAll();
    document_ = container.image();
    ctx_->context->Doc().MarkUnchanged();
    changed_ = document_;
    changed_[ImageMap::kChannels + 5] =
        static_cast<std::uint8_t>(document_[ImageMap::kChannels + 5] == 0x64 ? 0x65 : 0x64);
    SteppingUtcClock clock(SteppingUtcClock::Example(), std::chrono::seconds(1));
    const RadioHistory history(ctx_->historyFolder, clock);
    const struct {
        const char* serial;
        HistoryKind kind;
        const Image& image;
    } events[] = {{"SN-1", HistoryKind::Read, document_},
                  {"SN-1", HistoryKind::BeforeWrite, document_},
                  {"SN-1", HistoryKind::Written, changed_},
                  {"SN-2", HistoryKind::Read, document_}};
    recorded_.clear();
    for (const auto& e : events) {
        HistoryRecord record;
        record.kind = e.kind;
        record.serial = e.serial;
        record.header = V300Header();
        record.port = "/dev/ttyUSB0";
        recorded_.push_back(history.Record(record, e.image).value());
    }
}

void RadioHistoryTest::cleanup() {
    frame_.reset();
    ctx_.reset();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(", ")));
}

void RadioHistoryTest::theWindowListsRadiosAndTheirEntriesNewestFirst() {
    QVERIFY(Frame().Action(Commands::kRadioHistory));
    QCOMPARE(Frame().Action(Commands::kRadioHistory)->text(), QStringLiteral("Radio &History..."));
    RadioHistoryWindow* window = OpenHistory();
    QVERIFY(window);
    QVERIFY(ShowActive(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Radio History"));
    QCOMPARE(window->Radios()->count(), 2);
    QCOMPARE(window->Radios()->item(0)->text(), QStringLiteral("SN-1"));
    QCOMPARE(window->Radios()->currentItem()->text(), QStringLiteral("SN-1"));
    QCOMPARE(window->Radios()->accessibleName(), QStringLiteral("Radios"));
    QCOMPARE(window->Entries()->accessibleName(), QStringLiteral("Entries"));
    QTableWidget* table = window->Entries();
    QCOMPARE(table->rowCount(), 3);
    const char* kinds[] = {"written", "before write", "read"};
    for (int row = 0; row < 3; ++row) {
        const HistoryEntry& entry = recorded_[static_cast<std::size_t>(2 - row)];
        QCOMPARE(table->item(row, RadioHistoryWindow::kTime)->text(), FromLanguage(entry.time));
        QCOMPARE(table->item(row, RadioHistoryWindow::kKind)->text(), QString::fromLatin1(kinds[row]));
        QCOMPARE(table->item(row, RadioHistoryWindow::kModel)->text(), QStringLiteral("TAV-V300"));
        QCOMPARE(table->item(row, RadioHistoryWindow::kBand)->text(), QStringLiteral("136-174"));
        QCOMPARE(table->item(row, RadioHistoryWindow::kPort)->text(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(table->item(row, RadioHistoryWindow::kResult)->text(), QStringLiteral("ok"));
    }
    QCOMPARE(table->horizontalHeaderItem(RadioHistoryWindow::kTime)->text(), QStringLiteral("Time (UTC)"));
    for (QPushButton* button : {window->OpenButton(), window->CompareEntriesButton(),
                                window->CompareDocumentButton(), window->RestoreButton()}) {
        QCOMPARE(button->accessibleName(), QString(button->text()).remove(QLatin1Char('&')));
    }
    // One entry: open, compare with the document, restore; two: compare them.
    QCOMPARE(window->SelectedEntries().size(), std::size_t{1});
    QVERIFY(window->OpenButton()->isEnabled());
    QVERIFY(!window->CompareEntriesButton()->isEnabled());
    SelectRows(window, {0, 2});
    QVERIFY(window->CompareEntriesButton()->isEnabled());
    QVERIFY(!window->RestoreButton()->isEnabled());

    window->Radios()->setCurrentRow(1);
    QCOMPARE(table->rowCount(), 1);
    // A new entry shows when the window is asked for again; there is one window.
    HistoryRecord record;
    record.serial = "SN-2";
    record.header = V300Header();
    QVERIFY(ctx_->context->Session().History().Record(record, document_).ok());
    QCOMPARE(OpenHistory(), window);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(Frame().findChildren<RadioHistoryWindow*>().size(), 1);
}

void RadioHistoryTest::anEntryOpensAndIsComparedWithTheDocumentOrAnotherEntry() {
    RadioHistoryWindow* window = OpenHistory();
    QVERIFY(window);
    const RadioHistory& history = ctx_->context->Session().History();

    // The written entry (the first channel moved) against the document.
    SelectRows(window, {0});
    window->CompareWithDocument();
    CompareWindow* compared = Frame().Exchange().Window();
    QVERIFY(compared);
    QVERIFY2(compared->Differences().size() == 1, qPrintable(compared->LinesText()));
    QCOMPARE(FromLanguage(compared->Differences()[0].subject), QStringLiteral("Channel 1"));
    QVERIFY(compared->windowTitle().contains(FromLanguage(recorded_[2].name)));

    // Two entries: the older on the left, each column named by its entry.
    SelectRows(window, {0, 2});
    window->CompareSelectedEntries();
    compared = Frame().Exchange().Window();
    QVERIFY(compared);
    QCOMPARE(compared->Differences().size(), std::size_t{1});
    QCOMPARE(compared->Table()->horizontalHeaderItem(CompareWindow::kThis)->text(),
             QStringLiteral("history entry ") + FromLanguage(recorded_[0].name));
    QCOMPARE(compared->Table()->horizontalHeaderItem(CompareWindow::kOther)->text(),
             QStringLiteral("history entry ") + FromLanguage(recorded_[2].name));

    // Opened as the document, as a file from the disk.
    SelectRows(window, {0});
    window->OpenSelected();
    QCOMPARE(ctx_->context->Doc().Path(), history.EntryFile("SN-1", recorded_[2].name));
    ctx_->context->Container().StoreAll();
    QCOMPARE(ctx_->context->Container().image()[ImageMap::kChannels + 5], changed_[ImageMap::kChannels + 5]);
}

void RadioHistoryTest::anEntryIsWrittenBackAfterTheQuestionWithTheChecksOfAWrite() {
    RadioHistoryWindow* window = OpenHistory();
    QVERIFY(window);
    SelectRows(window, {0});
    ctx_->prompts->Queue(PromptAnswer::No);
    window->RestoreSelected();
    QVERIFY(ctx_->radio->requests.empty());
    QVERIFY(ctx_->prompts->Last()->text.startsWith(QStringLiteral("Write this history entry to the radio?")));

    ctx_->prompts->Queue(PromptAnswer::Yes);
    ctx_->radio->answers.push_back({RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174)});
    window->RestoreSelected();
    QCOMPARE(ctx_->radio->requests.size(), std::size_t{1});
    const TransferRequest& request = ctx_->radio->requests.front();
    QCOMPARE(request.direction, TransferDirection::Write);
    QCOMPARE(request.rules.currentModelId, std::string("TAV-V300"));
    QCOMPARE(request.documentRange, std::string("136-174"));
    // The kept bytes go out as they are, and the document stays as it was.
    QVERIFY(ctx_->radio->lastWritten == changed_);
    ctx_->context->Container().StoreAll();
    QVERIFY(ctx_->context->Container().image() == document_);
    QVERIFY(LogText().contains(QStringLiteral("The radio has been restored from its history.")));
}

void RadioHistoryTest::aPartlyWrittenRadioIsOfferedWriteAgainAndRestoreBackup() {
    const RadioImage before = WithSerial(Pattern(3), "SN-P");
    const struct {
        const char* name;
        bool backup;
        std::vector<ScriptedDialogRunner::Answer> choices;
        std::vector<TransferReport> reports; ///< after the first, stopped write
        std::size_t writes;
        bool restored; ///< the last write sent the backup (else the document)
    } cases[] = {
        {"restore the backup",
         true,
         {Choose(CDlgPartialWrite::kRestoreBackup, true, "restore the backup")},
         {RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174)},
         2,
         true},
        {"write again, stopped again, then written",
         true,
         {Choose(CDlgPartialWrite::kWriteAgain, true), Choose(CDlgPartialWrite::kWriteAgain, true)},
         {StoppedWrite(40), RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174)},
         3,
         false},
        {"without a backup only writing again is offered; closed",
         false,
         {Choose(CDlgPartialWrite::kClose, false, "No backup was taken")},
         {},
         1,
         false},
    };
    for (const auto& c : cases) {
        init();
        ctx_->radio->backup = c.backup;
        ctx_->radio->stamp = [](Image&) {};
        ctx_->radio->answers.push_back({StoppedWrite(10), RadioImage{}, before});
        for (const TransferReport& report : c.reports) {
            ctx_->radio->answers.push_back({report});
        }
        for (const auto& choice : c.choices) {
            runner_.Queue(choice);
        }
        QVERIFY(Frame().RunCommand(Commands::kWrite));
        QVERIFY2(failures.isEmpty(), qPrintable(QString::fromLatin1(c.name) + ": " + failures.join(", ")));
        QCOMPARE(runner_.Count(), static_cast<int>(c.choices.size()));
        QCOMPARE(ctx_->radio->requests.size(), c.writes);
        QVERIFY(ctx_->radio->answers.empty());
        QCOMPARE(ctx_->radio->requests.front().backupFirst, c.backup);
        QVERIFY(ctx_->radio->lastWritten == (c.restored ? Image(before) : document_));
        QCOMPARE(LogText().contains(QStringLiteral("restored from its history")), c.restored);
        // The backup is in the history under the radio's serial number.
        const std::vector<HistoryEntry> entries = ctx_->context->Session().History().Entries("SN-P");
        QCOMPARE(!entries.empty() && entries.front().kind == HistoryKind::BeforeWrite, c.backup);
        cleanup();
    }
    init();
}

void RadioHistoryTest::overASimulatedRadioTheOfferMakesTheRadioWholeAgain() {
    CDlgNote::SetDoNotWarn(true);
    const BlockPlan plan = SentPlan();
    for (const int choice : {static_cast<int>(CDlgPartialWrite::kRestoreBackup),
                             static_cast<int>(CDlgPartialWrite::kWriteAgain)}) {
        // A context whose radio dialogs are the real ones, on a simulated radio that refuses one
        // block once.
        TestHome home;
        tav::test::TempDir historyDir;
        const FixedHistoryFolder historyFolder(historyDir / "history");
        ScriptedDialogRunner runner;
        AppEffects effects;
        auto* prompts = new ScriptedPrompts;
        effects.prompts.reset(prompts);
        effects.files = std::make_unique<ScriptedFileChooser>();
        effects.dialogs = std::make_unique<ScriptedShellDialogs>();
        effects.reports = std::make_unique<ScriptedReportDialogs>();
        effects.recent = std::make_unique<RecentFileList>(std::make_unique<QSettings>(
            QString::fromStdString((home / "recent.ini").string()), QSettings::IniFormat));
        effects.runner = &runner;
        effects.history = &historyFolder;
        AppContext context(ProgramHome(home.path()), std::move(effects));
        DocumentViews none;
        QVERIFY(context.Doc().New(none).ok());
        ManualClock clock;
        clock.SetLocalNow({2024, 3, 9, 14, 5, 59});
        dynamic_cast<CommRadioDialogs&>(context.Radio()).SetClock(&clock);
        sim::SimulatorConfig config;
        config.memory = WithSerial(Pattern(5), "SN-SIM");
        config.modelId = "TAV-V300";
        config.modelName = "TAV 310";
        config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
        config.faults = {sim::Fault{sim::FaultKind::RefuseAck, 0, 1, plan[30].address, false}};
        sim::RadioSimulator radio(config);
        QVERIFY(radio.Start().ok());
        context.SetRadioDevice(radio.DevicePath());
        CMainFrame frame(context);

        bool backedUp = false;
        runner.Queue(PressOk([&backedUp](CDlgComm& comm) {
            CHECK(comm.BackupBox() && comm.BackupBox()->isChecked()); // on by default
            CHECK(comm.BackupBox() && comm.BackupBox()->accessibleName() == comm.BackupBox()->text().remove(QLatin1Char('&')));
            backedUp = backedUp || comm.Status()->text().startsWith(QStringLiteral("Backing up: "));
        }));
        runner.Queue(Choose(choice, true));
        runner.Queue(PressOk());
        QVERIFY(frame.RunCommand(Commands::kWrite));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(", ")));
        QVERIFY(backedUp);
        QCOMPARE(runner.Count(), 3);

        context.Container().StoreAll();
        const Image expected =
            choice == CDlgPartialWrite::kRestoreBackup ? Image(config.memory) : context.Container().image();
        const RadioImage now = radio.Memory();
        for (const TransferBlock& block : FullWritePlan(false)) {
            for (std::uint32_t a = block.address; a < block.address + block.length; ++a) {
                QVERIFY2(now[a] == expected[a], qPrintable(QString::number(a, 16)));
            }
        }
        QCOMPARE(now[0x48], static_cast<std::uint8_t>('S')); // the serial number was never written
        const std::vector<HistoryEntry> entries = context.Session().History().Entries("SN-SIM");
        QVERIFY(entries.size() >= 2);
        QCOMPARE(entries[0].kind, HistoryKind::BeforeWrite);
        DataFileContent backup;
        QVERIFY(context.Session().History().Load("SN-SIM", entries[0].name, backup).ok());
        QVERIFY(backup.image == Image(config.memory));
    }
}

void RadioHistoryTest::aHistoryThatCannotBeKeptIsToldAndTheReadStands() {
    // A file where the history's folder should be: nothing can be kept there.
    std::filesystem::remove_all(ctx_->historyDir / "history");
    tav::test::WriteText(ctx_->historyDir / "history", "not a folder");
    ctx_->radio->answers.push_back({RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174),
                                    WithSerial(Pattern(2), "SN-X")});
    QVERIFY(Frame().RunCommand(Commands::kRead));
    QVERIFY(ctx_->prompts->Last());
    QVERIFY2(ctx_->prompts->Last()->text.startsWith(QStringLiteral("The radio history could not be saved (")),
             qPrintable(ctx_->prompts->Last()->text));
    QCOMPARE(ctx_->prompts->Last()->icon, PromptIcon::Warning);
    // The read itself took the radio's data.
    QCOMPARE(ctx_->context->Container().image()[0x48], static_cast<std::uint8_t>('S'));
    QCOMPARE(tav::test::ReadText(ctx_->historyDir / "history"), std::string("not a folder"));
}

QTEST_MAIN(RadioHistoryTest)
#include "RadioHistoryTest.moc"
