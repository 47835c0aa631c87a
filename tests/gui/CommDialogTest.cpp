#include "core/app/CSettings.h"
#include "core/comm/LinkMessages.h"
#include "gui/comm/CDlgComPort.h"
#include "gui/comm/CDlgComm.h"
#include "gui/comm/CDlgNote.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/comm/CommRadioDialogs.h"
#include "gui/controls/FilterEdit.h"
#include "sim/RadioSimulator.h"
#include "support/ManualClock.h"
#include "support/ScriptedDialogRunner.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <map>

using namespace tav;
using namespace tav::gui;
namespace fs = std::filesystem;

namespace {

constexpr int kWaitMs = 20000;

/// Checks inside a dialog's answer (which returns the dialog's result) are collected here and
/// verified once the dialog has ended.
QStringList failures;
#define CHECK(condition)                                                                                     \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            failures << QStringLiteral("%1:%2").arg(#condition).arg(__LINE__);                               \
        }                                                                                                    \
    } while (false)

RadioImage Pattern(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 7 + (i >> 8) + salt) & 0xFF);
    }
    return image;
}

void Picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TAV_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        window.grab().save(folder + "/" + name + ".png");
    }
}

/// A program folder, its settings, a simulated radio of the accepted model and the radio dialogs
/// wired to it; modal dialogs are answered by the runner, messages by the scripted prompts.
struct Bench {
    test::TempDir dir;
    std::unique_ptr<CSettings> settings;
    std::unique_ptr<sim::RadioSimulator> radio;
    ScriptedPrompts prompts;
    ScriptedDialogRunner runner;
    ManualClock clock;
    std::unique_ptr<CommRadioDialogs> dialogs;
    std::string device;

    explicit Bench(sim::SimulatorConfig config) {
        fs::copy_file(test::ResourceDir() / "TAV_E.lng", dir / "TAV_E.lng");
        fs::copy_file(test::ResourceDir() / "Model.dat", dir / "Model.dat");
        settings = std::make_unique<CSettings>(ProgramHome(dir.path()));
        settings->CancelExitWrite();
        settings->SetModelId("TAV-V300");
        settings->SetFreqRange("136-174");
        config.modelId = "TAV-V300";
        config.modelName = "TAV 310";
        config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
        radio = std::make_unique<sim::RadioSimulator>(std::move(config));
        if (const Result started = radio->Start(); !started) {
            qWarning("simulator: %s", started.detail().c_str());
        }
        clock.SetLocalNow({2024, 3, 9, 14, 5, 59});
        dialogs = std::make_unique<CommRadioDialogs>(*settings, prompts, &runner);
        dialogs->SetClock(&clock);
        device = radio->DevicePath();
    }

    /// Runs a transfer in the communication dialog with the request the radio commands make.
    TransferReport Transfer(TransferDirection direction, RadioImage& image) {
        TransferRequest request;
        request.direction = direction;
        request.device = device;
        request.rules.currentModelId = settings->ModelId();
        request.rules.acceptedModelIds = {"TAV-V300"};
        request.documentRange = settings->FreqRange();
        return dialogs->Transfer(nullptr, request, image);
    }
    TransferReport Read(RadioImage& image) { return Transfer(TransferDirection::Read, image); }
    TransferReport Write(RadioImage& image) { return Transfer(TransferDirection::Write, image); }

    /// The communication dialog's answer: press OK and wait for the end. `during` runs once
    /// while blocks move.
    void PressOk(std::function<void(CDlgComm&)> during = {}) {
        runner.Queue([during](QDialog& dialog) {
            auto& comm = dynamic_cast<CDlgComm&>(dialog);
            comm.show();
            comm.OkButton()->click();
            if (during) {
                (void)QTest::qWaitFor([&] { return comm.Progress()->value() >= 40 || !comm.Running(); },
                                      kWaitMs);
                during(comm);
            }
            (void)QTest::qWaitFor([&] { return comm.isHidden(); }, kWaitMs);
            return comm.result();
        });
    }
    /// Types a password into the next password dialog.
    void TypePassword(const QString& digits) {
        runner.Queue([digits](QDialog& dialog) {
            auto& password = dynamic_cast<CDlgPassword&>(dialog);
            password.Edit()->setText(digits);
            password.accept();
            return password.result();
        });
    }
    QStringList Told() const {
        QStringList texts;
        for (const auto& asked : prompts.asked()) {
            texts << asked.text;
        }
        return texts;
    }
};

class ScriptedProbe : public PortProbe {
public:
    std::map<std::string, PortError> states;
    PortError Probe(const std::string& device) override {
        const auto it = states.find(device);
        return it == states.end() ? PortError::NotPresent : it->second;
    }
};

} // namespace

class CommDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() { failures.clear(); }
    void cleanup() { QVERIFY2(failures.isEmpty(), qPrintable(failures.join(", "))); }
    void readBringsTheRadioWithProgress();
    void failedBlockEndsTheReadAndKeepsNothing();
    void passwordIsAskedUntilAccepted();
    void cancelledPasswordEndsWithoutData();
    void writeShowsTheNoteOnceAndStampsTheDate();
    void noRadioKeepsTheDialogOpen();
    void cancelBeforeOkSendsNothing();
    void verifyOptionIsRememberedAndTheReadBackStartsAtOnce();
    void writeWithVerifyReadsBackInTheSameRun();
    void portDialogShowsDevicesAndWhyPortsAreOff();
};

void CommDialogTest::readBringsTheRadioWithProgress() {
    sim::SimulatorConfig config;
    config.memory = Pattern(3);
    config.signalling = 2;
    config.replyDelay = std::chrono::milliseconds(2);
    Bench bench(config);
    QString statusDuring;
    bench.PressOk([&](CDlgComm& comm) {
        statusDuring = comm.Status()->text();
        CHECK(!comm.OkButton()->isEnabled());
        CHECK(!comm.CancelButton()->isEnabled());
        comm.reject(); // a running transfer cannot be cancelled
        CHECK(comm.isVisible());
        Picture(comm, "comm-read");
    });

    RadioImage image{};
    const TransferReport report = bench.Read(image);
    QVERIFY(report.ok());
    QVERIFY(image == Pattern(3));
    QCOMPARE(report.identity.modelId, std::string("TAV-V300"));
    QCOMPARE(report.identity.modelName, std::string("TAV 310"));
    QCOMPARE(report.identity.firmware, std::string("1.04.01"));
    QCOMPARE(report.identity.signalling, 2);
    QCOMPARE(report.band.RangeText(), std::string("136-174"));
    QCOMPARE(report.band.flag, std::uint8_t{0x80});
    QVERIFY2(statusDuring.startsWith("Reading: ") && statusDuring.endsWith("%"), qPrintable(statusDuring));
    QCOMPARE(bench.Told(), QStringList({"The radio has been read."}));
}

void CommDialogTest::failedBlockEndsTheReadAndKeepsNothing() {
    sim::SimulatorConfig config;
    config.memory = Pattern(5);
    config.faults.push_back({sim::FaultKind::Silence, 0, -1, 0x0200, false});
    Bench bench(config);
    bench.PressOk();
    RadioImage image{};
    const TransferReport report = bench.Read(image);
    QCOMPARE(report.status, TransferStatus::BlockFailed);
    QVERIFY(report.identityAccepted);
    QVERIFY(image == RadioImage{});
    QCOMPARE(bench.Told().size(), 1);
    QVERIFY2(bench.Told().front().contains("address 0200"), qPrintable(bench.Told().front()));
    QCOMPARE(bench.prompts.Last()->icon, PromptIcon::Warning);
}

void CommDialogTest::passwordIsAskedUntilAccepted() {
    sim::SimulatorConfig config;
    config.memory = Pattern(7);
    config.password = "2468";
    Bench bench(config);
    bench.PressOk();
    bench.TypePassword("1111");
    bench.runner.Queue([](QDialog& dialog) {
        auto& password = dynamic_cast<CDlgPassword&>(dialog);
        password.show();
        QTest::keyClicks(password.Edit(), "24ab68");
        Picture(password, "comm-password");
        password.accept();
        return password.result();
    });
    RadioImage image{};
    QVERIFY(bench.Read(image).ok());
    QVERIFY(image == Pattern(7));
    QCOMPARE(bench.runner.Count(), 3);
    QCOMPARE(bench.Told(), QStringList({"The radio refused the password.", "The radio has been read."}));
    QCOMPARE(bench.radio->PasswordAttempts(), 2);
}

void CommDialogTest::cancelledPasswordEndsWithoutData() {
    sim::SimulatorConfig config;
    config.password = "2468";
    Bench bench(config);
    bench.PressOk();
    bench.runner.Queue([](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    });
    RadioImage image{};
    QCOMPARE(bench.Read(image).status, TransferStatus::PasswordCancelled);
    QVERIFY(bench.Told().isEmpty());
}

void CommDialogTest::writeShowsTheNoteOnceAndStampsTheDate() {
    CDlgNote::SetDoNotWarn(false);
    Bench bench(sim::SimulatorConfig{});
    RadioImage image = Pattern(9);
    bench.PressOk();
    bench.runner.Queue([](QDialog& dialog) {
        auto& note = dynamic_cast<CDlgNote&>(dialog);
        note.show();
        CHECK(note.Text()->text().startsWith("Before writing"));
        note.Check()->setChecked(true);
        Picture(note, "comm-note");
        note.accept();
        return note.result();
    });
    const TransferReport report = bench.Write(image);
    QVERIFY(report.ok());
    QCOMPARE(report.band.RangeText(), std::string("136-174"));
    QVERIFY(CDlgNote::DoNotWarn());
    const std::array<std::uint8_t, 8> date = {59, 5, 14, 9, 3, 24, 20, 0};
    QVERIFY(std::equal(date.begin(), date.end(), image.begin() + 0x20));
    const RadioImage radio = bench.radio->Memory();
    QVERIFY(std::equal(image.begin() + 0xFE, image.begin() + 0x13FB, radio.begin() + 0xFE));
    QCOMPARE(radio[0x13FB], std::uint8_t{0xFF}); // the factory region is left alone at level 0
    QCOMPARE(bench.Told(), QStringList({"The radio has been written."}));

    // The note is not shown again in this run.
    bench.PressOk();
    QVERIFY(bench.Write(image).ok());
    QCOMPARE(bench.runner.Count(), 3);

    // Data whose range lies outside the radio's band is not written.
    bench.settings->SetFreqRange("130-174");
    bench.PressOk();
    QCOMPARE(bench.Write(image).status, TransferStatus::RangeRefused);
    QVERIFY2(bench.Told().back().contains("(136-174 MHz)"), qPrintable(bench.Told().back()));
    CDlgNote::SetDoNotWarn(false);
}

void CommDialogTest::noRadioKeepsTheDialogOpen() {
    Bench bench(sim::SimulatorConfig{});
    bench.device = (bench.dir / "no-such-port").string();
    bench.runner.Queue([](QDialog& dialog) {
        auto& comm = dynamic_cast<CDlgComm&>(dialog);
        comm.show();
        comm.OkButton()->click();
        (void)QTest::qWaitFor([&] { return !comm.Running(); }, kWaitMs);
        CHECK(comm.isVisible());
        CHECK(comm.OkButton()->isEnabled());
        CHECK(comm.CancelButton()->isEnabled());
        CHECK(comm.Report().status == TransferStatus::NoRadio);
        comm.CancelButton()->click();
        return comm.result();
    });
    RadioImage image{};
    QCOMPARE(bench.Read(image).status, TransferStatus::NoRadio);
    QCOMPARE(bench.Told().size(), 1);
    QVERIFY(bench.Told().front().startsWith("The radio does not answer."));
    QVERIFY2(bench.Told().front().contains("no-such-port"), qPrintable(bench.Told().front()));
}

void CommDialogTest::cancelBeforeOkSendsNothing() {
    Bench bench(sim::SimulatorConfig{});
    bench.runner.Queue([](QDialog& dialog) {
        auto& comm = dynamic_cast<CDlgComm&>(dialog);
        comm.show();
        CHECK(comm.windowTitle() == QString("Write to Radio"));
        Picture(comm, "comm-write-waiting");
        comm.CancelButton()->click();
        return comm.result();
    });
    RadioImage image = Pattern(1);
    QCOMPARE(bench.Write(image).status, TransferStatus::Cancelled);
    QVERIFY(bench.radio->Log().empty());
    QVERIFY(image == Pattern(1));
}

void CommDialogTest::verifyOptionIsRememberedAndTheReadBackStartsAtOnce() {
    Bench bench(sim::SimulatorConfig{});
    QVERIFY(!bench.dialogs->VerifyAfterWrite());
    // A write's dialog offers the option; ticking it is kept even when the write is cancelled.
    const auto tick = [](bool expected) {
        return [expected](QDialog& dialog) {
            auto& comm = dynamic_cast<CDlgComm&>(dialog);
            comm.show();
            CHECK(comm.VerifyBox() != nullptr);
            if (comm.VerifyBox()) {
                CHECK(comm.VerifyBox()->isChecked() == expected);
                CHECK(comm.VerifyBox()->text().startsWith("&Verify after writing")); // Alt+V
                CHECK(comm.VerifyBox()->accessibleName() == comm.VerifyBox()->text().remove('&'));
                comm.VerifyBox()->setChecked(!expected);
            }
            Picture(comm, "comm-write-verify");
            comm.CancelButton()->click();
            return comm.result();
        };
    };
    RadioImage image = Pattern(1);
    bench.runner.Queue(tick(false));
    QCOMPARE(bench.Write(image).status, TransferStatus::Cancelled);
    QVERIFY(bench.dialogs->VerifyAfterWrite());
    CommRadioDialogs again(*bench.settings, bench.prompts, &bench.runner);
    QVERIFY(again.VerifyAfterWrite()); // from Settings.ini
    bench.runner.Queue(tick(true));
    QCOMPARE(bench.Write(image).status, TransferStatus::Cancelled);
    QVERIFY(!bench.dialogs->VerifyAfterWrite());

    // A read offers nothing of the kind.
    bench.runner.Queue([](QDialog& dialog) {
        auto& comm = dynamic_cast<CDlgComm&>(dialog);
        CHECK(comm.VerifyBox() == nullptr);
        comm.CancelButton()->click();
        return comm.result();
    });
    QCOMPARE(bench.Read(image).status, TransferStatus::Cancelled);

    // The read-back runs without OK and without telling that the radio was read.
    bench.runner.Queue([](QDialog& dialog) {
        auto& comm = dynamic_cast<CDlgComm&>(dialog);
        comm.show();
        (void)QTest::qWaitFor([&] { return comm.isHidden(); }, kWaitMs);
        return comm.result();
    });
    TransferRequest request;
    request.direction = TransferDirection::Read;
    request.device = bench.device;
    request.rules.acceptedModelIds = {"TAV-V300"};
    RadioImage back{};
    QVERIFY(bench.dialogs->ReadBack(nullptr, request, back).ok());
    QVERIFY(back == bench.radio->Memory());
    QVERIFY(bench.Told().isEmpty());
}

// With "Verify after writing" on, the write's own dialog reads the radio back: one progress from
// start to end (the read-back in its second half), nothing told by the dialog, and the read-back
// kept for the comparison that tells the one result.
void CommDialogTest::writeWithVerifyReadsBackInTheSameRun() {
    CDlgNote::SetDoNotWarn(true);
    sim::SimulatorConfig config;
    config.replyDelay = std::chrono::milliseconds(1);
    Bench bench(config);
    int lowestDuringReadBack = 100;
    bool sawReadBack = false;
    bench.runner.Queue([&](QDialog& dialog) {
        auto& comm = dynamic_cast<CDlgComm&>(dialog);
        comm.show();
        comm.VerifyBox()->setChecked(true);
        comm.OkButton()->click();
        (void)QTest::qWaitFor(
            [&] {
                if (comm.Status()->text().startsWith(QStringLiteral("Verifying: "))) {
                    sawReadBack = true;
                    lowestDuringReadBack = std::min(lowestDuringReadBack, comm.Progress()->value());
                }
                return comm.isHidden();
            },
            kWaitMs);
        CHECK(comm.Progress()->value() == 100);
        return comm.result();
    });
    RadioImage image = Pattern(4);
    const TransferReport written = bench.Write(image);
    QVERIFY2(written.ok(), qPrintable(QString::number(static_cast<int>(written.status))));
    QVERIFY(sawReadBack);
    QVERIFY(lowestDuringReadBack >= 50);
    QVERIFY2(bench.Told().isEmpty(), qPrintable(bench.Told().join('|')));
    RadioImage back{};
    const std::optional<TransferReport> readBack = bench.dialogs->TakeReadBack(back);
    QVERIFY(readBack && readBack->ok());
    QVERIFY(back == bench.radio->Memory());
    QVERIFY(!bench.dialogs->TakeReadBack(back)); // taken once
}

void CommDialogTest::portDialogShowsDevicesAndWhyPortsAreOff() {
    Bench bench(sim::SimulatorConfig{});
    test::WriteText(bench.dir / "Settings.ini", "[Ports]\nPort2=" + bench.radio->DevicePath() + "\n");
    ScriptedProbe probe;
    probe.states["/dev/ttyUSB0"] = PortError::None;
    probe.states[bench.radio->DevicePath()] = PortError::None;
    probe.states["/dev/ttyUSB2"] = PortError::Busy;
    probe.states["/dev/ttyS0"] = PortError::PermissionDenied;
    bench.dialogs->SetProbe(&probe);

    // The remembered port is held by another program: no port is selected; OK gives port 0.
    bench.settings->SetComPort(3);
    bench.runner.Queue([](QDialog& dialog) {
        auto& ports = dynamic_cast<CDlgComPort&>(dialog);
        ports.show();
        CHECK(ports.windowTitle() == QString("Communication Port"));
        CHECK(!ports.Button(3)->isEnabled());
        CHECK(ports.Button(2)->isEnabled());
        CHECK(ports.SelectedIndex() == -1);
        Picture(ports, "com-port");
        ports.accept();
        return ports.result();
    });
    QVERIFY(bench.dialogs->ChoosePort(nullptr));
    QCOMPARE(bench.settings->ComPort(), 0);

    bench.runner.Queue([](QDialog& dialog) {
        auto& ports = dynamic_cast<CDlgComPort&>(dialog);
        ports.Button(2)->click();
        ports.accept();
        return ports.result();
    });
    QVERIFY(bench.dialogs->ChoosePort(nullptr));
    QCOMPARE(bench.settings->ComPort(), 2);

    // Cancel keeps the port.
    QVERIFY(!bench.dialogs->ChoosePort(nullptr));
    QCOMPARE(bench.settings->ComPort(), 2);
}

QTEST_MAIN(CommDialogTest)
#include "CommDialogTest.moc"
