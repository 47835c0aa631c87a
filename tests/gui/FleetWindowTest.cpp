// Program > Fleet Programming: the document written to four simulated radios at once, each with
// its own identity, one of them failing and one of another model.
#include "gui/app/FleetWindow.h"

#include "ShellTestSupport.h"
#include "core/comm/TransferPlan.h"
#include "core/data/AtisData.h"
#include "core/data/ImageMap.h"
#include "core/fleet/FleetIdentity.h"
#include "gui/app/CMainFrame.h"
#include "sim/RadioSimulator.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <set>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

std::unique_ptr<sim::RadioSimulator> Radio(const std::string& serial, const std::string& model,
                                           std::vector<sim::Fault> faults = {}) {
    sim::SimulatorConfig config;
    config.memory.fill(0x33);
    std::fill_n(config.memory.begin() + 0x48, 16, 0);
    std::copy(serial.begin(), serial.end(), config.memory.begin() + 0x48);
    config.modelId = model;
    config.modelName = "TAV 310";
    config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
    config.faults = std::move(faults);
    auto radio = std::make_unique<sim::RadioSimulator>(config);
    if (!radio->Start()) {
        return nullptr;
    }
    return radio;
}

std::string IdentityHeld(const RadioImage& memory) {
    AtisCode code{};
    std::copy_n(memory.begin() + ImageMap::kAtis, code.size(), code.begin());
    const auto id = static_cast<std::uint16_t>(memory[ImageMap::kPttId] << 8 | memory[ImageMap::kPttId + 1]);
    return "ATIS " + AtisCodeText(code) + " PTT-ID " + FleetIdentity::PttIdText(id);
}

} // namespace

class FleetWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fourRadiosAreWrittenAtOnceEachWithItsOwnIdentity();
};

void FleetWindowTest::fourRadiosAreWrittenAtOnceEachWithItsOwnIdentity() {
    ScriptedDialogRunner runner;
    TestContext ctx(0, &runner);
    CMainFrame frame(*ctx);
    const std::uint32_t cut = FullWritePlan(false)[6].address;
    std::vector<std::unique_ptr<sim::RadioSimulator>> radios;
    radios.push_back(Radio("SN-0", "TAV-V300"));
    radios.push_back(Radio("SN-1", "TAV-U600"));
    radios.push_back(Radio("SN-2", "TAV-V300", {sim::Fault{sim::FaultKind::RefuseAck, 0, -1, cut, false}}));
    radios.push_back(Radio("SN-3", "TAV-V300"));
    for (const auto& radio : radios) {
        QVERIFY(radio != nullptr);
    }
    ctx.prompts->Queue(PromptAnswer::Yes); // the firmware note, once for the run

    QStringList seen;
    runner.Queue([&](QDialog& dialog) {
        auto* window = dynamic_cast<FleetWindow*>(&dialog);
        if (window == nullptr) {
            seen << QStringLiteral("not the fleet window");
            return static_cast<int>(QDialog::Rejected);
        }
        std::vector<FleetPort> ports;
        for (const auto& radio : radios) {
            ports.push_back({radio->DevicePath(), radio->DevicePath()});
        }
        window->SetPorts(ports);
        // Every control is named for a screen reader as its label or caption reads.
        for (QWidget* control : std::initializer_list<QWidget*>{
                 window->Ports(), window->AtisEdit(), window->PttIdEdit(), window->NumberingEdit(),
                 window->VerifyBox(), window->BackupBox(), window->RepeatBox(), window->StartButton(),
                 window->StopButton()}) {
            if (control->accessibleName().isEmpty() || control->accessibleName().contains(QLatin1Char('&'))) {
                seen << QStringLiteral("unnamed ") + QString::fromLatin1(control->metaObject()->className());
            }
        }
        seen << window->AtisEdit()->accessibleName() << window->StartButton()->accessibleName();
        window->AtisEdit()->setText(QStringLiteral("100"));
        window->PttIdEdit()->setText(QStringLiteral("e"));
        window->VerifyBox()->setChecked(true);
        window->show();
        window->StartButton()->click();
        if (!window->Running()) {
            seen << QStringLiteral("did not start");
        }
        if (!QTest::qWaitFor([&] { return !window->Running(); }, 60000)) {
            seen << QStringLiteral("did not end");
        }
        for (int row = 0; row < window->Ports()->rowCount(); ++row) {
            seen << window->Ports()->item(row, FleetWindow::kRadio)->text() + QLatin1Char('|') +
                        window->Ports()->item(row, FleetWindow::kResult)->text() + QLatin1Char('|') +
                        window->Ports()->item(row, FleetWindow::kIdentity)->text();
        }
        seen << window->Total()->text();
        window->close();
        return static_cast<int>(QDialog::Accepted);
    });
    QVERIFY(frame.RunCommand(Commands::kFleet));
    QCOMPARE(runner.Count(), 1);
    QCOMPARE(seen.size(), 7);
    QCOMPARE(seen[0], QStringLiteral("First ATIS code"));
    QCOMPARE(seen[1], QStringLiteral("Start"));
    const QStringList results = {"written and verified", "refused", "failed", "written and verified"};
    std::set<QString> identities;
    for (int k = 0; k < 4; ++k) {
        const QStringList cells = seen[2 + k].split(QLatin1Char('|'));
        QCOMPARE(cells[0], QStringLiteral("SN-%1").arg(k));
        QCOMPARE(cells[1], results[k]);
        identities.insert(cells[2]);
        if (results[k] == QStringLiteral("written and verified")) {
            QCOMPARE(QString::fromStdString(IdentityHeld(radios[k]->Memory())), cells[2]);
        }
    }
    QCOMPARE(identities,
             (std::set<QString>{"ATIS 000000000100 PTT-ID 000E", "ATIS 000000000101 PTT-ID 0010",
                                "ATIS 000000000102 PTT-ID 0011", "ATIS 000000000103 PTT-ID 0012"}));
    QCOMPARE(seen[6], QStringLiteral("4 radios: 2 written, 2 failed"));
    // The note was asked once for the four radios.
    QCOMPARE(ctx.prompts->asked().size(), std::size_t{1});
}

QTEST_MAIN(FleetWindowTest)
#include "FleetWindowTest.moc"
