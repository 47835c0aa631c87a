// The main window: editor windows opened and reused, Close All Windows, the close question, the
// file commands with bad files, nothing lost on closing while an edit is typed, the radio commands,
// change notices reaching every editor, the model change and the clock.
#include "ShellTestSupport.h"
#include "core/data/CDataFile.h"
#include "gui/app/AboutBox.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CViewManager.h"
#include "gui/app/FileCommands.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/NavigationTree.h"
#include "gui/app/ProblemListBar.h"
#include "gui/app/ShellTexts.h"
#include "gui/comm/CDlgComPort.h"
#include "gui/views/CViewRadio.h"

#include <QAction>
#include <QDialog>
#include <QDockWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

QString MessageText(AppContext& context, int id) {
    return context.Message(id);
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void anEditorOpenedTwiceIsReused();
    void closeAllWindowsThenReopen();
    void changeNoticesReachEveryOpenEditor();
    void closeQuestionYesSavesEvenThroughSaveAs();
    void closeQuestionNoAndCancel();
    void nothingIsLostWhenClosedWhileAnEditIsTyped();
    void fileCommandsWithBadFilesTellWhyAndChangeNothing();
    void recentFilesAndTheTitleFollowTheDocument();
    void readAndWriteGoThroughTheRadioCommands();
    void aReadThatFailsAfterTheIdentityChangesNothing();
    void modelChangeKeepsOrReplacesTheData();
    void writeShowsTheStampedDateInTheRadioInformation();
    void verifyAfterWritingTellsWhetherTheRadioHoldsTheData();
    void problemsStopASaveAndShowInTheirBar();
    void memoryUpdateRebuildsTheImage();
    void languageChangeRenewsTheFrame();
    void tabBarFollowsTheWindows();
    void clockAndStatusPanes();
    void theLogNamesOnlyWhatChanged();
    void cascadeAndTheTreeKeepEverythingReadable();
    void helpFromAModalDialogCanBeUsed();
    void screenshots();

private:
    CMainFrame& Frame() { return *frame_; }
    ChannelTestView* OpenChannel(const QString& title = QStringLiteral("Channel 1"), int count = 16) {
        CChildFrame* child = Frame().OpenEditor(ViewIds::kChannel, title, count);
        return child ? static_cast<ChannelTestView*>(child->View()) : nullptr;
    }

    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;
};

void MainFrameTest::init() {
    ctx_ = std::make_unique<TestContext>();
    frame_ = std::make_unique<CMainFrame>(**ctx_);
    UseChannelTestView(*frame_);
    // A second registration of the channel editor stands for another open editor.
    frame_->Views().Register(ViewIds::kChannelList,
                             [](AppContext& context, EditorHost& host, QWidget* parent) {
                                 return new ChannelTestView(context, &host, parent);
                             });
}

void MainFrameTest::cleanup() {
    frame_.reset();
    ctx_.reset();
}

void MainFrameTest::anEditorOpenedTwiceIsReused() {
    CChildFrame* first = Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    QVERIFY(first);
    QVERIFY(qobject_cast<CViewRadio*>(first->View()));
    CChildFrame* second = Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    QCOMPARE(second, first);
    QVERIFY(Frame().RunCommand(ViewIds::kRadio)); // the Edit menu's command finds it too
    QCOMPARE(Frame().EditorFrame(ViewIds::kRadio), first);
    QCOMPARE(Frame().MdiArea()->subWindowList().size(), 1);
    QCOMPARE(Frame().EditorEntryCount(), 1);
    QCOMPARE(Frame().TabBar()->TabCount(), 1);

    // A record sub-item of an open editor moves that editor instead of opening another window.
    ChannelTestView* channel = OpenChannel(QStringLiteral("Channel 2"));
    QVERIFY(channel);
    QCOMPARE(channel->Position()->current, 2);
    QCOMPARE(OpenChannel(QStringLiteral("Channel 5")), channel);
    QCOMPARE(channel->Position()->current, 5);
    QCOMPARE(Frame().MdiArea()->subWindowList().size(), 2);

    // Folders and unknown identifiers open nothing.
    QVERIFY(!Frame().OpenEditor(32801, QStringLiteral("Radio Settings")));
    QVERIFY(!Frame().OpenEditor(4242, QStringLiteral("Nothing")));
    QCOMPARE(Frame().EditorEntryCount(), 2);
}

void MainFrameTest::closeAllWindowsThenReopen() {
    Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    ChannelTestView* channel = OpenChannel();
    channel->Edit()->setText(QStringLiteral("147.000"));
    QCOMPARE(Frame().TabBar()->TabCount(), 2);
    QVERIFY(Frame().Action(Commands::kCloseAll)->isEnabled());

    QVERIFY(Frame().RunCommand(Commands::kCloseAll));
    QVERIFY(Frame().EditorFrames().empty());
    QCOMPARE(Frame().TabBar()->TabCount(), 0);
    // The closing windows stored what they showed.
    QCOMPARE(ctx_->context->Container().Channels().At(0).RxFreq(), FreqToBcd(ParseFreq("147.000")));
    QTRY_COMPARE(Frame().MdiArea()->subWindowList().size(), 0);

    // Every editor can be opened again; its entry is reused.
    CChildFrame* radio = Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    QVERIFY(radio);
    QVERIFY(OpenChannel());
    QCOMPARE(Frame().EditorEntryCount(), 2);
    QCOMPARE(Frame().EditorFrames().size(), std::size_t(2));
    QCOMPARE(Frame().TabBar()->TabCount(), 2);
    QCOMPARE(qobject_cast<CViewRadio*>(radio->View())->FieldText(CViewRadio::kModelNameEdit),
             QStringLiteral("TAV 310"));

    // Close All, But This keeps the active window.
    Frame().MdiArea()->setActiveSubWindow(radio);
    QVERIFY(Frame().RunCommand(Commands::kCloseAllButThis));
    QCOMPARE(Frame().EditorFrames().size(), std::size_t(1));
    QCOMPARE(Frame().EditorFrames().front(), radio);
}

void MainFrameTest::changeNoticesReachEveryOpenEditor() {
    QVERIFY(ShowActive(&Frame()));
    ChannelTestView* channel = OpenChannel();
    auto* other = static_cast<ChannelTestView*>(
        Frame().OpenEditor(ViewIds::kChannelList, QStringLiteral("Channel List"))->View());
    QVERIFY(other && other != channel);
    Frame().MdiArea()->setActiveSubWindow(Frame().EditorFrame(ViewIds::kChannel));
    channel->Edit()->setFocus();
    QTRY_VERIFY(channel->Edit()->hasFocus());
    channel->received.clear();
    other->received.clear();
    channel->Check()->setFocus();
    QTRY_VERIFY(channel->Check()->hasFocus());
    QCOMPARE(other->received.size(), std::size_t(1));
    QCOMPARE(other->received[0].first, 0u);
    QCOMPARE(channel->received.size(), std::size_t(1)); // the editor that changed sees it too

    // A record list change carries its notice.
    CChildFrame* frame = Frame().EditorFrame(ViewIds::kChannel);
    emit frame->navigateRequested(frame, NavigateCommand::Delete);
    QVERIFY(!other->received.empty());
    QCOMPARE(other->received.back().first, EditorMessages::kRecordListChanged);
    QCOMPARE(other->received.back().second, NavigateCommand::Delete);
}

void MainFrameTest::closeQuestionYesSavesEvenThroughSaveAs() {
    QVERIFY(ShowActive(&Frame()));
    // Nothing changed: closing asks nothing.
    QVERIFY(Frame().close());
    QVERIFY(ctx_->prompts->asked().empty());
    frame_ = std::make_unique<CMainFrame>(**ctx_);
    QVERIFY(ShowActive(&Frame()));
    ctx_->context->Container().Channels().At(0).SetAutoStartScan(true);
    const QString file = ctx_->Path("closing.dat");
    ctx_->prompts->Queue(PromptAnswer::Yes);
    ctx_->files->QueueSave(SaveChoice{file, QStringLiteral("kept at closing")});
    QVERIFY(Frame().close());
    QCOMPARE(ctx_->prompts->asked().front().text, MessageText(**ctx_, ShellTexts::kCloseQuestion));
    QCOMPARE(ctx_->prompts->asked().front().buttons, PromptButtons::YesNoCancel);
    QCOMPARE(ctx_->files->SaveCount(), 1);
    QVERIFY(std::filesystem::exists(ctx_->home / "closing.dat"));
    std::string comment;
    QVERIFY(CDataFile::ReadComment(ctx_->home / "closing.dat", comment));
    QCOMPARE(comment, std::string("kept at closing"));

    // With a file already, Yes saves to it without a dialog.
    frame_ = std::make_unique<CMainFrame>(**ctx_);
    QVERIFY(Frame().Files().OpenPath(file));
    ctx_->context->Container().Channels().At(0).SetAutoStartScan(true);
    ctx_->prompts->Queue(PromptAnswer::Yes);
    QVERIFY(Frame().close());
    QCOMPARE(ctx_->files->SaveCount(), 1);
    DataFileContent content;
    QVERIFY(CDataFile::Load(ctx_->home / "closing.dat", content).ok());
    CDataContainer reread;
    reread.image() = content.image;
    reread.LoadAll();
    QVERIFY(reread.Channels().At(0).AutoStartScan());
}

void MainFrameTest::closeQuestionNoAndCancel() {
    QVERIFY(ShowActive(&Frame()));
    ctx_->context->Container().Channels().At(0).SetAutoStartScan(true);
    ctx_->prompts->Queue(PromptAnswer::Cancel);
    QVERIFY(!Frame().close());
    QVERIFY(Frame().isVisible());

    // Yes, then cancelling the Save As dialog: nothing was saved, so the program keeps running.
    ctx_->prompts->Queue(PromptAnswer::Yes);
    QVERIFY(!Frame().close());
    QCOMPARE(ctx_->files->SaveCount(), 1);
    QVERIFY(Frame().isVisible());

    // Yes with a file that cannot be written: the failure is told and the program keeps running.
    ctx_->prompts->Queue(PromptAnswer::Yes);
    ctx_->files->QueueSave(SaveChoice{ctx_->Path("missing-folder/x.dat"), {}});
    QVERIFY(!Frame().close());
    QCOMPARE(ctx_->prompts->Last()->text.section(QLatin1Char('\n'), 0, 0),
             MessageText(**ctx_, Document::kCannotWrite));
    QVERIFY(Frame().isVisible());

    ctx_->prompts->Queue(PromptAnswer::No);
    QVERIFY(Frame().close());
    QCOMPARE(ctx_->files->SaveCount(), 2);
}

void MainFrameTest::nothingIsLostWhenClosedWhileAnEditIsTyped() {
    QVERIFY(ShowActive(&Frame()));
    ChannelTestView* channel = OpenChannel();
    channel->Edit()->setFocus();
    QTRY_VERIFY(channel->Edit()->hasFocus());
    channel->Edit()->selectAll();
    QTest::keyClicks(channel->Edit(), "151.625");
    QVERIFY(channel->Edit()->hasFocus()); // still being typed

    const QString file = ctx_->Path("typed.dat");
    ctx_->prompts->Queue(PromptAnswer::Yes);
    ctx_->files->QueueSave(SaveChoice{file, {}});
    QVERIFY(Frame().close());
    QCOMPARE(ChannelRxInFile(ctx_->home / "typed.dat", 0), FreqToBcd(ParseFreq("151.625")));
}

void MainFrameTest::fileCommandsWithBadFilesTellWhyAndChangeNothing() {
    CDataContainer& container = ctx_->context->Container();
    container.Channels().At(0).SetAutoStartScan(true);
    ctx_->context->Doc().MarkUnchanged(); // as if opened so
    const std::uint32_t rx = container.Channels().At(0).RxFreq();
    auto unchanged = [&] {
        return container.Channels().At(0).AutoStartScan() && container.Channels().At(0).RxFreq() == rx &&
               Frame().windowTitle() == ctx_->context->Title() + QStringLiteral("[*]");
    };

    tav::test::WriteText(ctx_->home / "garbage.dat", "this is not a data file at all");
    ctx_->files->QueueOpen(ctx_->Path("garbage.dat"));
    QVERIFY(Frame().RunCommand(Commands::kOpen));
    QVERIFY(ctx_->prompts->Last()->text.startsWith(MessageText(**ctx_, Document::kNotDataFile)));
    QVERIFY(unchanged());

    // A data file of a model this program does not take.
    DataFileHeader header = ctx_->context->Doc().BuildHeader();
    header.modelId = "OTHER-9";
    const auto bytes = CDataFile::Compose(header.ToBytes(), "", {}, container.image());
    tav::test::WriteBytes(ctx_->home / "other.dat", bytes);
    ctx_->files->QueueOpen(ctx_->Path("other.dat"));
    QVERIFY(Frame().RunCommand(Commands::kOpen));
    QVERIFY(ctx_->prompts->Last()->text.startsWith(MessageText(**ctx_, Document::kModelNotSupported)));
    QVERIFY(unchanged());

    // A file cut short inside its image.
    header = ctx_->context->Doc().BuildHeader();
    auto cut = CDataFile::Compose(header.ToBytes(), "", {}, container.image());
    cut.resize(cut.size() - 100);
    tav::test::WriteBytes(ctx_->home / "cut.dat", cut);
    ctx_->files->QueueOpen(ctx_->Path("cut.dat"));
    QVERIFY(Frame().RunCommand(Commands::kOpen));
    QVERIFY(ctx_->prompts->Last()->text.startsWith(MessageText(**ctx_, Document::kNotDataFile)));
    QVERIFY(unchanged());

    // Cancelling the dialog does nothing at all.
    const std::size_t asked = ctx_->prompts->asked().size();
    QVERIFY(Frame().RunCommand(Commands::kOpen));
    QCOMPARE(ctx_->prompts->asked().size(), asked);

    // With unsaved changes New asks first; Cancel keeps the data, No discards the changes.
    container.Channels().At(1).SetAutoStartScan(true);
    ctx_->prompts->Queue(PromptAnswer::Cancel);
    QVERIFY(Frame().RunCommand(Commands::kNew));
    QCOMPARE(ctx_->prompts->Last()->text, MessageText(**ctx_, ShellTexts::kUnsavedQuestion));
    QCOMPARE(ctx_->prompts->Last()->buttons, PromptButtons::YesNoCancel);
    QVERIFY(unchanged());
    ctx_->prompts->Queue(PromptAnswer::No);
    QVERIFY(Frame().RunCommand(Commands::kNew));
    QVERIFY(!container.Channels().At(0).AutoStartScan());
}

void MainFrameTest::recentFilesAndTheTitleFollowTheDocument() {
    const QString good = ctx_->Path("good.dat");
    ctx_->files->QueueSave(SaveChoice{good, QStringLiteral("first")});
    QVERIFY(Frame().RunCommand(Commands::kSaveAs));
    QCOMPARE(Frame().windowTitle(), QStringLiteral("%1 [ %2 ][*]").arg(ctx_->context->Title(), good));
    QCOMPARE(ctx_->context->Recent().Entries().front(), good);
    QAction* firstRecent = Frame().Action(Commands::kRecentFirst);
    QVERIFY(firstRecent->isVisible());
    QVERIFY(firstRecent->text().contains(QStringLiteral("good.dat")));

    // New leaves no path in the title; with nothing unsaved it asks nothing.
    const std::size_t asked = ctx_->prompts->asked().size();
    QVERIFY(Frame().RunCommand(Commands::kNew));
    QCOMPARE(ctx_->prompts->asked().size(), asked);
    QCOMPARE(Frame().windowTitle(), ctx_->context->Title() + QStringLiteral("[*]"));

    // The recent entry opens again.
    QVERIFY(Frame().RunCommand(Commands::kRecentFirst));
    QCOMPARE(Frame().windowTitle(), QStringLiteral("%1 [ %2 ][*]").arg(ctx_->context->Title(), good));

    // An entry that is no data file any more is told about and leaves the list.
    tav::test::WriteText(ctx_->home / "good.dat", "spoilt");
    QVERIFY(Frame().RunCommand(Commands::kRecentFirst));
    QVERIFY(ctx_->prompts->Last()->text.startsWith(MessageText(**ctx_, Document::kRecentNotDataFile)));
    QVERIFY(ctx_->context->Recent().Entries().isEmpty());
    QVERIFY(!Frame().Action(Commands::kRecentFirst)->isVisible());
    QCOMPARE(Frame().windowTitle(), ctx_->context->Title() + QStringLiteral("[*]"));

    // At most four entries, the newest first.
    for (int i = 0; i < 6; ++i) {
        ctx_->files->QueueSave(SaveChoice{ctx_->Path("f" + std::to_string(i) + ".dat"), {}});
        QVERIFY(Frame().Files().SaveAs());
    }
    QCOMPARE(ctx_->context->Recent().Entries().size(), RecentFileList::kMaxEntries);
    QCOMPARE(ctx_->context->Recent().Entries().front(), ctx_->Path("f5.dat"));
}

void MainFrameTest::readAndWriteGoThroughTheRadioCommands() {
    // The radio holds data of the UHF model with a channel changed.
    CDataContainer radioData;
    radioData.Context() = ctx_->context->Container().Context();
    radioData.ClearLists();
    radioData.CreateDefaults();
    radioData.Channels().At(0).SetAutoStartScan(true);
    radioData.StoreAll();
    const TransferReport read = RadioReport(TransferStatus::Completed, "TAV-U600", "TAV 610", 400, 470, 1);
    ctx_->radio->answers.push_back({read, radioData.image()});

    Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    QVERIFY(Frame().RunCommand(Commands::kRead));
    // The request is the one the command-line tool makes: the accepted model and the port table.
    QCOMPARE(ctx_->radio->requests.back().direction, TransferDirection::Read);
    // Either model the language file lists may be read.
    QVERIFY(ctx_->radio->requests.back().rules.acceptedModelIds ==
            (std::vector<std::string>{"TAV-V300", "TAV-U600"}));
    CSettings& settings = ctx_->context->Settings();
    QCOMPARE(settings.ModelName(), std::string("TAV 610"));
    QCOMPARE(settings.FreqRange(), std::string("400-470"));
    QCOMPARE(settings.PrevFreqRange(), std::string("136-174"));
    QCOMPARE(ctx_->context->Container().image(), radioData.image());
    QVERIFY(ctx_->context->Container().Channels().At(0).AutoStartScan());
    QVERIFY(Frame().EditorFrames().empty()); // the editors showed the old data
    QCOMPARE(Frame().Tree()->Root()->text(0), QStringLiteral("TAV 610"));
    QCOMPARE(Frame().PaneText(Panes::kFreqRange), QStringLiteral("400-470 MHz"));
    QCOMPARE(Frame().windowTitle(), ctx_->context->Title() + QStringLiteral("[*]"));
    QVERIFY(ctx_->prompts->asked().empty()); // a known range is not offered

    // A radio of a band the model list does not know offers it; No leaves the list alone.
    ctx_->radio->answers.push_back(
        {RadioReport(TransferStatus::Completed, "TAV-U600", "TAV 610", 430, 440, 1), radioData.image()});
    ctx_->prompts->Queue(PromptAnswer::No);
    QVERIFY(Frame().RunCommand(Commands::kRead));
    QCOMPARE(ctx_->prompts->asked().size(), std::size_t(1));
    QVERIFY(ctx_->prompts->Last()->text.contains(QStringLiteral("430-440")));
    QCOMPARE(ctx_->context->Ranges().Count(), 1);

    // Write: the editors store, the image is rebuilt and handed over.
    auto* radioFrame = Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    ChannelTestView* channel = OpenChannel();
    channel->Edit()->setText(QStringLiteral("435.125"));
    ctx_->radio->answers.push_back(
        {RadioReport(TransferStatus::Completed, "TAV-U600", "TAV 610", 430, 440, 1)});
    QVERIFY(Frame().RunCommand(Commands::kWrite));
    QCOMPARE(ctx_->radio->writeCount, 1);
    QCOMPARE(ctx_->radio->requests.back().documentRange, std::string("430-440"));
    CDataContainer written;
    written.image() = ctx_->radio->lastWritten;
    written.LoadAll();
    QCOMPARE(written.Channels().At(0).RxFreq(), FreqToBcd(ParseFreq("435.125")));
    QVERIFY(radioFrame->View());

    // A read cancelled before it started changes nothing.
    QVERIFY(Frame().RunCommand(Commands::kRead));
    QCOMPARE(settings.ModelName(), std::string("TAV 610"));
    QCOMPARE(Frame().EditorFrames().size(), std::size_t(2));
}

void MainFrameTest::aReadThatFailsAfterTheIdentityChangesNothing() {
    // Another radio was accepted, then its blocks failed: the document keeps its own identity and
    // image together, the editors stay open.
    CSettings& settings = ctx_->context->Settings();
    const Image before = ctx_->context->Container().image();
    Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    for (const TransferStatus status : {TransferStatus::BlockFailed, TransferStatus::PasswordRefused}) {
        TransferReport failed = RadioReport(status, "TAV-U600", "TAV 610", 400, 470, 1);
        failed.identityAccepted = true;
        ctx_->radio->answers.push_back({failed, RadioImage{}});
        QVERIFY(Frame().RunCommand(Commands::kRead));
        QCOMPARE(settings.ModelId(), std::string("TAV-V300"));
        QCOMPARE(settings.ModelName(), std::string("TAV 310"));
        QCOMPARE(settings.FreqRange(), std::string("136-174"));
        QCOMPARE(ctx_->context->Container().image(), before);
        QCOMPARE(Frame().EditorFrames().size(), std::size_t(1));
        QCOMPARE(Frame().Tree()->Root()->text(0), QStringLiteral("TAV 310"));
    }
}

void MainFrameTest::modelChangeKeepsOrReplacesTheData() {
    CDataContainer& container = ctx_->context->Container();
    container.Channels().At(0).SetAutoStartScan(true);
    Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));

    // Only the name: the data stays, the editors close, the tree and status bar show the name.
    ctx_->dialogs->model = ModelChoice{"TAV-V300", "TAV 320", "136-174", 0};
    QVERIFY(Frame().RunCommand(Commands::kModelInfo));
    QVERIFY(ctx_->prompts->asked().empty());
    QVERIFY(container.Channels().At(0).AutoStartScan());
    QVERIFY(Frame().EditorFrames().empty());
    QCOMPARE(Frame().Tree()->Root()->text(0), QStringLiteral("TAV 320"));
    QCOMPARE(Frame().PaneText(Panes::kModelName), QStringLiteral("TAV 320"));

    // Another model: asked first; No keeps everything.
    ctx_->dialogs->model = ModelChoice{"TAV-U600", "TAV 610", "400-470", 0};
    ctx_->prompts->Queue(PromptAnswer::No);
    QVERIFY(Frame().RunCommand(Commands::kModelInfo));
    QCOMPARE(ctx_->context->Settings().ModelId(), std::string("TAV-V300"));
    QVERIFY(container.Channels().At(0).AutoStartScan());

    ctx_->prompts->Queue(PromptAnswer::Yes);
    QVERIFY(Frame().RunCommand(Commands::kModelInfo));
    QCOMPARE(ctx_->context->Settings().ModelId(), std::string("TAV-U600"));
    QVERIFY(!container.Channels().At(0).AutoStartScan());
    QCOMPARE(Frame().PaneText(Panes::kFreqRange), QStringLiteral("400-470 MHz"));
    QCOMPARE(Frame().Tree()->Root()->text(0), QStringLiteral("TAV 610"));
}

void MainFrameTest::writeShowsTheStampedDateInTheRadioInformation() {
    auto* radio = qobject_cast<CViewRadio*>(
        Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"))->View());
    ctx_->radio->stamp = [](Image& image) {
        const std::uint8_t date[8] = {59, 59, 23, 31, 12, 9, 20, 0};
        std::copy(std::begin(date), std::end(date), image.begin() + 0x20);
    };
    ctx_->radio->answers.push_back({RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174)});
    QVERIFY(Frame().RunCommand(Commands::kWrite));
    QCOMPARE(radio->FieldText(CViewRadio::kLastProgrammedEdit), QStringLiteral("2009-12-31 23:59:59"));
    QCOMPARE(radio->FieldText(CViewRadio::kSerialNumberEdit), QStringLiteral("----------------"));
    QCOMPARE(radio->FieldText(CViewRadio::kFirmwareVersionEdit), QStringLiteral("V1.04.01"));
    QVERIFY(ctx_->prompts->asked().empty());
}

void MainFrameTest::verifyAfterWritingTellsWhetherTheRadioHoldsTheData() {
    CDataContainer& container = ctx_->context->Container();
    container.StoreAll();
    const Image sent = container.image();
    Image changed = sent;
    changed[0x13F0] = static_cast<std::uint8_t>(sent[0x13F0] ^ 0x5A);
    Image dated = sent;
    dated[0x20] = static_cast<std::uint8_t>(sent[0x20] ^ 0x01); // the date a write stamps
    struct Case {
        const char* name;
        TransferStatus readBack;
        Image radio;
        QString told;
        PromptIcon icon;
    };
    const Case cases[] = {
        {"radio holds the data", TransferStatus::Completed, dated,
         "The radio has been written and verified: reading it back found no difference.",
         PromptIcon::Information},
        {"one byte differs", TransferStatus::Completed, changed,
         "The radio has been written, but it does not hold what was written. Differences found by "
         "reading it back: 1\n\nTest Frequency \u00B7 Byte 0x13F0:",
         PromptIcon::Warning},
        {"read-back fails", TransferStatus::NoRadio, sent,
         "The radio has been written, but reading it back failed, so it is not known whether the radio "
         "holds what was written.",
         PromptIcon::Warning},
    };
    ctx_->radio->verify = true;
    for (const Case& c : cases) {
        ctx_->prompts->Forget();
        ctx_->radio->answers.push_back(
            {RadioReport(TransferStatus::Completed, "TAV-V300", "TAV 310", 136, 174)});
        ctx_->radio->answers.push_back({RadioReport(c.readBack, "TAV-V300", "TAV 310", 136, 174), c.radio});
        QVERIFY(Frame().RunCommand(Commands::kWrite));
        QCOMPARE(ctx_->radio->requests.back().direction, TransferDirection::Read);
        QVERIFY2(ctx_->prompts->Last() && ctx_->prompts->Last()->text.startsWith(c.told), c.name);
        QCOMPARE(ctx_->prompts->Last()->icon, c.icon);
        // The data stays as it was written.
        QCOMPARE(container.image()[0x13F0], sent[0x13F0]);
    }
    ctx_->radio->verify = false;
}

void MainFrameTest::problemsStopASaveAndShowInTheirBar() {
    QVERIFY(ShowActive(&Frame()));
    CDataContainer& container = ctx_->context->Container();
    // The channels refer to a personality that is no more.
    container.Personalities().Remove(0);
    ctx_->files->QueueSave(SaveChoice{ctx_->Path("never.dat"), {}});
    QVERIFY(Frame().RunCommand(Commands::kSaveAs));
    QCOMPARE(ctx_->prompts->Last()->text, MessageText(**ctx_, Document::kInvalidReferences));
    QCOMPARE(ctx_->files->SaveCount(), 0); // not even asked for a file
    QVERIFY(!std::filesystem::exists(ctx_->home / "never.dat"));
    QVERIFY(ctx_->context->Problems().HasEntries());
    QVERIFY(Frame().ProblemBar()->isVisible());
    QCOMPARE(Frame().ProblemBar()->List()->topLevelItemCount(),
             static_cast<int>(ctx_->context->Problems().Entries().size()));
    QCOMPARE(Frame().ProblemBar()->List()->headerItem()->text(1), QStringLiteral("Problem"));

    // Writing stops the same way, before the radio is asked.
    QVERIFY(Frame().RunCommand(Commands::kWrite));
    QCOMPARE(ctx_->radio->writeCount, 0);

    // New (the changes discarded) empties the list.
    ctx_->prompts->Queue(PromptAnswer::No);
    QVERIFY(Frame().RunCommand(Commands::kNew));
    QCOMPARE(Frame().ProblemBar()->List()->topLevelItemCount(), 0);
}

void MainFrameTest::memoryUpdateRebuildsTheImage() {
    ChannelTestView* channel = OpenChannel();
    channel->Edit()->setText(QStringLiteral("146.520"));
    QVERIFY(Frame().RunCommand(Commands::kMemoryUpdate));
    CDataContainer copy;
    copy.image() = ctx_->context->Container().image();
    copy.LoadAll();
    QCOMPARE(copy.Channels().At(0).RxFreq(), FreqToBcd(ParseFreq("146.520")));
}

void MainFrameTest::languageChangeRenewsTheFrame() {
    CDataContainer& container = ctx_->context->Container();
    container.Channels().At(0).SetAutoStartScan(true);
    ctx_->context->Problems().Add(1, "kept", "until New", 77);
    ctx_->dialogs->language.reset();
    QVERIFY(Frame().RunCommand(Commands::kLanguage));
    QVERIFY(container.Channels().At(0).AutoStartScan()); // cancelled: nothing happens

    Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    ctx_->dialogs->language = 0;
    QVERIFY(Frame().RunCommand(Commands::kLanguage));
    QVERIFY(ctx_->prompts->asked().empty()); // the new document asks nothing
    QVERIFY(!container.Channels().At(0).AutoStartScan());
    QVERIFY(Frame().EditorFrames().empty());
    QVERIFY(ctx_->context->Problems().Contains(77));
    QCOMPARE(Frame().windowTitle(), ctx_->context->Title() + QStringLiteral("[*]"));
    QCOMPARE(Frame().TopMenu(CMainFrame::kFileMenu)->title(), QStringLiteral("&File"));
    QCOMPARE(Frame().Tree()->RecordItemCount(ViewIds::kChannel), 16);
    QVERIFY(tav::test::ReadText(ctx_->home / "Settings.ini").find("Language=0") != std::string::npos);
}

void MainFrameTest::tabBarFollowsTheWindows() {
    QVERIFY(ShowActive(&Frame()));
    CViewManager* tabs = Frame().TabBar();
    QVERIFY(!tabs->isVisible());
    Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    ChannelTestView* channel = OpenChannel(QStringLiteral("Channel 2"));
    QTRY_VERIFY(tabs->isVisible());
    QCOMPARE(tabs->TabCount(), 2);
    QCOMPARE(tabs->TabText(1), QStringLiteral("Channel 2"));
    QCOMPARE(tabs->CurrentTab(), 1);
    CChildFrame* frame = Frame().EditorFrame(ViewIds::kChannel);
    emit frame->navigateRequested(frame, NavigateCommand::Next);
    QCOMPARE(channel->Position()->current, 3);
    QCOMPARE(tabs->TabText(1), QStringLiteral("Channel 3"));
    // Choosing a tab activates its window.
    tabs->Bar()->setCurrentIndex(0);
    QCOMPARE(Frame().MdiArea()->activeSubWindow(), Frame().EditorFrame(ViewIds::kRadio));

    QVERIFY(Frame().RunCommand(Commands::kTabView));
    QVERIFY(!tabs->isVisible());
    QVERIFY(!Frame().Action(Commands::kTabView)->isChecked());
    QVERIFY(Frame().RunCommand(Commands::kTabView));
    QVERIFY(tabs->isVisible());
    QVERIFY(Frame().RunCommand(Commands::kCloseAll));
    QCOMPARE(tabs->TabCount(), 0);
    QTRY_VERIFY(!tabs->isVisible());
}

void MainFrameTest::clockAndStatusPanes() {
    QCOMPARE(Frame().PaneText(Panes::kModelName), QStringLiteral("TAV 310"));
    QCOMPARE(Frame().PaneText(Panes::kFreqRange), QStringLiteral("136-174 MHz"));
    QCOMPARE(Frame().PaneText(Panes::kPort), QStringLiteral("COM1"));
    QSignalSpy ticks(&Frame(), &CMainFrame::clockTicked);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 3500);
    QVERIFY(QDateTime::fromString(Frame().PaneText(Panes::kClock), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                .isValid());
}

void MainFrameTest::theLogNamesOnlyWhatChanged() {
    auto* log = qobject_cast<QPlainTextEdit*>(Frame().LogBar()->widget());
    QVERIFY(log);
    const struct {
        ModelChoice choice;
        QStringList lines;
    } cases[] = {
        {{"TAV-V300", "TAV 310", "136-174", 1}, {"Signalling changed to type 1"}},
        {{"TAV-V300", "TAV 310", "144-148", 1}, {"Frequency range changed to 144-148 MHz"}},
        {{"TAV-V300", "TAV 320", "144-148", 1}, {"Model changed to TAV 320"}},
        {{"TAV-U600", "TAV 610", "400-470", 0},
         {"Model changed to TAV 610", "Frequency range changed to 400-470 MHz",
          "Signalling changed to type 0"}},
    };
    for (const auto& c : cases) {
        log->clear();
        ctx_->prompts->Queue(PromptAnswer::Yes);
        Frame().ApplyModelChoice(c.choice);
        QStringList lines; // the identity's lines, without the time (a new document has its own line)
        for (const QString& line : log->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.contains(QStringLiteral(" changed to "))) {
                lines << line.mid(10);
            }
        }
        QCOMPARE(lines, c.lines);
    }
}

void MainFrameTest::cascadeAndTheTreeKeepEverythingReadable() {
    QVERIFY(ShowActive(&Frame()));
    // The tree bar is wide enough for its longest item at its depth, Two-Tone System included.
    NavigationTree* tree = Frame().Tree();
    QVERIFY(tree->FindItem(ViewIds::kTwoToneSystem));
    QVERIFY2(tree->WidthNeeded() <= tree->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(tree->WidthNeeded()).arg(tree->width())));

    // Cascading one window leaves it the whole area; two windows stay large, the active one on top.
    CChildFrame* radio = Frame().OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    const QSize area = Frame().MdiArea()->viewport()->size();
    QVERIFY(Frame().RunCommand(Commands::kCascade));
    QCOMPARE(radio->size(), area);
    CChildFrame* channel = Frame().OpenEditor(ViewIds::kChannel, QStringLiteral("Channel 1"), 16);
    QVERIFY(Frame().RunCommand(Commands::kCascade));
    for (CChildFrame* window : {radio, channel}) {
        QVERIFY(window->width() >= area.width() / 2 && window->height() >= area.height() / 2);
    }
    QVERIFY(radio->pos() != channel->pos());
    QCOMPARE(Frame().MdiArea()->activeSubWindow(), channel);
}

namespace {

/// Remembers whether a window is blocked by a modal one.
class BlockWatch : public QObject {
public:
    bool blocked = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
            blocked = event->type() == QEvent::WindowBlocked;
        }
        return false;
    }
};

} // namespace

void MainFrameTest::helpFromAModalDialogCanBeUsed() {
    QVERIFY(ShowActive(&Frame()));
    HelpSystem& help = ctx_->context->Help();
    help.ShowDefault(); // open before the dialog
    BlockWatch watch;
    help.Window()->windowHandle()->installEventFilter(&watch);
    QDialog dialog(&Frame());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(watch.blocked); // what the dialog does to every other window

    // The dialog's Help: the Communication Port dialog has its page, and the help can be used.
    QVERIFY(help.ShowTopic(CDlgComPort::kDialogId));
    QVERIFY(help.LastShown().endsWith(QStringLiteral("150.html")));
    QVERIFY(help.Window()->isVisible());
    QVERIFY(!watch.blocked);
    dialog.close();
    help.Window()->close();
}

void MainFrameTest::screenshots() {
    const QByteArray folder = qgetenv("TAV_SCREENSHOT_DIR");
    Frame().resize(1200, 760);
    QVERIFY(ShowActive(&Frame()));
    Frame().OpenEditor(ViewIds::kRadio, ctx_->context->ControlText(ViewIds::kRadio));
    QTreeWidgetItem* third = Frame().Tree()->RecordItem(ViewIds::kChannel, 3);
    QVERIFY(third);
    Frame().Tree()->setCurrentItem(third);
    Frame().Tree()->OpenItem(third);
    Frame().MdiArea()->setActiveSubWindow(Frame().EditorFrame(ViewIds::kRadio));
    QTest::qWait(50);
    const QImage shot = Frame().grab().toImage();
    QVERIFY(!shot.isNull());
    if (!folder.isEmpty()) {
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/main-window.png"));
        Frame().MdiArea()->setActiveSubWindow(Frame().EditorFrame(ViewIds::kChannel));
        QTest::qWait(50);
        Frame().grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/main-window-channel.png"));
        Frame()
            .TopMenu(CMainFrame::kEditMenu)
            ->grab()
            .save(QString::fromLocal8Bit(folder) + QStringLiteral("/edit-menu.png"));
        AboutBox about(**ctx_);
        about.adjustSize();
        about.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/about.png"));
        ctx_->context->Help().ShowTopic(ViewIds::kRadio);
        ctx_->context->Help().Window()->grab().save(QString::fromLocal8Bit(folder) +
                                                    QStringLiteral("/help.png"));
        ctx_->context->Help().Window()->close();
    }
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
