// The signalling editors in the main window: each Edit-menu command and tree item opens its view,
// and the call editor's record bar grows the call list up to sixteen and no further.
#include "ShellTestSupport.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/NavigationTree.h"
#include "gui/views/CViewAtis.h"
#include "gui/views/CViewDos.h"
#include "gui/views/CViewKDS12PTTID.h"
#include "gui/views/CViewPersonality.h"
#include "gui/views/CViewTToneCall.h"
#include "gui/views/CViewTToneSystem.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

class SignalEditorsShellTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        frame_ = std::make_unique<CMainFrame>(**ctx_);
    }
    void cleanup() {
        frame_.reset();
        ctx_.reset();
    }

    void editMenuCommandsOpenTheirViews_data();
    void editMenuCommandsOpenTheirViews();
    void callItemsFollowTheCallListUpToSixteen();

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;
};

void SignalEditorsShellTest::editMenuCommandsOpenTheirViews_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("viewId");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("inTree");
    QTest::newRow("ATIS") << 32816 << ViewIds::kAtis << "tav::gui::CViewAtis" << true;
    QTest::newRow("PTT-ID") << 32817 << ViewIds::kPttId << "tav::gui::CViewKDS12PTTID" << false;
    QTest::newRow("DOS") << 32818 << ViewIds::kDos << "tav::gui::CViewDos" << true;
    QTest::newRow("personalities") << 32823 << ViewIds::kPersonality << "tav::gui::CViewPersonality" << true;
    QTest::newRow("two-tone systems")
        << 32848 << ViewIds::kTwoToneSystem << "tav::gui::CViewTToneSystem" << true;
    QTest::newRow("two-tone calls") << 32850 << ViewIds::kTwoToneCall << "tav::gui::CViewTToneCall" << true;
}

void SignalEditorsShellTest::editMenuCommandsOpenTheirViews() {
    QFETCH(int, command);
    QFETCH(int, viewId);
    QFETCH(QString, className);
    QFETCH(bool, inTree);
    QVERIFY(frame_->RunCommand(command));
    CChildFrame* child = frame_->EditorFrame(viewId);
    QVERIFY(child);
    QCOMPARE(QString::fromLatin1(child->View()->metaObject()->className()), className);
    // The tree item opens the same window again (PTT-ID is in the menu only).
    child->close();
    QTreeWidgetItem* item = frame_->Tree()->FindItem(viewId);
    QCOMPARE(item != nullptr, inTree);
    if (!item) {
        return;
    }
    frame_->Tree()->OpenItem(item);
    QVERIFY(frame_->EditorFrame(viewId));
}

void SignalEditorsShellTest::callItemsFollowTheCallListUpToSixteen() {
    // A document without calls (a model's default data brings one).
    ctx_->context->Container().TwoToneCalls().Clear();
    frame_->Tree()->RefreshRecordItems();
    QTreeWidgetItem* calls = frame_->Tree()->FindItem(ViewIds::kTwoToneCall);
    QVERIFY(calls);
    QCOMPARE(calls->childCount(), 0);
    // Opening the editor on a new document makes the first call, which the tree then shows.
    frame_->Tree()->OpenItem(calls);
    QCOMPARE(calls->childCount(), 1);
    frame_->Tree()->OpenItem(calls->child(0));
    CChildFrame* child = frame_->EditorFrame(ViewIds::kTwoToneCall);
    QVERIFY(child);
    QPushButton* add = child->BarButton(1057);
    for (int i = 0; i < 20 && add->isEnabled(); ++i) {
        add->click();
    }
    QCOMPARE(ctx_->context->Container().TwoToneCalls().Count(), std::size_t{16});
    QCOMPARE(calls->childCount(), 16);
    QVERIFY(!add->isEnabled());
    QCOMPARE(child->PositionText(), QStringLiteral("16 of 16"));
}

QTEST_MAIN(SignalEditorsShellTest)
#include "SignalEditorsShellTest.moc"
