// Editing a document in the main window as a user does: the question before the data is replaced
// with unsaved changes (New, Open, Open recent), the title's mark of unsaved changes, the main
// window's shortcuts from every editor, the first click in a newly opened channel list, and a
// channel deleted in the grid leaving nothing that stops a save.
#include "EditorWalk.h"
#include "ShellTestSupport.h"
#include "core/data/CDataFile.h"
#include "core/data/ProblemList.h"
#include "core/data/ScanListData.h"
#include "core/data/TwoToneCallData.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CViewManager.h"
#include "gui/app/EditorTabBar.h"
#include "gui/app/NavigationTree.h"
#include "gui/app/ProblemListBar.h"
#include "gui/app/ShellTexts.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/CViewChannelList.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QtTest>
#include <map>
#include <set>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

const std::uint32_t kTyped = FreqToBcd(ParseFreq("150.5"));

} // namespace

class DocumentEditingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;

    CMainFrame& Frame() { return *frame_; }
    CDataContainer& Container() { return ctx_->context->Container(); }
    std::uint32_t Rx(std::size_t k) { return Container().Channels().At(k).RxFreq(); }
    void SetRx(std::size_t k, std::uint32_t bcd) {
        ChannelData& channel = Container().Channels().At(k);
        ChannelUi ui;
        channel.LoadUi(ui, ctx_->context->Language());
        ui.rxFreq = bcd;
        channel.StoreUi(ui, ctx_->context->Language(), Container().Context());
    }

    /// Saves the document as `name` through Save As.
    void SaveAs(const std::string& name) {
        ctx_->files->QueueSave(SaveChoice{ctx_->Path(name), {}});
        QVERIFY(Frame().RunCommand(Commands::kSaveAs));
    }

    CViewChannelList* OpenChannelList() {
        CChildFrame* child = Frame().OpenEditor(ViewIds::kChannelList, QStringLiteral("Channel List"));
        return child ? qobject_cast<CViewChannelList*>(child->View()) : nullptr;
    }

    /// Clicks a grid cell with the mouse, types a frequency and presses Return, as a user does.
    static void ClickAndType(CGridCtrl* grid, int row, int column, const QString& text) {
        const QPoint at = grid->visualItemRect(grid->item(row, column)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::qWait(1);
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(1);
    }

private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        frame_ = std::make_unique<CMainFrame>(**ctx_);
        frame_->SetNoQuestion(true);
        QVERIFY(ShowActive(frame_.get()));
    }
    void cleanup() {
        frame_.reset();
        ctx_.reset();
    }

    // New, Open and Open recent ask one question, and only when something is unsaved: Yes saves the
    // changes first, No discards them, Cancel keeps the data as it is.
    void replacingTheDataAsksAboutUnsavedChanges_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("savedFirst");
        for (const int command : {Commands::kNew, Commands::kOpen, Commands::kRecentFirst}) {
            const QByteArray name = QByteArray::number(command);
            QTest::newRow(name + " cancel") << command << int(PromptAnswer::Cancel) << false << false;
            QTest::newRow(name + " discard") << command << int(PromptAnswer::No) << true << false;
            QTest::newRow(name + " save") << command << int(PromptAnswer::Yes) << true << true;
        }
    }
    void replacingTheDataAsksAboutUnsavedChanges() {
        QFETCH(int, command);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QFETCH(bool, savedFirst);
        SaveAs("other.dat");
        SaveAs("mine.dat"); // the first recent entry, the document's file
        const std::uint32_t before = Rx(0);
        QVERIFY(!Frame().isWindowModified());

        // Nothing unsaved: no question.
        ctx_->prompts->Forget();
        ctx_->files->QueueOpen(ctx_->Path("other.dat"));
        QVERIFY(Frame().RunCommand(command));
        QVERIFY(ctx_->prompts->asked().empty());
        SaveAs("mine.dat");

        SetRx(0, kTyped);
        Frame().RefreshModified();
        QVERIFY(Frame().isWindowModified());
        ctx_->prompts->Queue(static_cast<PromptAnswer>(answer));
        ctx_->files->QueueOpen(ctx_->Path("other.dat"));
        QVERIFY(Frame().RunCommand(command));
        QCOMPARE(ctx_->prompts->asked().size(), std::size_t(1));
        QCOMPARE(ctx_->prompts->Last()->text, ctx_->context->Message(ShellTexts::kUnsavedQuestion));
        QCOMPARE(ctx_->prompts->Last()->buttons, PromptButtons::YesNoCancel);
        QCOMPARE(Frame().isWindowModified(), !replaced);
        if (!replaced || command != Commands::kRecentFirst) {
            QCOMPARE(Rx(0) == kTyped, !replaced);
        }
        QCOMPARE(ChannelRxInFile(ctx_->home / "mine.dat", 0), savedFirst ? kTyped : before);
    }

    // The title carries the mark of unsaved changes ("[*]") from an edit until the save.
    void theTitleMarksUnsavedChanges() {
        SaveAs("mine.dat");
        QVERIFY(Frame().windowTitle().endsWith(QStringLiteral("[*]")));
        QVERIFY(!Frame().isWindowModified());
        CViewChannelList* list = OpenChannelList();
        QVERIFY(list);
        QVERIFY(!Frame().isWindowModified());
        ClickAndType(list->Grid(), 0, CViewChannelList::kRxFreq, QStringLiteral("150.5"));
        QCOMPARE(Rx(0), kTyped);
        QVERIFY(Frame().isWindowModified());
        QVERIFY(Frame().RunCommand(Commands::kSave));
        QVERIFY(!Frame().isWindowModified());
        list->Undo();
        QVERIFY(Frame().isWindowModified());
    }

    // Ctrl+S saves from whatever has the focus, the channel list's grid and a cell's editor included.
    void saveShortcutWorksFromEveryEditor_data() {
        QTest::addColumn<int>("viewId");
        QTest::addColumn<bool>("cellEditor");
        QTest::newRow("channel list grid") << ViewIds::kChannelList << false;
        QTest::newRow("channel list cell being typed") << ViewIds::kChannelList << true;
        QTest::newRow("channel editor") << ViewIds::kChannel << false;
        QTest::newRow("radio information") << ViewIds::kRadio << false;
    }
    void saveShortcutWorksFromEveryEditor() {
        QFETCH(int, viewId);
        QFETCH(bool, cellEditor);
        SaveAs("mine.dat");
        CChildFrame* child = Frame().OpenEditor(viewId, QStringLiteral("Editor"));
        QVERIFY(child);
        // A file that is no data file until the save writes it again.
        tav::test::WriteText(ctx_->home / "mine.dat", "not saved yet");
        if (auto* list = qobject_cast<CViewChannelList*>(child->View())) {
            list->Grid()->setFocus();
            if (cellEditor) {
                list->Grid()->setCurrentCell(1, CViewChannelList::kTxFreq);
                QVERIFY(list->Grid()->StartEdit(1, CViewChannelList::kTxFreq, '1'));
            }
        } else {
            child->View()->setFocus();
            QApplication::processEvents();
            if (QWidget* first = child->View()->nextInFocusChain()) {
                first->setFocus();
            }
        }
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && child->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QTest::qWait(1);
        QVERIFY(ChannelRxInFile(ctx_->home / "mine.dat", 0) != 0);
        QVERIFY(!Frame().isWindowModified());
    }

    // Many editors open: each tab keeps a readable part of its title, shortened in the middle, and
    // its tool tip gives the whole title.
    void editorTabsKeepReadableTitles() {
        for (const int id : {ViewIds::kChannelList, ViewIds::kChannel, ViewIds::kRadio, ViewIds::kPersonality,
                             ViewIds::kScan, ViewIds::kAtis}) {
            QVERIFY(Frame().OpenEditor(id, QStringLiteral("Personality and Scan Settings %1").arg(id)));
        }
        Frame().resize(640, 480);
        QApplication::processEvents();
        auto* bar = qobject_cast<EditorTabBar*>(Frame().TabBar()->Bar());
        QVERIFY(bar);
        QCOMPARE(bar->elideMode(), Qt::ElideMiddle);
        const int readable = bar->fontMetrics().averageCharWidth() * (EditorTabBar::kReadableChars - 3);
        for (int i = 0; i < bar->count(); ++i) {
            QVERIFY(bar->tabRect(i).width() >= readable);
            QVERIFY(!bar->tabText(i).isEmpty());
            QCOMPARE(bar->tabToolTip(i), bar->tabText(i));
        }
    }

    // No key of the main window's commands is also the key of an editor window's own command: a
    // key on two commands does nothing, as Ctrl+W (Write to Radio) did in every editor.
    void mainWindowKeysAreNotTakenByEditorWindows() {
        CChildFrame* child = Frame().OpenEditor(ViewIds::kChannelList, QStringLiteral("Channel List"));
        QVERIFY(child);
        QList<QAction*> editorActions = child->findChildren<QAction*>();
        if (child->systemMenu()) {
            editorActions << child->systemMenu()->actions();
        }
        std::map<QString, QString> editorKeys;
        for (QAction* action : editorActions) {
            for (const QKeySequence& key : action->shortcuts()) {
                editorKeys[key.toString()] = action->text();
            }
        }
        QStringList clashes;
        std::vector<QMenu*> menus;
        for (QAction* top : Frame().menuBar()->actions()) {
            if (top->menu()) {
                menus.push_back(top->menu());
            }
        }
        for (QAction* action : MenuCommands(menus)) {
            for (const QKeySequence& key : action->shortcuts()) {
                if (const auto found = editorKeys.find(key.toString()); found != editorKeys.end()) {
                    clashes << key.toString() + QStringLiteral(": ") + action->text() +
                                   QStringLiteral(" / ") + found->second;
                }
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
        QCOMPARE(Frame().Action(Commands::kWrite)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    }

    // The first click in a channel list just opened makes the clicked cell current: what is typed
    // goes to that channel and no other.
    void firstClickInANewChannelListTakesTheClickedCell_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("channel 2 RX") << 1 << int(CViewChannelList::kRxFreq);
        QTest::newRow("channel 4 TX") << 3 << int(CViewChannelList::kTxFreq);
        QTest::newRow("channel 1 TX") << 0 << int(CViewChannelList::kTxFreq);
    }
    void firstClickInANewChannelListTakesTheClickedCell() {
        QFETCH(int, row);
        QFETCH(int, column);
        std::vector<QByteArray> before;
        for (std::size_t k = 0; k < Container().Channels().Count(); ++k) {
            const auto bytes = Container().Channels().At(k).Bytes();
            before.emplace_back(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
        }
        CViewChannelList* list = OpenChannelList();
        QVERIFY(list);
        QApplication::processEvents();
        ClickAndType(list->Grid(), row, column, QStringLiteral("150.5"));
        // Return moves down the same column, as in a spreadsheet.
        QCOMPARE(list->Grid()->currentRow(), row + 1);
        QCOMPARE(list->Grid()->currentColumn(), column);
        const ChannelData& edited = Container().Channels().At(static_cast<std::size_t>(row));
        QCOMPARE(column == CViewChannelList::kRxFreq ? edited.RxFreq() : edited.TxFreq(), kTyped);
        for (std::size_t k = 0; k < before.size(); ++k) {
            if (static_cast<int>(k) != row) {
                const auto bytes = Container().Channels().At(k).Bytes();
                QCOMPARE(
                    QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())),
                    before[k]);
            }
        }
    }

    // A channel deleted in the grid or with the channel editor's record bar takes what named it
    // along: its scan list member goes (the others move up) and a call reverting to it reverts to
    // none, so Save is not refused.
    void deletingAChannelLeavesTheDocumentSavable_data() {
        QTest::addColumn<int>("viewId");
        QTest::addColumn<int>("row");
        QTest::newRow("grid, channel 2") << ViewIds::kChannelList << 1;
        QTest::newRow("grid, channel 1") << ViewIds::kChannelList << 0;
        QTest::newRow("channel editor, channel 2") << ViewIds::kChannel << 1;
        QTest::newRow("channel editor, channel 4") << ViewIds::kChannel << 3;
    }
    void deletingAChannelLeavesTheDocumentSavable() {
        QFETCH(int, viewId);
        QFETCH(int, row);
        auto call = Container().MakeTwoToneCall(0);
        WriteLe16(call->Bytes(), TwoToneCallLayout::kRevertChannel, static_cast<std::uint16_t>(row + 1));
        call->ResolveReferences(Container());
        const ObjectId callId = call->Id();
        Container().TwoToneCalls().Append(std::move(call));
        SaveAs("mine.dat");
        const std::size_t count = Container().Channels().Count();
        const ScanListData& scan = Container().ScanLists().At(0);
        // The members in use but the deleted channel, in their order.
        const ObjectId deleted = Container().Channels().IdAt(static_cast<std::size_t>(row));
        std::vector<ObjectId> staying;
        for (std::size_t k = 0; k < scan.Entries(); ++k) {
            if (scan.MemberId(k) != deleted) {
                staying.push_back(scan.MemberId(k));
            }
        }
        QVERIFY(staying.size() < scan.Entries());

        CChildFrame* child =
            Frame().OpenEditor(viewId,
                               viewId == ViewIds::kChannel ? QStringLiteral("Channel %1").arg(row + 1)
                                                           : QStringLiteral("Channel List"),
                               static_cast<int>(count));
        QVERIFY(child);
        if (auto* list = qobject_cast<CViewChannelList*>(child->View())) {
            list->SetCurrentRow(row);
            list->DeleteChannel();
        } else {
            QCOMPARE(child->View()->Position()->current, row + 1);
            emit child->navigateRequested(child, NavigateCommand::Delete);
        }
        QCOMPARE(Container().Channels().Count(), count - 1);
        QCOMPARE(std::size_t(scan.Entries()), staying.size());
        for (std::size_t k = 0; k < staying.size(); ++k) {
            QCOMPARE(scan.MemberId(k), staying[k]);
            const auto position = Container().Channels().PositionOf(staying[k]);
            QVERIFY(position);
            QCOMPARE(std::size_t(scan.MemberNumber(k)), *position + 1);
        }
        const auto callAt = Container().TwoToneCalls().PositionOf(callId);
        QVERIFY(callAt);
        QCOMPARE(Container().TwoToneCalls().At(*callAt).RevertChannelNumber(), 0);
        ctx_->prompts->Forget();
        QVERIFY(Frame().RunCommand(Commands::kSave));
        QVERIFY(ctx_->prompts->asked().empty());
        QVERIFY(!ctx_->context->Problems().HasEntries());
        QVERIFY(!Frame().isWindowModified());
    }
    // Opening a problem entry (a double-click in the problem list) opens the editor of its record
    // at that record, its page shown and the control that shows the reference focused.
    // F6 and Shift+F6 move between the tree, the active editor and the docked lists, which screen
    // readers know by their panes' captions.
    void f6MovesBetweenPanesThatAreNamed() {
        QCOMPARE(Frame().Tree()->accessibleName(), QStringLiteral("Navigation"));
        QCOMPARE(Frame().ProblemBar()->List()->accessibleName(), QStringLiteral("Problem List"));
        CViewChannelList* list = OpenChannelList();
        QVERIFY(list);
        Frame().ProblemBar()->show();
        list->Grid()->setFocus();
        QTRY_VERIFY(list->Grid()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_VERIFY(Frame().ProblemBar()->List()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QTRY_VERIFY(list->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QTRY_VERIFY(Frame().Tree()->hasFocus());
    }

    void problemEntriesOpenTheirRecordAtTheField() {
        // References left dangling as records go behind the editors' backs.
        Container().Channels().Remove(1);
        Container().Personalities().Remove(0);
        QVERIFY(!ctx_->context->Doc().CheckReferences());
        const std::vector<ProblemEntry> entries = ctx_->context->Problems().Entries();
        std::set<RecordKind> kinds;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto record = ProblemList::RecordOf(entries[i], Container());
            QVERIFY(record);
            kinds.insert(record->kind);
            QVERIFY2(Frame().OpenProblem(static_cast<int>(i)), entries[i].where.c_str());
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QWidget* control = focus;
            while (control && ControlId(control) != entries[i].controlId) {
                control = control->parentWidget();
            }
            QVERIFY2(control, entries[i].where.c_str());
            QVERIFY(control->isVisible());
            auto* child = qobject_cast<CChildFrame*>(Frame().MdiArea()->activeSubWindow());
            QVERIFY(child && child->isAncestorOf(control));
            if (const auto position = child->View()->Position()) {
                QCOMPARE(std::size_t(position->current), record->position + 1);
            }
        }
        QVERIFY(kinds.count(RecordKind::Channel) && kinds.count(RecordKind::ScanList));

        // As a user does it: a double-click on the last entry.
        Frame().CloseAllEditors();
        Frame().ShowProblemsIfAny();
        QTreeWidget* list = Frame().ProblemBar()->List();
        QTreeWidgetItem* last = list->topLevelItem(list->topLevelItemCount() - 1);
        list->scrollToItem(last);
        QApplication::processEvents();
        QSignalSpy opened(Frame().ProblemBar(), &ProblemListBar::entryOpened);
        const QPoint at = list->visualItemRect(last).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::qWait(1);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.front().front().toInt(), list->topLevelItemCount() - 1);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && Frame().MdiArea()->activeSubWindow() &&
                Frame().MdiArea()->activeSubWindow()->isAncestorOf(focus));
        while (focus && ControlId(focus) != entries.back().controlId) {
            focus = focus->parentWidget();
        }
        QVERIFY(focus);
    }
};

QTEST_MAIN(DocumentEditingTest)
#include "DocumentEditingTest.moc"
