// The editor bases: the change protocol, the store when a form goes away, Enter in pages, context
// help and the focus memory.
#include "ShellTestSupport.h"
#include "gui/app/HelpHook.h"
#include "gui/app/HelpSystem.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/CTAVPropertySheet.h"
#include "gui/views/ControlChangeWatcher.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr int kPageTemplate = 9600;
constexpr int kFirstEdit = 9601;
constexpr int kPageCombo = 9602;
constexpr int kSecondEdit = 9603;
constexpr int kPageCheck = 9604;
constexpr int kDefaultButton = 1;

/// A page with two edits, a drop-down, a check box and a default button; it counts its stores.
class TestPage : public CTAVPropertyPage {
public:
    TestPage(AppContext& context, EditorHost* host, const QString& caption)
        : CTAVPropertyPage(context, host, kPageTemplate) {
        setWindowTitle(caption);
        BuildPage({kPageTemplate,
                   caption,
                   {{kFirstEdit, ControlKind::Edit, {}, 0, 0},
                    {kPageCombo, ControlKind::ComboBox, {}, 1, 0},
                    {kSecondEdit, ControlKind::Edit, {}, 2, 0},
                    {kPageCheck, ControlKind::CheckBox, QStringLiteral("On"), 3, 0},
                    {kDefaultButton, ControlKind::PushButton, QStringLiteral("OK"), 4, 0}}});
        qobject_cast<QComboBox*>(Control(kPageCombo))->addItems({QStringLiteral("A"), QStringLiteral("B")});
    }
    void StoreView() override { ++stores; }
    QWidget* At(int id) const { return Control(id); }
    int stores = 0;
};

} // namespace

class EditorBaseTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ctx_ = std::make_unique<TestContext>(); }
    void cleanup() { ctx_.reset(); }

    void leavingAnEditStoresOnceAndTellsOnce();
    void clicksAndSelectionsStoreAndTellOnceEach();
    void otherEventsAndOtherControlsAreIgnored();
    void formGoingAwayStoresWhatIsTyped();
    void enterMovesTheFocusInPages();
    void contextHelpFallsBackToTheFormThenTheDefaultTopic();
    void focusReturnsToTheControlThatHadIt();
    void sheetsReopenTheLastPageOfTheirEditor();

private:
    std::unique_ptr<TestContext> ctx_;
};

void EditorBaseTest::leavingAnEditStoresOnceAndTellsOnce() {
    CountingHost host;
    ChannelTestView view(**ctx_, &host);
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    view.Edit()->setFocus();
    QTRY_VERIFY(view.Edit()->hasFocus());
    view.Edit()->clear();
    QTest::keyClicks(view.Edit(), "145.5");
    QCOMPARE(view.stores, 0); // typing alone stores nothing

    view.Combo()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(view.Combo()->hasFocus());
    QCOMPARE(view.stores, 1);
    QCOMPARE(host.calls.size(), std::size_t(1));
    QCOMPARE(host.calls[0].first, 0u);
    QVERIFY(!host.calls[0].second);
    QCOMPARE(ctx_->context->Container().Channels().At(0).RxFreq(), FreqToBcd(ParseFreq("145.5")));
    // The editor's own reaction ran for the edit, before the store.
    QCOMPARE(view.reactions.size(), std::size_t(1));
    QCOMPARE(view.reactions[0], std::make_pair(kFreqEdit, NotifyCodes::kEditFocusLost));

    // Focus moving on without any change still stores and tells (it is the focus loss that counts).
    view.Edit()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(view.Edit()->hasFocus());
    QCOMPARE(view.stores, 2);
    QCOMPARE(host.calls.size(), std::size_t(2));
    QCOMPARE(view.reactions.back(), std::make_pair(kPowerCombo, NotifyCodes::kListFocusLost));
}

void EditorBaseTest::clicksAndSelectionsStoreAndTellOnceEach() {
    CountingHost host;
    ChannelTestView view(**ctx_, &host);
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    view.Check()->setFocus();
    QTRY_VERIFY(view.Check()->hasFocus());
    host.calls.clear();
    view.stores = 0;
    const bool before = view.Check()->isChecked();
    QTest::keyClick(view.Check(), Qt::Key_Space);
    QCOMPARE(view.Check()->isChecked(), !before);
    QCOMPARE(view.stores, 1);
    QCOMPARE(host.calls.size(), std::size_t(1));
    QCOMPARE(ctx_->context->Container().Channels().At(0).AutoStartScan(), !before);

    view.Combo()->setFocus();
    QTRY_VERIFY(view.Combo()->hasFocus());
    host.calls.clear();
    view.stores = 0;
    QTest::keyClick(view.Combo(), Qt::Key_Down); // chooses the next item
    QCOMPARE(view.Combo()->currentIndex(), 1);
    QCOMPARE(view.stores, 1);
    QCOMPARE(host.calls.size(), std::size_t(1));
    QCOMPARE(view.reactions.back(), std::make_pair(kPowerCombo, NotifyCodes::kSelectionChanged));

    // A programmatic change is no user event.
    view.Combo()->setCurrentIndex(2);
    view.Check()->setChecked(!view.Check()->isChecked());
    QCOMPARE(host.calls.size(), std::size_t(1));
}

void EditorBaseTest::otherEventsAndOtherControlsAreIgnored() {
    QVERIFY(QualifiesForStore(NotifyCodes::kClicked, 1000));
    QVERIFY(QualifiesForStore(NotifyCodes::kSelectionChanged, 1000));
    QVERIFY(QualifiesForStore(NotifyCodes::kListFocusLost, 1000));
    QVERIFY(QualifiesForStore(NotifyCodes::kEditFocusLost, 1000));
    QVERIFY(!QualifiesForStore(2, 1000));
    QVERIFY(!QualifiesForStore(3, 1000));
    QVERIFY(!QualifiesForStore(5, 1000));
    QVERIFY(!QualifiesForStore(NotifyCodes::kEditChanged, 1000));

    CountingHost host;
    ChannelTestView view(**ctx_, &host);
    view.ControlChanged(kStaticLabel, NotifyCodes::kClicked);  // a label is not an input
    view.ControlChanged(12345, NotifyCodes::kClicked);         // no such control
    view.ControlChanged(kFreqEdit, NotifyCodes::kEditChanged); // typing is not leaving
    view.ControlChanged(kPowerCombo, 3);                       // a list opening
    QCOMPARE(view.stores, 0);
    QVERIFY(host.calls.empty());
    view.ControlChanged(kFreqEdit, NotifyCodes::kEditFocusLost);
    QCOMPARE(view.stores, 1);
    QCOMPARE(host.calls.size(), std::size_t(1));
}

void EditorBaseTest::formGoingAwayStoresWhatIsTyped() {
    CountingHost host;
    auto view = std::make_unique<ChannelTestView>(**ctx_, &host);
    view->OnInitialUpdate();
    view->Edit()->setText(QStringLiteral("150.025"));
    view->StoreOnDestroy();
    QCOMPARE(ctx_->context->Container().Channels().At(0).RxFreq(), FreqToBcd(ParseFreq("150.025")));
    QCOMPARE(view->stores, 1);
    // Once going away the form reports nothing more.
    view->ControlChanged(kFreqEdit, NotifyCodes::kEditFocusLost);
    QCOMPARE(view->stores, 1);
    QVERIFY(host.calls.empty());
    view.reset();
    QVERIFY(host.calls.empty());
}

void EditorBaseTest::enterMovesTheFocusInPages() {
    CountingHost host;
    CTAVPropertySheet sheet;
    auto* page = new TestPage(**ctx_, &host, QStringLiteral("Basic"));
    sheet.AddPage(page);
    QVERIFY(ShowActive(&sheet));
    QWidget* first = page->At(kFirstEdit);
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());

    QTest::keyClick(first, Qt::Key_Return);
    QTRY_VERIFY(page->At(kPageCombo)->hasFocus());
    QCOMPARE(page->stores, 1); // leaving the edit stored it
    QCOMPARE(host.calls.size(), std::size_t(1));
    QTest::keyClick(page->At(kPageCombo), Qt::Key_Enter);
    QTRY_VERIFY(page->At(kSecondEdit)->hasFocus());
    QTest::keyClick(page->At(kSecondEdit), Qt::Key_Return);
    QTRY_VERIFY(page->At(kPageCheck)->hasFocus());
    QTest::keyClick(page->At(kPageCheck), Qt::Key_Return);
    QTRY_VERIFY(page->At(kDefaultButton)->hasFocus());
    QVERIFY(sheet.isVisible()); // nothing was submitted or closed

    // On the default button Enter keeps its meaning and the focus stays.
    auto* ok = qobject_cast<QPushButton*>(page->At(kDefaultButton));
    QSignalSpy pressed(ok, &QPushButton::clicked);
    ok->setDefault(true);
    QTest::keyClick(ok, Qt::Key_Return);
    QCOMPARE(pressed.count(), 1);
    QVERIFY(ok->hasFocus());
}

void EditorBaseTest::contextHelpFallsBackToTheFormThenTheDefaultTopic() {
    const auto helpDir = ctx_->home / "help";
    tav::test::WriteText(helpDir / "9501.html", "<p>edit</p>");
    tav::test::WriteText(helpDir / "9500.html", "<p>form</p>");
    CountingHost host;
    ChannelTestView view(**ctx_, &host);
    HelpSystem& help = ctx_->context->Help();

    view.ContextHelp(view.Edit());
    QVERIFY(help.LastShown().endsWith(QStringLiteral("9501.html")));
    view.ContextHelp(view.Check()); // no page of its own: the form's
    QVERIFY(help.LastShown().endsWith(QStringLiteral("9500.html")));
    std::filesystem::remove(helpDir / "9500.html");
    view.ContextHelp(view.Check());
    QVERIFY(help.LastShown().endsWith(QStringLiteral("index.html")));

    // The help key reaches the same through the program's hook.
    HelpHook hook(help);
    qApp->installEventFilter(&hook);
    QVERIFY(ShowActive(&view));
    view.Edit()->setFocus();
    QTRY_VERIFY(view.Edit()->hasFocus());
    QTest::keyClick(view.Edit(), Qt::Key_F1);
    QVERIFY(help.LastShown().endsWith(QStringLiteral("9501.html")));
    qApp->removeEventFilter(&hook);
    QVERIFY(help.Window() && help.Window()->isVisible());
    help.Window()->close();
}

void EditorBaseTest::focusReturnsToTheControlThatHadIt() {
    CountingHost host;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* view = new ChannelTestView(**ctx_, &host);
    auto* elsewhere = new QLineEdit;
    layout->addWidget(view);
    layout->addWidget(elsewhere);
    QVERIFY(ShowActive(&window));
    view->Check()->setFocus();
    QTRY_VERIFY(view->Check()->hasFocus());
    view->RememberFocus();
    elsewhere->setFocus();
    QTRY_VERIFY(elsewhere->hasFocus());
    view->RestoreFocus();
    QTRY_VERIFY(view->Check()->hasFocus());
    // A remembered control that is gone gives the focus to the first control.
    view->Check()->setFocus();
    view->RememberFocus();
    delete view->Check();
    elsewhere->setFocus();
    view->RestoreFocus();
    QTRY_VERIFY(view->Edit()->hasFocus());
}

void EditorBaseTest::sheetsReopenTheLastPageOfTheirEditor() {
    CountingHost host;
    {
        CTAVPropertySheet sheet(QStringLiteral("TestEditor"));
        for (const char* caption : {"One", "Two", "Three"}) {
            sheet.AddPage(new TestPage(**ctx_, &host, QString::fromLatin1(caption)));
        }
        QCOMPARE(sheet.tabText(1), QStringLiteral("Two"));
        sheet.setCurrentIndex(2);
    }
    CTAVPropertySheet next(QStringLiteral("TestEditor"));
    for (const char* caption : {"One", "Two", "Three"}) {
        next.AddPage(new TestPage(**ctx_, &host, QString::fromLatin1(caption)));
    }
    next.RestoreRememberedPage();
    QCOMPARE(next.currentIndex(), 2);
    QCOMPARE(CTAVPropertySheet::RememberedPage(QStringLiteral("Other")), 0);
}

QTEST_MAIN(EditorBaseTest)
#include "EditorBaseTest.moc"
