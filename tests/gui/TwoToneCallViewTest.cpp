// The two-tone call editor: the 2nd tone follows the call format, the revert channel and system
// lists, the tone edits, and the sixteen-call limit, through the stored image.
#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "gui/views/CViewTToneCall.h"

#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace C = TwoToneCallControls;
namespace L = TwoToneCallLayout;

namespace {

void Choose(QWidget* control, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control);
    QVERIFY(combo);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QByteArray StoredCall(AppContext& context, std::size_t call) {
    context.Container().StoreAll();
    const auto& image = context.Container().image();
    return QByteArray(reinterpret_cast<const char*>(image.data() + ImageMap::kTwoToneCalls + 12 * call), 12);
}

int Le16(const QByteArray& bytes, int offset) {
    return std::uint8_t(bytes[offset]) | (std::uint8_t(bytes[offset + 1]) << 8);
}

} // namespace

class TwoToneCallViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        // The editor starts the list with a call of its own defaults.
        ctx_->context->Container().TwoToneCalls().Clear();
        view_ = std::make_unique<CViewTToneCall>(**ctx_, &host_);
        view_->OnInitialUpdate();
    }
    void cleanup() {
        view_.reset();
        ctx_.reset();
    }

    void secondToneFollowsTheCallFormat_data();
    void secondToneFollowsTheCallFormat();
    void choicesAndTonesAreStored();
    void typedTonesAreClampedBeforeTheyAreStored_data();
    void typedTonesAreClampedBeforeTheyAreStored();
    void enterMovesToTheNextControlAndStores();
    void theCallListStopsAtSixteen();
    void listsFollowOtherRecordLists();

private:
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CViewTToneCall> view_;
    CountingHost host_;
};

void TwoToneCallViewTest::secondToneFollowsTheCallFormat_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("secondTone");
    QTest::addColumn<int>("formatBit");
    QTest::newRow("two tones") << "Two Tones" << true << 0;
    QTest::newRow("long tone") << "Long Tone" << false << 1;
}

void TwoToneCallViewTest::secondToneFollowsTheCallFormat() {
    QFETCH(QString, format);
    QFETCH(bool, secondTone);
    QFETCH(int, formatBit);
    Choose(view_->Control(C::kCallFormat), format);
    QCOMPARE(view_->Control(C::kSecondTone)->isEnabled(), secondTone);
    QCOMPARE(view_->Control(CViewTToneCall::kSecondToneSpin)->isEnabled(), secondTone);
    QCOMPARE((StoredCall(**ctx_, 0)[L::kSettings] >> 2) & 1, formatBit);
}

void TwoToneCallViewTest::choicesAndTonesAreStored() {
    AppContext& context = **ctx_;
    auto& systems = context.Container().TwoToneSystems();
    systems.Append(context.Container().MakeTwoToneSystem(systems.Count()));
    view_->LoadView();
    QVERIFY(ShowActive(view_.get()));
    const QByteArray before = StoredCall(context, 0);
    QCOMPARE(Le16(before, L::kFirstTone), 5000);
    QCOMPARE(qobject_cast<QLineEdit*>(view_->Control(C::kFirstTone))->text(), QStringLiteral("500.0"));
    Choose(view_->Control(C::kRevertChannel), QStringLiteral("Channel #3"));
    Choose(view_->Control(C::kSystem), QStringLiteral("System #2"));
    qobject_cast<QCheckBox*>(view_->Control(C::kStrip))->click();
    auto* tone = qobject_cast<QLineEdit*>(view_->Control(C::kFirstTone));
    tone->setFocus();
    tone->selectAll();
    QTest::keyClicks(tone, QStringLiteral("512.5"));
    view_->Control(C::kSecondTone)->setFocus();
    const QByteArray after = StoredCall(context, 0);
    QCOMPARE(Le16(after, L::kRevertChannel), 3);
    QCOMPARE(after[L::kSettings] & 0x03, 1);
    QCOMPARE((after[L::kSettings] >> 3) & 1, 1);
    QCOMPARE(Le16(after, L::kFirstTone), 5125);
    QCOMPARE(Le16(after, L::kSecondTone), 10000);
}

void TwoToneCallViewTest::typedTonesAreClampedBeforeTheyAreStored_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("raw");
    QTest::newRow("inside the range") << "1234.5"
                                      << "1234.5" << 12345;
    QTest::newRow("above the range") << "5000"
                                     << "3000.0" << 30000;
    QTest::newRow("below the range") << "12"
                                     << "300.0" << 3000;
}

void TwoToneCallViewTest::typedTonesAreClampedBeforeTheyAreStored() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, raw);
    QVERIFY(ShowActive(view_.get()));
    auto* tone = qobject_cast<QLineEdit*>(view_->Control(C::kSecondTone));
    tone->setFocus();
    tone->selectAll();
    QTest::keyClicks(tone, typed);
    view_->Control(C::kStrip)->setFocus();
    QCOMPARE(tone->text(), shown);
    QCOMPARE(Le16(StoredCall(**ctx_, 0), L::kSecondTone), raw);
}

void TwoToneCallViewTest::enterMovesToTheNextControlAndStores() {
    QVERIFY(ShowActive(view_.get()));
    auto* tone = qobject_cast<QLineEdit*>(view_->Control(C::kFirstTone));
    tone->setFocus();
    tone->selectAll();
    QTest::keyClicks(tone, QStringLiteral("600"));
    QTest::keyClick(tone, Qt::Key_Return);
    QVERIFY(!tone->hasFocus());
    QVERIFY(view_->isVisible());
    QCOMPARE(Le16(StoredCall(**ctx_, 0), L::kFirstTone), 6000);
}

void TwoToneCallViewTest::theCallListStopsAtSixteen() {
    for (int i = 0; i < 20; ++i) {
        view_->NavigateRecord(0, NavigateCommand::Add);
    }
    QCOMPARE(view_->Position()->count, 16);
    QCOMPARE(view_->Position()->current, 16);
    const QByteArray last = StoredCall(**ctx_, 15);
    QCOMPARE(Le16(last, L::kNextLink), int(L::kHead));
    // The chain loads back as sixteen calls.
    ctx_->context->Container().LoadAll();
    QCOMPARE(ctx_->context->Container().TwoToneCalls().Count(), std::size_t{16});
}

void TwoToneCallViewTest::listsFollowOtherRecordLists() {
    AppContext& context = **ctx_;
    auto* systems = qobject_cast<QComboBox*>(view_->Control(C::kSystem));
    auto* channels = qobject_cast<QComboBox*>(view_->Control(C::kRevertChannel));
    const int channelItems = channels->count();
    QCOMPARE(channelItems, int(context.Container().Channels().Count()) + 1);
    QCOMPARE(systems->count(), 1);
    auto& list = context.Container().TwoToneSystems();
    list.Append(context.Container().MakeTwoToneSystem(list.Count()));
    RecordListNotice notice;
    notice.command = NavigateCommand::Add;
    view_->DataChanged(EditorMessages::kRecordListChanged, &notice);
    QCOMPARE(systems->count(), 2);
    QCOMPARE(systems->currentIndex(), 0);
    QCOMPARE(view_->Control(C::kRevertChannel)->accessibleName(), QStringLiteral("Revert Channel"));
    QCOMPARE(view_->Control(C::kFirstTone)->accessibleName(), QStringLiteral("1st Tone [Hz]"));
}

QTEST_MAIN(TwoToneCallViewTest)
#include "TwoToneCallViewTest.moc"
