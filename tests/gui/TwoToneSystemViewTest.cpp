// The two-tone system editor: spins that wrap, exclusive call formats, the tone edits and alerting
// options that follow the formats and call types, and the system count, through the stored image.
#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "gui/controls/NumericRangeEdit.h"
#include "gui/controls/SpinArrows.h"
#include "gui/views/CTTSystemAdvancePage.h"
#include "gui/views/CViewTToneSystem.h"
#include "gui/views/CViewTToneSystemSheet.h"

#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace C = TwoToneSystemControls;
namespace L = TwoToneSystemLayout;

namespace {

void Choose(QWidget* control, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control);
    QVERIFY(combo);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList Items(QWidget* control) {
    QStringList items;
    auto* combo = qobject_cast<QComboBox*>(control);
    for (int i = 0; combo && i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

std::uint8_t StoredByte(AppContext& context, std::size_t system, std::size_t offset) {
    context.Container().StoreAll();
    return context.Container()
        .image()[ImageMap::kTwoToneSystems + ImageMap::kTwoToneSystemSize * system + offset];
}

} // namespace

class TwoToneSystemViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        view_ = std::make_unique<CViewTToneSystem>(**ctx_, &host_);
        view_->OnInitialUpdate();
    }
    void cleanup() {
        view_.reset();
        ctx_.reset();
    }

    void spinsWrapAtTheEndsOfTheRange_data();
    void spinsWrapAtTheEndsOfTheRange();
    void aCallFormatIsUsedByOneDecodeOnly();
    void toneEditsFollowTheLettersOfTheFormats();
    void callTypesDriveTheAlertingOptions_data();
    void callTypesDriveTheAlertingOptions();
    void everySystemCarriesTheSystemCount();

private:
    QWidget* At(int page, int id) const { return view_->SystemSheet()->Pages()[page]->Control(id); }

    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CViewTToneSystem> view_;
    CountingHost host_;
};

void TwoToneSystemViewTest::spinsWrapAtTheEndsOfTheRange_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("edit");
    QTest::addColumn<int>("spin");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::newRow("pretime up from max")
        << 0 << int(C::kPretime) << C::kPretime + 1 << "25500" << true << "0" << int(L::kPretime) << 0;
    QTest::newRow("pretime down from min")
        << 0 << int(C::kPretime) << C::kPretime + 1 << "0" << false << "25500" << int(L::kPretime) << 255;
    QTest::newRow("duration up one step") << 0 << int(C::kFirstToneDuration) << C::kFirstToneDuration + 1
                                          << "1.0" << true << "1.1" << int(L::kFirstToneDuration) << 11;
    QTest::newRow("gap down from min")
        << 0 << int(C::kGapTime) << C::kGapTime + 1 << "0.0" << false << "9.9" << int(L::kGapTime) << 99;
    QTest::newRow("tone A above max") << 1 << int(C::kFirstTone) << int(CTTSystemAdvancePage::kFirstToneSpin)
                                      << "3500.0" << true << "300.0" << int(L::ToneOffset(0)) << 0x0B;
}

void TwoToneSystemViewTest::spinsWrapAtTheEndsOfTheRange() {
    QFETCH(int, page);
    QFETCH(int, edit);
    QFETCH(int, spin);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, shown);
    QFETCH(int, offset);
    QFETCH(int, stored);
    view_->SystemSheet()->setCurrentIndex(page);
    QVERIFY(ShowActive(view_.get()));
    auto* field = qobject_cast<QLineEdit*>(At(page, edit));
    field->setFocus();
    field->setText(start);
    qobject_cast<SpinArrows*>(At(page, spin))->Step(up ? SpinDirection::Up : SpinDirection::Down);
    QCOMPARE(field->text(), shown);
    QCOMPARE(field->selectedText(), shown);
    // Taken when the edit loses the focus (tones are big-endian in the image).
    At(page, page == 0 ? C::kSidetone : C::kVibrate)->setFocus();
    QCOMPARE(StoredByte(**ctx_, 0, offset), stored);
}

void TwoToneSystemViewTest::aCallFormatIsUsedByOneDecodeOnly() {
    QVERIFY(!Items(At(1, C::kFirstCallFormat)).contains(QStringLiteral("None")));
    Choose(At(1, C::kFirstCallFormat + 1), QStringLiteral("A-D"));
    for (const int k : {0, 2, 3}) {
        QVERIFY(!Items(At(1, C::kFirstCallFormat + k)).contains(QStringLiteral("A-D")));
    }
    QVERIFY(!Items(At(1, C::kFirstCallFormat + 1)).contains(QStringLiteral("C-D")));
    QVERIFY(Items(At(1, C::kFirstCallFormat + 2)).contains(QStringLiteral("D-A")));
    QCOMPARE(StoredByte(**ctx_, 0, L::DecodeFormatOffset(1)) & 0x0F, 7);
}

void TwoToneSystemViewTest::toneEditsFollowTheLettersOfTheFormats() {
    for (const int t : {0, 1, 2, 3}) {
        QVERIFY(At(1, C::kFirstTone + t)->isEnabled());
    }
    Choose(At(1, C::kFirstCallFormat), QStringLiteral("D-B"));
    Choose(At(1, C::kFirstCallFormat + 3), QStringLiteral("None"));
    const bool expected[] = {true, true, false, true};
    for (const int t : {0, 1, 2, 3}) {
        QCOMPARE(At(1, C::kFirstTone + t)->isEnabled(), expected[t]);
        QCOMPARE(At(1, CTTSystemAdvancePage::kFirstToneSpin + t)->isEnabled(), expected[t]);
    }
    QCOMPARE(StoredByte(**ctx_, 0, L::DecodeFormatOffset(0)) & 0x0F, 15);
    QCOMPARE(StoredByte(**ctx_, 0, L::DecodeFormatOffset(3)) & 0x0F, 0);
}

void TwoToneSystemViewTest::callTypesDriveTheAlertingOptions_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("alertLists");
    QTest::addColumn<bool>("vibrate");
    QTest::addColumn<bool>("autoReset");
    QTest::newRow("all silent") << "Silent" << false << false << false;
    QTest::newRow("all call alert") << "Call Alert" << true << true << true;
    QTest::newRow("all group call") << "Group Call" << true << true << false;
}

void TwoToneSystemViewTest::callTypesDriveTheAlertingOptions() {
    QFETCH(QString, type);
    QFETCH(bool, alertLists);
    QFETCH(bool, vibrate);
    QFETCH(bool, autoReset);
    // Vibrate and LED on, so their auto resets may follow.
    for (const int id : {C::kVibrate, C::kLed}) {
        if (auto* box = qobject_cast<QCheckBox*>(At(1, id)); !box->isChecked()) {
            box->click();
        }
    }
    for (int k = 0; k < 4; ++k) {
        Choose(At(1, C::kFirstCallType + k), type);
    }
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(At(1, C::kFirstAlertTone + k)->isEnabled(), alertLists);
    }
    QCOMPARE(At(1, C::kVibrate)->isEnabled(), vibrate);
    QCOMPARE(At(1, C::kLed)->isEnabled(), vibrate);
    for (const int id : {C::kAlertToneAutoReset, C::kVibrateAutoReset, C::kLedAutoReset}) {
        QCOMPARE(At(1, id)->isEnabled(), autoReset);
    }
    const int typeValue = qobject_cast<QComboBox*>(At(1, C::kFirstCallType))->currentIndex();
    QCOMPARE(StoredByte(**ctx_, 0, L::DecodeFormatOffset(3)) >> 4, typeValue);
    QCOMPARE(StoredByte(**ctx_, 0, L::kOptions) & 0x03, 0x03);
}

void TwoToneSystemViewTest::everySystemCarriesTheSystemCount() {
    for (int i = 0; i < 4; ++i) {
        view_->NavigateRecord(0, NavigateCommand::Add);
    }
    QCOMPARE(view_->Position()->count, 4);
    for (std::size_t s = 0; s < 4; ++s) {
        QCOMPARE(StoredByte(**ctx_, s, L::kFlags) >> 6, 3);
    }
    for (int i = 0; i < 4; ++i) {
        view_->NavigateRecord(0, NavigateCommand::Delete);
    }
    QCOMPARE(view_->Position()->count, 1);
    QCOMPARE(StoredByte(**ctx_, 0, L::kFlags) >> 6, 0);
    QCOMPARE(StoredByte(**ctx_, 1, L::kPretime), 0xFF);
}

QTEST_MAIN(TwoToneSystemViewTest)
#include "TwoToneSystemViewTest.moc"
