// The navigation tree, the menus built from the language file and trimmed by the user level, and
// the record bar of the editor windows after opening and navigating.
#include "gui/app/NavigationTree.h"

#include "ShellTestSupport.h"
#include "core/app/TreeTemplate.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/HelpSystem.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

QStringList ChildTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) {
        texts << item->child(i)->text(0);
    }
    return texts;
}

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

bool Offers(const QMenu* menu, int commandId) {
    for (QAction* action : menu->actions()) {
        if (action->menu() && Offers(action->menu(), commandId)) {
            return true;
        }
        if (!action->isSeparator() && action->data().toInt() == commandId) {
            return true;
        }
    }
    return false;
}

} // namespace

class NavigationTreeTest : public QObject {
    Q_OBJECT
private slots:
    void treeFollowsTheTemplateAndTheLanguageFile();
    void recordItemsFollowTheLists();
    void doubleClickEnterAndHelpOnItems();
    void menusComeFromTheLanguageFileAndTheUserLevel();
    void recordBarAfterOpening();
    void recordBarAfterNavigating();
};

void NavigationTreeTest::treeFollowsTheTemplateAndTheLanguageFile() {
    TestContext ctx;
    NavigationTree tree(*ctx);
    tree.RebuildTree();
    QTreeWidgetItem* root = tree.Root();
    QCOMPARE(root->text(0), QStringLiteral("TAV 310"));
    QCOMPARE(ChildTexts(root),
             (QStringList{"Radio Information", "Radio Settings", "Channels", "Personalities", "Signalling",
                          "Scanning", "Embedded Data", "Test Frequencies", "Change Log"}));
    QTreeWidgetItem* settings = tree.FindItem(32801);
    QCOMPARE(ChildTexts(settings),
             (QStringList{"Programmable Keys", "Miscellaneous", "Alert Tones", "Passwords", "ATIS", "DOS"}));
    QCOMPARE(tree.FindItem(ViewIds::kAlertTone)->parent(), tree.FindItem(32806));
    QCOMPARE(tree.FindItem(ViewIds::kTwoToneSystem)->parent()->parent(), tree.FindItem(32847));
    QVERIFY(tree.FindItem(32801)->isExpanded());

    // A language file without a text for an item leaves that item out.
    std::string language = tav::test::ReadText(ctx.home / "TAV_E.lng");
    const auto at = language.find("S0232887=Test Frequencies\n");
    QVERIFY(at != std::string::npos);
    language.erase(at, std::string("S0232887=Test Frequencies\n").size());
    tav::test::WriteText(ctx.home / "TAV_E.lng", language);
    tree.RebuildTree();
    QVERIFY(!tree.FindItem(ViewIds::kTestFreq));
    QVERIFY(tree.FindItem(ViewIds::kEmbedded));
}

void NavigationTreeTest::recordItemsFollowTheLists() {
    TestContext ctx;
    NavigationTree tree(*ctx);
    tree.RebuildTree();
    tree.RefreshRecordItems();
    QCOMPARE(tree.RecordItemCount(ViewIds::kChannel), 16);
    QCOMPARE(tree.RecordItem(ViewIds::kChannel, 16)->text(0), QStringLiteral("Channel 16"));
    QCOMPARE(tree.RecordItem(ViewIds::kChannel, 16)->data(0, NavigationTree::kCommandRole).toInt(),
             ViewIds::kChannel);
    QCOMPARE(tree.RecordItemCount(ViewIds::kAlertTone), 5);
    QCOMPARE(tree.RecordItemCount(ViewIds::kPersonality), 1);
    QCOMPARE(tree.RecordItemCount(ViewIds::kScan), 1);
    QCOMPARE(tree.RecordItemCount(ViewIds::kTwoToneSystem), 1);

    ctx->Container().Channels().Remove(3);
    tree.RefreshRecordItems();
    QCOMPARE(tree.RecordItemCount(ViewIds::kChannel), 15);
    QVERIFY(!tree.RecordItem(ViewIds::kChannel, 16));
    tree.SyncRecordItems(ViewIds::kPersonality, 3);
    QCOMPARE(ChildTexts(tree.FindItem(ViewIds::kPersonality)),
             (QStringList{"Personality 1", "Personality 2", "Personality 3"}));
    tree.SyncRecordItems(4242, 3); // no such item: nothing
    tree.SetRootText(QStringLiteral("TAV 320"));
    QCOMPARE(tree.Root()->text(0), QStringLiteral("TAV 320"));
}

void NavigationTreeTest::doubleClickEnterAndHelpOnItems() {
    TestContext ctx;
    NavigationTree tree(*ctx);
    tree.RebuildTree();
    tree.RefreshRecordItems();
    QVERIFY(ShowActive(&tree));
    QSignalSpy opened(&tree, &NavigationTree::openRequested);

    QTreeWidgetItem* radio = tree.FindItem(ViewIds::kRadio);
    const QRect where = tree.visualItemRect(radio);
    QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, where.center());
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, where.center());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened[0][0].toInt(), ViewIds::kRadio);
    QCOMPARE(opened[0][1].toString(), QStringLiteral("Radio Information"));

    tree.setFocus();
    tree.setCurrentItem(tree.RecordItem(ViewIds::kChannel, 4));
    QTest::keyClick(&tree, Qt::Key_Return);
    QCOMPARE(opened.count(), 2);
    QCOMPARE(opened[1][1].toString(), QStringLiteral("Channel 4"));
    QCOMPARE(opened[1][2].toInt(), 16);

    // Enter on a folder opens and closes it and opens nothing.
    QTreeWidgetItem* folder = tree.FindItem(32801);
    tree.setCurrentItem(folder);
    QVERIFY(folder->isExpanded());
    QTest::keyClick(&tree, Qt::Key_Return);
    QVERIFY(!folder->isExpanded());
    QCOMPARE(opened.count(), 2);

    // The help key shows the topic of the selected item.
    QSignalSpy help(&tree, &NavigationTree::helpRequested);
    tree.setCurrentItem(tree.FindItem(ViewIds::kChannel));
    QTest::keyClick(&tree, Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help[0][0].toInt(), ViewIds::kChannel);
    QVERIFY(ctx->Help().HasTopic(ViewIds::kChannel));
}

void NavigationTreeTest::menusComeFromTheLanguageFileAndTheUserLevel() {
    {
        TestContext ctx; // user level 0
        CMainFrame frame(*ctx);
        QCOMPARE(frame.TopMenu(CMainFrame::kFileMenu)->title(), QStringLiteral("&File"));
        QCOMPARE(frame.Action(Commands::kOpen)->text(), QStringLiteral("&Open..."));
        QCOMPARE(frame.Action(Commands::kOpen)->statusTip(), QStringLiteral("Open a data file"));
        QMenu* edit = frame.TopMenu(CMainFrame::kEditMenu);
        // Undo and Redo head the menu; the editors follow.
        QCOMPARE(MenuTexts(edit).mid(0, 4), (QStringList{"&Undo", "&Redo", "-", "Radio &Information"}));
        QVERIFY(Offers(edit, 32821));  // the channels folder opens the channel editor
        QVERIFY(Offers(edit, 32806));  // the alert tone folder opens the alert tones
        QVERIFY(!Offers(edit, 32888)); // no change log below the full factory level
        QVERIFY(!MenuTexts(edit).endsWith(QStringLiteral("-")));
        QMenu* program = frame.TopMenu(CMainFrame::kProgramMenu);
        QVERIFY(Offers(program, Commands::kAdjustment));
        QVERIFY(!Offers(program, Commands::kMemoryUpdate));
        QVERIFY(!Offers(program, Commands::kFactoryMode));
        QVERIFY(!Offers(program, Commands::kWriteTuneData));
        QCOMPARE(MenuTexts(program), (QStringList{"&Read from Radio", "&Write to Radio", "Radio &History...",
                                                  "F&leet Programming...", "-", "&Adjustment..."}));
        QVERIFY(!frame.Tree()->FindItem(32888));

        // An open editor's item is checked when the menu opens.
        frame.OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
        emit edit->aboutToShow();
        QVERIFY(frame.Action(ViewIds::kRadio)->isChecked());
        QVERIFY(!frame.Action(32821)->isChecked());
    }
    {
        TestContext ctx(CSettings::kFactoryLevel);
        CMainFrame frame(*ctx);
        QMenu* program = frame.TopMenu(CMainFrame::kProgramMenu);
        QVERIFY(Offers(program, Commands::kFactoryMode));
        QVERIFY(Offers(program, Commands::kWriteTuneData));
        QVERIFY(!Offers(program, Commands::kMemoryUpdate));
        QVERIFY(!Offers(frame.TopMenu(CMainFrame::kEditMenu), 32888));
    }
    {
        TestContext ctx(CSettings::kFullFactoryLevel);
        CMainFrame frame(*ctx);
        QVERIFY(Offers(frame.TopMenu(CMainFrame::kProgramMenu), Commands::kMemoryUpdate));
        QVERIFY(Offers(frame.TopMenu(CMainFrame::kEditMenu), 32888));
        QVERIFY(frame.Tree()->FindItem(32888));
    }
}

void NavigationTreeTest::recordBarAfterOpening() {
    TestContext ctx;
    CMainFrame frame(*ctx);
    UseChannelTestView(frame);

    // A single-block editor: no navigation, Print and Help stay.
    CChildFrame* radio = frame.OpenEditor(ViewIds::kRadio, QStringLiteral("Radio Information"));
    QVERIFY(!radio->NavigationShown());
    QVERIFY(radio->BarButton(CChildFrame::kFirstButton)->isHidden());
    QVERIFY(!radio->BarButton(CChildFrame::kHelpButton)->isHidden());
    QVERIFY(!radio->BarButton(CChildFrame::kPrintButton)->isHidden());

    // A record sub-item: the editor goes to that record.
    QTreeWidgetItem* third = frame.Tree()->RecordItem(ViewIds::kChannel, 3);
    frame.Tree()->OpenItem(third);
    CChildFrame* channels = frame.EditorFrame(ViewIds::kChannel);
    QVERIFY(channels);
    QCOMPARE(channels->windowTitle(), QStringLiteral("Channel 3"));
    QVERIFY(channels->NavigationShown());
    QCOMPARE(channels->PositionText(), QStringLiteral("3 of 16"));
    QCOMPARE(channels->Buttons(), RecordBarRules::ButtonsFor(6)); // full list: no Add
    QVERIFY(!channels->BarButton(CChildFrame::kAddButton)->isEnabled());
    QCOMPARE(static_cast<ChannelTestView*>(channels->View())->Position()->current, 3);

    frame.Tree()->OpenItem(frame.Tree()->RecordItem(ViewIds::kChannel, 1));
    QCOMPARE(frame.EditorFrame(ViewIds::kChannel), channels);
    QCOMPARE(channels->PositionText(), QStringLiteral("1 of 16"));
    QVERIFY(!channels->BarButton(CChildFrame::kFirstButton)->isEnabled());
    QVERIFY(!channels->BarButton(CChildFrame::kPreviousButton)->isEnabled());
    QVERIFY(channels->BarButton(CChildFrame::kNextButton)->isEnabled());

    // Opened from its own item the record editor shows no navigation.
    frame.Tree()->OpenItem(frame.Tree()->FindItem(ViewIds::kChannel));
    QVERIFY(!channels->NavigationShown());
    QVERIFY(channels->BarButton(CChildFrame::kNextButton)->isHidden());
}

void NavigationTreeTest::recordBarAfterNavigating() {
    TestContext ctx;
    CMainFrame frame(*ctx);
    UseChannelTestView(frame);
    frame.Tree()->OpenItem(frame.Tree()->RecordItem(ViewIds::kChannel, 2));
    CChildFrame* channels = frame.EditorFrame(ViewIds::kChannel);
    auto* view = static_cast<ChannelTestView*>(channels->View());

    channels->BarButton(CChildFrame::kLastButton)->click();
    QCOMPARE(channels->PositionText(), QStringLiteral("16 of 16"));
    QCOMPARE(channels->Buttons(), RecordBarRules::ButtonsFor(4));
    QCOMPARE(channels->windowTitle(), QStringLiteral("Channel 16"));

    // Next on the last record stays there.
    emit channels->navigateRequested(channels, NavigateCommand::Next);
    QCOMPARE(view->Position()->current, 16);

    // Deleting the last record leaves fifteen, in the tree too, and makes room for Add.
    channels->BarButton(CChildFrame::kDeleteButton)->click();
    QCOMPARE(ctx->Container().Channels().Count(), std::size_t(15));
    QCOMPARE(frame.Tree()->RecordItemCount(ViewIds::kChannel), 15);
    QCOMPARE(channels->PositionText(), QStringLiteral("15 of 15"));
    QCOMPARE(channels->Buttons(), RecordBarRules::ButtonsFor(3));
    QVERIFY(channels->BarButton(CChildFrame::kAddButton)->isEnabled());

    channels->BarButton(CChildFrame::kFirstButton)->click();
    QCOMPARE(channels->PositionText(), QStringLiteral("1 of 15"));
    QCOMPARE(channels->Buttons(), RecordBarRules::ButtonsFor(0));
    channels->BarButton(CChildFrame::kNextButton)->click();
    QCOMPARE(channels->Buttons(), RecordBarRules::ButtonsFor(5));

    channels->BarButton(CChildFrame::kAddButton)->click();
    QCOMPARE(ctx->Container().Channels().Count(), std::size_t(16));
    QCOMPARE(frame.Tree()->RecordItemCount(ViewIds::kChannel), 16);
    QCOMPARE(channels->PositionText(), QStringLiteral("16 of 16"));
    QVERIFY(!channels->BarButton(CChildFrame::kAddButton)->isEnabled());
    // The list's capacity holds even when Add is asked for regardless.
    emit channels->navigateRequested(channels, NavigateCommand::Add);
    QCOMPARE(ctx->Container().Channels().Count(), std::size_t(16));

    // Down to one record: only Add is left.
    while (ctx->Container().Channels().Count() > 1) {
        emit channels->navigateRequested(channels, NavigateCommand::Delete);
    }
    QCOMPARE(channels->Buttons(), RecordBarRules::ButtonsFor(1));
    emit channels->navigateRequested(channels, NavigateCommand::Delete);
    QCOMPARE(ctx->Container().Channels().Count(), std::size_t(1));
}

QTEST_MAIN(NavigationTreeTest)
#include "NavigationTreeTest.moc"
