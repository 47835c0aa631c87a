// The channel and scan editors inside the main window: opened from the tree and the Edit menu,
// kept in step with each other and with the tree's channel items.

#include "ShellTestSupport.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/NavigationTree.h"
#include "gui/controls/CFreqEdit.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/views/CChanSheet.h"
#include "gui/views/CPageChanBasic.h"
#include "gui/views/CViewChannel.h"
#include "gui/views/CViewChannelList.h"
#include "gui/views/CViewScan.h"

#include <QMdiArea>
#include <QTreeWidget>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

class ChannelShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;

    template <class View> View* ViewOf(int viewId) const {
        CChildFrame* child = frame_->EditorFrame(viewId);
        return child ? qobject_cast<View*>(child->View()) : nullptr;
    }
    QTreeWidgetItem* ChannelItem(int number) const {
        QTreeWidgetItem* channels = frame_->Tree()->FindItem(ViewIds::kChannel);
        return channels && number <= channels->childCount() ? channels->child(number - 1) : nullptr;
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

    void treeAndEditMenuOpenTheEditors() {
        frame_->Tree()->OpenItem(ChannelItem(3));
        CViewChannel* channel = ViewOf<CViewChannel>(ViewIds::kChannel);
        QVERIFY(channel);
        QCOMPARE(channel->Position()->current, 3);
        QCOMPARE(channel->Current(), &ctx_->context->Container().Channels().At(2));
        QVERIFY(frame_->RunCommand(ViewIds::kChannelList));
        QVERIFY(ViewOf<CViewChannelList>(ViewIds::kChannelList));
        QVERIFY(frame_->RunCommand(ViewIds::kScan - 1)); // the scanning folder opens the scan list
        QVERIFY(ViewOf<CViewScan>(ViewIds::kScan));
        // The channel editor's own button switches to the list.
        channel->ShowListView();
        QCOMPARE(frame_->MdiArea()->activeSubWindow(), frame_->EditorFrame(ViewIds::kChannelList));
    }

    void aGridEditReachesTheOpenChannelEditor() {
        frame_->Tree()->OpenItem(ChannelItem(1));
        CViewChannel* channel = ViewOf<CViewChannel>(ViewIds::kChannel);
        QVERIFY(frame_->RunCommand(ViewIds::kChannelList));
        CViewChannelList* list = ViewOf<CViewChannelList>(ViewIds::kChannelList);
        QVERIFY(channel && list);
        CGridCtrl* grid = list->Grid();
        QVERIFY(grid->StartEdit(0, CViewChannelList::kRxFreq, '1'));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("50.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(channel->ChannelSheet()->Basic()->FreqEdit(CPageChanBasic::kRxFreq)->text(),
                 QStringLiteral("150.50000"));
        // Storing the channel editor afterwards keeps what the grid stored.
        channel->StoreView();
        QCOMPARE(ctx_->context->Container().Channels().At(0).RxFreq(), 0x15050000u);
    }

    void theTreeAndRecordBarFollowChannelsDeletedInTheList() {
        frame_->Tree()->OpenItem(ChannelItem(2));
        QVERIFY(frame_->RunCommand(ViewIds::kChannelList));
        CViewChannelList* list = ViewOf<CViewChannelList>(ViewIds::kChannelList);
        const int before = frame_->Tree()->RecordItemCount(ViewIds::kChannel);
        list->SetCurrentRow(0);
        list->DeleteChannel();
        QCOMPARE(frame_->Tree()->RecordItemCount(ViewIds::kChannel), before - 1);
        // The channel editor still shows the same channel, now the first of one fewer.
        QCOMPARE(frame_->EditorFrame(ViewIds::kChannel)->PositionText(),
                 QStringLiteral("1 of %1").arg(before - 1));
        QCOMPARE(frame_->EditorFrame(ViewIds::kChannel)->windowTitle(), QStringLiteral("Channel 1"));
        list->Undo();
        QCOMPARE(frame_->Tree()->RecordItemCount(ViewIds::kChannel), before);
    }
};

QTEST_MAIN(ChannelShellTest)
#include "ChannelShellTest.moc"
