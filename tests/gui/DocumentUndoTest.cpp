// The document's one undo history in the main window: each editor's change is one step of its own,
// named after its field; Ctrl+Z in any editor takes back the last step whichever editor made it;
// a channel deleted in the grid comes back with the scan-list member it had; the history starts
// again with a new document.
#include "ShellTestSupport.h"
#include "core/data/ScanListData.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/UndoCommands.h"
#include "gui/controls/CFreqEdit.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/views/CChanSheet.h"
#include "gui/views/CPageChanBasic.h"
#include "gui/views/CViewChannel.h"
#include "gui/views/CViewChannelList.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

class DocumentUndoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;

    CMainFrame& Frame() { return *frame_; }
    CDataContainer& Container() { return ctx_->context->Container(); }
    ChannelData& Channel(std::size_t k) { return Container().Channels().At(k); }
    DocumentUndo& History() { return Frame().Undo().History(); }

    CViewChannelList* OpenChannelList() {
        CChildFrame* child = Frame().OpenEditor(ViewIds::kChannelList, QStringLiteral("Channel List"));
        return child ? qobject_cast<CViewChannelList*>(child->View()) : nullptr;
    }
    CViewChannel* OpenChannel() {
        CChildFrame* child = Frame().OpenEditor(ViewIds::kChannel, QStringLiteral("Channel 1"),
                                                static_cast<int>(Container().Channels().Count()));
        return child ? qobject_cast<CViewChannel*>(child->View()) : nullptr;
    }

    /// Types into a grid cell as a user does and presses Return.
    static void TypeInCell(CGridCtrl* grid, int row, int column, const QString& text) {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClicks(grid, text.left(1));
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(1);
    }

    /// Types into a form's edit and leaves it for `next`, as a user does.
    static void TypeAndLeave(QLineEdit* edit, const QString& text, QWidget* next) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        next->setFocus();
        QTest::qWait(1);
    }

    static std::uint32_t Bcd(const char* text) { return FreqToBcd(ParseFreq(text)); }

private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        frame_ = std::make_unique<CMainFrame>(**ctx_);
        frame_->SetNoQuestion(true);
        QVERIFY(ShowActive(frame_.get()));
        History().Reset();
    }
    void cleanup() {
        frame_.reset();
        ctx_.reset();
    }

    // RX typed in the grid, then TX of the same channel typed in the channel form: one Ctrl+Z in
    // the grid takes back the TX only, the next one the RX; Redo brings both back in order.
    void undoTakesBackOnlyTheLastEditorsStep() {
        const std::uint32_t rx = Channel(0).RxFreq();
        const std::uint32_t tx = Channel(0).TxFreq();
        CViewChannelList* list = OpenChannelList();
        QVERIFY(list);
        TypeInCell(list->Grid(), 0, CViewChannelList::kRxFreq, QStringLiteral("150.5"));
        QCOMPARE(Channel(0).RxFreq(), Bcd("150.5"));
        CViewChannel* form = OpenChannel();
        QVERIFY(form);
        CPageChanBasic* basic = form->ChannelSheet()->Basic();
        TypeAndLeave(basic->FreqEdit(CPageChanBasic::kTxFreq), QStringLiteral("151.5"),
                     basic->FreqEdit(CPageChanBasic::kRxFreq));
        QCOMPARE(Channel(0).TxFreq(), Bcd("151.5"));
        QCOMPARE(History().Stack().index(), 2);
        QVERIFY2(Frame().Undo().UndoAction()->text().contains(QStringLiteral("Channel 1")),
                 qPrintable(Frame().Undo().UndoAction()->text()));

        Frame().MdiArea()->setActiveSubWindow(Frame().EditorFrame(ViewIds::kChannelList));
        list->Grid()->setFocus();
        QTest::keyClick(list->Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Channel(0).TxFreq(), tx);
        QCOMPARE(Channel(0).RxFreq(), Bcd("150.5"));
        QTest::keyClick(list->Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Channel(0).RxFreq(), rx);
        QVERIFY(!Frame().Undo().UndoAction()->isEnabled());

        Frame().Undo().RedoAction()->trigger();
        QCOMPARE(Channel(0).RxFreq(), Bcd("150.5"));
        QCOMPARE(Channel(0).TxFreq(), tx);
        Frame().Undo().RedoAction()->trigger();
        QCOMPARE(Channel(0).TxFreq(), Bcd("151.5"));
        // The form shows the channel as it is after each step.
        QCOMPARE(basic->FreqEdit(CPageChanBasic::kTxFreq)->text(), QStringLiteral("151.50000"));
    }

    // Ctrl+Z in a form's text field with no typing of its own to undo goes to the document.
    void ctrlZInAFormFieldUndoesTheDocument() {
        CViewChannel* form = OpenChannel();
        QVERIFY(form);
        CPageChanBasic* basic = form->ChannelSheet()->Basic();
        const std::uint32_t tx = Channel(0).TxFreq();
        TypeAndLeave(basic->FreqEdit(CPageChanBasic::kTxFreq), QStringLiteral("151.5"),
                     basic->FreqEdit(CPageChanBasic::kRxFreq));
        QCOMPARE(Channel(0).TxFreq(), Bcd("151.5"));
        QTest::keyClick(basic->FreqEdit(CPageChanBasic::kRxFreq), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Channel(0).TxFreq(), tx);
        QCOMPARE(basic->FreqEdit(CPageChanBasic::kTxFreq)->text().toStdString(),
                 FormatFreq(BcdToFreq(tx)));
    }

    // A channel deleted in the grid takes its scan-list member with it; Undo brings back both.
    void undoOfADeletedChannelBringsBackItsScanMember() {
        ScanListData& scan = Container().ScanLists().At(0);
        ScanMembersUi members;
        scan.LoadMembers(members, ctx_->context->Language(), Container());
        members.members.fill(ScanMembersUi::kNoSelection);
        members.members[0] = 1;
        members.entries = "1";
        scan.StoreMembers(members, ctx_->context->Language(), Container());
        History().Reset();
        const ObjectId second = Container().Channels().IdAt(1);
        CViewChannelList* list = OpenChannelList();
        QVERIFY(list);
        list->SetCurrentRow(1);
        list->DeleteChannel();
        QVERIFY(Container().Channels().IdAt(1) != second);
        QCOMPARE(scan.MemberId(0), kNoObject);
        list->Undo();
        QCOMPARE(Container().Channels().IdAt(1), second);
        QCOMPARE(scan.MemberId(0), second);
        QCOMPARE(list->Grid()->rowCount(), static_cast<int>(Container().Channels().Count()));
    }

    // At least a hundred steps are kept, and a new document starts a new history.
    void aHundredStepsAndANewDocumentStartsAgain() {
        for (int i = 0; i < 120; ++i) {
            Channel(0).SetAutoStartScan(i % 2 == 0);
            Frame().DataChanged(0, nullptr);
        }
        QVERIFY(History().Stack().count() >= 100);
        QVERIFY(Frame().RunCommand(Commands::kNew));
        QCOMPARE(History().Stack().count(), 0);
        QVERIFY(!Frame().Undo().UndoAction()->isEnabled());
    }
};

QTEST_MAIN(DocumentUndoTest)
#include "DocumentUndoTest.moc"
