// The channel editor: frequencies typed, tone types, the copy button, navigation with the record
// bar, each checked through the bytes a save writes.

#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "gui/controls/CFreqEdit.h"
#include "gui/controls/FilterEdit.h"
#include "gui/views/CChanSheet.h"
#include "gui/views/CPageChanBasic.h"
#include "gui/views/CPageChanMisc.h"
#include "gui/views/CViewChannel.h"

#include <QAccessible>
#include <QPushButton>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr std::size_t kChannelTable = 0x285;
constexpr std::size_t kChannelSize = 24;

/// The bytes a save writes for channel `k` from `offset` on.
QByteArray SavedBytes(AppContext& context, std::size_t k, std::size_t offset, int count) {
    context.Container().StoreAll();
    const Image& image = context.Container().image();
    return QByteArray(reinterpret_cast<const char*>(image.data() + kChannelTable + kChannelSize * k + offset),
                      count);
}

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(text);
}

} // namespace

class ChannelEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    CountingHost host_;
    std::unique_ptr<CViewChannel> view_;

    CPageChanBasic* Basic() const { return view_->ChannelSheet()->Basic(); }
    CPageChanMisc* Misc() const { return view_->ChannelSheet()->Misc(); }

    /// Types `text` into a control's edit and leaves it for the next control, as a user does.
    void TypeAndLeave(QWidget* control, const QString& text, QWidget* next) {
        control->setFocus();
        QApplication::processEvents();
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            combo->lineEdit()->selectAll();
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->selectAll();
        }
        if (text.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        } else {
            QTest::keyClicks(QApplication::focusWidget(), text);
        }
        next->setFocus();
        QTest::qWait(1);
    }

    void ChooseType(int typeId, int value) {
        QComboBox* combo = Basic()->Combo(typeId);
        combo->setFocus();
        combo->setCurrentIndex(combo->findData(value));
        emit combo->activated(combo->currentIndex());
    }

private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        view_ = std::make_unique<CViewChannel>(**ctx_, &host_);
        view_->OnInitialUpdate();
        QVERIFY(ShowActive(view_.get()));
    }
    void cleanup() {
        view_.reset();
        ctx_.reset();
    }

    void typedFrequencyIsCorrectedAndStored_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("rxBytes");
        QTest::addColumn<int>("stepNibble");
        QTest::addColumn<bool>("message");
        QTest::newRow("12.5 kHz raster") << "150.0125"
                                         << "150.01250" << Hex("15001250") << 6 << false;
        QTest::newRow("no raster rounds down") << "150.003"
                                               << "150.00000" << Hex("15000000") << 6 << false;
        QTest::newRow("5 kHz raster kept") << "150.005"
                                           << "150.00500" << Hex("15000500") << 2 << false;
        QTest::newRow("above range clamped") << "1000"
                                             << "174.00000" << Hex("17400000") << 6 << true;
        QTest::newRow("below range clamped") << "12"
                                             << "136.00000" << Hex("13600000") << 6 << true;
        QTest::newRow("cleared") << ""
                                 << "" << Hex("ffffffff") << 15 << false;
    }
    void typedFrequencyIsCorrectedAndStored() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, rxBytes);
        QFETCH(int, stepNibble);
        QFETCH(bool, message);
        ctx_->prompts->Forget();
        TypeAndLeave(Basic()->FreqEdit(CPageChanBasic::kRxFreq), typed,
                     Basic()->Combo(CPageChanBasic::kPower));
        QCOMPARE(Basic()->FreqEdit(CPageChanBasic::kRxFreq)->text(), shown);
        QCOMPARE(SavedBytes(**ctx_, 0, 4, 4), rxBytes);
        QCOMPARE(SavedBytes(**ctx_, 0, 16, 1).at(0) & 0x0F, stepNibble);
        QCOMPARE(!ctx_->prompts->asked().empty(), message);
        if (typed.isEmpty()) {
            // No receive frequency: no transmit frequency either, and it cannot be typed.
            QCOMPARE(SavedBytes(**ctx_, 0, 8, 4), Hex("ffffffff"));
            QVERIFY(!Basic()->FreqEdit(CPageChanBasic::kTxFreq)->isEnabled());
        }
    }

    void toneTypeEnablesItsDropDownAndStoresTheTone_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ctcssEnabled");
        QTest::addColumn<bool>("cdcssEnabled");
        QTest::addColumn<QByteArray>("toneBytes");
        // Bit 12 stays set as in every new channel; bit 13 marks a non-standard tone.
        QTest::newRow("none") << 0 << "" << false << false << QByteArray();
        QTest::newRow("CTCSS 67.0") << 1 << "67.0" << true << false << Hex("529e");
        QTest::newRow("CTCSS 69.4 non-standard") << 1 << "69.4" << true << false << Hex("72b6");
        QTest::newRow("CDCSS 754") << 2 << "754" << false << true << Hex("91ec");
        QTest::newRow("CDCSS 755 non-standard") << 2 << "755" << false << true << Hex("b1ed");
        QTest::newRow("CDCSS inverted 023") << 3 << "023" << false << true << Hex("d013");
    }
    void toneTypeEnablesItsDropDownAndStoresTheTone() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(bool, ctcssEnabled);
        QFETCH(bool, cdcssEnabled);
        QFETCH(QByteArray, toneBytes);
        ChooseType(CPageChanBasic::kRxType, type);
        QCOMPARE(Basic()->Combo(CPageChanBasic::kRxCtcss)->isEnabled(), ctcssEnabled);
        QCOMPARE(Basic()->Combo(CPageChanBasic::kRxCdcss)->isEnabled(), cdcssEnabled);
        if (!typed.isEmpty()) {
            const int field = ctcssEnabled ? CPageChanBasic::kRxCtcss : CPageChanBasic::kRxCdcss;
            TypeAndLeave(Basic()->Combo(field), typed, Basic()->Combo(CPageChanBasic::kPower));
        }
        const QByteArray saved = SavedBytes(**ctx_, 0, 12, 2);
        QCOMPARE(static_cast<std::uint8_t>(saved.at(0)) >> 6, type);
        if (!toneBytes.isEmpty()) {
            QCOMPARE(saved.toHex(), toneBytes.toHex());
        }
    }

    // After a signal type change the four tone drop-downs show what the channel holds, greyed or
    // not, as the channel list shows it: never a tone left over from before the change.
    void toneFieldsShowWhatIsStoredAfterATypeChange_data() {
        QTest::addColumn<int>("typeId");
        QTest::addColumn<int>("ctcssId");
        QTest::addColumn<QString>("tone");
        QTest::addColumn<int>("to");
        QTest::newRow("TX CTCSS to CDCSS")
            << int(CPageChanBasic::kTxType) << int(CPageChanBasic::kTxCtcss) << "131.8" << 2;
        QTest::newRow("TX CTCSS to inverted CDCSS")
            << int(CPageChanBasic::kTxType) << int(CPageChanBasic::kTxCtcss) << "131.8" << 3;
        QTest::newRow("TX CTCSS to none")
            << int(CPageChanBasic::kTxType) << int(CPageChanBasic::kTxCtcss) << "151.4" << 0;
        QTest::newRow("RX CTCSS to CDCSS")
            << int(CPageChanBasic::kRxType) << int(CPageChanBasic::kRxCtcss) << "131.8" << 2;
    }
    void toneFieldsShowWhatIsStoredAfterATypeChange() {
        QFETCH(int, typeId);
        QFETCH(int, ctcssId);
        QFETCH(QString, tone);
        QFETCH(int, to);
        ChooseType(typeId, 1);
        TypeAndLeave(Basic()->Combo(ctcssId), tone, Basic()->Combo(CPageChanBasic::kPower));
        QCOMPARE(Basic()->Combo(ctcssId)->currentText(), tone);
        ChooseType(typeId, to);
        ChannelUi stored;
        ctx_->context->Container().Channels().At(0).LoadUi(stored, ctx_->context->Language(),
                                                           LocaleDecimalSeparator());
        const std::pair<int, const std::string*> shown[] = {{CPageChanBasic::kRxCtcss, &stored.rxCtcss},
                                                            {CPageChanBasic::kRxCdcss, &stored.rxCdcss},
                                                            {CPageChanBasic::kTxCtcss, &stored.txCtcss},
                                                            {CPageChanBasic::kTxCdcss, &stored.txCdcss}};
        for (const auto& [id, text] : shown) {
            QCOMPARE(Basic()->Combo(id)->currentText(), QString::fromStdString(*text));
        }
        QVERIFY(!Basic()->Combo(ctcssId)->isEnabled());
    }

    void copyButtonCopiesReceiveToTransmit() {
        TypeAndLeave(Basic()->FreqEdit(CPageChanBasic::kRxFreq), QStringLiteral("151.5"),
                     Basic()->Combo(CPageChanBasic::kPower));
        ChooseType(CPageChanBasic::kRxType, 2);
        TypeAndLeave(Basic()->Combo(CPageChanBasic::kRxCdcss), QStringLiteral("023"),
                     Basic()->Combo(CPageChanBasic::kPower));
        qobject_cast<QPushButton*>(Basic()->Control(CPageChanBasic::kCopyButton))->click();
        QCOMPARE(SavedBytes(**ctx_, 0, 8, 4), Hex("15150000"));
        QCOMPARE(SavedBytes(**ctx_, 0, 14, 2), SavedBytes(**ctx_, 0, 12, 2));
        QCOMPARE(Basic()->FreqEdit(CPageChanBasic::kTxFreq)->text(), QStringLiteral("151.50000"));
        QVERIFY(Basic()->Combo(CPageChanBasic::kTxCdcss)->isEnabled());
    }

    void navigationKeepsTheListWithinItsLimits_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("goTo");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::newRow("add the sixteenth") << 15 << 1 << int(NavigateCommand::Add) << 16 << 16;
        QTest::newRow("delete the last of three") << 3 << 3 << int(NavigateCommand::Delete) << 2 << 2;
        QTest::newRow("delete the only one") << 1 << 1 << int(NavigateCommand::Delete) << 1 << 1;
        QTest::newRow("previous from the first") << 3 << 1 << int(NavigateCommand::Previous) << 1 << 3;
        QTest::newRow("next from the last") << 3 << 3 << int(NavigateCommand::Next) << 3 << 3;
    }
    void navigationKeepsTheListWithinItsLimits() {
        QFETCH(int, channels);
        QFETCH(int, goTo);
        QFETCH(int, command);
        QFETCH(int, current);
        QFETCH(int, count);
        auto& list = ctx_->context->Container().Channels();
        while (static_cast<int>(list.Count()) > channels) {
            list.Remove(list.Count() - 1);
        }
        while (static_cast<int>(list.Count()) < channels) {
            list.Append(ctx_->context->Container().MakeChannel(list.Count()));
        }
        view_->NavigateRecord(goTo, NavigateCommand::GoTo);
        view_->NavigateRecord(0, static_cast<NavigateCommand>(command));
        QCOMPARE(view_->Position()->current, current);
        QCOMPARE(view_->Position()->count, count);
        ctx_->context->Container().StoreAll();
        const Image& image = ctx_->context->Container().image();
        // The slot after the last channel ends the table.
        QCOMPARE(image[kChannelTable + kChannelSize * count + 19], 0xFF);
        if (command == int(NavigateCommand::Add)) {
            // The sixteenth channel starts scanning by itself.
            QCOMPARE(image[kChannelTable + kChannelSize * 15 + 20] & 0x40, 0x40);
        }
    }

    void miscPageStoresReferencesAndWithdrawsProblems() {
        auto& container = ctx_->context->Container();
        container.Channels().At(0).Bytes()[18] = 7; // a personality that does not exist
        container.FixUpReferences();
        QVERIFY(container.CheckAllReferences(ctx_->context->Problems(), ctx_->context->Language()));
        const std::size_t problems = ctx_->context->Problems().Entries().size();
        view_->LoadView();
        view_->ChannelSheet()->setCurrentWidget(Misc());
        QComboBox* personality = Misc()->Combo(CPageChanMisc::kPersonality);
        QCOMPARE(personality->currentIndex(), -1);
        QVERIFY(personality->count() >= 1);
        personality->setCurrentIndex(0);
        emit personality->activated(0);
        qobject_cast<QCheckBox*>(Misc()->Control(CPageChanMisc::kAtis))->click();
        QCOMPARE(ctx_->context->Problems().Entries().size(), problems - 1);
        QCOMPARE(static_cast<int>(SavedBytes(**ctx_, 0, 18, 1).at(0)), 0);
        QCOMPARE(static_cast<std::uint8_t>(SavedBytes(**ctx_, 0, 20, 1).at(0)) & 0x80, 0x80);
    }

    void everyFieldIsNamedByItsLabel() {
        const std::pair<int, const char*> named[] = {{CPageChanBasic::kRxFreq, "RX Frequency (MHz)"},
                                                     {CPageChanBasic::kTxCdcss, "TX CDCSS"},
                                                     {CPageChanBasic::kSpacing, "Channel Spacing"}};
        for (const auto& [id, name] : named) {
            QCOMPARE(Basic()->Control(id)->accessibleName(), QString::fromLatin1(name));
        }
        QCOMPARE(Misc()->Control(CPageChanMisc::kPersonality)->accessibleName(),
                 QStringLiteral("Personality"));
        // Screen readers hear a drop-down's label as its name and its choice as its value, and can
        // put the focus on it.
        QAccessibleInterface* power =
            QAccessible::queryAccessibleInterface(Basic()->Control(CPageChanBasic::kPower));
        QCOMPARE(power->text(QAccessible::Name), QStringLiteral("Power Level"));
        QCOMPARE(power->text(QAccessible::Value), Basic()->Combo(CPageChanBasic::kPower)->currentText());
        power->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(Basic()->Combo(CPageChanBasic::kPower)->hasFocus());
        if (qEnvironmentVariableIsSet("TAV_SHOTS")) {
            view_->resize(760, 360);
            view_->grab().save(QStringLiteral("/tmp/chanshots/channel_basic.png"));
            view_->ChannelSheet()->setCurrentWidget(Misc());
            view_->grab().save(QStringLiteral("/tmp/chanshots/channel_misc.png"));
        }
    }
};

QTEST_MAIN(ChannelEditorTest)
#include "ChannelEditorTest.moc"
