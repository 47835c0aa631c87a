// The ATIS, DOS and PTT-ID editors: what is typed or clicked ends up in the stored bytes.
#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "gui/views/CViewAtis.h"
#include "gui/views/CViewDos.h"
#include "gui/views/CViewKDS12PTTID.h"

#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// Types `text` into an edit of a shown view and moves the focus to `next`, as a user leaving it.
void TypeAndLeave(QLineEdit* edit, const QString& text, QWidget* next) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    next->setFocus();
}

QByteArray ImageBytes(AppContext& context, std::size_t offset, int size) {
    context.Container().StoreAll();
    const auto& image = context.Container().image();
    return QByteArray(reinterpret_cast<const char*>(image.data() + offset), size);
}

} // namespace

class SignalBlockViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        host_.calls.clear();
    }
    void cleanup() { ctx_.reset(); }

    void atisCodeIsPaddedAndPacked_data();
    void atisCodeIsPaddedAndPacked();
    void dosEnableDrivesThePreMuteList();
    void pttIdPrimaryIdIsClamped_data();
    void pttIdPrimaryIdIsClamped();
    void pttIdBoxesStoreTheirInverse();
    void pttIdShowsTheFirstPersonalitysFields();
    void fieldsAreNamedByTheirLabels();

private:
    std::unique_ptr<TestContext> ctx_;
    CountingHost host_;
};

void SignalBlockViewsTest::atisCodeIsPaddedAndPacked_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("short code") << "123"
                                << "000000000123" << QByteArray::fromHex("00000000012303");
    QTest::newRow("full code") << "987654321098"
                               << "987654321098" << QByteArray::fromHex("98765432109803");
    QTest::newRow("emptied") << ""
                             << "000000000000" << QByteArray::fromHex("00000000000003");
}

void SignalBlockViewsTest::atisCodeIsPaddedAndPacked() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, bytes);
    CViewAtis view(**ctx_, &host_);
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    auto* edit = qobject_cast<QLineEdit*>(view.Control(AtisData::kCodeEditId));
    QCOMPARE(edit->text(), QStringLiteral("999999999999"));
    TypeAndLeave(edit, typed, view.Control(AtisData::kPretimeListId));
    QCOMPARE(edit->text(), shown);
    QCOMPARE(ImageBytes(**ctx_, ImageMap::kAtis, 7), bytes);
    QCOMPARE(host_.calls.size(), std::size_t{1});
}

void SignalBlockViewsTest::dosEnableDrivesThePreMuteList() {
    ctx_->context->Container().Dos().Bytes()[0] = 0xA4;
    CViewDos view(**ctx_, &host_);
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    auto* enable = qobject_cast<QCheckBox*>(view.Control(DosData::kEnableCheckId));
    auto* preMute = qobject_cast<QComboBox*>(view.Control(DosData::kPreMuteListId));
    QVERIFY(!enable->isChecked());
    QVERIFY(!preMute->isEnabled());
    QCOMPARE(preMute->currentText(), QStringLiteral("150"));
    enable->click();
    QVERIFY(preMute->isEnabled());
    QCOMPARE(ImageBytes(**ctx_, ImageMap::kDos, 2), QByteArray::fromHex("A50F"));
    enable->click();
    QVERIFY(!preMute->isEnabled());
    QCOMPARE(ImageBytes(**ctx_, ImageMap::kDos, 1), QByteArray::fromHex("A4"));
}

void SignalBlockViewsTest::pttIdPrimaryIdIsClamped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("all F") << "FFFF"
                           << "DEEE";
    QTest::newRow("zero") << "0"
                          << "0001";
    QTest::newRow("allowed") << "ABCD"
                             << "ABCD";
    QTest::newRow("first digit E") << "E000"
                                   << "D000";
    QTest::newRow("short lower case") << "c1"
                                      << "00C1";
    QTest::newRow("empty") << ""
                           << "0001";
}

void SignalBlockViewsTest::pttIdPrimaryIdIsClamped() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    CViewKDS12PTTID view(**ctx_, &host_);
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    auto* edit = qobject_cast<QLineEdit*>(view.Control(PttIdData::kPrimaryIdEditId));
    QCOMPARE(edit->text(), QStringLiteral("0001"));
    // The filter refuses F while typing; a text that holds one anyway is corrected on leaving.
    edit->setFocus();
    edit->setText(typed);
    view.Control(PttIdData::kTypeListId)->setFocus();
    QCOMPARE(edit->text(), shown);
    // The radio sends the first personality's PTT-ID: the save carries what was typed there.
    QCOMPARE(ImageBytes(**ctx_, ImageMap::kPttId, 2), QByteArray::fromHex(shown.toLatin1()));
    QCOMPARE(ctx_->context->Container().Personalities().At(0).PrimaryId(), shown.toUShort(nullptr, 16));
}

void SignalBlockViewsTest::pttIdBoxesStoreTheirInverse() {
    CViewKDS12PTTID view(**ctx_, &host_);
    view.OnInitialUpdate();
    auto* sideTone = qobject_cast<QCheckBox*>(view.Control(PttIdData::kSideToneCheckId));
    auto* shortBeep = qobject_cast<QCheckBox*>(view.Control(PttIdData::kShortBeepCheckId));
    QVERIFY(!sideTone->isChecked());
    QVERIFY(shortBeep->isChecked());
    sideTone->click();
    shortBeep->click();
    auto* type = qobject_cast<QComboBox*>(view.Control(PttIdData::kTypeListId));
    type->setCurrentIndex(2);
    emit type->activated(2);
    // Side tone on (bit 0 clear), short beep off (bit 1 set), bits 2-7 kept; type EOT.
    QCOMPARE(ImageBytes(**ctx_, ImageMap::kPttId, 6), QByteArray::fromHex("000102FE1905"));
}

void SignalBlockViewsTest::pttIdShowsTheFirstPersonalitysFields() {
    CViewKDS12PTTID view(**ctx_, &host_);
    view.OnInitialUpdate();
    PersonalityData& first = ctx_->context->Container().Personalities().At(0);
    first.SetPrimaryId(0x1234);
    view.DataChanged(0, nullptr);
    QCOMPARE(qobject_cast<QLineEdit*>(view.Control(PttIdData::kPrimaryIdEditId))->text(),
             QStringLiteral("1234"));
}

void SignalBlockViewsTest::fieldsAreNamedByTheirLabels() {
    CViewAtis atis(**ctx_, &host_);
    CViewDos dos(**ctx_, &host_);
    CViewKDS12PTTID pttId(**ctx_, &host_);
    const std::vector<std::pair<QWidget*, QString>> named{
        {atis.Control(AtisData::kCodeEditId), QStringLiteral("ATIS Code")},
        {atis.Control(AtisData::kPretimeListId), QStringLiteral("Pretime [ms]")},
        {dos.Control(DosData::kPreMuteListId), QStringLiteral("DOS Pre-Mute Duration[ms]")},
        {pttId.Control(PttIdData::kPrimaryIdEditId), QStringLiteral("PRIMARY ID")},
        {pttId.Control(PttIdData::kPreambleListId), QStringLiteral("Preamble Bit Sync")}};
    for (const auto& [field, name] : named) {
        QCOMPARE(field->accessibleName(), name);
    }
}

QTEST_MAIN(SignalBlockViewsTest)
#include "SignalBlockViewsTest.moc"
