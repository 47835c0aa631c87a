// The scan editor: the configuration page's enabling rules, the member page, and the problem
// entries that choosing a channel withdraws, each checked through the bytes a save writes.

#include "ShellTestSupport.h"
#include "core/data/ScanListData.h"
#include "gui/views/CChinnelListPage.h"
#include "gui/views/CConfigPage.h"
#include "gui/views/CScanSheet.h"
#include "gui/views/CViewScan.h"

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr std::size_t kScanList = 0x119B;

QByteArray Saved(AppContext& context, std::size_t offset, int count) {
    context.Container().StoreAll();
    const Image& image = context.Container().image();
    return QByteArray(reinterpret_cast<const char*>(image.data() + kScanList + offset), count);
}

void Choose(QComboBox* combo, int index) {
    combo->setFocus();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class ScanEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestContext> ctx_;
    CountingHost host_;
    std::unique_ptr<CViewScan> view_;

    CConfigPage* Config() const { return view_->ScanSheet()->Config(); }
    CChinnelListPage* Members() const { return view_->ScanSheet()->Members(); }

private slots:
    void init() {
        ctx_ = std::make_unique<TestContext>();
        auto& container = ctx_->context->Container();
        // A new scan list over four channels: members 5 to 16 name no channel.
        container.ScanLists().Clear();
        while (container.Channels().Count() > 4) {
            container.Channels().Remove(container.Channels().Count() - 1);
        }
        view_ = std::make_unique<CViewScan>(**ctx_, &host_);
        view_->OnInitialUpdate();
        QVERIFY(ShowActive(view_.get()));
    }
    void cleanup() {
        view_.reset();
        ctx_.reset();
    }

    void newListShowsItsDefaults() {
        QCOMPARE(ctx_->context->Container().ScanLists().Count(), std::size_t(1));
        QCOMPARE(Config()->Combo(CConfigPage::kToneScanMode)->currentData().toInt(), 3);
        QCOMPARE(Config()->Combo(CConfigPage::kSignalHangTime)->currentData().toInt(), 25);
        QCOMPARE(Config()->Combo(CConfigPage::kSweepTime)->currentData().toInt(), 8);
        QCOMPARE(Config()->Combo(CConfigPage::kHangTime)->currentData().toInt(), 3);
        for (const int id :
             {CConfigPage::kScanStartAlert, CConfigPage::kScanEndAlert, CConfigPage::kPriorityScanAlert}) {
            QVERIFY(Config()->Check(id)->isChecked());
        }
        for (const int id : {CConfigPage::kIncludeCurrent, CConfigPage::kPriorityInAutoReset}) {
            QVERIFY(!Config()->Check(id)->isChecked());
        }
        QCOMPARE(Members()->Combo(CChinnelListPage::kFirstMember + 3)->currentText(), QStringLiteral("4"));
        QCOMPARE(Members()->Combo(CChinnelListPage::kFirstMember + 4)->currentIndex(), -1);
        QCOMPARE(Saved(**ctx_, 24, 4).toHex(), QByteArray("00010002"));
    }

    void modesEnableTheirChannelControls_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("enabled");
        QTest::addColumn<QList<int>>("disabled");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("mask");
        QTest::newRow("priority off")
            << CConfigPage::kPriorityMode << 0 << QList<int>{}
            << QList<int>{CConfigPage::kPriorityChannel, CConfigPage::kSweepTime} << 7 << 0x03;
        QTest::newRow("priority fixed") << CConfigPage::kPriorityMode << 1
                                        << QList<int>{CConfigPage::kPriorityChannel, CConfigPage::kSweepTime}
                                        << QList<int>{} << 7 << 0x03;
        QTest::newRow("priority selected")
            << CConfigPage::kPriorityMode << 2 << QList<int>{CConfigPage::kSweepTime}
            << QList<int>{CConfigPage::kPriorityChannel} << 7 << 0x03;
        QTest::newRow("transmit designated")
            << CConfigPage::kTransmitMode << 1 << QList<int>{CConfigPage::kDesignatedChannel} << QList<int>{}
            << 13 << 0x07;
        QTest::newRow("transmit current") << CConfigPage::kTransmitMode << 0 << QList<int>{}
                                          << QList<int>{CConfigPage::kDesignatedChannel} << 13 << 0x07;
    }
    void modesEnableTheirChannelControls() {
        QFETCH(int, control);
        QFETCH(int, value);
        QFETCH(QList<int>, enabled);
        QFETCH(QList<int>, disabled);
        QFETCH(int, offset);
        QFETCH(int, mask);
        const QByteArray priorityBefore = Saved(**ctx_, 9, 2);
        QComboBox* combo = Config()->Combo(control);
        Choose(combo, combo->findData(value));
        for (const int id : enabled) {
            QVERIFY2(Config()->Control(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        for (const int id : disabled) {
            QVERIFY2(!Config()->Control(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QCOMPARE(static_cast<std::uint8_t>(Saved(**ctx_, offset, 1).at(0)) & mask, value);
        // A disabled channel control keeps the stored channel.
        QCOMPARE(Saved(**ctx_, 9, 2), priorityBefore);
    }

    void entriesEnableMembersAndKeepTheOthers() {
        QComboBox* entries = Members()->Combo(CChinnelListPage::kEntries);
        Choose(entries, entries->findText(QStringLiteral("3")));
        for (int k = 0; k < CChinnelListPage::kMembers; ++k) {
            QCOMPARE(Members()->Combo(CChinnelListPage::kFirstMember + k)->isEnabled(), k < 3);
        }
        QCOMPARE(static_cast<int>(Saved(**ctx_, 4, 1).at(0)), 3);
        QCOMPARE(Saved(**ctx_, 24 + 2 * 3, 2).toHex(), QByteArray("0004"));
    }

    void choosingAChannelWithdrawsItsProblem_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("offset");
        QTest::newRow("member 5") << 1 << CChinnelListPage::kFirstMember + 4 << 24 + 8;
        QTest::newRow("member 16") << 1 << CChinnelListPage::kFirstMember + 15 << 24 + 30;
        QTest::newRow("priority channel") << 0 << CConfigPage::kPriorityChannel << 9;
    }
    void choosingAChannelWithdrawsItsProblem() {
        QFETCH(int, page);
        QFETCH(int, control);
        QFETCH(int, offset);
        auto& container = ctx_->context->Container();
        ScanListData& scanList = container.ScanLists().At(0);
        if (control == CConfigPage::kPriorityChannel) {
            scanList.Bytes()[7] = 0xC1; // a fixed priority channel:
            scanList.Bytes()[9] = 9;    // channel 9 of four
            scanList.Bytes()[10] = 0;
            container.FixUpReferences();
            view_->LoadView();
        }
        QVERIFY(container.CheckAllReferences(ctx_->context->Problems(), ctx_->context->Language()));
        const auto listed = [&] {
            const auto& entries = ctx_->context->Problems().Entries();
            return std::any_of(entries.begin(), entries.end(),
                               [&](const ProblemEntry& e) { return e.controlId == control; });
        };
        QVERIFY(listed());
        view_->ScanSheet()->setCurrentIndex(page);
        EditorForm* form = page == 0 ? static_cast<EditorForm*>(Config()) : Members();
        auto* combo = qobject_cast<QComboBox*>(form->Control(control));
        QCOMPARE(combo->currentIndex(), -1);
        Choose(combo, 1);
        QVERIFY(!listed());
        QCOMPARE(Saved(**ctx_, static_cast<std::size_t>(offset), 2).toHex(), QByteArray("0002"));
    }

    void everyFieldIsNamedByItsLabel() {
        QCOMPARE(Config()->Control(CConfigPage::kDesignatedChannel)->accessibleName(),
                 QStringLiteral("Designated Channel"));
        QCOMPARE(Members()->Control(CChinnelListPage::kFirstMember + 15)->accessibleName(),
                 QStringLiteral("Member 16"));
        QCOMPARE(Members()->Control(CChinnelListPage::kEntries)->accessibleName(),
                 QStringLiteral("Number of Entries in Scan List"));
        if (qEnvironmentVariableIsSet("TAV_SHOTS")) {
            view_->resize(760, 420);
            view_->ScanSheet()->setCurrentIndex(0);
            view_->grab().save(QStringLiteral("/tmp/chanshots/scan_config.png"));
            view_->ScanSheet()->setCurrentIndex(1);
            view_->grab().save(QStringLiteral("/tmp/chanshots/scan_members.png"));
        }
    }
};

QTEST_MAIN(ScanEditorTest)
#include "ScanEditorTest.moc"
