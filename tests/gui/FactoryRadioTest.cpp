// The factory functions against a simulated radio on a pseudo-terminal: tuning with commit and
// discard, the test switch, Write Tune Data, the Factory Mode dialog and the embedded data view.
#include "ShellTestSupport.h"
#include "core/comm/CSerialPort.h"
#include "core/data/ImageMap.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/HelpHook.h"
#include "gui/app/HelpSystem.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/comm/DialogRunner.h"
#include "gui/controls/FilterEdit.h"
#include "gui/factory/CDlgFactoryMode.h"
#include "gui/factory/CDlgTuneSubItem.h"
#include "gui/factory/CDlgTuning.h"
#include "gui/factory/CViewEmbedded.h"
#include "gui/factory/FactoryCommands.h"
#include "gui/factory/FactoryPort.h"
#include "sim/RadioSimulator.h"

#include <QComboBox>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

constexpr int kFactoryLevel = 9;
constexpr std::uint32_t kReferenceItem = 32768; // one wide point, 0x8002, values up to 1474
constexpr std::uint32_t kFrontEndItem = 33536;  // points 0x8300..., test switch 'b'

/// A context at the factory level whose radio is a simulator of the current model.
struct RadioBench {
    explicit RadioBench(sim::SimulatorConfig config = {}, int level = kFactoryLevel) : ctx(level) {
        config.modelId = "TAV-V300";
        config.modelName = "TAV 310";
        config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
        radio = std::make_unique<sim::RadioSimulator>(std::move(config));
        std::string error;
        if (!radio->Start(&error)) {
            qWarning("simulator: %s", error.c_str());
        }
        ctx->SetRadioDevice(radio->DevicePath());
        ctx->SetDialogRunner(&runner);
        frame = std::make_unique<CMainFrame>(*ctx);
    }
    ~RadioBench() {
        frame.reset();
        ctx->SetDialogRunner(nullptr);
    }
    std::vector<sim::RequestRecord> Requests(LinkCommand command) const {
        std::vector<sim::RequestRecord> found;
        for (const auto& r : radio->Log()) {
            if (r.command == command) {
                found.push_back(r);
            }
        }
        return found;
    }
    QStringList Told() const {
        QStringList texts;
        for (const auto& asked : ctx.prompts->asked()) {
            texts << asked.text;
        }
        return texts;
    }
    bool WasTold(int messageId) {
        const QString text = ctx->Message(messageId).section(QLatin1Char('%'), 0, 0);
        const QStringList told = Told();
        return std::any_of(told.begin(), told.end(), [&](const QString& t) { return t.startsWith(text); });
    }
    /// Runs the tuning dialog of Adjustment: opens `item`, and lets `work` handle its dialog.
    void Tune(std::uint32_t item, std::function<void(CDlgTuneSubItem&)> work) {
        runner.Queue([item](QDialog& dialog) {
            dynamic_cast<CDlgTuning&>(dialog).OpenItem(item, QStringLiteral("Item"));
            return QDialog::Accepted;
        });
        runner.Queue([work](QDialog& dialog) {
            work(dynamic_cast<CDlgTuneSubItem&>(dialog));
            return dialog.result();
        });
        RunAdjustment(frame.get(), *ctx);
    }
    void TypePassword(const QString& digits) {
        runner.Queue([digits](QDialog& dialog) {
            auto& password = dynamic_cast<CDlgPassword&>(dialog);
            password.Edit()->setText(digits);
            password.accept();
            return password.result();
        });
    }

    TestContext ctx;
    std::unique_ptr<sim::RadioSimulator> radio;
    ScriptedDialogRunner runner;
    std::unique_ptr<CMainFrame> frame;
};

std::array<std::uint8_t, 2> TuneBytes(const Image& image, std::size_t offset) {
    return {image[ImageMap::kTuneData + offset], image[ImageMap::kTuneData + offset + 1]};
}

} // namespace

class FactoryRadioTest : public QObject {
    Q_OBJECT
private slots:
    void tuningSendsSettledValuesAndCommitsOrDiscards_data();
    void tuningSendsSettledValuesAndCommitsOrDiscards();
    void lostConnectionEndsTuningUncommitted();
    void changingSpacingOrTabReadsThatPoint();
    void volumeGoesToTheRadioOnceSettled();
    void testSwitchCaptionsFollowItsState_data();
    void testSwitchCaptionsFollowItsState();
    void spacingButtonsFollowTheItemsPoints_data();
    void spacingButtonsFollowTheItemsPoints();
    void writeTuneDataSendsTheBlockInSeventeenFrames_data();
    void writeTuneDataSendsTheBlockInSeventeenFrames();
    void factoryModeReadsAndWritesTheModelAreas();
    void helpKeyInAFactoryDialogOpensItsPage();
    void factoryModeIdentityNeedsTheFullFactoryLevel_data();
    void factoryModeIdentityNeedsTheFullFactoryLevel();
    void factoryModeCloseAsksAboutEachChange_data();
    void factoryModeCloseAsksAboutEachChange();
    void embeddedDataIsReadOnOpening();
    void embeddedViewClosesWhenNoRadioAnswers();
    void embeddedWriteAsksTheStoredPassword_data();
    void embeddedWriteAsksTheStoredPassword();
};

void FactoryRadioTest::tuningSendsSettledValuesAndCommitsOrDiscards_data() {
    QTest::addColumn<bool>("commit");
    QTest::newRow("OK commits") << true;
    QTest::newRow("Cancel discards") << false;
}

void FactoryRadioTest::tuningSendsSettledValuesAndCommitsOrDiscards() {
    QFETCH(bool, commit);
    sim::SimulatorConfig config;
    config.tuneValues[0x8002] = 100;
    RadioBench bench(config);
    const Image before = bench.ctx->Container().image();
    bench.Tune(kReferenceItem, [&](CDlgTuneSubItem& dialog) {
        QCOMPARE(dialog.ValueBar()->value(), 100); // read from the radio on opening
        QCOMPARE(dialog.ValueBar()->maximum(), 1474);
        bench.radio->ClearLog();
        // Dragging: nothing goes out until the thumb is let go.
        dialog.ValueBar()->setSliderDown(true);
        for (int v : {120, 180, 260, 300}) {
            dialog.ValueBar()->setSliderPosition(v);
        }
        QVERIFY(bench.Requests(LinkCommand::WriteTuneValue).empty());
        dialog.ValueBar()->setSliderDown(false);
        QCOMPARE(bench.Requests(LinkCommand::WriteTuneValue).size(), std::size_t(1));
        // Steps: one frame once the bar has rested.
        dialog.ValueBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        dialog.ValueBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(bench.Requests(LinkCommand::WriteTuneValue).size(), std::size_t(1));
        QTRY_COMPARE(bench.Requests(LinkCommand::WriteTuneValue).size(), std::size_t(2));
        dialog.ValueBar()->setValue(300);
        // OK sends the value still settling first; Cancel drops it.
        commit ? dialog.accept() : dialog.reject();
    });
    const auto writes = bench.Requests(LinkCommand::WriteTuneValue);
    QCOMPARE(writes.size(), std::size_t(commit ? 3 : 2));
    QCOMPARE(writes.back().value, 0x8002);
    const Image& image = bench.ctx->Container().image();
    if (commit) {
        QCOMPARE(bench.radio->CommittedTuneValues().at(0x8002), std::uint16_t(300));
        QCOMPARE(TuneBytes(image, 0), (std::array<std::uint8_t, 2>{0x01, 0x2C}));
        QCOMPARE(bench.Requests(LinkCommand::CommitTuning).size(), std::size_t(1));
    } else {
        QCOMPARE(bench.radio->CommittedTuneValues().at(0x8002), std::uint16_t(100));
        QCOMPARE(TuneBytes(image, 0), TuneBytes(before, 0));
        QCOMPARE(bench.Requests(LinkCommand::DiscardTuning).size(), std::size_t(1));
        QVERIFY(bench.Requests(LinkCommand::CommitTuning).empty());
    }
    // Leaving Adjustment puts the radio back into its normal mode.
    QCOMPARE(bench.Requests(LinkCommand::SetMode).back().value, 1);
}

void FactoryRadioTest::lostConnectionEndsTuningUncommitted() {
    sim::SimulatorConfig config;
    config.tuneValues[0x8002] = 100;
    RadioBench bench(config);
    bool tuningEnded = false;
    bench.runner.Queue([&](QDialog& dialog) {
        auto& tuning = dynamic_cast<CDlgTuning&>(dialog);
        tuning.OpenItem(kReferenceItem, QStringLiteral("Item"));
        tuningEnded = tuning.result() == QDialog::Rejected;
        return tuning.result();
    });
    int failure = 0;
    bench.runner.Queue([&](QDialog& dialog) {
        auto& sub = dynamic_cast<CDlgTuneSubItem&>(dialog);
        sub.ValueBar()->setValue(700);
        bench.radio->Stop(); // the cable is pulled
        sub.SendValue();
        failure = sub.Failure();
        return sub.result();
    });
    RunAdjustment(bench.frame.get(), *bench.ctx);
    QCOMPARE(failure, 1143);
    QVERIFY(tuningEnded);
    QVERIFY(bench.WasTold(1143));
    QVERIFY(bench.Told().back().contains(bench.ctx->Message(1228)));
    QCOMPARE(bench.radio->CommittedTuneValues().at(0x8002), std::uint16_t(100));
    QVERIFY(bench.Requests(LinkCommand::CommitTuning).empty());
}

void FactoryRadioTest::changingSpacingOrTabReadsThatPoint() {
    sim::SimulatorConfig config;
    config.tuneValues = {{0x8300, 11}, {0x830A, 77}, {0x830C, 99}};
    RadioBench bench(config);
    bench.Tune(kFrontEndItem, [&](CDlgTuneSubItem& dialog) {
        QCOMPARE(dialog.Spacing(), TuningSpacing::Wide);
        QCOMPARE(dialog.ValueBar()->value(), 11);
        QVERIFY(!dialog.Control(CDlgTuneSubItem::kMiddleButton)->isHidden());
        qobject_cast<QRadioButton*>(dialog.Control(CDlgTuneSubItem::kNarrowButton))->click();
        QCOMPARE(dialog.Tabs()->count(), 5);
        QCOMPARE(dialog.CurrentPoint(), 0x830A);
        QCOMPARE(dialog.ValueBar()->value(), 77);
        dialog.Tabs()->setCurrentIndex(2);
        QCOMPARE(dialog.CurrentPoint(), 0x830C);
        QCOMPARE(dialog.ValueBar()->value(), 99);
        QCOMPARE(qobject_cast<QLineEdit*>(dialog.Control(CDlgTuneSubItem::kTxText))->text(),
                 QStringLiteral("155.00000")); // tuning frequency 3 of 136-174 MHz
        dialog.reject();
    });
    const auto reads = bench.Requests(LinkCommand::ReadTuneValue);
    QCOMPARE(reads.size(), std::size_t(3));
    QCOMPARE(reads.back().value, 0x830C);
    QVERIFY(bench.Requests(LinkCommand::WriteTuneValue).empty());
}

void FactoryRadioTest::volumeGoesToTheRadioOnceSettled() {
    RadioBench bench;
    bench.Tune(33856, [&](CDlgTuneSubItem& dialog) { // "Speaker Volume": one point and a volume
        QVERIFY(dialog.VolumeBar()->isEnabled());
        QVERIFY(!dialog.TestSwitch()->isEnabled());
        QCOMPARE(dialog.VolumeBar()->value(), 128);
        dialog.VolumeBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        dialog.VolumeBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dialog.VolumeBar()->value(), 128 + 24 + 8);
        QTRY_COMPARE(bench.Requests(LinkCommand::WriteTuneValue).size(), std::size_t(1));
        dialog.accept();
    });
    const auto writes = bench.Requests(LinkCommand::WriteTuneValue);
    QCOMPARE(writes.size(), std::size_t(1));
    QCOMPARE(writes.front().value, CDlgTuneSubItem::kVolumePoint);
    QCOMPARE(bench.radio->CommittedTuneValues().at(CDlgTuneSubItem::kVolumePoint), std::uint16_t(160));
}

void FactoryRadioTest::testSwitchCaptionsFollowItsState_data() {
    QTest::addColumn<uint>("item");
    QTest::addColumn<int>("selector");
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("on");
    QTest::newRow("outside 8300-848F") << uint(kReferenceItem) << int('a') << "Test Off"
                                       << "Test On";
    QTest::newRow("inside 8300-848F") << uint(kFrontEndItem) << int('b') << "Test B Off"
                                      << "Test B On";
}

void FactoryRadioTest::testSwitchCaptionsFollowItsState() {
    QFETCH(uint, item);
    QFETCH(int, selector);
    RadioBench bench;
    bench.Tune(item, [&](CDlgTuneSubItem& dialog) {
        QVERIFY(dialog.TestSwitch()->isEnabled());
        QTEST(dialog.TestSwitch()->text(), "off");
        dialog.TestSwitch()->click();
        QTEST(dialog.TestSwitch()->text(), "on");
        QVERIFY(bench.radio->TestSwitch(static_cast<std::uint8_t>(selector)));
        dialog.TestSwitch()->click();
        QTEST(dialog.TestSwitch()->text(), "off");
        QVERIFY(!bench.radio->TestSwitch(static_cast<std::uint8_t>(selector)));
        dialog.reject();
    });
}

void FactoryRadioTest::spacingButtonsFollowTheItemsPoints_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("middleShown");
    QTest::addColumn<bool>("wideEnabled");
    QTest::addColumn<bool>("narrowEnabled");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("tabs");
    QTest::newRow("one point of each") << 0x0421 << true << true << true << int(TuningSpacing::Wide) << 1;
    QTest::newRow("only narrow") << 0x1C00 << false << false << false << int(TuningSpacing::Narrow) << 3;
    QTest::newRow("wide and narrow") << 0x0C03 << false << true << true << int(TuningSpacing::Wide) << 2;
    QTest::newRow("middle only") << 0x0060 << true << false << false << int(TuningSpacing::Middle) << 2;
}

void FactoryRadioTest::spacingButtonsFollowTheItemsPoints() {
    QFETCH(int, flags);
    TestContext ctx(kFactoryLevel);
    CSerialPort port;
    SystemClock clock;
    RadioLink link(port, clock);
    const TuningItem item{0x8040, static_cast<std::uint16_t>(flags)};
    CDlgTuneSubItem dialog(*ctx, link, {item.code, PointsOf(item), QStringLiteral("Item")}, 5);
    QCOMPARE(dialog.Failure(), 0);
    QTEST(!dialog.Control(CDlgTuneSubItem::kMiddleButton)->isHidden(), "middleShown");
    QTEST(dialog.Control(CDlgTuneSubItem::kWideButton)->isEnabled(), "wideEnabled");
    QTEST(dialog.Control(CDlgTuneSubItem::kNarrowButton)->isEnabled(), "narrowEnabled");
    QTEST(int(dialog.Spacing()), "spacing");
    QTEST(dialog.Tabs()->count(), "tabs");
    QCOMPARE(dialog.ValueBar()->value(), 5);
}

void FactoryRadioTest::writeTuneDataSendsTheBlockInSeventeenFrames_data() {
    QTest::addColumn<bool>("fail");
    QTest::newRow("all written") << false;
    QTest::newRow("a block refused") << true;
}

void FactoryRadioTest::writeTuneDataSendsTheBlockInSeventeenFrames() {
    QFETCH(bool, fail);
    sim::SimulatorConfig config;
    if (fail) {
        config.faults.push_back({sim::FaultKind::Silence, 0, -1, 0x1663});
    }
    RadioBench bench(config);
    TuneData& tune = bench.ctx->Container().Tune();
    for (std::size_t i = 0; i < TuneData::kSize; ++i) {
        tune.Bytes()[i] = static_cast<std::uint8_t>(i * 3);
    }
    QVERIFY(RunWriteTuneData(bench.frame.get(), *bench.ctx));
    const auto writes = bench.Requests(LinkCommand::WriteMemory);
    if (fail) {
        QCOMPARE(writes.back().address, 0x1663u);
        QVERIFY(bench.Told().back().contains(QStringLiteral("1663")));
        return;
    }
    QCOMPARE(writes.size(), std::size_t(17));
    for (std::size_t k = 0; k < writes.size(); ++k) {
        QCOMPARE(writes[k].address, std::uint32_t(0x1623 + 32 * k));
        QCOMPARE(int(writes[k].length), k < 16 ? 32 : 20);
    }
    const RadioImage memory = bench.radio->Memory();
    QVERIFY(std::equal(tune.Bytes().begin(), tune.Bytes().end(), memory.begin() + 0x1623));
    QVERIFY(bench.WasTold(1153));
    QCOMPARE(bench.Requests(LinkCommand::SetMode).front().value, 3);
}

void FactoryRadioTest::factoryModeReadsAndWritesTheModelAreas() {
    sim::SimulatorConfig config;
    const std::string name = "FIELD 7";
    std::copy(name.begin(), name.end(), config.memory.begin() + 0x10);
    std::fill_n(config.memory.begin() + 0x10 + name.size(), 12 - name.size(), 0);
    const std::uint8_t limits[] = {0x40, 0, 0, 0, 0x47, 0, 0, 0};
    std::copy(std::begin(limits), std::end(limits), config.memory.begin() + 0x28);
    RadioBench bench(config);
    FactoryPort port(*bench.ctx);
    CDlgFactoryMode dialog(*bench.ctx, port);
    dialog.ReadRadio();
    QCOMPARE(qobject_cast<QLineEdit*>(dialog.Field(ModelData::kModelNameEditId))->text(),
             QStringLiteral("FIELD 7"));
    QCOMPARE(qobject_cast<QLineEdit*>(dialog.Field(CDlgFactoryMode::kFirmwareEdit))->text(),
             QStringLiteral("1.04.01"));
    QCOMPARE(bench.ctx->Settings().FreqRange(), std::string("400-470"));
    QVERIFY(bench.WasTold(1136));
    const std::pair<std::uint32_t, int> reads[] = {{0x10, 16}, {0x28, 8}, {0x48, 16}, {0xB5, 32}, {0xDE, 32}};
    const auto readRequests = bench.Requests(LinkCommand::ReadMemory);
    QCOMPARE(readRequests.size(), std::size(reads));
    for (std::size_t i = 0; i < std::size(reads); ++i) {
        QCOMPARE(readRequests[i].address, reads[i].first);
        QCOMPARE(int(readRequests[i].length), reads[i].second);
    }

    qobject_cast<QLineEdit*>(dialog.Field(ModelData::kSerialNumberEditId))->setText(QStringLiteral("SN-42"));
    dialog.WriteRadio();
    QVERIFY(bench.WasTold(1137));
    const RadioImage memory = bench.radio->Memory();
    QCOMPARE(std::string(reinterpret_cast<const char*>(&memory[0x48]), 5), std::string("SN-42"));
    QCOMPARE(memory[0x28], 0x40); // 400-470 MHz travels as 40 00 00 00 and 47 00 00 00
    QCOMPARE(memory[0x2C], 0x47);
    const std::pair<std::uint32_t, int> writes[] = {{0x10, 16}, {0x28, 24}, {0x48, 16},
                                                    {0xB5, 32}, {0xD5, 4},  {0xDE, 32}};
    const auto writeRequests = bench.Requests(LinkCommand::WriteMemory);
    QCOMPARE(writeRequests.size(), std::size(writes));
    for (std::size_t i = 0; i < std::size(writes); ++i) {
        QCOMPARE(writeRequests[i].address, writes[i].first);
        QCOMPARE(int(writeRequests[i].length), writes[i].second);
    }

    qobject_cast<QRadioButton*>(dialog.Field(ModelData::kTuneCloseButtonId))->setChecked(true);
    bench.radio->ClearLog();
    dialog.WriteTuneSwitch();
    QCOMPARE(bench.radio->Memory()[0xB5], 0);
    QCOMPARE(bench.Requests(LinkCommand::WriteMemory).size(), std::size_t(1));
    QVERIFY(bench.WasTold(1153));
}

void FactoryRadioTest::helpKeyInAFactoryDialogOpensItsPage() {
    TestContext ctx(kFactoryLevel);
    FactoryPort port(*ctx);
    CSerialPort serial;
    SystemClock clock;
    RadioLink link(serial, clock);
    CDlgFactoryMode factory(*ctx, port);
    const TuningItem item{kReferenceItem, 4};
    CDlgTuneSubItem tuning(*ctx, link, {item.code, PointsOf(item), QStringLiteral("Item")}, 0);
    CDlgTuning list(*ctx, link);
    HelpSystem& help = ctx->Help();
    HelpHook hook(help);
    const std::pair<QWidget*, const char*> asked[] = {
        {factory.Field(ModelData::kModelNameEditId), "4805.html"},
        {tuning.ValueBar(), "7004.html"},
        {list.Items(), "7002.html"}};
    for (const auto& [control, page] : asked) {
        hook.RequestHelp(control);
        QVERIFY2(help.LastShown().endsWith(QLatin1String(page)), qPrintable(help.LastShown()));
    }
}

void FactoryRadioTest::factoryModeIdentityNeedsTheFullFactoryLevel_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("factory") << 5 << false;
    QTest::newRow("full factory") << 9 << true;
}

void FactoryRadioTest::factoryModeIdentityNeedsTheFullFactoryLevel() {
    QFETCH(int, level);
    QFETCH(bool, enabled);
    TestContext ctx(level);
    FactoryPort port(*ctx);
    CDlgFactoryMode dialog(*ctx, port);
    for (const int id :
         {ModelData::kBandListId, ModelData::kRangeIdEditId, ModelData::kLowerLimitEditId,
          ModelData::kUpperLimitEditId, ModelData::kSignalTypeListId, ModelData::kOpenChannelListId}) {
        QCOMPARE(dialog.Field(id)->isEnabled(), enabled);
    }
    QVERIFY(dialog.Field(ModelData::kSerialNumberEditId)->isEnabled());
    QCOMPARE(dialog.Field(ModelData::kModelNameEditId)->accessibleName(), QStringLiteral("Model Name"));
}

void FactoryRadioTest::factoryModeCloseAsksAboutEachChange_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("kept");
    QTest::newRow("name, Yes takes it over") << ModelData::kModelNameEditId << true << 1225 << "NEW NAME";
    QTest::newRow("name, No puts it back") << ModelData::kModelNameEditId << false << 1225 << "TAV 310";
    QTest::newRow("signalling, Yes takes it over") << ModelData::kSignalTypeListId << true << 1226 << "1";
    QTest::newRow("signalling, No puts it back") << ModelData::kSignalTypeListId << false << 1226 << "0";
    QTest::newRow("range, No puts the limits back")
        << ModelData::kLowerLimitEditId << false << 1227 << "136-174";
}

void FactoryRadioTest::factoryModeCloseAsksAboutEachChange() {
    QFETCH(int, field);
    QFETCH(bool, yes);
    QFETCH(int, question);
    RadioBench bench;
    bench.ctx.prompts->Queue(yes ? PromptAnswer::Yes : PromptAnswer::No);
    bench.runner.Queue([field](QDialog& dialog) {
        auto& factory = dynamic_cast<CDlgFactoryMode&>(dialog);
        QWidget* control = factory.Field(field);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            combo->setCurrentIndex(1);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(field == ModelData::kModelNameEditId ? QStringLiteral("NEW NAME")
                                                               : QStringLiteral("150"));
        }
        factory.CloseDialog();
        return factory.result();
    });
    QCOMPARE(RunFactoryMode(bench.frame.get(), *bench.ctx), yes);
    QCOMPARE(bench.ctx.prompts->asked().size(), std::size_t(1));
    QVERIFY(bench.WasTold(question));
    CSettings& settings = bench.ctx->Settings();
    const ModelData& model = bench.ctx->Container().Model();
    const QString kept = field == ModelData::kModelNameEditId ? QString::fromStdString(settings.ModelName())
                         : field == ModelData::kSignalTypeListId
                             ? QString::number(settings.SignalType())
                             : QString::fromStdString(model.RangeTextFromLimits());
    QTEST(kept, "kept");
    if (field == ModelData::kModelNameEditId) {
        bench.ctx->Container().StoreAll();
        const std::string name = kept.toStdString();
        QCOMPARE(
            std::string(reinterpret_cast<const char*>(&bench.ctx->Container().image()[0x10]), name.size()),
            name);
    }
}

void FactoryRadioTest::embeddedDataIsReadOnOpening() {
    sim::SimulatorConfig config;
    const std::string text = "BENCH 3 CALIBRATED";
    std::fill_n(config.memory.begin() + 0x1438, 144, ' ');
    std::copy(text.begin(), text.end(), config.memory.begin() + 0x1438 + 16 + 32);
    RadioBench bench(config);
    CChildFrame* child = bench.frame->OpenEditor(ViewIds::kEmbedded, QStringLiteral("Embedded Data"));
    QVERIFY(child);
    auto* view = qobject_cast<CViewEmbedded*>(child->View());
    auto* second = qobject_cast<QLineEdit*>(view->Control(4705));
    QTRY_COMPARE(second->text(), QString::fromStdString(text));
    QCOMPARE(second->accessibleName(), QStringLiteral("Text 2"));
    const auto reads = bench.Requests(LinkCommand::ReadMemory);
    QCOMPARE(reads.size(), std::size_t(5));
    QCOMPARE(reads.front().address, 0x1438u);
    QCOMPARE(int(reads.back().length), 16);
    QVERIFY(bench.frame->EditorFrame(ViewIds::kEmbedded));
}

void FactoryRadioTest::embeddedViewClosesWhenNoRadioAnswers() {
    RadioBench bench;
    bench.radio->Stop();
    bench.ctx->SetRadioDevice(std::string("/dev/null-radio-absent"));
    QVERIFY(bench.frame->OpenEditor(ViewIds::kEmbedded, QStringLiteral("Embedded Data")));
    QTRY_VERIFY(bench.frame->EditorFrame(ViewIds::kEmbedded) == nullptr);
    QVERIFY(bench.WasTold(1143));
}

void FactoryRadioTest::embeddedWriteAsksTheStoredPassword_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("refusals");
    QTest::newRow("no password") << "" << QStringList{} << true << 0;
    QTest::newRow("eight blanks is none") << "        " << QStringList{} << true << 0;
    QTest::newRow("right at the second try") << "1234" << QStringList{"99", "1234"} << true << 1;
    QTest::newRow("three wrong") << "1234" << QStringList{"1", "2", "3"} << false << 3;
}

void FactoryRadioTest::embeddedWriteAsksTheStoredPassword() {
    QFETCH(QString, stored);
    QFETCH(QStringList, typed);
    RadioBench bench;
    CViewEmbedded view(*bench.ctx, bench.frame.get());
    EmbeddedData& embedded = bench.ctx->Container().Embedded();
    embedded.SetPassword(stored.toStdString());
    embedded.SetText(0, "FIRST");
    view.LoadView();
    for (const QString& digits : typed) {
        bench.TypePassword(digits);
    }
    QTEST(view.WriteToRadio(), "written");
    QCOMPARE(bench.runner.Count(), int(typed.size()));
    const int refusals = int(bench.Told().count(bench.ctx->Message(1176)));
    QTEST(refusals, "refusals");
    QFETCH(bool, written);
    const auto writes = bench.Requests(LinkCommand::WriteMemory);
    QCOMPARE(writes.empty(), !written);
    if (written) {
        QCOMPARE(writes.size(), std::size_t(5));
        QCOMPARE(writes.front().address, 0x1438u);
        QCOMPARE(std::string(reinterpret_cast<const char*>(&bench.radio->Memory()[0x1438 + 16]), 6),
                 std::string("FIRST "));
    }
}

QTEST_MAIN(FactoryRadioTest)
#include "FactoryRadioTest.moc"
