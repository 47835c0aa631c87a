// The personality editor: dependent lists, the ID clamp, validation, the system lists and record
// navigation, each checked through the stored image.
#include "ShellTestSupport.h"
#include "core/data/ChannelRecord.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "gui/views/CPersonalitySheet.h"
#include "gui/views/CPersonalitySignalPage.h"
#include "gui/views/CViewPersonality.h"

#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace C = PersonalityControls;

namespace {

/// Chooses the item showing `text` as a user would.
void Choose(QWidget* control, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control);
    QVERIFY(combo);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

std::uint8_t StoredByte(AppContext& context, std::size_t personality, std::size_t offset) {
    context.Container().StoreAll();
    return context.Container().image()[ImageMap::kPersonalities + 76 * personality + offset];
}

} // namespace

class PersonalityViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        host_.calls.clear();
        view_ = std::make_unique<CViewPersonality>(**ctx_, &host_);
        view_->OnInitialUpdate();
    }
    void cleanup() {
        view_.reset();
        ctx_.reset();
    }

    void timeOutDrivesItsDependentLists_data();
    void timeOutDrivesItsDependentLists();
    void primaryIdIsClampedAndCopiedToThePttIdBlock_data();
    void primaryIdIsClampedAndCopiedToThePttIdBlock();
    void squelchWithoutSignalingIsReportedUntilOneIsChosen();
    void systemListFollowsTheTwoToneSystems();
    void deletingAPersonalityKeepsChannelsOnTheirPersonality();
    void fieldsAreNamedByTheirLabels();

private:
    QWidget* PageControl(int page, int id) const {
        return view_->PersonalitySheet()->Page(page)->Control(id);
    }

    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CViewPersonality> view_;
    CountingHost host_;
};

void PersonalityViewTest::timeOutDrivesItsDependentLists_data() {
    QTest::addColumn<QString>("timeout");
    QTest::addColumn<QString>("autoReset");
    QTest::addColumn<int>("preAlertItems");
    QTest::addColumn<bool>("timerEnabled");
    QTest::addColumn<bool>("resetTimeEnabled");
    QTest::addColumn<int>("timeoutByte");
    QTest::addColumn<int>("preAlertByte");
    QTest::newRow("no time-out") << "Off"
                                 << "Off" << 1 << false << false << 0 << 0;
    QTest::newRow("shortest time-out") << "15"
                                       << "Carrier Override" << 15 << true << true << 15 << 10;
    QTest::newRow("longer time-out keeps the pre-alert") << "90"
                                                         << "Off" << 90 << true << false << 90 << 10;
}

void PersonalityViewTest::timeOutDrivesItsDependentLists() {
    QFETCH(QString, timeout);
    QFETCH(QString, autoReset);
    QFETCH(int, preAlertItems);
    QFETCH(bool, timerEnabled);
    QFETCH(bool, resetTimeEnabled);
    QFETCH(int, timeoutByte);
    QFETCH(int, preAlertByte);
    auto* preAlert = qobject_cast<QComboBox*>(PageControl(0, C::kTotPreAlert));
    QCOMPARE(preAlert->currentText(), QStringLiteral("10"));
    QCOMPARE(preAlert->count(), 60);
    Choose(PageControl(0, C::kTxTimeout), timeout);
    Choose(PageControl(0, C::kAutoResetMode), autoReset);
    QCOMPARE(preAlert->count(), preAlertItems);
    for (const int id : {C::kTotPreAlert, C::kTotRekey, C::kTotReset}) {
        QCOMPARE(PageControl(0, id)->isEnabled(), timerEnabled);
    }
    QCOMPARE(PageControl(0, C::kAutoResetTime)->isEnabled(), resetTimeEnabled);
    QCOMPARE(StoredByte(**ctx_, 0, PersonalityLayout::kTxTimeout), timeoutByte);
    QCOMPARE(StoredByte(**ctx_, 0, PersonalityLayout::kTotPreAlert), preAlertByte);
    QCOMPARE(host_.calls.size(), std::size_t{2});
}

void PersonalityViewTest::primaryIdIsClampedAndCopiedToThePttIdBlock_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("all F") << "FFFF"
                           << "DEEE";
    QTest::newRow("zero") << "0"
                          << "0001";
    QTest::newRow("short with F") << "f1"
                                  << "00E1";
    QTest::newRow("allowed") << "1A2B"
                             << "1A2B";
}

void PersonalityViewTest::primaryIdIsClampedAndCopiedToThePttIdBlock() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    view_->PersonalitySheet()->setCurrentIndex(2);
    QVERIFY(ShowActive(view_.get()));
    auto* edit = qobject_cast<QLineEdit*>(PageControl(2, C::kPrimaryId));
    QCOMPARE(edit->text(), QStringLiteral("0001"));
    edit->setFocus();
    edit->setText(typed);
    PageControl(2, C::kPttIdType)->setFocus();
    QCOMPARE(edit->text(), shown);
    const QByteArray id = QByteArray::fromHex(shown.toLatin1());
    QCOMPARE(StoredByte(**ctx_, 0, PersonalityLayout::kPrimaryId), std::uint8_t(id[0]));
    QCOMPARE(StoredByte(**ctx_, 0, PersonalityLayout::kPrimaryId + 1), std::uint8_t(id[1]));
    const auto& image = ctx_->context->Container().image();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + ImageMap::kPttId), 2), id);
}

void PersonalityViewTest::squelchWithoutSignalingIsReportedUntilOneIsChosen() {
    AppContext& context = **ctx_;
    Choose(PageControl(1, C::kRxSquelchMode), QStringLiteral("Optional Signaling"));
    QVERIFY(context.Container().CheckAllReferences(context.Problems(), context.Language()));
    const std::uint32_t key = context.Container().Personalities().At(0).SquelchProblemKey();
    QVERIFY(context.Problems().Contains(key));
    QVERIFY(!PageControl(3, C::kRxSystem)->isEnabled());
    Choose(PageControl(3, C::kRxSignaling), QStringLiteral("2-Tone"));
    QVERIFY(!context.Problems().Contains(key));
    QVERIFY(PageControl(3, C::kRxSystem)->isEnabled());
    QCOMPARE(StoredByte(context, 0, PersonalityLayout::kRxSquelchMode), 2);
    QCOMPARE(StoredByte(context, 0, PersonalityLayout::kRxSignaling) & 0x0F, 2);
    QVERIFY(!context.Container().CheckAllReferences(context.Problems(), context.Language()));
}

void PersonalityViewTest::systemListFollowsTheTwoToneSystems() {
    AppContext& context = **ctx_;
    Choose(PageControl(3, C::kRxSignaling), QStringLiteral("2-Tone"));
    auto* systems = qobject_cast<QComboBox*>(PageControl(3, C::kRxSystem));
    QCOMPARE(systems->count(), 1);
    auto& list = context.Container().TwoToneSystems();
    list.Append(context.Container().MakeTwoToneSystem(list.Count()));
    RecordListNotice notice;
    notice.command = NavigateCommand::Add;
    view_->DataChanged(EditorMessages::kRecordListChanged, &notice);
    QCOMPARE(systems->count(), 2);
    QCOMPARE(systems->itemText(1), QStringLiteral("System #2"));
    Choose(systems, QStringLiteral("System #2"));
    QCOMPARE((StoredByte(context, 0, PersonalityLayout::kRxSignaling) >> 4) & 0x03, 1);
    QCOMPARE(context.Container().Personalities().At(0).RxSystemRef(), list.IdAt(1));
}

void PersonalityViewTest::deletingAPersonalityKeepsChannelsOnTheirPersonality() {
    AppContext& context = **ctx_;
    view_->NavigateRecord(0, NavigateCommand::Add);
    view_->NavigateRecord(0, NavigateCommand::Add);
    QCOMPARE(view_->Position()->count, 3);
    QCOMPARE(view_->Position()->current, 3);
    // The first channel uses the third personality.
    ChannelData& channel = context.Container().Channels().At(0);
    channel.Bytes()[ChannelRecord::kPersonality] = 2;
    context.Container().FixUpReferences();
    const ObjectId third = context.Container().Personalities().IdAt(2);
    view_->NavigateRecord(1, NavigateCommand::GoTo);
    view_->NavigateRecord(0, NavigateCommand::Delete);
    QCOMPARE(view_->Position()->count, 2);
    QCOMPARE(channel.PersonalityId(), third);
    QCOMPARE(channel.PersonalityPosition(), 1);
    // Deleting down to one record is refused there.
    view_->NavigateRecord(0, NavigateCommand::Delete);
    view_->NavigateRecord(0, NavigateCommand::Delete);
    QCOMPARE(view_->Position()->count, 1);
    QCOMPARE(view_->Position()->current, 1);
    context.Container().StoreAll();
    QCOMPARE(context.Container().image()[ImageMap::kPersonalities + 76 + PersonalityLayout::kTxAdmit], 0xFF);
}

void PersonalityViewTest::fieldsAreNamedByTheirLabels() {
    const std::vector<std::tuple<int, int, QString>> named{
        {0, C::kTxAdmit, QStringLiteral("Tx Admit")},
        {0, C::kTotPreAlert, QStringLiteral("TOT Pre-Alert Time")},
        {0, C::kBusyLockout, QStringLiteral("Busy Channel Lockout")},
        {1, C::kRxSquelchMode, QStringLiteral("Rx Squelch Mode")},
        {2, C::kPrimaryId, QStringLiteral("PRIMARY ID")},
        {3, C::kRxSystem, QStringLiteral("RX 2-Tone System")}};
    for (const auto& [page, id, name] : named) {
        QWidget* field = PageControl(page, id);
        const QString accessible = field->accessibleName().isEmpty()
                                       ? qobject_cast<QAbstractButton*>(field)->text()
                                       : field->accessibleName();
        QCOMPARE(accessible, name);
    }
}

QTEST_MAIN(PersonalityViewTest)
#include "PersonalityViewTest.moc"
